#include "server/password_hash.h"

#include <crypt.h>

#include <algorithm>
#include <fstream>
#include <memory>

namespace server {

std::string HashPassword(const std::string& password) {
    char random[16];
    std::ifstream source("/dev/urandom", std::ios::binary);
    if (!source.read(random, sizeof random)) return "";
    char salt[CRYPT_GENSALT_OUTPUT_SIZE];
    if (!crypt_gensalt_rn("$6$", 0, random, sizeof random, salt, sizeof salt)) return "";
    auto data = std::make_unique<crypt_data>();
    const char* hash = crypt_r(password.c_str(), salt, data.get());
    if (!hash || hash[0] != '$') return "";
    return hash;
}

bool PasswordMatches(const std::string& password, const std::string& stored) {
    if (!IsPasswordHash(stored)) return false;
    auto data = std::make_unique<crypt_data>();
    const char* hash = crypt_r(password.c_str(), stored.c_str(), data.get());
    if (!hash || hash[0] != '$') return false;
    const std::string computed = hash;
    if (computed.size() != stored.size()) return false;
    unsigned char difference = 0;  // compared in full, whatever differs first
    for (std::size_t i = 0; i < stored.size(); ++i)
        difference |= static_cast<unsigned char>(computed[i] ^ stored[i]);
    return difference == 0;
}

bool IsPasswordHash(const std::string& field) {
    return field.size() > 4 && field[0] == '$' && std::count(field.begin(), field.end(), '$') >= 3;
}

}  // namespace server
