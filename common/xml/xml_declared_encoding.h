#pragma once
// The encoding a document declares in its first bytes.
#include <optional>
#include <string>
#include <string_view>

namespace xml {

// The `encoding` of an XML declaration at offset 0, or else, when the first element is
// `html`, the charset of a <meta http-equiv="Content-Type" content="...; charset=X"> before
// </head>. Nothing when no encoding is declared. Zero bytes are skipped, so that a
// declaration in UTF-16 or UTF-32 text without a byte-order mark is found too.
std::optional<std::string> FindDeclaredEncoding(std::string_view head);

}  // namespace xml
