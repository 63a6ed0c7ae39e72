#include "common/xml/xml_text_codec.h"

#include <cstring>
#include <optional>

#include "common/platform/code_page.h"
#include "common/xml/entity_table.h"
#include "common/xml/xml_scan.h"

namespace xml {
namespace {

constexpr std::size_t kMaxReferenceName = 9;

std::optional<unsigned long> ParseNumber(std::string_view digits, int base) {
    if (digits.empty()) return std::nullopt;
    unsigned long value = 0;
    for (char c : digits) {
        int d;
        if (c >= '0' && c <= '9') d = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f') d = c - 'a' + 10;
        else return std::nullopt;
        value = value * base + d;
    }
    return value;
}

// The code point a folded reference name stands for; 0 when it names nothing.
unsigned long ReferenceCodePoint(const std::string& name) {
    if (!name.empty() && name[0] == '#') {
        std::optional<unsigned long> n = name.size() > 1 && name[1] == 'x'
                                             ? ParseNumber(std::string_view(name).substr(2), 16)
                                             : ParseNumber(std::string_view(name).substr(1), 10);
        return n.value_or(0);
    }
    int code = LookupEntity(name);
    return code > 0 ? static_cast<unsigned long>(code) : 0;
}

// The local bytes of a code point, or nothing when it has no local equivalent.
std::optional<std::string> LocalBytes(unsigned long code) {
    if (code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return std::nullopt;
    if (code < 0x80) return std::string(1, static_cast<char>(code));
    std::u16string wide;
    if (code >= 0x10000) {
        code -= 0x10000;
        wide += static_cast<char16_t>(0xD800 + (code >> 10));
        wide += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
    } else {
        wide += static_cast<char16_t>(code);
    }
    std::string bytes;
    bool lost = false;
    if (!platform::WideToMultiByte(platform::kCodePageAnsi, wide, bytes, &lost) || lost ||
        bytes.empty() || bytes.size() > 5)
        return std::nullopt;
    return bytes;
}

}  // namespace

std::string DecodeReferences(std::string_view in) {
    if (in.empty() || !std::memchr(in.data(), '&', in.size())) return std::string(in);
    std::string out;
    out.reserve(in.size());
    std::size_t i = 0;
    while (i < in.size()) {
        if (in[i] != '&') {
            std::size_t n = CharLength(in, i);
            out.append(in, i, n);
            i += n;
            continue;
        }
        std::size_t semi = std::string_view::npos;
        for (std::size_t k = i + 1; k < in.size() && k - i - 1 <= kMaxReferenceName; ++k) {
            unsigned char c = static_cast<unsigned char>(in[k]);
            if (c == ';') {
                semi = k;
                break;
            }
            if (c >= 0x80) break;
        }
        std::optional<std::string> bytes;
        if (semi != std::string_view::npos) {
            std::string name(in.substr(i + 1, semi - i - 1));
            for (char& c : name)
                if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
            bytes = LocalBytes(ReferenceCodePoint(name));
        }
        if (bytes) {
            out += *bytes;
            i = semi + 1;
        } else {
            out += '&';
            ++i;
        }
    }
    return out;
}

std::string EncodeText(std::string_view in, bool attributeValue) {
    std::string out;
    out.reserve(in.size() + in.size() / 10 + 7);
    for (char c : in) {
        if (out.size() + 6 > out.capacity()) out.reserve(out.capacity() * 4);  // room for "&quot;"
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '\'':
                if (attributeValue) out += "&apos;";
                else out += c;
                break;
            case '"':
                if (attributeValue) out += "&quot;";
                else out += c;
                break;
            default: out += c;
        }
    }
    return out;
}

}  // namespace xml
