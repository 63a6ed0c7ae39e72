#include "update_site.h"

#include "common/net/support/http_script.h"

namespace updatetest {

UpdateSite::UpdateSite() : server_([this](nettest::ScriptConnection& c, int) { Answer(c); }) {}

void UpdateSite::Put(const std::string& path, const std::string& body) {
    std::lock_guard lock(mutex_);
    documents_[path] = body;
}

void UpdateSite::Remove(const std::string& path) {
    std::lock_guard lock(mutex_);
    documents_.erase(path);
}

void UpdateSite::Stall(const std::string& path) {
    std::lock_guard lock(mutex_);
    stalled_.insert(path);
}

std::vector<std::string> UpdateSite::Requested() const {
    std::lock_guard lock(mutex_);
    return requested_;
}

void UpdateSite::Answer(nettest::ScriptConnection& connection) {
    const std::string request = connection.ReadRequest();
    const std::size_t start = request.find(' ');
    const std::size_t end = request.find(' ', start + 1);
    if (start == std::string::npos || end == std::string::npos) return;
    const std::string path = request.substr(start + 1, end - start - 1);
    std::string body;
    bool found = false;
    bool stall = false;
    {
        std::lock_guard lock(mutex_);
        requested_.push_back(path);
        stall = stalled_.count(path) > 0;
        auto it = documents_.find(path);
        found = it != documents_.end();
        if (found) body = it->second;
    }
    if (stall) {
        connection.Send(nettest::Response("200 OK", {"Content-Length: 1000000"}, std::string(100, 'x')));
        connection.PeerClosed(20000);  // bounded: the test ends long before
        return;
    }
    if (!found) {
        connection.Send(nettest::Response("404 Not Found", {"Content-Length: 0"}));
        return;
    }
    connection.Send(nettest::Response("200 OK", {"Content-Length: " + std::to_string(body.size())}, body));
}

}  // namespace updatetest
