#include "common/platform/log.h"

#include <cstdio>
#include <mutex>
#include <string>
#include <utility>

namespace platform {
namespace {

std::mutex& StderrLock() {
    static std::mutex lock;
    return lock;
}

void WriteToStderr(LogLevel level, std::string_view category, std::string_view message) {
    std::string line;
    line.reserve(category.size() + message.size() + 16);
    line.append(category).append(": ").append(LogLevelName(level)).append(": ");
    line.append(message).push_back('\n');
    const std::lock_guard<std::mutex> guard(StderrLock());
    std::fwrite(line.data(), 1, line.size(), stderr);
}

LogSink& CurrentSink() {
    static LogSink sink;
    return sink;
}

}  // namespace

void SetLogSink(LogSink sink) { CurrentSink() = std::move(sink); }

void Log(LogLevel level, std::string_view category, std::string_view message) {
    const LogSink& sink = CurrentSink();
    if (sink) {
        sink(level, category, message);
    } else {
        WriteToStderr(level, category, message);
    }
}

std::string_view LogLevelName(LogLevel level) {
    switch (level) {
        case LogLevel::Debug: return "debug";
        case LogLevel::Info: return "info";
        case LogLevel::Warning: return "warning";
        case LogLevel::Error: return "error";
    }
    return "unknown";
}

}  // namespace platform
