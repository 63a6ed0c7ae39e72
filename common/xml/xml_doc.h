#pragma once
// CXmlDoc: an XML document kept as one text string (local code page, GBK) with an index
// of element positions into it. Reading walks the index; editing splices the text and
// shifts the index. Not a DOM: no text is copied into the index.
#include <cstdint>
#include <string>
#include <string_view>

#include "common/platform/files.h"
#include "common/xml/xml_elem_index.h"
#include "common/xml/xml_scan.h"

// Document flags.
inline constexpr int kDocUtf16LEMark = 1;
inline constexpr int kDocUtf8Mark = 4;
inline constexpr int kDocIgnoreCase = 8;  // case-insensitive name matching
inline constexpr int kDocReadFile = 16;
inline constexpr int kDocUtf16BEMark = 128;

// How the loaded file was encoded, so that a save writes it back the same way.
struct XmlFileEncoding {
    enum Form { kAsHeld, kCodePage, kUtf32LE, kUtf32BE } form = kAsHeld;
    unsigned codePage = 0;  // for kCodePage
    std::string mark;       // byte-order mark the file began with
};

class CXmlDoc {
public:
    CXmlDoc() = default;

    // Takes `text` as the document, clears the result and parses; the well-formed test.
    bool SetDoc(std::string text);
    // Empties the document ("no text").
    void Clear();
    // Loads a file with encoding detection and conversion, then parses; the well-formed
    // test. A missing or unreadable file leaves an empty document and a result message.
    bool LoadFile(const std::string& path);
    // Writes the text back in the encoding the file was read in (with its mark) through
    // a temporary file; false, with any existing file untouched, when it cannot.
    // `access` decides the file's mode (a file holding secrets asks for OwnerOnly).
    bool SaveFile(const std::string& path,
                  platform::FileAccess access = platform::FileAccess::KeepExisting) const;

    const std::string& Text() const { return text_; }
    const std::string& Result() const { return result_; }
    int DocFlags() const { return docFlags_; }
    void SetDocFlags(int flags) { docFlags_ = flags; }
    const XmlFileEncoding& FileEncoding() const { return fileEncoding_; }
    bool IsWellFormed() const;

    // Position.
    int ParentPos() const { return parentPos_; }
    int CurrentPos() const { return currentPos_; }
    int ChildPos() const { return childPos_; }
    int NodeType() const { return nodeType_; }
    void ResetPos();

    // The primitive moves.
    bool FindSibling(std::string_view name);
    bool FindChild(std::string_view name);
    bool Enter();
    bool Leave();

    // The program's navigation.
    bool Descend(std::string_view name);
    bool FindNext(std::string_view name) { return FindSibling(name); }
    bool Locate(std::string_view elemName, std::string_view attrName, std::string_view value);
    bool LeaveAll();

    // Reading (references decoded). "" without a current element.
    std::string GetAttr(std::string_view name) const { return GetAttrOf(currentPos_, name); }
    std::string GetText() const { return GetTextOf(currentPos_); }
    std::string GetAttrOf(int elem, std::string_view name) const;
    std::string GetTextOf(int elem) const;
    std::string_view TagName(int elem) const;

    // Editing at the current position.
    bool SetAttr(std::string_view name, std::string_view value);
    bool SetText(std::string_view value);
    bool AppendElem(std::string_view name, std::string_view value);

    // The index, for inspection.
    const CElemIndex& Index() const { return index_; }
    const ElemRecord& Elem(int i) const { return index_[i]; }

    // A search name matches a tag name when the tag name equals it and the given name
    // ends there or goes on with ' ', '=', '/', '[' or ']'.
    bool NameMatches(int elem, std::string_view name) const;

private:
    void Parse();
    void ComposeResult(std::string_view notes, std::string_view parseError);

    // Editing helpers.
    void Splice(std::size_t pos, std::size_t removed, std::string_view inserted,
                int innermost);

    std::string text_;
    std::string result_;
    int parentPos_ = 0;
    int currentPos_ = 0;
    int childPos_ = 0;
    int nodeType_ = xml::kNodeNone;
    int docFlags_ = 0;
    CElemIndex index_;
    XmlFileEncoding fileEncoding_;
};
