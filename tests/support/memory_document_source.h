#pragma once
// A document source for tests: serves the texts it was given by path, exactly as the
// server would send them (UTF-8 after a byte-order mark, converted on loading), and keeps
// the paths asked for. A path nobody served is not found (HTTP 404). It can also act as
// an unreachable server, and stall every load for a while to exercise code that must not
// wait for it; a stall ends early when the loading thread's work is cancelled.
//
// Safe to use from worker threads while the test thread reads Requests().
// Link the CMake target quorvel_test_documents to use it.
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "client/data/document_source.h"

class MemoryDocumentSource : public DocumentSource {
public:
    // Serves `utf8Body` at `path`.
    void Serve(const std::string& path, const std::string& utf8Body);
    // Every load fails as if the server could not be reached (true) or answers again.
    void SetUnreachable(bool unreachable);
    // Every load first waits `ms` milliseconds.
    void SetStallMs(int ms);

    FetchStatus Load(const std::string& path, CXmlFile& doc) override;

    std::vector<std::string> Requests() const;

private:
    mutable std::mutex mutex_;
    std::map<std::string, std::string> bodies_;
    std::vector<std::string> requests_;
    bool unreachable_ = false;
    int stallMs_ = 0;
};

// GBK text of a UTF-8 literal, the form every record field has.
std::string Gbk(const std::string& utf8);
