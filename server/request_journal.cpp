#include "server/request_journal.h"

#include <cstdio>
#include <ctime>

#include "common/platform/files.h"
#include "common/platform/paths.h"

namespace server {

std::string OneLine(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\r') out += "\\r";
        else if (c == '\n') out += "\\n";
        else if (c == '\t') out += "\\t";
        else out += c;
    }
    return out;
}

namespace {
std::string Timestamp() {
    char buffer[32];
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    std::strftime(buffer, sizeof buffer, "%Y-%m-%d %H:%M:%S", &local);
    return buffer;
}
}  // namespace

RequestJournal::RequestJournal(std::string logDirectory) : logDirectory_(std::move(logDirectory)) {
    if (!logDirectory_.empty()) platform::CreateDirectories(logDirectory_);
}

void RequestJournal::Append(const std::string& file, const std::string& memoryLine,
                            const std::string& fileLine) {
    std::lock_guard<std::mutex> lock(mutex_);
    lines_.push_back(memoryLine);
    if (logDirectory_.empty()) return;
    const std::string path = platform::JoinPath(logDirectory_, file);
    if (std::FILE* out = std::fopen(path.c_str(), "ab")) {
        const std::string line = Timestamp() + "\t" + fileLine + "\n";
        std::fwrite(line.data(), 1, line.size(), out);
        std::fclose(out);
    }
}

void RequestJournal::RecordLogin(const std::string& user, const std::string& mac,
                                 const std::string& version, bool accepted,
                                 const std::string& rawQuery) {
    const std::string common = "uname=" + OneLine(user) + "\tmac=" + OneLine(mac) +
                               "\tver=" + OneLine(version) +
                               "\tresult=" + (accepted ? "ok" : "fail");
    Append("login.log", "login\t" + common + "\tquery=" + OneLine(rawQuery), common);
}

void RequestJournal::RecordFormPost(const std::string& path, const std::string& body) {
    const std::string line = OneLine(path) + "\t" + OneLine(body);
    Append("forms.log", "post\t" + line, line);
}

std::string RequestJournal::Lines() const {
    std::lock_guard<std::mutex> lock(mutex_);
    std::string out;
    for (const auto& line : lines_) out += line + "\n";
    return out;
}

}  // namespace server
