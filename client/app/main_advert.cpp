#include "client/app/main_advert.h"

#include "client/app/app_config.h"
#include "common/xml/xml_file.h"

AdvertChoice ChooseMainAdvert(const std::string& fileName) {
    CXmlFile file(fileName);
    AdvertChoice choice;
    if (file.Descend("MainAdvts")) {
        choice.picture = file.GetText();
        choice.link = file.GetAttr("LinkUrl");
    }
    if (choice.picture.empty() || choice.link.empty())
        choice = {"image\\ad_1.gif", HostUrl(ProcessValues().hosts.accountPortal, "/")};
    return choice;
}

AdvertChoice SecondAdvert() {
    return {"image\\ad_2.gif", HostUrl(ProcessValues().hosts.makerSite, "/")};
}
