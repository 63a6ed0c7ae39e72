#include "common/xml/xml_encoding.h"

#include "common/platform/code_page.h"
#include "common/xml/charset_table.h"

namespace xml {

std::optional<unsigned> EncodingCodePage(std::string_view name) {
    if (name.empty()) return 0u;
    if (name.substr(0, 6) == "UTF-32") return platform::kCodePageUtf32;
    if (name.size() >= 100) return std::nullopt;
    int codePage = LookupCharsetCodePage(name);
    if (codePage <= 0) return std::nullopt;
    return static_cast<unsigned>(codePage);
}

bool DiffersFromLocal(unsigned codePage) {
    return platform::ResolveCodePage(codePage) !=
           platform::ResolveCodePage(platform::kCodePageAnsi);
}

bool LooksLikeUtf8(std::string_view text, bool* nonAscii) {
    *nonAscii = false;
    const std::size_t size = text.size();
    for (std::size_t i = 0; i < size;) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        *nonAscii = true;
        std::size_t follow;
        if ((c & 0xF8) == 0xF8) return false;
        if ((c & 0xF0) == 0xF0) follow = 3;
        else if ((c & 0xE0) == 0xE0) follow = 2;
        else follow = 1;  // 110xxxxx, and a stray 10xxxxxx taken as a two-byte lead
        if (i + follow >= size) return false;  // cut short
        for (std::size_t k = 1; k <= follow; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
        i += follow + 1;
    }
    return true;
}

std::u16string Utf32ToWide(std::string_view bytes, bool bigEndian) {
    std::u16string wide;
    wide.reserve(bytes.size() / 4);
    for (std::size_t i = 0; i + 4 <= bytes.size(); i += 4) {
        auto b = [&](int k) { return static_cast<unsigned long>(static_cast<unsigned char>(bytes[i + k])); };
        unsigned long code = bigEndian ? (b(0) << 24 | b(1) << 16 | b(2) << 8 | b(3))
                                       : (b(3) << 24 | b(2) << 16 | b(1) << 8 | b(0));
        if (code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
            wide += u'?';
        } else if (code >= 0x10000) {
            code -= 0x10000;
            wide += static_cast<char16_t>(0xD800 + (code >> 10));
            wide += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
        } else {
            wide += static_cast<char16_t>(code);
        }
    }
    return wide;
}

std::string WideToUtf32(std::u16string_view wide, bool bigEndian) {
    std::string out;
    out.reserve(wide.size() * 4);
    for (std::size_t i = 0; i < wide.size(); ++i) {
        unsigned long code = wide[i];
        if (code >= 0xD800 && code < 0xDC00 && i + 1 < wide.size() && wide[i + 1] >= 0xDC00 &&
            wide[i + 1] < 0xE000) {
            code = 0x10000 + ((code - 0xD800) << 10) + (wide[i + 1] - 0xDC00);
            ++i;
        } else if (code >= 0xD800 && code < 0xE000) {
            code = '?';
        }
        char unit[4] = {char(code & 0xFF), char((code >> 8) & 0xFF), char((code >> 16) & 0xFF),
                        char((code >> 24) & 0xFF)};
        if (bigEndian) out.append({unit[3], unit[2], unit[1], unit[0]});
        else out.append(unit, 4);
    }
    return out;
}

bool ToLocal(unsigned codePage, bool bigEndian, std::string_view in, std::string& out,
             bool* lost) {
    if (codePage == platform::kCodePageUtf32)
        return platform::WideToMultiByte(platform::kCodePageAnsi, Utf32ToWide(in, bigEndian),
                                         out, lost);
    if (!platform::IsCodePageSupported(codePage)) return false;
    return platform::ConvertCodePage(codePage, platform::kCodePageAnsi, in, out, lost);
}

bool FromLocal(unsigned codePage, bool bigEndian, std::string_view in, std::string& out) {
    if (codePage == platform::kCodePageUtf32) {
        std::u16string wide;
        if (!platform::MultiByteToWide(platform::kCodePageAnsi, in, wide)) return false;
        out = WideToUtf32(wide, bigEndian);
        return true;
    }
    return platform::ConvertCodePage(platform::kCodePageAnsi, codePage, in, out);
}

}  // namespace xml
