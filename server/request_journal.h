#pragma once
// What the server has been sent: the number of requests, every login attempt and every
// form post. Logins and posts are appended to log files in the data folder and kept in
// memory for the test endpoint. Passwords are masked everywhere; bodies are cut to a few
// KiB; memory keeps the latest records only, and a log file past its size limit is moved
// to NAME.1 (replacing the older one) before the next record. Safe to use from the
// server's worker threads.
#include <atomic>
#include <cstddef>
#include <deque>
#include <mutex>
#include <string>

namespace server {

struct JournalLimits {
    std::size_t records = 1000;           // kept in memory
    std::size_t bodyBytes = 4096;         // of each form post, in memory and in the file
    std::size_t fileBytes = 1024 * 1024;  // of each log file before it is rotated
};

class RequestJournal {
public:
    // Log files are written into `logDirectory` (created when missing); "" keeps
    // everything in memory only.
    explicit RequestJournal(std::string logDirectory = "", JournalLimits limits = {});

    void CountRequest() { ++requests_; }
    long RequestCount() const { return requests_.load(); }

    // Texts are UTF-8. The raw query, with its password masked, is kept in memory only.
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
    JournalLimits limits_;
    std::atomic<long> requests_{0};
    mutable std::mutex mutex_;
    std::deque<std::string> lines_;
};

// Replaces CR, LF and TAB so that one record stays on one line.
std::string OneLine(const std::string& text);

// A query with the value of every "pwd" parameter replaced by "***".
std::string MaskPasswords(const std::string& rawQuery);

// At most `limit` bytes of `text`, with a note of the full size when cut.
std::string Shortened(const std::string& text, std::size_t limit);

}  // namespace server
