#include "server/update_lists.h"

#include "server/xml_text.h"

namespace server {
namespace {

void WriteFiles(XmlBuilder& xml, const std::vector<PayloadFile>& files) {
    xml.Open("Files");
    for (const auto& file : files) xml.Empty("File", {{"Name", file.name}, {"Ver", file.version}});
    xml.Close();
}

std::vector<PayloadFile> ProgramFiles(const PayloadCatalog& catalog) {
    // The version and data-file lists are answered by the server itself.
    std::vector<PayloadFile> files;
    for (auto& file : catalog.InstallFiles()) {
        if (file.name == "UpdateList.xml" || file.name == "AutoUpdateList.xml") continue;
        files.push_back(std::move(file));
    }
    return files;
}

std::string DataFileListOf(const std::vector<PayloadFile>& files, const std::string& host) {
    XmlBuilder xml;
    xml.Open("AutoUpdateList");
    xml.Open("Updater");
    xml.Leaf("Url", "http://" + host + "/KRClientAutoUpdate/");
    xml.Close();
    WriteFiles(xml, files);
    return xml.Document(false);
}

}  // namespace

std::string DataFileListVersion(const PayloadCatalog& catalog) {
    std::string listed;
    for (const auto& file : catalog.DataFiles()) listed += file.name + "=" + file.version + ";";
    return ContentVersion(listed);
}

std::string VersionListDocument(const PayloadCatalog& catalog, const std::string& appVersion,
                                const std::string& host) {
    XmlBuilder xml;
    xml.Open("UpdateList");
    xml.Open("Updater");
    xml.Leaf("Url", "http://" + host + "/KRClientUpdate/");
    xml.Close();
    WriteFiles(xml, ProgramFiles(catalog));
    xml.Open("Application");
    xml.Leaf("Version", appVersion);
    xml.Close();
    return xml.Document(false);
}

std::string DataFileListDocument(const PayloadCatalog& catalog, const std::string& host) {
    auto files = catalog.DataFiles();
    // The list names itself, so that a client which fetched the files also gets the
    // list recording their versions and stops fetching them again.
    files.push_back({"AutoUpdateList.xml", "", DataFileListVersion(catalog)});
    return DataFileListOf(files, host);
}

std::string HostileDataFileListDocument(const PayloadCatalog& catalog, const std::string& host) {
    auto files = catalog.DataFiles();
    for (const char* name : {"..\\evil", "/etc/x", "a/../../x", "%2e%2e\\x", "C:\\x"})
        files.push_back({name, "", "1"});
    return DataFileListOf(files, host);
}

std::string MissingFileDataListDocument(const PayloadCatalog& catalog, const std::string& host) {
    auto files = catalog.DataFiles();
    files.push_back({"Missing.xml", "", "1"});
    return DataFileListOf(files, host);
}

std::string TestDataFileListDocument(const PayloadCatalog& catalog, const std::string& canonicalPath,
                                     const std::string& host) {
    if (canonicalPath == "/__update/hostile/autoupdatelist.xml") return HostileDataFileListDocument(catalog, host);
    if (canonicalPath == "/__update/missing/autoupdatelist.xml") return MissingFileDataListDocument(catalog, host);
    return "";
}

std::string RepairListDocument(const PayloadCatalog& catalog, const std::string& host) {
    return RepairListDocument(catalog.InstallFiles(), host);
}

std::string RepairListDocument(const std::vector<PayloadFile>& files, const std::string& host) {
    XmlBuilder xml;
    xml.Open("Updater");
    xml.Leaf("Url", "http://" + host + "/Restoration/files/");
    if (!files.empty()) WriteFiles(xml, files);
    return xml.Document(false);
}

}  // namespace server
