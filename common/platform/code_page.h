#pragma once
// Code-page conversions in the manner of the Windows wide/multibyte calls, over iconv.
// Text inside the program is GBK (code page 936) in std::string; UTF-16 text is
// std::u16string in native order.
#include <string>
#include <string_view>

namespace platform {

inline constexpr unsigned kCodePageAnsi = 0;     // "the local ANSI code page"
inline constexpr unsigned kCodePageLocal = 936;  // what the local ANSI code page is here
inline constexpr unsigned kCodePageUtf16LE = 1200;
inline constexpr unsigned kCodePageUtf16BE = 1201;
inline constexpr unsigned kCodePageUtf32 = 65005;
inline constexpr unsigned kCodePageUtf8 = 65001;

// 0 stands for the local code page; every other number is returned as it is.
unsigned ResolveCodePage(unsigned codePage);

// The iconv name for a code page, or nullptr when no converter is known for it.
const char* IconvNameForCodePage(unsigned codePage);

// True when text can be converted to and from this code page.
bool IsCodePageSupported(unsigned codePage);

// Bytes in `codePage` to UTF-16. Bytes that do not decode become U+003F ('?').
// Returns false only when the code page is not supported.
bool MultiByteToWide(unsigned codePage, std::string_view in, std::u16string& out);

// UTF-16 to bytes in `codePage`. A character with no equivalent is written as '?'
// and reported through `usedDefaultChar` ("chars lost"). Returns false only when the
// code page is not supported.
bool WideToMultiByte(unsigned codePage, std::u16string_view in, std::string& out,
                     bool* usedDefaultChar = nullptr);

// One conversion between two byte code pages through UTF-16.
bool ConvertCodePage(unsigned fromCodePage, unsigned toCodePage, std::string_view in,
                     std::string& out, bool* usedDefaultChar = nullptr);

// Shorthands for the two conversions the program does most.
std::string LocalToUtf8(std::string_view local);
std::string Utf8ToLocalText(std::string_view utf8, bool* usedDefaultChar = nullptr);

// Length in bytes of the local (GBK) character that begins with `lead`: 2 for a lead
// byte 0x81..0xFE, else 1.
inline int LocalCharLength(unsigned char lead) {
    return lead >= 0x81 && lead <= 0xFE ? 2 : 1;
}

}  // namespace platform
