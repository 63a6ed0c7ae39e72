#pragma once
// ASCII-only case folding. GBK text keeps its double-byte characters untouched because
// none of their bytes fall in 'A'..'Z' as a lead byte, and folding trail bytes is what the
// callers (header names, charset names, file names) expect of a byte-wise fold.
#include <string>
#include <string_view>

namespace platform {

inline std::string AsciiLower(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

}  // namespace platform
