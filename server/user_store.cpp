#include "server/user_store.h"

#include <sstream>

#include "common/platform/files.h"

namespace server {

void UserStore::Parse(const std::string& text) {
    passwords_.clear();
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        const auto colon = line.find(':');
        if (colon == std::string::npos || colon == 0) continue;
        passwords_[line.substr(0, colon)] = line.substr(colon + 1);
    }
}

bool UserStore::Load(const std::string& path) {
    std::string text;
    if (!platform::FileExists(path)) {
        text = std::string("# Accounts of the sample server, one \"name:password\" per line.\n") +
               kDemoUser + ":" + kDemoPassword + "\n";
        platform::ReplaceFileAtomically(path, text);
    } else if (!platform::ReadWholeFile(path, text)) {
        Parse("");
        return false;
    }
    Parse(text);
    return true;
}

bool UserStore::Accepts(const std::string& name, const std::string& password) const {
    const auto it = passwords_.find(name);
    return it != passwords_.end() && it->second == password;
}

}  // namespace server
