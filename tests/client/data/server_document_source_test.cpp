// The server source against scripted loopback servers: what each kind of failure gives
// the records, and the log line a developer sees for it.
#include <gtest/gtest.h>

#include <string>

#include "client/data/document_source.h"
#include "client/data/history_info.h"
#include "common/net/support/http_script.h"
#include "common/net/support/script_server.h"
#include "common/platform/internet.h"
#include "support/log_capture.h"

namespace {

using platform::LogLevel;

std::string Host(const nettest::ScriptServer& server) {
    return "127.0.0.1:" + std::to_string(server.port());
}

// Answers every request with `response`.
nettest::ScriptServer Answering(std::string response) {
    return nettest::ScriptServer([response](nettest::ScriptConnection& c, int) {
        if (!c.ReadRequest().empty()) c.Send(response);
    });
}

TEST(ServerDocumentSource, EachFailureIsLoggedWithTheAddressAndWhy) {
    ScopedLogCapture log;
    {
        auto server = Answering(nettest::Response("404 Not Found", {"Content-Length: 0"}));
        ServerDocumentSource source(Host(server));
        EXPECT_EQ(CHistoryInfo::Fetch(source).Status(), RecordStatus::NotFound);
        EXPECT_TRUE(log.Has(LogLevel::Warning, "quorvel.net",
                            {server.url("/KRClientInfo/Info_History.xml"), "HTTP status 404"}))
            << log.Text();
    }
    {
        auto server = Answering(nettest::Response("500 Internal Server Error", {"Content-Length: 0"}));
        ServerDocumentSource source(Host(server));
        EXPECT_EQ(CHistoryInfo::Fetch(source).Status(), RecordStatus::FetchFailed);
        EXPECT_TRUE(log.Has(LogLevel::Warning, "quorvel.net", {"HTTP status 500"})) << log.Text();
    }
    {
        const std::string body = "\xEF\xBB\xBF<html><body>maintenance";
        auto server = Answering(nettest::Response(
            "200 OK", {"Content-Length: " + std::to_string(body.size())}, body));
        ServerDocumentSource source(Host(server));
        EXPECT_EQ(CHistoryInfo::Fetch(source).Status(), RecordStatus::NotFound);
        EXPECT_TRUE(log.Has(LogLevel::Warning, "quorvel.data",
                            {server.url("/KRClientInfo/Info_History.xml"), "unreadable document"}))
            << log.Text();
    }
    const std::string dead = "127.0.0.1:" + std::to_string(nettest::FreeLoopbackPort());
    ServerDocumentSource source(dead);
    EXPECT_EQ(CHistoryInfo::Fetch(source).Status(), RecordStatus::FetchFailed);
    EXPECT_TRUE(log.Has(LogLevel::Warning, "quorvel.net",
                        {"http://" + dead + "/KRClientInfo/Info_History.xml", "connection failed"}))
        << log.Text();
}

TEST(ServerDocumentSource, AServerThatNeverAnswersTimesOut) {
    platform::InternetTimeouts& timeouts = platform::DefaultInternetTimeouts();
    const platform::InternetTimeouts saved = timeouts;
    timeouts.totalMs = 300;
    ScopedLogCapture log;
    nettest::ScriptServer server([](nettest::ScriptConnection& c, int) {
        c.ReadRequest();
        c.PeerClosed(3000);  // says nothing until the client gives up
    });
    ServerDocumentSource source(Host(server));
    EXPECT_EQ(CHistoryInfo::Fetch(source).Status(), RecordStatus::FetchFailed);
    timeouts = saved;
    EXPECT_TRUE(log.Has(LogLevel::Warning, "quorvel.net", {"timed out"})) << log.Text();
}

}  // namespace
