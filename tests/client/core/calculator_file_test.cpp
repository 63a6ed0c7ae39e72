// ClcltdDataInfo.xml: rows kept between runs, the rules for partial and cleared rows,
// the schedule attribute, and saves that never lose the old file.
#include <gtest/gtest.h>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "client/core/calculator_file.h"
#include "common/platform/files.h"
#include "common/platform/paths.h"
#include "common/xml/xml_file.h"

namespace {

class CalculatorFileTest : public testing::Test {
protected:
    void SetUp() override {
        directory_ = platform::MakeTempDirectory("quorvel-calculator");
        platform::SetProgramDirectoryForTesting(directory_);
    }
    void TearDown() override {
        platform::SetProgramDirectoryForTesting("");
        platform::RemoveDirectoryTree(directory_);
    }
    std::string Path() const { return platform::JoinPath(directory_, "ClcltdDataInfo.xml"); }
    std::string Bytes() const {
        std::string bytes;
        platform::ReadWholeFile(Path(), bytes);
        return bytes;
    }

    std::string directory_;
};

TradeRow Filled(const char* code) {
    TradeRow row;
    row.fields = {code, "10", "1000", "10.10", "11", "1000", "895.00", "2026-01-05", "2026-02-06"};
    return row;
}

TEST_F(CalculatorFileTest, MissingFileIsCreatedWithSixEmptyRowsOnTheCurrentSchedule) {
    const CalculatorSheet sheet = LoadCalculatorSheet();
    EXPECT_EQ(sheet.schedule, FeeSchedule::Current);
    ASSERT_TRUE(platform::FileExists(Path()));
    CXmlFile file("ClcltdDataInfo.xml");
    ASSERT_TRUE(file.Descend("StockInfo"));
    int rows = 1;
    while (file.FindNext("StockInfo")) ++rows;
    EXPECT_EQ(rows, 6);
    EXPECT_EQ(LoadCalculatorSheet().schedule, FeeSchedule::Current);
}

TEST_F(CalculatorFileTest, AFileWithoutScheduleIsClassicAndLoadsEveryAttribute) {
    ASSERT_TRUE(platform::ReplaceFileAtomically(
        Path(),
        "<?xml version=\"1.0\" encoding=\"GB2312\"?>\n<AllPAL data=\"895.00\">\n"
        "<StockInfo id=\"600036\" BuyPrice=\"10\" BuyNum=\"1000\" BrkEvnPrc=\"10.10\" SellPrice=\"11\" "
        "SellNum=\"1000\" PrftAndLss=\"895.00\" BuyTime=\"\xD7\xF2\xCC\xEC\" SellTime=\"t\"/>\n"
        "<StockInfo id=\"000002\"/>\n</AllPAL>\n"));
    const CalculatorSheet sheet = LoadCalculatorSheet();
    EXPECT_EQ(sheet.schedule, FeeSchedule::Classic);
    EXPECT_EQ(sheet.total, "895.00");
    EXPECT_EQ(sheet.rows[0][TradeField::BuyTime], "\xD7\xF2\xCC\xEC");  // 昨天 in GBK
    EXPECT_EQ(sheet.rows[0][TradeField::Profit], "895.00");
    EXPECT_EQ(sheet.rows[1][TradeField::Code], "000002");
    EXPECT_EQ(sheet.rows[1][TradeField::BuyPrice], "");
    EXPECT_TRUE(sheet.rows[2].IsEmpty());
}

TEST_F(CalculatorFileTest, RowsScheduleAndTermsSurviveARestart) {
    CalculatorSheet sheet = LoadCalculatorSheet();
    sheet.rows[0] = Filled("600036");
    sheet.rows[5] = Filled("000002");
    sheet.total = "1790.00";
    sheet.schedule = FeeSchedule::Classic;
    sheet.commissionPercent = "0.02";
    sheet.minimumCommission = "0";
    ASSERT_TRUE(SaveCalculatorSheet(sheet));

    const CalculatorSheet again = LoadCalculatorSheet();
    EXPECT_EQ(again.rows[0].fields, sheet.rows[0].fields);
    EXPECT_EQ(again.rows[5].fields, sheet.rows[5].fields);
    EXPECT_TRUE(again.rows[1].IsEmpty());
    EXPECT_EQ(again.total, "1790.00");
    EXPECT_EQ(again.schedule, FeeSchedule::Classic);
    EXPECT_EQ(again.commissionPercent, "0.02");
    EXPECT_EQ(again.minimumCommission, "0");
}

TEST_F(CalculatorFileTest, PartialRowsKeepTheirOldValuesAndClearedRowsAreCleared) {
    CalculatorSheet sheet = LoadCalculatorSheet();
    for (TradeRow& row : sheet.rows) row = Filled("600036");
    ASSERT_TRUE(SaveCalculatorSheet(sheet));

    sheet.rows[0] = TradeRow();                       // cleared completely
    sheet.rows[1] = TradeRow();
    sheet.rows[1][TradeField::Code] = "000001";       // first four not all filled
    sheet.rows[2][TradeField::SellPrice] = "";        // sell part incomplete
    sheet.rows[2][TradeField::BuyTime] = "new time";
    ASSERT_TRUE(SaveCalculatorSheet(sheet));

    const CalculatorSheet again = LoadCalculatorSheet();
    EXPECT_TRUE(again.rows[0].IsEmpty());
    EXPECT_EQ(again.rows[1].fields, Filled("600036").fields);
    EXPECT_EQ(again.rows[2][TradeField::SellPrice], "11");  // kept
    EXPECT_EQ(again.rows[2][TradeField::BuyTime], "new time");
}

TEST_F(CalculatorFileTest, AShortFileGetsTheMissingRowsInPlace) {
    ASSERT_TRUE(platform::ReplaceFileAtomically(
        Path(), "<?xml version=\"1.0\" encoding=\"GB2312\"?>\n<AllPAL data=\"\">\n<StockInfo id=\"\"/>\n</AllPAL>\n"));
    CalculatorSheet sheet = LoadCalculatorSheet();
    sheet.rows[3] = Filled("600036");
    ASSERT_TRUE(SaveCalculatorSheet(sheet));
    const CalculatorSheet again = LoadCalculatorSheet();
    EXPECT_TRUE(again.rows[2].IsEmpty());
    EXPECT_EQ(again.rows[3].fields, Filled("600036").fields);
}

TEST_F(CalculatorFileTest, AFileThatIsNotACalculatorFileIsNeitherReadNorOverwritten) {
    const std::string foreign = "<?xml version=\"1.0\"?>\n<Config><x/></Config>\n";
    ASSERT_TRUE(platform::ReplaceFileAtomically(Path(), foreign));
    EXPECT_TRUE(LoadCalculatorSheet().rows[0].IsEmpty());
    CalculatorSheet sheet;
    sheet.rows[0] = Filled("600036");
    EXPECT_FALSE(SaveCalculatorSheet(sheet));
    EXPECT_EQ(Bytes(), foreign);
}

// The save runs in a child that cannot write to the folder: as an unprivileged user when
// the tests run as root (root writes anywhere), else with the folder made read-only.
TEST_F(CalculatorFileTest, ASaveThatCannotWriteLeavesTheOldFileIntact) {
    CalculatorSheet sheet = LoadCalculatorSheet();
    sheet.rows[0] = Filled("600036");
    ASSERT_TRUE(SaveCalculatorSheet(sheet));
    const std::string before = Bytes();

    const bool root = ::geteuid() == 0;
    ASSERT_EQ(::chmod(directory_.c_str(), root ? 0755 : 0555), 0);
    ASSERT_EQ(::chmod(Path().c_str(), 0644), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (root && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(3);
        CalculatorSheet changed = sheet;
        changed.rows[0] = Filled("000002");
        ::_exit(SaveCalculatorSheet(changed) ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ::chmod(directory_.c_str(), 0700);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "1: the save claimed success, 3: could not drop rights";
    EXPECT_EQ(Bytes(), before);
    EXPECT_EQ(platform::ListDirectory(directory_).size(), 1u) << "no temporary file left behind";
}

// A save cut off after a few bytes, as a full disk or a crash would leave it.
TEST_F(CalculatorFileTest, ASaveCutShortLeavesTheOldFileIntact) {
    CalculatorSheet sheet = LoadCalculatorSheet();
    sheet.rows[0] = Filled("600036");
    ASSERT_TRUE(SaveCalculatorSheet(sheet));
    const std::string before = Bytes();

    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);  // an oversized write then fails with EFBIG
        const rlimit limit{64, 64};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) ::_exit(3);
        CalculatorSheet changed = sheet;
        for (TradeRow& row : changed.rows) row = Filled("000002");
        ::_exit(SaveCalculatorSheet(changed) ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "1: the save claimed success, 3: no size limit";
    EXPECT_EQ(Bytes(), before);
    EXPECT_EQ(LoadCalculatorSheet().rows[0].fields, Filled("600036").fields);
}

}  // namespace
