// The 数据计算 panel: the classic cases typed in and computed with its button, the
// schedule choice and its note, and rows that survive the panel being made again.
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>

#include "client/panels/color_label.h"
#include "client/tools/calculator_panel.h"
#include "common/platform/files.h"
#include "common/platform/paths.h"
#include "common/ui/kbc_bmp.h"
#include "tools_fixture.h"

namespace {

class CalculatorPanelTest : public ToolsFixture {
protected:
    void Type(CCalculatorPanel& panel, std::size_t row, std::initializer_list<const char*> inputs) {
        const TradeField order[] = {TradeField::Code, TradeField::BuyPrice, TradeField::BuyQuantity,
                                    TradeField::SellPrice, TradeField::SellQuantity};
        std::size_t i = 0;
        for (const char* text : inputs) {
            QLineEdit* edit = panel.Field(row, order[i++]);
            edit->clear();
            QTest::keyClicks(edit, QString::fromUtf8(text));
        }
    }
    static std::string Shown(const CCalculatorPanel& panel, std::size_t row, TradeField field) {
        return panel.Field(row, field)->text().toStdString();
    }
    void Choose(CCalculatorPanel& panel, int item) { panel.ScheduleChoice()->setCurrentIndex(item); }
};

TEST_F(CalculatorPanelTest, ButtonsHaveTheirPicturesAndTheFreshFileStartsOnTheCurrentSchedule) {
    CCalculatorPanel panel;
    EXPECT_FALSE(panel.CalculateButton()->FrameImage(CKbcBmp::kNormal).isNull());
    EXPECT_FALSE(panel.SaveButton()->FrameImage(CKbcBmp::kNormal).isNull());
    EXPECT_TRUE(platform::FileExists(platform::JoinPath(ProgramDirectory(), "ClcltdDataInfo.xml")));
    EXPECT_EQ(panel.ScheduleChoice()->currentIndex(), CCalculatorPanel::kCurrentItem);
    EXPECT_TRUE(panel.Note()->text().startsWith(QStringLiteral("说明（现行费率）")));
    EXPECT_TRUE(panel.RateEdit()->isEnabled());
    EXPECT_TRUE(panel.Field(0, TradeField::BreakEven)->isReadOnly());
    EXPECT_FALSE(panel.Field(0, TradeField::BuyTime)->isReadOnly());

    Choose(panel, CCalculatorPanel::kClassicItem);
    EXPECT_TRUE(panel.Note()->text().startsWith(QStringLiteral("说明：沪A：印花税: 1‰")));
    EXPECT_FALSE(panel.RateEdit()->isEnabled());
    EXPECT_FALSE(panel.MinimumEdit()->isEnabled());
}

TEST_F(CalculatorPanelTest, ClassicScheduleComputesTheKnownCases) {
    CCalculatorPanel panel;
    Choose(panel, CCalculatorPanel::kClassicItem);
    Type(panel, 0, {"600036", "10", "1000", "11", "1000"});
    Type(panel, 1, {"000002", "10", "100"});
    Type(panel, 2, {"601318", "10", "1000", "11", "1000"});
    QTest::mouseClick(panel.CalculateButton(), Qt::LeftButton);
    EXPECT_EQ(Shown(panel, 0, TradeField::BreakEven), "10.10");
    EXPECT_EQ(Shown(panel, 0, TradeField::Profit), "895.00");
    EXPECT_EQ(Shown(panel, 1, TradeField::BreakEven), "10.11");
    EXPECT_EQ(Shown(panel, 2, TradeField::BreakEven), "");
    EXPECT_EQ(panel.Total()->text().toStdString(), "895.00");

    // The same 601 row counts under the current schedule; a Beijing code says so.
    Choose(panel, CCalculatorPanel::kCurrentItem);
    Type(panel, 5, {"830799", "10", "1000"});
    QTest::mouseClick(panel.CalculateButton(), Qt::LeftButton);
    EXPECT_EQ(Shown(panel, 2, TradeField::BreakEven), "10.02");
    EXPECT_EQ(panel.Field(5, TradeField::BreakEven)->text(), QStringLiteral("不支持"));
}

TEST_F(CalculatorPanelTest, RowsScheduleAndTermsSurviveTheNextStart) {
    {
        CCalculatorPanel panel;
        Type(panel, 0, {"600000", "10", "1000", "11", "1000"});
        panel.Field(0, TradeField::BuyTime)->insert(QStringLiteral("一月五日"));
        panel.RateEdit()->setText("0.02");
        panel.MinimumEdit()->setText("0");
        QTest::mouseClick(panel.CalculateButton(), Qt::LeftButton);
        QTest::mouseClick(panel.SaveButton(), Qt::LeftButton);
    }
    CCalculatorPanel again;
    EXPECT_EQ(Shown(again, 0, TradeField::Code), "600000");
    // 0.02% without minimum: 1000 - (5.50 + 0.21 + 2.20 + 2.00) = 990.09.
    EXPECT_EQ(Shown(again, 0, TradeField::Profit), "990.09");
    EXPECT_EQ(again.Field(0, TradeField::BuyTime)->text(), QStringLiteral("一月五日"));
    EXPECT_EQ(again.Total()->text().toStdString(), "990.09");
    EXPECT_EQ(again.RateEdit()->text().toStdString(), "0.02");
    EXPECT_EQ(again.MinimumEdit()->text().toStdString(), "0");
    EXPECT_NE(again.Note()->text().indexOf(QStringLiteral("不设最低")), -1);

    // A row cleared completely stays cleared at the following start.
    for (std::size_t field = 0; field < kTradeFieldCount; ++field)
        again.Field(0, static_cast<TradeField>(field))->clear();
    ASSERT_TRUE(again.Save());
    CCalculatorPanel third;
    EXPECT_EQ(Shown(third, 0, TradeField::Code), "");
}

TEST_F(CalculatorPanelTest, ASaveThatFailsSaysSoAndKeepsTheFile) {
    const std::string path = platform::JoinPath(ProgramDirectory(), "ClcltdDataInfo.xml");
    const std::string foreign = "<?xml version=\"1.0\"?>\n<Config/>\n";
    ASSERT_TRUE(platform::ReplaceFileAtomically(path, foreign));
    CCalculatorPanel panel;
    Type(panel, 0, {"600000", "10", "1000"});
    QTest::mouseClick(panel.CalculateButton(), Qt::LeftButton);
    QTest::mouseClick(panel.SaveButton(), Qt::LeftButton);
    EXPECT_EQ(Tips(), std::vector<std::string>{"数据保存失败，请确认程序目录可以写入!"});
    std::string bytes;
    platform::ReadWholeFile(path, bytes);
    EXPECT_EQ(bytes, foreign);
}

TEST_F(CalculatorPanelTest, EscAndEnterInAFieldNeverReachTheWindowAbove) {
    QDialog window;  // stands for the main window, which Esc or Enter would close
    auto* panel = new CCalculatorPanel(&window);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QLineEdit* field = panel->Field(0, TradeField::Code);
    field->setFocus();
    QTest::keyClick(field, Qt::Key_Escape);
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.result(), 0);
}

}  // namespace
