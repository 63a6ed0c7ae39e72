#pragma once
// CXmlFile: the XML document the rest of the program uses. It owns one CXmlDoc and a
// file path, loads the file at construction, can fetch a document from a URL, and offers
// navigation, reading, editing and saving. All strings are GBK bytes.
#include <string>

#include "common/platform/internet.h"
#include "common/xml/xml_doc.h"

class CXmlFile {
public:
    // Empty document, empty path (used before LoadUrl / LoadUrlRaw).
    CXmlFile();
    // Path = program directory + name (backslashes in the name become separators);
    // the file is loaded at once. A missing or unreadable file gives an empty document.
    explicit CXmlFile(const std::string& fileName);

    // Fetches the URL as text, converts it with Utf8ToLocal, parses. False on any
    // network failure (the document then keeps what it had) or when the text is not
    // well-formed.
    bool LoadUrl(const std::string& url);
    // LoadUrl telling how the fetch went. When it is Ok the text was parsed, well-formed
    // or not (Doc().IsWellFormed() and Doc().Result() tell); otherwise nothing changed.
    platform::FetchResult FetchUrl(const std::string& url);
    // The same without the conversion.
    bool LoadUrlRaw(const std::string& url);

    bool Descend(const std::string& name);
    bool FindNext(const std::string& name);
    bool Locate(const std::string& elemName, const std::string& attrName,
                const std::string& value);
    std::string GetAttr(const std::string& name) const;
    std::string GetText() const;

    bool SetAttr(const std::string& name, const std::string& value);
    bool SetText(const std::string& value);
    bool AppendElem(const std::string& name, const std::string& value);

    bool Leave();
    bool LeaveAll();
    // Writes the document to the path. False (and the old file intact) when it cannot.
    // `access` decides the file's mode (a file holding secrets asks for OwnerOnly).
    bool Save(platform::FileAccess access = platform::FileAccess::KeepExisting);

    const std::string& Path() const { return path_; }
    CXmlDoc& Doc() { return doc_; }
    const CXmlDoc& Doc() const { return doc_; }

private:
    CXmlDoc doc_;
    std::string path_;
};
