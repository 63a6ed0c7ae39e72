#pragma once
// The converter of documents fetched from the server: three bytes per non-ASCII
// character, and the first byte of the result dropped (the server's documents begin
// with a UTF-8 byte-order mark that this removes).
#include <string>
#include <string_view>

// Bytes below 0x80 are copied; any other byte starts a three-byte sequence giving one
// 16-bit character, converted to the local code page. A sequence cut short by the end of
// the input is dropped. Finally the first byte of the result is removed.
std::string Utf8ToLocal(std::string_view in);
