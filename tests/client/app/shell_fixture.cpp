#include "client/app/shell_fixture.h"

#include <sys/socket.h>
#include <netinet/in.h>
#include <unistd.h>

#include "client/app/background_work.h"
#include "client/core/client_config.h"
#include "common/platform/code_page.h"
#include "common/platform/files.h"
#include "common/platform/paths.h"
#include "common/ui/query_runner.h"
#include "support/test_pictures.h"

#ifndef QUORVEL_SOURCE_DIR
#error "QUORVEL_SOURCE_DIR must name the source tree"
#endif

std::string G(const char* utf8) { return platform::Utf8ToLocalText(utf8); }

SampleServer& ShellFixture::Server() {
    static SampleServer server;
    return server;
}

void ShellFixture::SetUp() {
    dir_ = platform::MakeTempDirectory("shell_test");
    platform::SetProgramDirectoryForTesting(dir_);
    test_pictures::CopySkinPictures(QUORVEL_SOURCE_DIR, dir_);
    WriteConfig(Server().BaseHost());
    session_ = Session();
    // Main windows of these tests run without their background threads; the tests of
    // those turn them on.
    DefaultBackgroundOptions() = BackgroundOptions{false, {}, {}};
}

void ShellFixture::TearDown() {
    // Work of queries still running may use the source and the program directory.
    ui::DrainQueries();
    platform::SetProgramDirectoryForTesting("");
    platform::RemoveDirectoryTree(dir_);
}

void ShellFixture::WriteFile(const std::string& name, const std::string& text) {
    ASSERT_TRUE(platform::ReplaceFileAtomically(platform::JoinPath(dir_, name), text));
}

std::string ShellFixture::ReadFile(const std::string& name) const {
    std::string text;
    platform::ReadWholeFile(platform::JoinPath(dir_, name), text);
    return text;
}

void ShellFixture::WriteConfig(const std::string& host) {
    WriteFile("config.xml",
              "<?xml version=\"1.0\" encoding=\"GB2312\"?>\r\n<Config>\r\n"
              "<RemotFilePath>" + host + "</RemotFilePath>\r\n<NewsTime></NewsTime>\r\n"
              "<ProductSite>" + host + "/product</ProductSite>\r\n"
              "<AccountPortal>" + host + "/portal</AccountPortal>\r\n"
              "<MakerSite>" + host + "/maker</MakerSite>\r\n"
              "<CommunityServer>" + host + "</CommunityServer>\r\n"
              "<RecommendSite>" + host + "/recommend</RecommendSite>\r\n"
              "<SupportMail>support@quorvel.example</SupportMail>\r\n</Config>\r\n");
    config_ = LoadConfig();
    ui::DrainQueries();
    documents_ = std::make_unique<ServerDocumentSource>(config_.serverBase);
}

std::string ShellFixture::DeadHost() const {
    // A port that was free a moment ago and has nothing listening.
    int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof(addr));
    socklen_t len = sizeof(addr);
    getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len);
    close(fd);
    return "127.0.0.1:" + std::to_string(ntohs(addr.sin_port));
}
