// Routing of the sample site: paths, login, form posts, lists, payloads, pages, options.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>

#include "common/platform/code_page.h"
#include "common/platform/files.h"
#include "common/platform/paths.h"
#include "server/server_options.h"
#include "server/update_lists.h"
#include "site_fixture.h"
#include "xml_scan.h"

namespace {

std::string Gbk(const std::string& utf8) { return platform::Utf8ToLocalText(utf8); }

std::string FirstLine(const std::string& text) { return text.substr(0, text.find("\r\n")); }

server::HttpReply Post(server::SampleSite& site, const std::string& path, const std::string& query,
                       const std::string& body) {
    server::HttpRequest request;
    request.method = "POST";
    request.path = path;
    request.rawQuery = query;
    request.body = body;
    request.host = "127.0.0.1:8080";
    return site.Handle(request);
}

class TempFolder {
public:
    TempFolder() : path_(platform::MakeTempDirectory("quorvel-site-test")) {}
    ~TempFolder() { platform::RemoveDirectoryTree(path_); }
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

TEST(CanonicalPath, IgnoresCaseAndRepeatedSlashes) {
    EXPECT_EQ(server::CanonicalPath("//KRClientUpdate/UpdateList.xml"), "/krclientupdate/updatelist.xml");
    EXPECT_EQ(server::CanonicalPath(""), "/");
    EXPECT_EQ(Get("/krclientinfo/zhzd/600000.XML").body, GetBody("/KRClientInfo/ZHZD/600000.xml"));
    EXPECT_EQ(Get("//KRClientInfo//TOPEYESS/600000.xml").status, 200);
}

TEST(Login, AnswersInTheClientsCodePageAndRecordsWhatWasSent) {
    TempFolder data;
    server::SampleSite site(TestSiteSettings(data.Path()));
    const auto ok = Get(site, "/login.asp?uname=demo&pwd=demo123&mac=00:1A:2B:3C:4D:5E&ver=1.0.0");
    EXPECT_EQ(FirstLine(ok.body), Gbk("登陆成功"));
    EXPECT_NE(FirstLine(Get(site, "/login.asp?uname=demo&pwd=wrong&mac=x&ver=y").body), Gbk("登陆成功"));
    EXPECT_NE(FirstLine(Get(site, "/login.asp?uname=&pwd=&mac=&ver=").body), Gbk("登陆成功"));
    EXPECT_NE(FirstLine(Get(site, "/login.asp").body), Gbk("登陆成功"));

    const std::string log = site.Journal().Lines();
    EXPECT_NE(log.find("login\tuname=demo\tmac=00:1A:2B:3C:4D:5E\tver=1.0.0\tresult=ok\t"
                       "query=uname=demo&pwd=***&mac=00:1A:2B:3C:4D:5E&ver=1.0.0\n"),
              std::string::npos)
        << log;
    EXPECT_EQ(log.find("demo123"), std::string::npos) << "the journal must not keep passwords";
    EXPECT_NE(log.find("uname=demo\tmac=x\tver=y\tresult=fail"), std::string::npos);

    std::string file;
    ASSERT_TRUE(platform::ReadWholeFile(platform::JoinPath(data.Path(), "logs/login.log"), file));
    EXPECT_NE(file.find("uname=demo\tmac=00:1A:2B:3C:4D:5E\tver=1.0.0\tresult=ok"), std::string::npos);
    EXPECT_EQ(file.find("demo123"), std::string::npos) << "the log file must not keep passwords";
}

mode_t FileMode(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0;
}

TEST(Login, UsersFileHoldsSaltedHashesForItsOwnerOnly) {
    TempFolder data;
    { server::SampleSite site(TestSiteSettings(data.Path())); }
    const std::string users = platform::JoinPath(data.Path(), "users.txt");
    std::string text;
    ASSERT_TRUE(platform::ReadWholeFile(users, text));
    EXPECT_EQ(text.find("demo123"), std::string::npos);
    EXPECT_NE(text.find("demo:$6$"), std::string::npos) << text;
    EXPECT_EQ(FileMode(users), 0600u);
    {
        server::SampleSite site(TestSiteSettings(data.Path()));
        EXPECT_EQ(FirstLine(Get(site, "/login.asp?uname=demo&pwd=demo123").body), Gbk("登陆成功"));
        std::string again;
        ASSERT_TRUE(platform::ReadWholeFile(users, again));
        EXPECT_EQ(again, text) << "a hashed file is read as it is";
    }

    // A plain "name:password" file of an older run, world-readable: hashed in place, every
    // account kept. A Chinese user name arrives as GBK bytes and is matched with the UTF-8 file.
    ASSERT_TRUE(platform::ReplaceFileAtomically(users, "# accounts\n张三:pa:ss\r\nbroken line\ndemo:demo123\n"));
    ASSERT_EQ(::chmod(users.c_str(), 0644), 0);
    server::SampleSite site(TestSiteSettings(data.Path()));
    ASSERT_TRUE(platform::ReadWholeFile(users, text));
    EXPECT_EQ(text.find("pa:ss"), std::string::npos) << text;
    EXPECT_EQ(text.find("demo123"), std::string::npos) << text;
    EXPECT_NE(text.find("# accounts\n张三:$6$"), std::string::npos) << text;
    EXPECT_NE(text.find("broken line\n"), std::string::npos);
    EXPECT_EQ(FileMode(users), 0600u);
    EXPECT_EQ(FirstLine(Get(site, "/login.asp?uname=" + Gbk("张三") + "&pwd=pa:ss&mac=m&ver=v").body), Gbk("登陆成功"));
    EXPECT_NE(FirstLine(Get(site, "/login.asp?uname=" + Gbk("张三") + "&pwd=pa").body), Gbk("登陆成功"));
    EXPECT_EQ(FirstLine(Get(site, "/login.asp?uname=demo&pwd=demo123").body), Gbk("登陆成功"));
    EXPECT_NE(site.Journal().Lines().find("uname=张三"), std::string::npos);
}

TEST(Login, RepeatedFailuresForANameSlowItsAttemptsUntilTheRightPassword) {
    using Clock = std::chrono::steady_clock;
    auto settings = TestSiteSettings();
    settings.loginThrottle.firstDelay = std::chrono::milliseconds(150);
    settings.loginThrottle.maxDelay = std::chrono::milliseconds(600);
    server::SampleSite site(settings);
    auto attempt = [&](const std::string& user, const std::string& password, double& ms) {
        const auto start = Clock::now();
        const auto reply = Get(site, "/login.asp?uname=" + user + "&pwd=" + password);
        ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        return FirstLine(reply.body) == Gbk("登陆成功");
    };
    double ms = 0;
    for (int i = 0; i < 5; ++i) EXPECT_FALSE(attempt("demo", "guess", ms));
    EXPECT_FALSE(attempt("demo", "guess", ms));
    EXPECT_GE(ms, 150) << "the sixth failure in a row waits";
    // Other names are not slowed by it.
    EXPECT_FALSE(attempt("someone", "guess", ms));
    EXPECT_LT(ms, 150);
    EXPECT_TRUE(attempt("demo", "demo123", ms)) << "the right password still works";
    EXPECT_GE(ms, 300) << "after waiting longer";
    EXPECT_FALSE(attempt("demo", "guess", ms));
    EXPECT_LT(ms, 150) << "a success starts the count again";
}

TEST(FormPosts, AreRecordedAndAnsweredWithAShortBody) {
    TempFolder data;
    server::SampleSite site(TestSiteSettings(data.Path()));
    const std::string question = "fromsource=730kr&name=%D5%C5&sex=%C4%D0&tel=138&sm=%D6%D0";
    auto reply = Post(site, "/q&a/question.asp", "", question);
    EXPECT_EQ(reply.status, 200);
    EXPECT_FALSE(reply.body.empty());
    reply = Post(site, "/sms/sncode.asp", "class=9&fromsource=730kr", "tel=13800000000&=%E6%8F%90%E4%BA%A4+");
    EXPECT_EQ(reply.status, 200);
    EXPECT_FALSE(reply.body.empty());
    EXPECT_EQ(site.Journal().Lines(),
              "post\t/q&a/question.asp\t" + question +
                  "\npost\t/sms/sncode.asp?class=9&fromsource=730kr\ttel=13800000000&=%E6%8F%90%E4%BA%A4+\n");
    std::string file;
    ASSERT_TRUE(platform::ReadWholeFile(platform::JoinPath(data.Path(), "logs/forms.log"), file));
    EXPECT_NE(file.find("/sms/sncode.asp?class=9&fromsource=730kr\ttel=13800000000"), std::string::npos);
    // A body with line breaks stays one record.
    Post(site, "/q&a/question.asp", "", "a=1\r\nb=2");
    EXPECT_NE(site.Journal().Lines().find("a=1\\r\\nb=2\n"), std::string::npos);

    EXPECT_EQ(Get(site, "/sms/sncode.asp").status, 405);
    EXPECT_EQ(Post(site, "/KRClientInfo/ZHZD/600000.xml", "", "").status, 405);
}

TEST(RequestCounting, CountsEverythingButTheTestEndpoints) {
    server::SampleSite site(TestSiteSettings());
    server::HttpRequest request;
    for (const char* path : {"/KRClientInfo/ZHZD/600000.xml", "/nothing", "/__requests", "/__log", "/login.asp"}) {
        request.path = path;
        site.NoteRequest(request);
    }
    EXPECT_EQ(Get(site, "/__requests").body, "3");

    // Without test endpoints they are pages like any other: counted, and not found.
    auto settings = TestSiteSettings();
    settings.testEndpoints = false;
    server::SampleSite plain(settings);
    Get(plain, "/login.asp?uname=demo&pwd=demo123");
    for (const char* path : {"/__requests", "/__log"}) {
        request.path = path;
        plain.NoteRequest(request);
        const auto reply = Get(plain, path);
        EXPECT_EQ(reply.status, 404) << path;
        EXPECT_EQ(reply.body.find("demo123"), std::string::npos);
    }
    EXPECT_EQ(plain.Journal().RequestCount(), 2);
}

TEST(FileLists, ShapedForTheirReadersAndBackedByRealFiles) {
    const std::string version = GetBody("//KRClientUpdate/UpdateList.xml");
    for (char c : version) ASSERT_LT(static_cast<unsigned char>(c), 0x80u) << "lists are read without conversion";
    XmlScan v(version);
    ASSERT_TRUE(v.Before("Updater", "Files"));
    ASSERT_TRUE(v.Before("Files", "Application"));
    ASSERT_TRUE(v.Next("Url"));
    EXPECT_EQ(v.Text(), "http://127.0.0.1:8080/KRClientUpdate/");
    ASSERT_TRUE(v.Next("Version"));
    EXPECT_EQ(v.Text(), "1.0.0");
    server::SampleSite newer(TestSiteSettings("", "2.1.0"));
    EXPECT_NE(Get(newer, "/KRClientUpdate/UpdateList.xml").body.find("<Version>2.1.0</Version>"), std::string::npos);

    // The repair list: root Updater, Url before Files, every installable file.
    const std::string repair = GetBody("/Restoration/Restoration.xml");
    for (char c : repair) ASSERT_LT(static_cast<unsigned char>(c), 0x80u);
    XmlScan r(repair);
    ASSERT_TRUE(r.Next("Updater"));
    ASSERT_TRUE(r.Before("Url", "Files"));
    ASSERT_TRUE(r.Next("Url"));
    const std::string base = r.Text();
    EXPECT_EQ(base, "http://127.0.0.1:8080/Restoration/files/");
    std::vector<std::string> names;
    while (r.Next("File")) {
        names.push_back(r.Attr("Name"));
        EXPECT_EQ(r.Attr("Ver").rfind("1.0.0.", 0), 0u);
        std::string path = r.Attr("Name");
        std::replace(path.begin(), path.end(), '\\', '/');
        EXPECT_EQ(Get("/Restoration/files/" + path).status, 200) << path;
    }
    EXPECT_NE(std::find(names.begin(), names.end(), "StockInfo.xml"), names.end());
    EXPECT_NE(std::find(names.begin(), names.end(), "AutoUpdateList.xml"), names.end());
    for (const char* user : {"config.xml", "LoginInfo.xml", "ClcltdDataInfo.xml"})
        EXPECT_EQ(std::find(names.begin(), names.end(), user), names.end()) << user << " belongs to the user";

    // The data-file list serves the stock directory byte for byte.
    const std::string data = GetBody("//KRClientAutoUpdate/AutoUpdateList.xml");
    XmlScan d(data);
    ASSERT_TRUE(d.Before("Updater", "Files"));
    std::string stockInfo;
    ASSERT_TRUE(platform::ReadWholeFile(std::string(QUORVEL_TEST_ASSETS) + "/StockInfo.xml", stockInfo));
    EXPECT_EQ(GetBody("/KRClientAutoUpdate/StockInfo.xml"), stockInfo);
    EXPECT_EQ(Get("/KRClientAutoUpdate/nothing.xml").status, 404);
    EXPECT_EQ(Get("/Restoration/files/config.xml").status, 404);
    EXPECT_EQ(Get("/Restoration/files/../config.xml").status, 404);
}

TEST(FileLists, ShippedDataFileListMatchesTheServer) {
    // A fresh installation must not download anything on its first update cycle.
    std::string local;
    ASSERT_TRUE(platform::ReadWholeFile(std::string(QUORVEL_TEST_ASSETS) + "/AutoUpdateList.xml", local));
    std::map<std::string, std::string> shipped, served;
    for (XmlScan s(local); s.Next("File");) shipped[s.Attr("Name")] = s.Attr("Ver");
    for (XmlScan s(GetBody("/KRClientAutoUpdate/AutoUpdateList.xml")); s.Next("File");) served[s.Attr("Name")] = s.Attr("Ver");
    EXPECT_EQ(shipped, served) << "update assets/AutoUpdateList.xml to the versions the server lists";
    EXPECT_EQ(served.count("StockInfo.xml"), 1u);
    EXPECT_EQ(served.count("AutoUpdateList.xml"), 1u);
}

TEST(FileLists, TestListsAddTheirEntriesOnlyWithTheTestEndpoints) {
    std::map<std::string, std::string> real;
    for (XmlScan s(GetBody("/KRClientAutoUpdate/AutoUpdateList.xml")); s.Next("File");) real[s.Attr("Name")] = s.Attr("Ver");
    real.erase("AutoUpdateList.xml");
    const struct {
        const char* path;
        std::vector<std::string> added;
    } lists[] = {{"/__update/hostile/AutoUpdateList.xml", {"..\\evil", "/etc/x", "a/../../x", "%2e%2e\\x", "C:\\x"}},
                 {"/__update/missing/AutoUpdateList.xml", {"Missing.xml"}}};
    for (const auto& list : lists) {
        XmlScan scan(GetBody(list.path));
        ASSERT_TRUE(scan.Next("Url")) << list.path;
        EXPECT_EQ(scan.Text(), "http://127.0.0.1:8080/KRClientAutoUpdate/");
        std::map<std::string, std::string> listed;
        while (scan.Next("File")) listed[scan.Attr("Name")] = scan.Attr("Ver");
        for (const std::string& name : list.added) EXPECT_EQ(listed.erase(name), 1u) << name;
        EXPECT_EQ(listed, real) << list.path;
    }
    EXPECT_EQ(Get("/KRClientAutoUpdate/Missing.xml").status, 404);
    EXPECT_EQ(Get("/__update/other/AutoUpdateList.xml").status, 404);
    auto settings = TestSiteSettings();
    settings.testEndpoints = false;
    server::SampleSite plain(settings);
    EXPECT_EQ(Get(plain, "/__update/hostile/AutoUpdateList.xml").status, 404);
}

TEST(FileLists, ExtraPayloadFilesJoinTheRepairList) {
    TempFolder data;
    ASSERT_TRUE(platform::CreateDirectories(platform::JoinPath(data.Path(), "payload/image")));
    ASSERT_TRUE(platform::ReplaceFileAtomically(platform::JoinPath(data.Path(), "payload/krclient"), "program"));
    ASSERT_TRUE(platform::ReplaceFileAtomically(platform::JoinPath(data.Path(), "payload/image/extra.gif"), "GIF89a"));
    server::SampleSite site(TestSiteSettings(data.Path()));
    const std::string repair = Get(site, "/Restoration/Restoration.xml").body;
    EXPECT_NE(repair.find("Name=\"krclient\""), std::string::npos);
    EXPECT_NE(repair.find("Name=\"image\\extra.gif\""), std::string::npos);
    EXPECT_EQ(Get(site, "/Restoration/files/image/extra.gif").body, "GIF89a");
    EXPECT_EQ(Get(site, "/KRClientUpdate/krclient").body, "program");

    // A file replaced while the server runs is listed with its new version.
    auto listedVersion = [&] {
        for (XmlScan r(Get(site, "/Restoration/Restoration.xml").body); r.Next("File");)
            if (r.Attr("Name") == "krclient") return r.Attr("Ver");
        return std::string();
    };
    const std::string before = listedVersion();
    ASSERT_TRUE(platform::ReplaceFileAtomically(platform::JoinPath(data.Path(), "payload/krclient"), "PROGRAM"));
    EXPECT_NE(listedVersion(), before);
    EXPECT_EQ(listedVersion(), server::ContentVersion("PROGRAM"));
}

TEST(FileLists, AdvertisementLinksPointAtTheServingHost) {
    const std::string ads = Get(SharedSite(), "/KRClientAutoUpdate/Advertise.XML", "127.0.0.1:5555").body;
    EXPECT_NE(ads.find("http://127.0.0.1:5555/plan/spring/"), std::string::npos);
    EXPECT_EQ(ads.find("8080"), std::string::npos);
    // The Host header is the client's text: it cannot end an attribute or add elements.
    const std::string forged =
        Get(SharedSite(), "/KRClientAutoUpdate/Advertise.XML", "x\"><Adverts LinkUrl=\"http://evil/&").body;
    EXPECT_EQ(forged.find("x\"><Adverts"), std::string::npos);
    EXPECT_NE(forged.find("http://x&quot;&gt;&lt;Adverts LinkUrl=&quot;http://evil/&amp;/plan/spring/"), std::string::npos);
}

TEST(WebPages, EveryPageTheClientOpensIsServed) {
    for (const char* path :
         {"/", "/sysm.html", "/zs/zs.html", "/articlelist.asp", "/lhl/index.htm", "/live/clientlive.html",
          "/q&a/clientquestion.html", "/Web/RetakeBackPassword.aspx", "/Web/Register.aspx?fromkey=client",
          "/login.aspx", "/web/dqvnlogin.aspx?uname=demo&upwd=demo123", "/default.aspx", "/plan/spring/",
          "/news/20261204.html", "/sites/portal/3.html?stock=600000"}) {
        const auto reply = Get(path);
        EXPECT_EQ(reply.status, 200) << path;
        EXPECT_EQ(reply.body.rfind("<!DOCTYPE html>", 0), 0u) << path;
        EXPECT_NE(reply.contentType.find("text/html"), std::string::npos) << path;
    }
    EXPECT_EQ(Get("/no/such/page.html").status, 404);
    EXPECT_EQ(Get("/news/19990101.html").status, 404);
    EXPECT_EQ(Get("/sites/portal/11.html").status, 404);
}

TEST(WebPages, NeverEchoMarkupOrPasswords) {
    const std::string page = GetBody("/web/dqvnlogin.aspx?uname=<script>x</script>&upwd=secret");
    EXPECT_EQ(page.find("<script>"), std::string::npos);
    EXPECT_NE(page.find("&lt;script&gt;"), std::string::npos);
    EXPECT_EQ(page.find("secret"), std::string::npos);
    EXPECT_EQ(Get("/<b>x</b>").body.find("<b>x</b>"), std::string::npos);
}

TEST(ServerOptions, ParsesPortDataAndHelp) {
    auto parsed = server::ParseServerOptions({"--port", "0", "--data", "/tmp/d", "--app-version", "2.0"});
    EXPECT_TRUE(parsed.error.empty());
    EXPECT_EQ(parsed.options.port, 0);
    EXPECT_EQ(parsed.options.dataDirectory, "/tmp/d");
    EXPECT_EQ(parsed.options.appVersion, "2.0");
    EXPECT_EQ(server::ParseServerOptions({}).options.port, 8080);
    EXPECT_TRUE(server::ParseServerOptions({"--help"}).options.showHelp);
    EXPECT_FALSE(server::ParseServerOptions({}).options.testEndpoints);
    parsed = server::ParseServerOptions({"--test-endpoints", "--request-timeout-ms", "1500", "--login-delay-ms", "20"});
    EXPECT_TRUE(parsed.error.empty()) << parsed.error;
    EXPECT_TRUE(parsed.options.testEndpoints);
    EXPECT_EQ(parsed.options.requestTimeout, std::chrono::milliseconds(1500));
    EXPECT_EQ(parsed.options.loginDelay, std::chrono::milliseconds(20));
    for (const std::vector<std::string>& bad :
         {std::vector<std::string>{"--port"}, {"--port", "70000"}, {"--port", "-1"}, {"--port", "8o"}, {"--bogus"}, {"--data"},
          {"--request-timeout-ms", "0"}, {"--login-delay-ms", "1e3"}, {"--request-timeout-ms"}})
        EXPECT_FALSE(server::ParseServerOptions(bad).error.empty()) << bad[0];
    const std::string help = server::HelpText();
    EXPECT_NE(help.find("--port"), std::string::npos);
    EXPECT_NE(help.find("--data"), std::string::npos);

    server::ServerOptions options;
    server::ResolveDefaultDirectories(options, "/nowhere/bin", QUORVEL_TEST_ASSETS);
    EXPECT_EQ(options.assetsDirectory, QUORVEL_TEST_ASSETS);
    EXPECT_EQ(options.dataDirectory, "/nowhere/bin/quorvel-server-data");
}

}  // namespace
