#include "common/xml/xml_file.h"

#include "common/platform/internet.h"
#include "common/platform/paths.h"
#include "common/xml/utf8_to_local.h"

CXmlFile::CXmlFile() = default;

CXmlFile::CXmlFile(const std::string& fileName)
    : path_(platform::JoinPath(platform::ProgramDirectory(), fileName)) {
    doc_.LoadFile(path_);
}

bool CXmlFile::LoadUrl(const std::string& url) {
    return FetchUrl(url).Ok() && doc_.IsWellFormed();
}

platform::FetchResult CXmlFile::FetchUrl(const std::string& url) {
    std::string text;
    platform::FetchResult result = platform::FetchUrlAsText(url, text);
    if (result.Ok()) doc_.SetDoc(Utf8ToLocal(text));
    return result;
}

bool CXmlFile::LoadUrlRaw(const std::string& url) {
    std::string text;
    if (!platform::OpenUrlAsText(url, text)) return false;
    return doc_.SetDoc(std::move(text));
}

bool CXmlFile::Descend(const std::string& name) { return doc_.Descend(name); }
bool CXmlFile::FindNext(const std::string& name) { return doc_.FindNext(name); }
bool CXmlFile::Locate(const std::string& elemName, const std::string& attrName,
                      const std::string& value) {
    return doc_.Locate(elemName, attrName, value);
}
std::string CXmlFile::GetAttr(const std::string& name) const { return doc_.GetAttr(name); }
std::string CXmlFile::GetText() const { return doc_.GetText(); }

bool CXmlFile::SetAttr(const std::string& name, const std::string& value) {
    return doc_.SetAttr(name, value);
}
bool CXmlFile::SetText(const std::string& value) { return doc_.SetText(value); }
bool CXmlFile::AppendElem(const std::string& name, const std::string& value) {
    return doc_.AppendElem(name, value);
}

bool CXmlFile::Leave() { return doc_.Leave(); }
bool CXmlFile::LeaveAll() { return doc_.LeaveAll(); }
bool CXmlFile::Save(platform::FileAccess access) { return doc_.SaveFile(path_, access); }
