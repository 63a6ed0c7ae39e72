#pragma once
// A small logging hook for failures a developer should be able to see (a fetch that
// failed and why, a file that could not be written). The user never sees these lines.
//
// The core writes through Log(); where a line goes is decided once at start-up by the
// program: tools and tests keep the default sink (standard error), the client routes
// lines to Qt's logging categories so that QT_LOGGING_RULES can filter them.
#include <functional>
#include <string_view>

namespace platform {

enum class LogLevel { Debug, Info, Warning, Error };

// A category names the area a line comes from: "quorvel.net", "quorvel.xml", ...
using LogSink = std::function<void(LogLevel, std::string_view category, std::string_view message)>;

// Replaces the sink; an empty function restores the default (standard error). Set it
// before any worker thread starts: the sink itself is not swapped under a lock.
void SetLogSink(LogSink sink);

// Sends one line to the sink. Safe to call from any thread; the default sink writes whole
// lines under a lock so that lines of different threads do not interleave.
void Log(LogLevel level, std::string_view category, std::string_view message);

std::string_view LogLevelName(LogLevel level);

}  // namespace platform
