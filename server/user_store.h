#pragma once
// The accounts login.asp accepts: a text file of "name:password" lines (UTF-8; lines
// starting with # are comments). A missing file is created with the demo account.
#include <map>
#include <string>

namespace server {

inline constexpr const char* kDemoUser = "demo";
inline constexpr const char* kDemoPassword = "demo123";

class UserStore {
public:
    // Reads `path`; when it does not exist, writes one holding the demo account first.
    bool Load(const std::string& path);
    void Parse(const std::string& text);

    // Name and password as UTF-8.
    bool Accepts(const std::string& name, const std::string& password) const;

private:
    std::map<std::string, std::string> passwords_;
};

}  // namespace server
