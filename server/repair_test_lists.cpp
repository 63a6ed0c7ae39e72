#include "server/repair_test_lists.h"

#include "server/update_lists.h"

namespace server {

std::string TestRepairListDocument(const PayloadCatalog& catalog, const std::string& canonicalPath,
                                   const std::string& host) {
    if (canonicalPath == "/__repair/empty/restoration.xml") return RepairListDocument(std::vector<PayloadFile>{}, host);
    std::vector<PayloadFile> files = catalog.InstallFiles();
    if (canonicalPath == "/__repair/missing/restoration.xml") {
        files.push_back({"Missing.dll", "", "1"});
    } else if (canonicalPath == "/__repair/hostile/restoration.xml") {
        for (const char* name : {"..\\evil.dll", "\\etc\\evil", "/tmp/evil", "image\\..\\..\\evil", "%2e%2e\\evil",
                                 "C:\\evil", "image\\sub\\evil", "config.xml"})
            files.push_back({name, "", "1"});
    } else {
        return "";
    }
    return RepairListDocument(files, host);
}

}  // namespace server
