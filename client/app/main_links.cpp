#include "client/app/main_links.h"

#include "client/app/app_config.h"
#include "client/app/client_util.h"

std::string PortalLoginUrl(const std::string& userName, const std::string& password) {
    CClientUtil util;
    return HostUrl(ProcessValues().hosts.accountPortal,
                   "/web/dqvnlogin.aspx?uname=" + util.UrlEncode(userName) +
                       "&upwd=" + util.UrlEncode(password));
}
