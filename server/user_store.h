#pragma once
// The accounts login.asp accepts: a text file of "name:hash" lines (UTF-8; lines starting
// with # are comments), the hash in the crypt(3) SHA-512 format. A missing file is created
// with the demo account. Lines of an older "name:password" file are hashed when read and
// the file rewritten in place (atomically); the file is kept readable by its owner only.
#include <map>
#include <string>

namespace server {

inline constexpr const char* kDemoUser = "demo";
inline constexpr const char* kDemoPassword = "demo123";

class UserStore {
public:
    // Reads `path`; when it does not exist, writes one holding the demo account first.
    // False when the file cannot be read, or its hashed form cannot be written back.
    bool Load(const std::string& path);
    // The accounts in `text`; gives the text with every plain password replaced by its hash.
    std::string Parse(const std::string& text);

    // Name and password as UTF-8.
    bool Accepts(const std::string& name, const std::string& password) const;

private:
    std::map<std::string, std::string> hashes_;
};

}  // namespace server
