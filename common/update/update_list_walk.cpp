#include "common/update/update_list_walk.h"

#include "common/xml/xml_doc.h"
#include "common/xml/xml_text_codec.h"

namespace update {
FileList ReadFileList(CXmlDoc& document) {
    FileList list;
    document.ResetPos();
    if (document.Descend("Updater") && document.Descend("Url")) {
        list.base = document.GetText();
        list.hasBase = true;
    }
    // The files are searched from the start again, so a list whose Files element comes
    // before Updater, or that has no Updater, is read as well.
    document.ResetPos();
    if (!document.Descend("Files") || !document.Descend("File")) return list;
    do {
        list.files.push_back({document.GetAttr("Name"), document.GetAttr("Ver")});
    } while (document.FindNext("File"));
    return list;
}

std::string ReadListVersion(CXmlDoc& document) {
    document.ResetPos();
    if (!document.Descend("Application") || !document.Descend("Version")) return "";
    return document.GetText();
}

std::string ReadLocalListVersion(const std::string& path) {
    CXmlDoc document;
    document.LoadFile(path);
    return ReadListVersion(document);
}

std::string ListLocation(const std::string& localListPath, const std::string& listName,
                         const std::string& defaultUrl) {
    CXmlDoc local;
    local.LoadFile(localListPath);
    const std::string base = ReadFileList(local).base;
    return base.empty() ? defaultUrl : base + listName;
}

std::string FileListDocument(const std::string& base, const std::vector<ListedFile>& files) {
    std::string text = "<?xml version=\"1.0\" encoding=\"GB2312\"?>\r\n<AutoUpdateList>\r\n";
    if (!base.empty()) text += "  <Updater>\r\n    <Url>" + xml::EncodeText(base, false) + "</Url>\r\n  </Updater>\r\n";
    text += "  <Files>\r\n";
    for (const ListedFile& file : files)
        text += "    <File Name=\"" + xml::EncodeText(file.name, true) + "\" Ver=\"" + xml::EncodeText(file.version, true) + "\"/>\r\n";
    text += "  </Files>\r\n</AutoUpdateList>\r\n";
    return text;
}

}  // namespace update
