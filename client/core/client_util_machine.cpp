// The two machine facts the login request sends.
#include "client/core/client_util.h"
#include "common/platform/machine.h"
#include "common/xml/xml_file.h"

std::string CClientUtil::GetMacAddress() const {
    return platform::MachineMacAddress();
}

std::string CClientUtil::GetLocalVersion() const {
    CXmlFile list("UpdateList.xml");
    if (!list.Descend("Application") || !list.Descend("Version")) return "";
    return list.GetText();
}
