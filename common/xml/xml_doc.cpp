#include "common/xml/xml_doc.h"

#include <limits>

#include "common/xml/xml_tree_builder.h"

bool CXmlDoc::SetDoc(std::string text) {
    text_ = std::move(text);
    result_.clear();
    fileEncoding_ = XmlFileEncoding();
    docFlags_ &= kDocIgnoreCase;
    Parse();
    return IsWellFormed();
}

void CXmlDoc::Clear() {
    text_.clear();
    result_.clear();
    fileEncoding_ = XmlFileEncoding();
    docFlags_ &= kDocIgnoreCase;
    index_.Clear();
    ResetPos();
}

void CXmlDoc::Parse() {
    std::string notes = std::move(result_);
    result_.clear();
    std::string error;
    if (text_.size() >= std::numeric_limits<std::uint32_t>::max()) {
        // Offsets are 32 bits wide: such a text is not indexed.
        index_.Clear();
        error = "Document too large";
    } else {
        error = BuildElementIndex(text_, index_, docFlags_ & kDocIgnoreCase);
        if (error.empty()) {
            int root = index_[0].firstChild;
            if (text_.empty())
                error = "Empty document";
            else if (!root)
                error = "No root element";
            else if (index_[root].nextSibling)
                error = "Root element has sibling";
        }
    }
    ComposeResult(notes, error);
    ResetPos();
}

void CXmlDoc::ComposeResult(std::string_view notes, std::string_view parseError) {
    result_.assign(notes);
    if (!parseError.empty()) {
        if (!result_.empty()) result_ += ' ';
        result_ += parseError;
    }
}

void CXmlDoc::ResetPos() {
    parentPos_ = 0;
    currentPos_ = 0;
    childPos_ = 0;
    nodeType_ = xml::kNodeNone;
}

bool CXmlDoc::IsWellFormed() const {
    if (index_.Empty() || (index_[0].flags & kElemIllFormed)) return false;
    int root = index_[0].firstChild;
    return root && !index_[root].nextSibling;
}

std::string_view CXmlDoc::TagName(int elem) const {
    if (!index_.Valid(elem)) return {};
    std::size_t start = index_[elem].start + 1;
    return std::string_view(text_).substr(start, xml::ScanNameEnd(text_, start) - start);
}

bool CXmlDoc::NameMatches(int elem, std::string_view name) const {
    std::string_view tag = TagName(elem);
    if (tag.empty() || name.size() < tag.size()) return false;
    if (!xml::SameName(tag, name.substr(0, tag.size()), docFlags_ & kDocIgnoreCase)) return false;
    if (name.size() == tag.size()) return true;
    char next = name[tag.size()];
    return next == ' ' || next == '=' || next == '/' || next == '[' || next == ']';
}
