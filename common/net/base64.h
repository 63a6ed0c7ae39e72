#pragma once
// Base64 with the standard alphabet and '=' padding (RFC 4648).
#include <string>
#include <string_view>

namespace net {

std::string Base64Encode(std::string_view bytes);

}  // namespace net
