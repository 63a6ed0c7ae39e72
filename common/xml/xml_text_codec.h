#pragma once
// Character references in and out: decoding for reading, escaping for writing.
#include <string>
#include <string_view>

namespace xml {

// Replaces "&name;", "&#D;" and "&#xH;" (up to 9 ASCII characters before the ';', names
// folded to lower case) by the character in the local code page. A reference that names
// nothing, the character 0, or a character without a local equivalent stays as written.
std::string DecodeReferences(std::string_view in);

// '&', '<' and '>' become "&amp;", "&lt;" and "&gt;"; for an attribute value the
// apostrophe and the double quote also become "&apos;" and "&quot;".
std::string EncodeText(std::string_view in, bool attributeValue);

}  // namespace xml
