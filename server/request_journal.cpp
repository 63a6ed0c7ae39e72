#include "server/request_journal.h"

#include <cstdio>
#include <ctime>

#include "common/platform/ascii_case.h"
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

std::string MaskPasswords(const std::string& rawQuery) {
    std::string out;
    std::size_t start = 0;
    while (start <= rawQuery.size()) {
        std::size_t end = rawQuery.find('&', start);
        if (end == std::string::npos) end = rawQuery.size();
        const std::string pair = rawQuery.substr(start, end - start);
        const std::size_t equals = pair.find('=');
        if (start > 0) out += '&';
        if (equals != std::string::npos && platform::AsciiLower(pair.substr(0, equals)) == "pwd")
            out += pair.substr(0, equals) + "=***";
        else
            out += pair;
        start = end + 1;
    }
    return out;
}

std::string Shortened(const std::string& text, std::size_t limit) {
    if (text.size() <= limit) return text;
    return text.substr(0, limit) + "...(" + std::to_string(text.size()) + " bytes)";
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

RequestJournal::RequestJournal(std::string logDirectory, JournalLimits limits)
    : logDirectory_(std::move(logDirectory)), limits_(limits) {
    if (!logDirectory_.empty()) platform::CreateDirectories(logDirectory_);
}

void RequestJournal::Append(const std::string& file, const std::string& memoryLine,
                            const std::string& fileLine) {
    std::lock_guard<std::mutex> lock(mutex_);
    lines_.push_back(memoryLine);
    while (lines_.size() > limits_.records) lines_.pop_front();
    if (logDirectory_.empty()) return;
    const std::string path = platform::JoinPath(logDirectory_, file);
    if (platform::FileSize(path).value_or(0) >= limits_.fileBytes) platform::RenameFile(path, path + ".1");
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
    Append("login.log", "login\t" + common + "\tquery=" + OneLine(Shortened(MaskPasswords(rawQuery), limits_.bodyBytes)),
           common);
}

void RequestJournal::RecordFormPost(const std::string& path, const std::string& body) {
    const std::string line = OneLine(Shortened(path, limits_.bodyBytes)) + "\t" + OneLine(Shortened(body, limits_.bodyBytes));
    Append("forms.log", "post\t" + line, line);
}

std::string RequestJournal::Lines() const {
    std::lock_guard<std::mutex> lock(mutex_);
    std::string out;
    for (const auto& line : lines_) out += line + "\n";
    return out;
}

}  // namespace server
