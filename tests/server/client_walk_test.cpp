// The served documents and the installed files, read with the client's own XML file
// class exactly the way the client's records, lists and windows walk them.
#include <gtest/gtest.h>

#include "common/platform/code_page.h"
#include "common/platform/internet.h"
#include "common/platform/paths.h"
#include "common/xml/xml_file.h"
#include "support/sample_server.h"
#include "xml_scan.h"

namespace {

std::string Gbk(const std::string& utf8) { return platform::Utf8ToLocalText(utf8); }

class ClientWalk : public ::testing::Test {
protected:
    static void SetUpTestSuite() { server_ = new SampleServer(); }
    static void TearDownTestSuite() {
        delete server_;
        server_ = nullptr;
    }
    void SetUp() override { ASSERT_TRUE(server_->Running()) << server_->Error(); }

    static std::string Url(const std::string& path) { return server_->Url(path); }
    static SampleServer* server_;
};
SampleServer* ClientWalk::server_ = nullptr;

struct Slot {
    std::string time, total, verdict, newsScore, opinion, expertScore;
    std::vector<std::string> blockValues[4];
    std::string blockScores[4];
    std::string categoryCounts[5];
    std::vector<std::string> siteNames[5];
};

// One evaluation slot, step by step as the comprehensive record reads it.
Slot ReadSlot(CXmlFile& x, const char* slotElement) {
    static const std::vector<std::vector<std::string>> kBlocks = {
        {"JBM", "shiyinglu", "jinglirun", "zhuyingshouru", "meigushouyi", "jingzichan"},
        {"SCM", "wrijunjia", "srijunjia", "wrijunliang", "srijunliang"},
        {"JSM", "YZXDDPZD", "YZXDHYZD", "YZGJQJ", "YZZDF"},
        {"JJM", "JRZLZC", "ZLWRZC", "ZLYYZC"}};
    Slot s;
    EXPECT_TRUE(x.Descend(slotElement));
    EXPECT_TRUE(x.Descend("time"));
    s.time = x.GetText();
    EXPECT_TRUE(x.FindNext("Fraction"));
    s.total = x.GetText();
    EXPECT_TRUE(x.FindNext("Result"));
    s.verdict = x.GetText();
    x.Leave();
    for (std::size_t b = 0; b < kBlocks.size(); ++b) {
        EXPECT_TRUE(x.Descend(kBlocks[b][0]));
        EXPECT_TRUE(x.Descend(kBlocks[b][1]));
        s.blockValues[b].push_back(x.GetText());
        for (std::size_t v = 2; v < kBlocks[b].size(); ++v) {
            EXPECT_TRUE(x.FindNext(kBlocks[b][v])) << kBlocks[b][v];
            s.blockValues[b].push_back(x.GetText());
        }
        EXPECT_TRUE(x.FindNext("Fraction"));
        s.blockScores[b] = x.GetText();
        x.Leave();
        x.Leave();
    }
    EXPECT_TRUE(x.Descend("XXM"));
    const char* categories[] = {"ZFL", "MHL", "ZYL", "LTL", "KRCJL"};
    for (int c = 0; c < 5; ++c) {
        EXPECT_TRUE(x.Descend(categories[c]));
        s.categoryCounts[c] = x.GetAttr("count");
        EXPECT_TRUE(x.Descend("info"));
        for (int i = 0; i < 10; ++i) {
            s.siteNames[c].push_back(x.GetAttr("NetName"));
            x.FindNext("info");
        }
        x.Leave();
        x.Leave();
    }
    EXPECT_TRUE(x.Descend("Fraction"));
    s.newsScore = x.GetText();
    x.Leave();
    x.Leave();
    x.Leave();
    EXPECT_TRUE(x.Descend("ZJP"));
    EXPECT_TRUE(x.Descend("Opinion"));
    s.opinion = x.GetText();
    EXPECT_TRUE(x.FindNext("Fraction"));
    s.expertScore = x.GetText();
    return s;
}

TEST_F(ClientWalk, ComprehensiveEvaluationReadsBothSlotsFromTheirOwnElements) {
    const std::string path = "/KRClientInfo/ZHZD/600036.xml";
    CXmlFile x;
    ASSERT_TRUE(x.LoadUrl(Url(path))) << x.Doc().Result();
    ASSERT_TRUE(x.Descend("S600036"));
    EXPECT_EQ(x.GetAttr("name"), Gbk("招商银行"));
    const Slot first = ReadSlot(x, "FirstInfo");
    x.LeaveAll();
    const Slot second = ReadSlot(x, "SecondInfo");

    // What the walk found must be what the document holds at those places.
    std::string raw;
    ASSERT_TRUE(platform::OpenUrlAsText(Url(path), raw));
    XmlScan scan(raw);
    std::string opinions[2], expertScores[2];
    for (int slot = 0; slot < 2; ++slot) {
        ASSERT_TRUE(scan.Next("Opinion"));
        opinions[slot] = Gbk(scan.Text());
        ASSERT_TRUE(scan.Next("Fraction"));
        expertScores[slot] = scan.Text();
    }
    EXPECT_EQ(first.time, "2026-12-04");
    EXPECT_EQ(second.time, "2026-11-27");
    EXPECT_EQ(first.opinion, opinions[0]);
    EXPECT_EQ(second.opinion, opinions[1]);
    EXPECT_EQ(first.expertScore, expertScores[0]);
    EXPECT_EQ(second.expertScore, expertScores[1]);
    for (const Slot* s : {&first, &second}) {
        EXPECT_FALSE(s->verdict.empty());
        for (int b = 0; b < 4; ++b) EXPECT_FALSE(s->blockScores[b].empty());
        EXPECT_EQ(s->blockValues[0].size(), 5u);
        EXPECT_FALSE(s->newsScore.empty());
        for (int c = 0; c < 5; ++c) {
            EXPECT_FALSE(s->categoryCounts[c].empty());
            for (const auto& name : s->siteNames[c]) EXPECT_FALSE(name.empty());
        }
    }
    EXPECT_NE(first.siteNames[1][0], "") << "site names arrive converted";
}

TEST_F(ClientWalk, RecommendedStocksDiagnosesFlowsAndFinance) {
    CXmlFile recommend;
    ASSERT_TRUE(recommend.LoadUrl(Url("/KRClientInfo/ZHZD/RecommendStock.xml")));
    ASSERT_TRUE(recommend.Descend("ZHZD"));
    for (const char* group : {"JBMZHG", "SCMZHG", "JSMZHG", "JJMZHG", "XXMZHG", "ZJPZHG"}) {
        ASSERT_TRUE(recommend.Descend(group)) << group;
        ASSERT_TRUE(recommend.Descend("stock1"));
        EXPECT_FALSE(recommend.GetText().empty());
        for (int i = 2; i <= 6; ++i) {
            ASSERT_TRUE(recommend.FindNext("stock" + std::to_string(i)));
            EXPECT_FALSE(recommend.GetText().empty());
        }
        recommend.Leave();
        recommend.Leave();
    }

    CXmlFile diagnosis;
    ASSERT_TRUE(diagnosis.LoadUrl(Url("/KRClientInfo/CWZD/000002.xml")));
    ASSERT_TRUE(diagnosis.Descend("S000002"));
    EXPECT_EQ(diagnosis.GetAttr("name"), Gbk("万科A"));
    ASSERT_TRUE(diagnosis.Descend("time"));
    ASSERT_TRUE(diagnosis.FindNext("msg"));
    EXPECT_NE(diagnosis.GetText().find(Gbk("仓")), std::string::npos);

    CXmlFile flow;
    ASSERT_TRUE(flow.LoadUrl(Url("/KRClientInfo/TopEyess/000002.xml")));
    ASSERT_TRUE(flow.Descend("S000002"));
    ASSERT_TRUE(flow.Descend("UpValues"));
    const std::string up = flow.GetText();
    EXPECT_EQ(std::count(up.begin(), up.end(), '\t'), 19);
    ASSERT_TRUE(flow.FindNext("DownValues"));
    ASSERT_TRUE(flow.FindNext("TimeList"));
    const std::string times = flow.GetText();
    ASSERT_GE(times.size(), 4u);
    EXPECT_EQ(times.substr(times.size() - 4), "1204");

    CXmlFile finance;
    ASSERT_TRUE(finance.LoadUrl(Url("/KRClientInfo/CWFX/infoCWFX.xml")));
    ASSERT_TRUE(finance.Descend("InfoCwfx"));
    int rows = 1;
    while (finance.FindNext("InfoCwfx")) ++rows;
    EXPECT_EQ(rows, 50);
}

TEST_F(ClientWalk, ListsHistoryAndNews) {
    const std::pair<std::string, std::string> lists[] = {{"/clientweb/GetHyrg.aspx", "InfoHyrg"},
                                                         {"/clientweb/GetRmhy.aspx", "InfoRmhy"},
                                                         {"/clientweb/GetSsbk.aspx?stockid=300750", "InfoSsbk"}};
    for (const auto& [path, anchor] : lists) {
        CXmlFile x;
        ASSERT_TRUE(x.LoadUrl(Url(path))) << path;
        ASSERT_TRUE(x.Descend(anchor)) << path;
        EXPECT_FALSE(x.GetAttr("Tradingtime").empty());
        int count = 1;
        while (x.FindNext(anchor)) ++count;
        EXPECT_GE(count, 3) << path;
    }
    CXmlFile none;
    EXPECT_FALSE(none.LoadUrl(Url("/clientweb/GetSsbk.aspx?stockid=123456")));
    EXPECT_FALSE(none.Descend("InfoSsbk"));

    CXmlFile history;
    ASSERT_TRUE(history.LoadUrl(Url("/KRClientInfo/Info_History.xml")));
    ASSERT_TRUE(history.Descend("History"));
    ASSERT_TRUE(history.Descend("Msg1"));
    ASSERT_TRUE(history.FindNext("Msg2"));

    CXmlFile news;
    ASSERT_TRUE(news.LoadUrl(Url("/KRClientInfo/NewsInfo.xml")));
    ASSERT_TRUE(news.Descend("Time"));
    EXPECT_EQ(news.GetText(), "2026-12-04 16:30");
    ASSERT_TRUE(news.FindNext("Title"));
    ASSERT_TRUE(news.FindNext("Content"));
    ASSERT_TRUE(news.FindNext("LinkUrl"));
    EXPECT_EQ(news.GetText().rfind("http://" + server_->BaseHost() + "/news/", 0), 0u);
}

TEST_F(ClientWalk, FileListsReadWithoutConversion) {
    CXmlFile version;
    ASSERT_TRUE(version.LoadUrlRaw(Url("//KRClientUpdate/UpdateList.xml")));
    ASSERT_TRUE(version.Descend("Application"));
    ASSERT_TRUE(version.Descend("Version"));
    EXPECT_EQ(version.GetText(), "1.0.0");

    CXmlFile data;
    ASSERT_TRUE(data.LoadUrlRaw(Url("//KRClientAutoUpdate/AutoUpdateList.xml")));
    ASSERT_TRUE(data.Descend("Updater"));
    ASSERT_TRUE(data.Descend("Url"));
    EXPECT_EQ(data.GetText(), "http://" + server_->BaseHost() + "/KRClientAutoUpdate/");
    data.Leave();
    data.Leave();
    ASSERT_TRUE(data.Descend("Files"));
    ASSERT_TRUE(data.Descend("File"));
    std::vector<std::string> names = {data.GetAttr("Name")};
    while (data.FindNext("File")) names.push_back(data.GetAttr("Name"));
    EXPECT_NE(std::find(names.begin(), names.end(), "StockInfo.xml"), names.end());

    CXmlFile repair;
    ASSERT_TRUE(repair.LoadUrlRaw(Url("/Restoration/Restoration.xml")));
    ASSERT_TRUE(repair.Descend("Updater"));
    ASSERT_TRUE(repair.Descend("Url"));
    EXPECT_EQ(repair.GetText(), "http://" + server_->BaseHost() + "/Restoration/files/");
    repair.Leave();
    repair.Leave();
    ASSERT_TRUE(repair.Descend("Files"));
    ASSERT_TRUE(repair.Descend("File"));
    int files = 1;
    while (repair.FindNext("File")) ++files;
    EXPECT_GE(files, 4);
}

class InstalledFiles : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = platform::ProgramDirectory();
        platform::SetProgramDirectoryForTesting(QUORVEL_TEST_ASSETS);
    }
    void TearDown() override { platform::SetProgramDirectoryForTesting(saved_); }
    std::string saved_;
};

TEST_F(InstalledFiles, ReadTheWayTheClientReadsThem) {
    CXmlFile config("config.xml");
    ASSERT_TRUE(config.Descend("RemotFilePath"));
    EXPECT_EQ(config.GetText(), "127.0.0.1:8080");
    for (const char* element : {"ProductSite", "AccountPortal", "MakerSite", "CommunityServer", "RecommendSite"}) {
        CXmlFile c("config.xml");
        ASSERT_TRUE(c.Descend(element)) << element;
        EXPECT_EQ(c.GetText(), "127.0.0.1:8080");
    }
    CXmlFile news("config.xml");
    ASSERT_TRUE(news.Descend("NewsTime"));
    EXPECT_EQ(news.GetText(), "");

    CXmlFile accounts("LoginInfo.xml");
    ASSERT_TRUE(accounts.Descend("LoginInfo"));
    ASSERT_TRUE(accounts.Descend("AutoLogin"));
    EXPECT_EQ(accounts.GetAttr("UserName"), "");
    accounts.Leave();
    EXPECT_FALSE(accounts.Descend("HistoryLogin"));

    CXmlFile stocks("StockInfo.xml");
    ASSERT_TRUE(stocks.Descend("Stock"));
    EXPECT_EQ(stocks.GetAttr("StockId"), "000001");
    EXPECT_EQ(stocks.GetAttr("StockName"), Gbk("平安银行"));
    int count = 1;
    while (stocks.FindNext("Stock")) ++count;
    EXPECT_GE(count, 300);

    CXmlFile ads("Advertise.XML");
    ASSERT_TRUE(ads.Descend("MainAdvts"));
    EXPECT_EQ(ads.GetText(), "image\\ad_1.gif");
    EXPECT_FALSE(ads.GetAttr("LinkUrl").empty());
    CXmlFile ads2("Advertise.XML");
    ASSERT_TRUE(ads2.Descend("ZHZDAdvts"));
    EXPECT_EQ(ads2.GetText(), "image\\ad_3.gif");

    CXmlFile versions("UpdateList.xml");
    ASSERT_TRUE(versions.Descend("Application"));
    ASSERT_TRUE(versions.Descend("Version"));
    EXPECT_EQ(versions.GetText(), "1.0.0");
    CXmlFile localData("AutoUpdateList.xml");
    EXPECT_FALSE(localData.Descend("Updater")) << "no Url: the list comes from the server base";

    CXmlFile rows("ClcltdDataInfo.xml");
    ASSERT_TRUE(rows.Descend("StockInfo"));
    int calculatorRows = 1;
    while (rows.FindNext("StockInfo")) ++calculatorRows;
    EXPECT_EQ(calculatorRows, 6);
}

}  // namespace
