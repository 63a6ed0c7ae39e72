// Editing: every edit splices the text and shifts the start of every record behind the
// splice and the length of every element around it, so the index stays exact.
#include "common/xml/xml_doc.h"
#include "common/xml/xml_text_codec.h"
#include "common/xml/xml_tree_builder.h"

namespace {

constexpr std::string_view kLineBreak = "\r\n";

bool EndsWithEmptyTagClose(std::string_view text, const ElemRecord& rec) {
    std::size_t end = std::size_t(rec.start) + rec.startTagLength;
    return rec.startTagLength >= 3 && end <= text.size() && text[end - 1] == '>' &&
           text[end - 2] == '/';
}

}  // namespace

void CXmlDoc::Splice(std::size_t pos, std::size_t removed, std::string_view inserted,
                     int innermost) {
    text_.replace(pos, removed, inserted);
    const std::int64_t diff = std::int64_t(inserted.size()) - std::int64_t(removed);
    const std::size_t behind = pos + removed;
    for (int i = 1; i < index_.Count(); ++i) {
        ElemRecord& rec = index_[i];
        if (rec.start >= behind) rec.start = std::uint32_t(rec.start + diff);
    }
    for (int e = innermost; e > 0; e = index_[e].parent)
        index_[e].length = std::uint32_t(index_[e].length + diff);
    index_[0].length = std::uint32_t(text_.size());
}

bool CXmlDoc::SetAttr(std::string_view name, std::string_view value) {
    if (!index_.Valid(currentPos_) || !xml::IsValidName(name)) return false;
    const int elem = currentPos_;
    const ElemRecord rec = index_[elem];
    std::size_t tagEnd = std::size_t(rec.start) + rec.startTagLength;
    std::size_t nameEnd = std::min(xml::ScanNameEnd(text_, rec.start + 1), tagEnd);
    std::string quoted = "\"" + xml::EncodeText(value, true) + "\"";
    xml::AttributeSpan span = xml::FindAttribute(text_, nameEnd, tagEnd, name);
    std::size_t before = text_.size();
    if (span.found && span.hasValue)
        Splice(span.valueStart, span.valueEnd - span.valueStart, quoted, elem);
    else if (span.found)
        Splice(span.nameEnd, 0, "=" + quoted, elem);
    else
        Splice(nameEnd, 0, " " + std::string(name) + "=" + quoted, elem);
    index_[elem].SetStartTagLength(rec.startTagLength + (text_.size() - before));
    return true;
}

bool CXmlDoc::SetText(std::string_view value) {
    if (!index_.Valid(currentPos_)) return false;
    const int elem = currentPos_;
    const ElemRecord rec = index_[elem];
    if (rec.firstChild) return false;
    std::string name(TagName(elem));
    std::string endTag = "</" + name + ">";
    if (endTag.size() > ElemRecord::kMaxEndTagLength) return false;
    std::string encoded = xml::EncodeText(value, false);

    if (rec.endTagLength == 0) {
        if (value.empty()) {
            index_[elem].flags &= ~kElemBadContent;
            return true;
        }
        if (rec.flags & kElemNotEnded) {
            // Never ended: the text and an end tag go right behind the start tag.
            Splice(rec.ContentStart(), 0, encoded + endTag, elem);
            index_[elem].flags &= ~kElemNotEnded;
        } else {
            // <x/> becomes <x>text</x>.
            if (!EndsWithEmptyTagClose(text_, rec)) return false;
            Splice(rec.ContentStart() - 2, 2, ">" + encoded + endTag, elem);
            index_[elem].SetStartTagLength(rec.startTagLength - 1);
        }
        index_[elem].SetEndTagLength(endTag.size());
    } else {
        Splice(rec.ContentStart(), rec.ContentEnd() - rec.ContentStart(), encoded, elem);
    }
    index_[elem].flags &= ~kElemBadContent;
    return true;
}

bool CXmlDoc::AppendElem(std::string_view name, std::string_view value) {
    if (!xml::IsValidName(name) || name.size() + 3 > ElemRecord::kMaxEndTagLength) return false;
    if (index_.Empty()) {
        index_.Reset(8);
        index_[index_.Add()].length = std::uint32_t(text_.size());
    }
    const int parent = parentPos_;
    // One root element only.
    if (parent == 0 && index_[0].firstChild) return false;

    const std::string endTag = "</" + std::string(name) + ">";
    std::string element;
    if (value.empty()) {
        element = "<" + std::string(name) + "/>";
    } else {
        element = "<" + std::string(name) + ">" + xml::EncodeText(value, false) + endTag;
    }
    const std::size_t startTagLength = value.empty() ? element.size() : name.size() + 2;
    const std::size_t endTagLength = value.empty() ? 0 : endTag.size();

    std::size_t newStart;
    if (currentPos_) {
        // Behind the current element and the blanks and line breaks after it.
        std::size_t pos = std::min<std::size_t>(index_[currentPos_].End(), text_.size());
        while (pos < text_.size() && xml::IsXmlSpace(text_[pos])) ++pos;
        Splice(pos, 0, element + std::string(kLineBreak), parent);
        newStart = pos;
    } else if (parent == 0) {
        std::string lead = !text_.empty() && text_.back() != '\n' ? std::string(kLineBreak) : "";
        newStart = text_.size() + lead.size();
        Splice(text_.size(), 0, lead + element + std::string(kLineBreak), 0);
    } else {
        const ElemRecord p = index_[parent];
        std::string parentName(TagName(parent));
        if (p.flags & kElemNotEnded) return false;
        if (p.endTagLength == 0) {
            // <p/> becomes <p> CR LF element CR LF </p>.
            std::string parentEnd = "</" + parentName + ">";
            if (!EndsWithEmptyTagClose(text_, p) || parentEnd.size() > ElemRecord::kMaxEndTagLength)
                return false;
            std::string replacement = ">" + std::string(kLineBreak) + element +
                                      std::string(kLineBreak) + parentEnd;
            Splice(p.ContentStart() - 2, 2, replacement, parent);
            index_[parent].SetStartTagLength(p.startTagLength - 1);
            index_[parent].SetEndTagLength(parentEnd.size());
            newStart = p.ContentStart() - 1 + kLineBreak.size();
        } else if (p.ContentStart() == p.ContentEnd()) {
            Splice(p.ContentStart(), 0,
                   std::string(kLineBreak) + element + std::string(kLineBreak), parent);
            newStart = p.ContentStart() + kLineBreak.size();
        } else {
            Splice(p.ContentEnd(), 0, element + std::string(kLineBreak), parent);
            newStart = p.ContentEnd();
        }
    }

    int elem = index_.Add();
    ElemRecord& rec = index_[elem];
    rec.start = std::uint32_t(newStart);
    rec.length = std::uint32_t(element.size());
    rec.SetStartTagLength(startTagLength);
    rec.SetEndTagLength(endTagLength);
    if (currentPos_) LinkAfter(index_, currentPos_, elem);
    else LinkLastChild(index_, parent, elem);
    index_[elem].SetDepth(ChildDepth(index_, parent));
    currentPos_ = elem;
    childPos_ = 0;
    nodeType_ = xml::kNodeElement;
    return true;
}
