#pragma once
// What the server has been sent: the number of requests, every login attempt and every
// form post. Logins and posts are appended to log files in the data folder and kept in
// memory for the test endpoint. Safe to use from the server's worker threads.
#include <atomic>
#include <mutex>
#include <string>
#include <vector>

namespace server {

class RequestJournal {
public:
    // Log files are written into `logDirectory` (created when missing); "" keeps
    // everything in memory only.
    explicit RequestJournal(std::string logDirectory = "");

    void CountRequest() { ++requests_; }
    long RequestCount() const { return requests_.load(); }

    // Texts are UTF-8. The raw query is kept in memory only: it holds the password.
    void RecordLogin(const std::string& user, const std::string& mac,
                     const std::string& version, bool accepted, const std::string& rawQuery);
    void RecordFormPost(const std::string& path, const std::string& body);

    // One line per record, in arrival order:
    //   login<TAB>uname=...<TAB>mac=...<TAB>ver=...<TAB>result=ok|fail<TAB>query=...
    //   post<TAB>PATH<TAB>BODY
    std::string Lines() const;

private:
    void Append(const std::string& file, const std::string& memoryLine,
                const std::string& fileLine);

    std::string logDirectory_;
    std::atomic<long> requests_{0};
    mutable std::mutex mutex_;
    std::vector<std::string> lines_;
};

// Replaces CR, LF and TAB so that one record stays on one line.
std::string OneLine(const std::string& text);

}  // namespace server
