#include "common/xml/xml_scan.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace xml {
namespace {

constexpr std::array<bool, 256> MakeNameEndTable() {
    std::array<bool, 256> table{};
    for (unsigned char c : std::string_view(" \t\r\n<>=\\/?!\"';")) table[c] = true;
    return table;
}
constexpr std::array<bool, 256> kNameEnd = MakeNameEndTable();

// Characters that matter while looking for the end of a start tag.
constexpr std::array<bool, 256> MakeTagSpecialTable() {
    std::array<bool, 256> table{};
    for (unsigned char c : std::string_view("<>\"'")) table[c] = true;
    return table;
}
constexpr std::array<bool, 256> kTagSpecial = MakeTagSpecialTable();

Node Malformed(Node node, NodeError::Kind kind, const char* what, std::size_t end) {
    node.error.kind = kind;
    node.error.what = what;
    node.end = end;
    return node;
}

std::size_t Find(std::string_view text, std::size_t from, std::string_view what) {
    if (from > text.size()) return std::string_view::npos;
    return text.find(what, from);
}

Node ScanStartTag(std::string_view text, Node node) {
    node.kind = kNodeElement;
    node.nameStart = node.start + 1;
    node.nameEnd = ScanNameEnd(text, node.nameStart);
    const std::size_t size = text.size();
    const unsigned char* data = reinterpret_cast<const unsigned char*>(text.data());
    std::size_t i = node.nameEnd;
    while (i < size) {
        while (i < size && !kTagSpecial[data[i]]) ++i;
        if (i >= size) break;
        char c = static_cast<char>(data[i]);
        if (c == '>') {
            node.end = i + 1;
            node.emptyElement = i > node.nameStart && data[i - 1] == '/';
            return node;
        }
        if (c == '<') return Malformed(node, NodeError::kUnterminated, "Element tag", i);
        const void* close = std::memchr(data + i + 1, c, size - i - 1);
        if (!close) break;
        i = static_cast<const unsigned char*>(close) - data + 1;
    }
    return Malformed(node, NodeError::kUnterminated, "Element tag", size);
}

Node ScanEndTag(std::string_view text, Node node) {
    node.kind = kNodeEndTag;
    node.nameStart = node.start + 2;
    node.nameEnd = ScanNameEnd(text, node.nameStart);
    for (std::size_t i = node.nameEnd; i < text.size(); ++i) {
        if (text[i] == '>') {
            node.end = i + 1;
            return node;
        }
        if (text[i] == '<') return Malformed(node, NodeError::kUnterminated, "Element end tag", i);
    }
    return Malformed(node, NodeError::kUnterminated, "Element end tag", text.size());
}

Node ScanCData(std::string_view text, Node node) {
    node.kind = kNodeCData;
    // "]]>" found stepping over whole characters: ']' can be a GBK trail byte.
    for (std::size_t i = node.start + 3; i < text.size(); i += CharLength(text, i)) {
        if (text[i] == ']' && text.compare(i, 3, "]]>") == 0) {
            node.end = i + 3;
            return node;
        }
    }
    return Malformed(node, NodeError::kUnterminated, "CDATA Section", text.size());
}

Node ScanDoctype(std::string_view text, Node node) {
    node.kind = kNodeDoctype;
    int depth = 0;
    for (std::size_t i = node.start + 2; i < text.size(); ++i) {
        char c = text[i];
        if (c == '"' || c == '\'') {
            std::size_t close = text.find(c, i + 1);
            if (close == std::string_view::npos) break;
            i = close;
        } else if (c == '<') {
            ++depth;
        } else if (c == '>') {
            if (depth == 0) {
                node.end = i + 1;
                return node;
            }
            --depth;
        }
    }
    return Malformed(node, NodeError::kUnterminated, "Doctype", text.size());
}

Node ScanBang(std::string_view text, Node node) {
    const std::size_t p = node.start;
    if (p + 2 >= text.size()) return Malformed(node, NodeError::kUnterminated, "tag", text.size());
    char c = text[p + 2];
    if (c == '-') {
        node.kind = kNodeComment;
        if (p + 3 >= text.size())
            return Malformed(node, NodeError::kUnterminated, "Comment", text.size());
        if (text[p + 3] != '-') return Malformed(node, NodeError::kIncorrect, "comment tag", p + 1);
        std::size_t close = Find(text, p + 4, "-->");
        if (close == std::string_view::npos)
            return Malformed(node, NodeError::kUnterminated, "Comment", text.size());
        node.end = close + 3;
        return node;
    }
    if (c == '[') {
        node.kind = kNodeCData;
        if (p + 3 >= text.size())
            return Malformed(node, NodeError::kUnterminated, "CDATA Section", text.size());
        if (text[p + 3] != 'C') return Malformed(node, NodeError::kIncorrect, "tag", p + 1);
        return ScanCData(text, node);
    }
    if (c == 'D') return ScanDoctype(text, node);
    return Malformed(node, NodeError::kIncorrect, "! tag", p + 1);
}

}  // namespace

bool SameName(std::string_view a, std::string_view b, bool ignoreCase) {
    if (a.size() != b.size()) return false;
    if (!ignoreCase) return a == b;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = char(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = char(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

bool IsNameStartChar(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c == ':' || c >= '{';
}

std::size_t ScanNameEnd(std::string_view text, std::size_t pos) {
    const unsigned char* data = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t size = text.size();
    while (pos < size) {
        unsigned char c = data[pos];
        if (c < 0x81) {
            if (kNameEnd[c]) break;
            ++pos;
        } else {
            pos += CharLength(text, pos);
        }
    }
    return pos;
}

bool IsValidName(std::string_view name) {
    return !name.empty() && IsNameStartChar(static_cast<unsigned char>(name[0])) &&
           ScanNameEnd(name, 0) == name.size();
}

Node ScanMarkup(std::string_view text, std::size_t pos) {
    Node node;
    node.start = pos;
    if (pos + 1 >= text.size()) return Malformed(node, NodeError::kUnterminated, "tag", text.size());
    unsigned char c = static_cast<unsigned char>(text[pos + 1]);
    if (c == '!') return ScanBang(text, node);
    if (c == '/') return ScanEndTag(text, node);
    if (c == '?') {
        node.kind = kNodeProcessingInstruction;
        node.nameStart = pos + 2;
        node.nameEnd = ScanNameEnd(text, node.nameStart);
        std::size_t close = Find(text, pos + 2, "?>");
        if (close == std::string_view::npos)
            return Malformed(node, NodeError::kUnterminated, "Processing instruction", text.size());
        node.end = close + 2;
        return node;
    }
    if (IsNameStartChar(c)) return ScanStartTag(text, node);
    return Malformed(node, NodeError::kIncorrect, "tag name character", pos + 1);
}

Node NextNode(std::string_view text, std::size_t pos) {
    if (text[pos] == '<') return ScanMarkup(text, pos);
    Node node;
    node.start = pos;
    const void* lt = std::memchr(text.data() + pos, '<', text.size() - pos);
    node.end = lt ? static_cast<const char*>(lt) - text.data() : text.size();
    node.kind = kNodeWhitespace;
    for (std::size_t i = pos; i < node.end; ++i) {
        if (!IsXmlSpace(text[i])) {
            node.kind = kNodeText;
            break;
        }
    }
    return node;
}

std::string_view AttributeSpan::RawValue(std::string_view text) const {
    if (!hasValue) return {};
    std::string_view value = text.substr(valueStart, valueEnd - valueStart);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        return value.substr(1, value.size() - 2);
    if (!value.empty() && (value.front() == '"' || value.front() == '\''))
        return value.substr(1);  // a quote cut short by the end of the tag
    return value;
}

AttributeSpan FindAttribute(std::string_view text, std::size_t nameEnd, std::size_t tagEnd,
                            std::string_view name, bool ignoreCase) {
    tagEnd = std::min(tagEnd, text.size());
    std::size_t i = nameEnd;
    while (i < tagEnd) {
        while (i < tagEnd && (IsXmlSpace(text[i]) || text[i] == '/' || text[i] == '?')) ++i;
        if (i >= tagEnd || text[i] == '>' || text[i] == '<') break;
        AttributeSpan span;
        span.nameStart = i;
        if (text[i] == '"' || text[i] == '\'' || text[i] == '=') {
            span.nameEnd = i;  // a value without a name: skipped below
        } else {
            while (i < tagEnd && !IsXmlSpace(text[i]) && text[i] != '=' && text[i] != '>' &&
                   text[i] != '"' && text[i] != '\'' &&
                   !(text[i] == '/' && i + 1 < tagEnd && text[i + 1] == '>'))
                ++i;
            span.nameEnd = i;
        }
        std::size_t j = i;
        while (j < tagEnd && IsXmlSpace(text[j])) ++j;
        if (j < tagEnd && (text[j] == '=' || span.nameEnd == span.nameStart)) {
            if (text[j] == '=') ++j;
            while (j < tagEnd && IsXmlSpace(text[j])) ++j;
            span.hasValue = true;
            span.valueStart = j;
            if (j < tagEnd && (text[j] == '"' || text[j] == '\'')) {
                std::size_t close = text.find(text[j], j + 1);
                j = (close == std::string_view::npos || close >= tagEnd) ? tagEnd : close + 1;
            } else {
                while (j < tagEnd && !IsXmlSpace(text[j]) && text[j] != '>' &&
                       !(text[j] == '/' && j + 1 < tagEnd && text[j + 1] == '>'))
                    ++j;
            }
            span.valueEnd = j;
            i = j;
        }
        if (span.nameEnd > span.nameStart &&
            SameName(text.substr(span.nameStart, span.nameEnd - span.nameStart), name,
                     ignoreCase)) {
            span.found = true;
            return span;
        }
        if (i == span.nameStart) ++i;  // always make progress
    }
    return {};
}

}  // namespace xml
