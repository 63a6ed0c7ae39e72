#include "common/net/support/http_script.h"

#include <openssl/evp.h>

#include <ostream>

#include "common/platform/files.h"

namespace net {

void PrintTo(DownloadResult result, std::ostream* out) {
    static const char* const kNames[] = {"complete", "current", "stopped", "failed"};
    auto number = static_cast<int>(result);
    *out << (number >= 0 && number < 4 ? kNames[number] : "?") << " (" << number << ")";
}

void PrintTo(NoticeKind kind, std::ostream* out) { *out << "notice " << static_cast<int>(kind); }

}  // namespace net

namespace nettest {

const std::string kServedLastModified = "Wed, 05 Jun 2024 10:20:30 GMT";

void PlantPart(const std::string& localPath, const std::string& bytes,
               const net::PartValidator& validator) {
    std::string part = localPath + ".down";
    ASSERT_TRUE(platform::ReplaceFileAtomically(part, bytes));
    ASSERT_TRUE(net::SavePartValidator(part, validator));
}

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

std::optional<std::string> HeaderValue(const std::string& request, const std::string& name) {
    std::string key = "\r\n" + name + ": ";
    std::size_t at = request.find(key);
    if (at == std::string::npos) return std::nullopt;
    std::size_t start = at + key.size();
    return request.substr(start, request.find("\r\n", start) - start);
}

std::string Sha256(const std::string& bytes) {
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    EVP_Digest(bytes.data(), bytes.size(), digest, &length, EVP_sha256(), nullptr);
    static const char kHex[] = "0123456789abcdef";
    std::string text;
    for (unsigned int i = 0; i < length; ++i) {
        text += kHex[digest[i] >> 4];
        text += kHex[digest[i] & 15];
    }
    return text;
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
    std::optional<std::string> ifRange = HeaderValue(request, "If-Range");
    bool sameFile = !ifRange || *ifRange == serving.lastModified ||
                    (!serving.etag.empty() && *ifRange == serving.etag);
    if (serving.rangesAnsweredWhole || (!sameFile && !serving.ignoreIfRange)) start.reset();
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
                                        "Content-Length: " + std::to_string(body.size())};
    if (!serving.lastModified.empty()) headers.push_back("Last-Modified: " + serving.lastModified);
    if (!serving.etag.empty()) headers.push_back("ETag: " + serving.etag);
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
