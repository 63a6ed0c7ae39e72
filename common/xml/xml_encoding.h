#pragma once
// Encoding names, UTF-8 detection and the conversions a file load or save needs.
#include <optional>
#include <string>
#include <string_view>

namespace xml {

// The code page an encoding name stands for: 0 (the local code page) for an empty name,
// 65005 for a name beginning with "UTF-32", otherwise the charset table's entry (any
// case). Nothing for an unknown name or one of 100 characters or more.
std::optional<unsigned> EncodingCodePage(std::string_view name);

// Text in a code page needs converting to the local one: the code page differs from the
// local code page (0 counting as the local one).
bool DiffersFromLocal(unsigned codePage);

// True when every byte with the high bit set begins a well-formed UTF-8 sequence (a stray
// continuation byte counts as the lead of a two-byte sequence). `nonAscii` tells whether
// there was any such byte.
bool LooksLikeUtf8(std::string_view text, bool* nonAscii);

// UTF-32 units to and from UTF-16; units that do not decode become '?'.
std::u16string Utf32ToWide(std::string_view bytes, bool bigEndian);
std::string WideToUtf32(std::u16string_view wide, bool bigEndian);

// Bytes in `codePage` (65005: UTF-32 in the given byte order) to the local code page, and
// back. False when no converter is known for the code page.
bool ToLocal(unsigned codePage, bool bigEndian, std::string_view in, std::string& out,
             bool* lost);
bool FromLocal(unsigned codePage, bool bigEndian, std::string_view in, std::string& out);

}  // namespace xml
