#pragma once
// A small web site for update tests on a loopback port: documents by path, 404 for the
// rest, and paths whose answer stalls after its first bytes until the client goes away.
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "common/net/support/script_server.h"

namespace updatetest {

class UpdateSite {
public:
    UpdateSite();

    void Put(const std::string& path, const std::string& body);
    void Remove(const std::string& path);
    // The answer announces a large body, sends a little of it and then nothing more.
    void Stall(const std::string& path);
    std::string Url(const std::string& path) const { return server_.url(path); }
    // Paths asked for so far, in order.
    std::vector<std::string> Requested() const;

private:
    void Answer(nettest::ScriptConnection& connection);

    mutable std::mutex mutex_;
    std::map<std::string, std::string> documents_;
    std::set<std::string> stalled_;
    std::vector<std::string> requested_;
    nettest::ScriptServer server_;
};

}  // namespace updatetest
