#include "client/core/main_links.h"

#include "client/core/client_config.h"
#include "client/core/client_util.h"

std::string PortalLoginUrl(const SiteHosts& hosts, const std::string& userName,
                           const std::string& password) {
    CClientUtil util;
    return HostUrl(hosts.accountPortal,
                   "/web/dqvnlogin.aspx?uname=" + util.UrlEncode(userName) +
                       "&upwd=" + util.UrlEncode(password));
}
