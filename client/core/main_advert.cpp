#include "client/core/main_advert.h"

#include "client/core/client_config.h"
#include "common/xml/xml_file.h"

namespace {

// The advertisement `element` of the file names when it gives both a picture and a link.
AdvertChoice ChooseFromFile(const std::string& fileName, const char* element, AdvertChoice builtIn) {
    CXmlFile file(fileName);
    AdvertChoice choice;
    if (file.Descend(element)) {
        choice.picture = file.GetText();
        choice.link = file.GetAttr("LinkUrl");
    }
    if (choice.picture.empty() || choice.link.empty()) return builtIn;
    return choice;
}

}  // namespace

AdvertChoice ChooseMainAdvert(const SiteHosts& hosts, const std::string& fileName) {
    return ChooseFromFile(fileName, "MainAdvts", {"image\\ad_1.gif", HostUrl(hosts.accountPortal, "/")});
}

AdvertChoice SecondAdvert(const SiteHosts& hosts) {
    return {"image\\ad_2.gif", HostUrl(hosts.makerSite, "/")};
}

AdvertChoice ChooseComprehensiveAdvert(const SiteHosts& hosts, const std::string& fileName) {
    return ChooseFromFile(fileName, "ZHZDAdvts",
                          {"image\\ad_3.gif", HostUrl(hosts.productSite, "/plan/spring/")});
}
