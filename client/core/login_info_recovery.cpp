#include "client/core/login_info_recovery.h"

#include <algorithm>

#include "common/xml/xml_scan.h"
#include "common/xml/xml_text_codec.h"

namespace {

constexpr std::size_t kCipherLength = 32;

bool IsStoredCipher(std::string_view value) {
    return value.size() == kCipherLength &&
           std::all_of(value.begin(), value.end(), [](char c) {
               return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
           });
}

// A start tag that the tokenizer closed cleanly and that swallowed no other markup.
bool IsWholeStartTag(std::string_view text, const xml::Node& node) {
    if (node.kind != xml::kNodeElement || node.error.kind != xml::NodeError::kNone)
        return false;
    return text.substr(node.start + 1, node.end - node.start - 1).find('<') ==
           std::string_view::npos;
}

bool ReadAttribute(std::string_view text, const xml::Node& tag, std::string_view name,
                   std::string& value) {
    xml::AttributeSpan span = xml::FindAttribute(text, tag.nameEnd, tag.end, name);
    if (!span.found || !span.hasValue) return false;
    value = xml::DecodeReferences(span.RawValue(text));
    return true;
}

void TakeTag(std::string_view text, const xml::Node& tag, bool& autoLoginSeen,
             RecoveredLoginInfo& out) {
    const std::string_view name = tag.Name(text);
    if (name == "HistoryLogin") {
        StoredLogin entry;
        if (!ReadAttribute(text, tag, "UserName", entry.name)) return;
        if (ReadAttribute(text, tag, "Psw", entry.cipher) && !IsStoredCipher(entry.cipher))
            entry.cipher.clear();
        out.entries.push_back(std::move(entry));
    } else if (name == "AutoLogin" && !autoLoginSeen) {
        autoLoginSeen = true;
        ReadAttribute(text, tag, "UserName", out.autoLoginUser);
    }
}

}  // namespace

RecoveredLoginInfo RecoverLoginInfo(std::string_view text) {
    RecoveredLoginInfo out;
    bool autoLoginSeen = false;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const xml::Node node = xml::NextNode(text, pos);
        const bool trusted = node.error.kind == xml::NodeError::kNone &&
                             (node.kind != xml::kNodeElement || IsWholeStartTag(text, node));
        if (trusted && node.kind == xml::kNodeElement) TakeTag(text, node, autoLoginSeen, out);
        pos = std::max(trusted ? node.end : node.start + 1, pos + 1);
    }
    return out;
}
