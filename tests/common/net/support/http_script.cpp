#include "common/net/support/http_script.h"

namespace nettest {

std::string Response(const std::string& statusLine, const std::vector<std::string>& headers,
                     const std::string& body) {
    std::string text = "HTTP/1.1 " + statusLine + "\r\n";
    for (const std::string& header : headers) text += header + "\r\n";
    return text + "\r\n" + body;
}

std::optional<std::int64_t> RangeStart(const std::string& request) {
    static const std::string kRange = "\r\nRange: bytes=";
    std::size_t at = request.find(kRange);
    if (at == std::string::npos) return std::nullopt;
    return std::stoll(request.substr(at + kRange.size()));
}

std::time_t LocalTime(int year, int month, int day, int hour, int minute, int second) {
    std::tm fields{};
    fields.tm_year = year - 1900;
    fields.tm_mon = month - 1;
    fields.tm_mday = day;
    fields.tm_hour = hour;
    fields.tm_min = minute;
    fields.tm_sec = second;
    fields.tm_isdst = -1;
    return std::mktime(&fields);
}

::testing::AssertionResult SameBytes(const std::string& actual, const std::string& expected) {
    if (actual == expected) return ::testing::AssertionSuccess();
    std::size_t at = 0;
    while (at < actual.size() && at < expected.size() && actual[at] == expected[at]) ++at;
    return ::testing::AssertionFailure() << actual.size() << " bytes where " << expected.size()
                                         << " were expected; first difference at offset " << at;
}

void ServeFile(const FileServing& serving, ScriptConnection& connection, int index) {
    std::string request = connection.ReadRequest();
    if (request.empty()) return;
    std::optional<std::int64_t> start = RangeStart(request);
    if (serving.rangesAnsweredWhole) start.reset();
    auto size = static_cast<std::int64_t>(serving.data.size());
    if (start && *start >= size) {
        connection.Send(Response("416 Range Not Satisfiable",
                                 {"Content-Range: bytes */" + std::to_string(size),
                                  "Content-Length: 0"}));
        return;
    }
    std::size_t from = start ? static_cast<std::size_t>(*start) : 0;
    std::string_view body = std::string_view(serving.data).substr(from);
    std::vector<std::string> headers = {"Server: script",
                                        "Last-Modified: " + serving.lastModified,
                                        "Content-Length: " + std::to_string(body.size())};
    if (start) {
        headers.push_back("Content-Range: bytes " + std::to_string(from) + "-" +
                          std::to_string(size - 1) + "/" + std::to_string(size));
    }
    connection.Send(Response(start ? "206 Partial Content" : "200 OK", headers));
    std::optional<std::size_t> cut = serving.cutAfter ? serving.cutAfter(index) : std::nullopt;
    if (cut && *cut < body.size()) body = body.substr(0, *cut);
    connection.Send(body);
}

}  // namespace nettest
