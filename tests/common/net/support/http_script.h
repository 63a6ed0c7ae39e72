#pragma once
// Pieces for scripting HTTP answers on a ScriptServer.
#include <cstdint>
#include <ctime>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

#include "common/net/support/script_server.h"

namespace nettest {

// "HTTP/1.1 <status line>\r\n" + each header + "\r\n" + empty line + body.
std::string Response(const std::string& statusLine, const std::vector<std::string>& headers,
                     const std::string& body = "");

// The N of "Range: bytes=N-" in a request, if it has one.
std::optional<std::int64_t> RangeStart(const std::string& request);

// A calendar time from local-time fields, as the engine reads HTTP dates.
std::time_t LocalTime(int year, int month, int day, int hour, int minute, int second);

// Compares downloaded bytes with the expected ones; a failure tells sizes and the first
// differing offset instead of printing megabytes.
::testing::AssertionResult SameBytes(const std::string& actual, const std::string& expected);

// Serves one file with ranges, the way a plain static server does, with knobs for faults.
struct FileServing {
    std::string data;
    std::string lastModified = "Wed, 05 Jun 2024 10:20:30 GMT";
    bool rangesAnsweredWhole = false;  // answer a range with 200 and the whole file
    // Body bytes to send on connection i before cutting it (no entry: send all).
    std::function<std::optional<std::size_t>(int connection)> cutAfter;
};
void ServeFile(const FileServing& serving, ScriptConnection& connection, int index);

}  // namespace nettest
