#include "common/xml/xml_declared_encoding.h"

#include <algorithm>
#include <cstring>

#include "common/platform/ascii_case.h"
#include "common/xml/xml_scan.h"
#include "common/xml/xml_text_codec.h"

namespace xml {
namespace {

std::optional<std::string> AttributeOf(std::string_view text, const Node& node,
                                       std::string_view name, bool ignoreCase = false) {
    AttributeSpan span = FindAttribute(text, node.nameEnd, node.end, name, ignoreCase);
    if (!span.found) return std::nullopt;
    return DecodeReferences(span.RawValue(text));
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) { return SameName(a, b, true); }

std::optional<std::string> HtmlMetaCharset(std::string_view text) {
    bool seenHtml = false;
    for (std::size_t pos = 0; pos < text.size();) {
        Node node = NextNode(text, pos);
        pos = std::max(node.end, pos + 1);
        if (node.error.kind != NodeError::kNone) {
            if (node.error.kind == NodeError::kUnterminated) return std::nullopt;
            continue;
        }
        if (node.kind == kNodeEndTag && EqualsIgnoringCase(node.Name(text), "head"))
            return std::nullopt;
        if (node.kind != kNodeElement) continue;
        if (!seenHtml) {
            if (!EqualsIgnoringCase(node.Name(text), "html")) return std::nullopt;
            seenHtml = true;
            continue;
        }
        if (!EqualsIgnoringCase(node.Name(text), "meta")) continue;
        // HTML names come in any case.
        std::optional<std::string> equiv = AttributeOf(text, node, "http-equiv", true);
        std::optional<std::string> content = AttributeOf(text, node, "content", true);
        if (!equiv || !content || !EqualsIgnoringCase(*equiv, "Content-Type")) continue;
        std::size_t at = platform::AsciiLower(*content).find("charset=");
        if (at == std::string::npos) continue;
        std::string charset = content->substr(at + 8);
        std::size_t stop = charset.find_first_of("; \t\r\n");
        if (stop != std::string::npos) charset.resize(stop);
        return charset;
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> FindDeclaredEncoding(std::string_view head) {
    std::string compact;
    if (!head.empty() && std::memchr(head.data(), '\0', head.size())) {
        compact.reserve(head.size());
        for (char c : head)
            if (c != '\0') compact += c;
        head = compact;
    }
    if (head.empty()) return std::nullopt;
    if (head.substr(0, 2) == "<?") {
        Node node = ScanMarkup(head, 0);
        if (node.error.kind == NodeError::kNone && node.Name(head) == "xml")
            return AttributeOf(head, node, "encoding");
        if (node.error.kind != NodeError::kNone) return std::nullopt;
    }
    return HtmlMetaCharset(head);
}

}  // namespace xml
