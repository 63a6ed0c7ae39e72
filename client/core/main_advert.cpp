#include "client/core/main_advert.h"

#include "client/core/client_config.h"
#include "common/xml/xml_file.h"

AdvertChoice ChooseMainAdvert(const SiteHosts& hosts, const std::string& fileName) {
    CXmlFile file(fileName);
    AdvertChoice choice;
    if (file.Descend("MainAdvts")) {
        choice.picture = file.GetText();
        choice.link = file.GetAttr("LinkUrl");
    }
    if (choice.picture.empty() || choice.link.empty())
        choice = {"image\\ad_1.gif", HostUrl(hosts.accountPortal, "/")};
    return choice;
}

AdvertChoice SecondAdvert(const SiteHosts& hosts) {
    return {"image\\ad_2.gif", HostUrl(hosts.makerSite, "/")};
}
