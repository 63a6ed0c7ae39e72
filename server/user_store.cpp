#include "server/user_store.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <sstream>

#include "common/platform/files.h"
#include "server/password_hash.h"

namespace server {
namespace {

// The file replaced atomically and never readable by others: the replacement keeps the
// mode of the file it replaces, so that one is made owner-only first.
bool WriteOwnerOnly(const std::string& path, const std::string& text) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    const bool restricted = ::fchmod(fd, 0600) == 0;
    ::close(fd);
    return restricted && platform::ReplaceFileAtomically(path, text);
}

}  // namespace

std::string UserStore::Parse(const std::string& text) {
    hashes_.clear();
    std::string rewritten;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        const bool crlf = !line.empty() && line.back() == '\r';
        if (crlf) line.pop_back();
        const auto colon = line.find(':');
        if (!line.empty() && line[0] != '#' && colon != std::string::npos && colon != 0) {
            const std::string name = line.substr(0, colon);
            std::string field = line.substr(colon + 1);
            if (!IsPasswordHash(field)) {
                const std::string hash = HashPassword(field);
                if (!hash.empty()) field = hash;
                line = name + ":" + field;
            }
            hashes_[name] = field;
        }
        rewritten += line + (crlf ? "\r\n" : "\n");
    }
    return rewritten;
}

bool UserStore::Load(const std::string& path) {
    std::string text;
    if (!platform::FileExists(path)) {
        text = std::string("# Accounts of the sample server, one \"name:password hash\" per line;\n"
                           "# a line \"name:password\" added by hand is hashed when the server starts.\n") +
               kDemoUser + ":" + kDemoPassword + "\n";
    } else if (!platform::ReadWholeFile(path, text)) {
        Parse("");
        return false;
    }
    const std::string hashed = Parse(text);
    struct stat st {};
    const bool ownerOnly = ::stat(path.c_str(), &st) == 0 && (st.st_mode & 077) == 0;
    if (hashed == text && ownerOnly) return true;
    return WriteOwnerOnly(path, hashed);
}

bool UserStore::Accepts(const std::string& name, const std::string& password) const {
    const auto it = hashes_.find(name);
    if (it != hashes_.end()) return PasswordMatches(password, it->second);
    // An unknown name costs a hash too, so that the answer's timing does not tell names apart.
    static const std::string unknown = HashPassword("unknown");
    PasswordMatches(password, unknown);
    return false;
}

}  // namespace server
