#pragma once
// Salted password hashes in the crypt(3) format: SHA-512 ("$6$"), salt from /dev/urandom.
#include <string>

namespace server {

// "" when no random salt could be had.
std::string HashPassword(const std::string& password);

// True when `stored` is a crypt(3) hash of `password`.
bool PasswordMatches(const std::string& password, const std::string& stored);

// True when `field` looks like a crypt(3) hash ("$id$salt$hash") rather than a password.
bool IsPasswordHash(const std::string& field);

}  // namespace server
