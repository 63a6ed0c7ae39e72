#include "common/xml/utf8_to_local.h"

#include "common/platform/code_page.h"

namespace {

// Converts the pending characters (none of them surrogates, each giving at most two
// bytes) to the local code page.
void Flush(std::u16string& pending, std::string& out) {
    if (pending.empty()) return;
    std::string bytes;
    platform::WideToMultiByte(platform::kCodePageAnsi, pending, bytes);
    out += bytes;
    pending.clear();
}

}  // namespace

std::string Utf8ToLocal(std::string_view in) {
    std::string out;
    out.reserve(in.size());
    std::u16string pending;
    std::size_t i = 0;
    while (i < in.size()) {
        unsigned char b0 = static_cast<unsigned char>(in[i]);
        if (b0 < 0x80) {
            Flush(pending, out);
            out += static_cast<char>(b0);
            ++i;
            continue;
        }
        if (in.size() - i < 3) break;  // cut short: never read past the end
        unsigned char b1 = static_cast<unsigned char>(in[i + 1]);
        unsigned char b2 = static_cast<unsigned char>(in[i + 2]);
        char16_t c = static_cast<char16_t>((b0 & 0x0F) << 12 | (b1 & 0x3F) << 6 | (b2 & 0x3F));
        if (c >= 0xD800 && c <= 0xDFFF) {
            // A lone surrogate has no local equivalent: the default character.
            Flush(pending, out);
            out += '?';
        } else {
            pending += c;
        }
        i += 3;
    }
    Flush(pending, out);
    if (!out.empty()) out.erase(0, 1);
    return out;
}
