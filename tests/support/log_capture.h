#pragma once
// Test helper: while it lives, every platform::Log line is kept here instead of going to
// the sink (worker threads included); the default sink comes back afterwards.
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "common/platform/log.h"

class ScopedLogCapture {
public:
    struct Line {
        platform::LogLevel level;
        std::string category;
        std::string message;
    };

    ScopedLogCapture() {
        platform::SetLogSink([this](platform::LogLevel level, std::string_view category,
                                    std::string_view message) {
            const std::lock_guard<std::mutex> lock(mutex_);
            lines_.push_back({level, std::string(category), std::string(message)});
        });
    }
    ~ScopedLogCapture() { platform::SetLogSink({}); }
    ScopedLogCapture(const ScopedLogCapture&) = delete;
    ScopedLogCapture& operator=(const ScopedLogCapture&) = delete;

    std::vector<Line> Lines() const {
        const std::lock_guard<std::mutex> lock(mutex_);
        return lines_;
    }
    // True when a line of `category` at `level` contains every one of `parts`.
    bool Has(platform::LogLevel level, std::string_view category,
             std::initializer_list<std::string_view> parts) const {
        for (const Line& line : Lines()) {
            if (line.level != level || line.category != category) continue;
            bool all = true;
            for (std::string_view part : parts) all = all && line.message.find(part) != std::string::npos;
            if (all) return true;
        }
        return false;
    }
    // Every line, one per row, for failure messages.
    std::string Text() const {
        std::string text;
        for (const Line& line : Lines())
            text += line.category + ": " + std::string(platform::LogLevelName(line.level)) + ": " +
                    line.message + "\n";
        return text;
    }

private:
    mutable std::mutex mutex_;
    std::vector<Line> lines_;
};
