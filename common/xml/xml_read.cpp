// Reading: attribute values and text content of one element, references decoded.
#include <algorithm>
#include <cstring>

#include "common/xml/xml_doc.h"
#include "common/xml/xml_text_codec.h"

std::string CXmlDoc::GetAttrOf(int elem, std::string_view name) const {
    if (!index_.Valid(elem) || name.empty()) return {};
    const ElemRecord& rec = index_[elem];
    std::size_t tagEnd = std::min<std::size_t>(rec.start + rec.startTagLength, text_.size());
    std::size_t nameEnd = std::min(xml::ScanNameEnd(text_, rec.start + 1), tagEnd);
    xml::AttributeSpan span = xml::FindAttribute(text_, nameEnd, tagEnd, name);
    if (!span.found) return {};
    return xml::DecodeReferences(span.RawValue(text_));
}

std::string CXmlDoc::GetTextOf(int elem) const {
    if (!index_.Valid(elem)) return {};
    const ElemRecord& rec = index_[elem];
    if (rec.firstChild || rec.endTagLength == 0 || rec.length <= rec.startTagLength) return {};
    std::size_t begin = std::min<std::size_t>(rec.ContentStart(), text_.size());
    std::size_t end = std::min<std::size_t>(rec.ContentEnd(), text_.size());
    if (end <= begin) return {};
    std::string_view content = std::string_view(text_).substr(begin, end - begin);
    if (!std::memchr(content.data(), '<', content.size())) return xml::DecodeReferences(content);

    std::string out;
    std::size_t pos = 0;
    while (pos < content.size()) {
        xml::Node node = xml::NextNode(content, pos);
        pos = std::max(node.end, pos + 1);
        std::string_view span = content.substr(node.start, node.end - node.start);
        if (node.error.kind == xml::NodeError::kIncorrect) {
            out += span;  // a '<' that opens no markup reads as itself
        } else if (node.error.kind != xml::NodeError::kNone) {
            continue;
        } else if (node.kind == xml::kNodeText) {
            out += xml::DecodeReferences(span);
        } else if (node.kind == xml::kNodeCData) {
            std::size_t inner = std::min<std::size_t>(9, span.size() - 3);
            out += span.substr(inner, span.size() - 3 - inner);
        }
    }
    return out;
}
