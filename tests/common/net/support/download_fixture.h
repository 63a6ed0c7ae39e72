#pragma once
// A CHttpDownload against a ScriptServer in a temporary folder, recording its notices and the
// warnings it logs.
#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "common/net/http_download.h"
#include "common/net/support/http_script.h"
#include "common/platform/files.h"
#include "common/platform/log.h"
#include "common/platform/paths.h"

namespace nettest {

// Reproducible bytes that differ for every `seed`.
inline std::string Pattern(std::size_t size, std::uint32_t seed = 12345) {
    std::string data(size, '\0');
    std::uint32_t state = seed;
    for (char& c : data) {
        state = state * 1103515245 + 12345;
        c = static_cast<char>(state >> 16);
    }
    return data;
}

inline const std::time_t kServedTime = LocalTime(2024, 6, 5, 10, 20, 30);

// The request the engine sends with its default settings, `extra` lines before the
// Connection line.
inline std::string PlainRequest(const std::string& target, const std::string& extra = "") {
    return "GET " + target +
           " HTTP/1.1\r\n"
           "Host: 127.0.0.1\r\n"
           "Accept: */*\r\n"
           "Pragma: no-cache\r\n"
           "Cache-Control: no-cache\r\n"
           "User-Agent: HttpDownload/2.0\r\n" +
           extra + "Connection: close\r\n\r\n";
}

// PlainRequest for a resumed part: Range (and If-Range when given) after the Connection line.
inline std::string RangedRequest(const std::string& target, std::int64_t from,
                                 const std::string& ifRange) {
    std::string request = PlainRequest(target);
    std::string lines = "Range: bytes=" + std::to_string(from) + "-\r\n";
    if (!ifRange.empty()) lines += "If-Range: " + ifRange + "\r\n";
    return request.insert(request.size() - 2, lines);
}

class DownloadTest : public ::testing::Test {
protected:
    DownloadTest() : dir_(platform::MakeTempDirectory("quorvel-net-download")) {
        engine_.SetConnectTimeout(2000);
        engine_.SetReceiveTimeout(3000);
        engine_.SetNotify([this](const net::DownloadNotice& n) {
            notices_.push_back(n);
            lastDone_ = n.done;
        }, true);
        platform::SetLogSink([this](platform::LogLevel level, std::string_view category,
                                    std::string_view message) {
            if (level == platform::LogLevel::Warning && category == "quorvel.net") {
                warnings_.emplace_back(message);
            }
        });
    }
    ~DownloadTest() override {
        server_.reset();
        platform::SetLogSink(nullptr);
        platform::RemoveDirectoryTree(dir_);
    }

    void Serve(ScriptServer::Script script) { server_ = std::make_unique<ScriptServer>(script); }
    void ServeFile(FileServing serving) {
        Serve([serving](ScriptConnection& c, int i) { nettest::ServeFile(serving, c, i); });
    }
    std::string Url(const std::string& path) const { return server_->url(path); }
    std::string Path(const std::string& name) const { return platform::JoinPath(dir_, name); }
    std::string Read(const std::string& path) const {
        std::string text;
        platform::ReadWholeFile(path, text);
        return text;
    }
    std::vector<net::NoticeKind> Kinds() const {
        std::vector<net::NoticeKind> kinds;
        for (const net::DownloadNotice& n : notices_) kinds.push_back(n.kind);
        return kinds;
    }
    std::vector<std::string> Requests() const { return server_->requests(); }
    // The logged warnings that contain every one of `parts`.
    int WarningsWith(std::initializer_list<std::string> parts) const {
        int count = 0;
        for (const std::string& line : warnings_) {
            bool all = true;
            for (const std::string& part : parts) all = all && line.find(part) != std::string::npos;
            count += all;
        }
        return count;
    }

    std::string dir_;
    std::unique_ptr<ScriptServer> server_;
    net::CHttpDownload engine_;
    std::vector<net::DownloadNotice> notices_;
    std::atomic<std::int64_t> lastDone_{0};
    std::vector<std::string> warnings_;
};

}  // namespace nettest
