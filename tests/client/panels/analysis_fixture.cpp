#include "analysis_fixture.h"

#include <QLineEdit>

#include <cstdio>

#include "client/panels/analysis_panel.h"
#include "common/ui/text.h"
#include "support/query_wait.h"

namespace {

std::string Attribute(const char* name, const std::string& value) { return std::string(" ") + name + "=\"" + value + "\""; }

}  // namespace

void AnalysisFixture::TearDown() {
    analysis_.reset();
    DiagnosisFixture::TearDown();
}

void AnalysisFixture::MakeAnalysisPage(DocumentSource* documents) {
    popup_ = std::make_unique<CStockSearchPopup>();
    analysis_ = std::make_unique<CAnalysisPage>(PanelServices{documents ? *documents : docs_, current_, *popup_,
                                                              online_, lastEvaluation_, shell_, config_});
    ASSERT_TRUE(analysis_->Initialise());
    analysis_->show();
    analysis_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(analysis_.get()));
}

QWidget* AnalysisFixture::OpenAnalysis(int buttonId) {
    QTest::mouseClick(Control<CKbcBmp>(analysis_.get(), buttonId), Qt::LeftButton);
    QWidget* panel = analysis_->Panel(buttonId);
    WaitIdle(panel);
    return panel;
}

void AnalysisFixture::Act(QWidget* panel) {
    QTest::mouseClick(Control<CKbcBmp>(panel, CAnalysisPanel::kActionButtonId), Qt::LeftButton);
    WaitIdle(panel);
}

void AnalysisFixture::ActOn(QWidget* panel, const std::string& code) {
    Control<QLineEdit>(panel, CAnalysisPanel::kCodeEditId)->setText(ui::ToQString(code));
    Act(panel);
}

std::vector<std::string> AnalysisFixture::Column(const CColumnListCtrl* list, int column) {
    std::vector<std::string> texts;
    for (int row = 0; row < list->Model().rowCount(); ++row) texts.push_back(list->Model().CellText(row, column));
    return texts;
}

void AnalysisFixture::ServeHotIndustries(const std::vector<std::pair<const char*, const char*>>& industries) {
    std::string body = "<KRClientInfo>";
    for (const auto& [name, change] : industries) {
        body += "<InfoRmhy" + Attribute("IndustryName", name) + Attribute("AvgUpDown", change) +
                Attribute("Num", "12") + Attribute("Tradingtime", "2026-12-04 15:00") + "/>";
    }
    docs_.Serve("/clientweb/GetRmhy.aspx", body + "</KRClientInfo>");
}

void AnalysisFixture::ServeSectors(const std::string& code, const char* name,
                                   const std::vector<std::array<const char*, 3>>& sectors) {
    std::string body = "<KRClientInfo>";
    for (std::size_t i = 0; i < sectors.size(); ++i) {
        body += "<InfoSsbk" + (i == 0 ? Attribute("SecuName", name) : std::string()) +
                Attribute("BKName", sectors[i][0]) + Attribute("Concept", sectors[i][1]) +
                Attribute("AvgUpDown", sectors[i][2]) + Attribute("Tradingtime", "2026-12-04 15:00") + "/>";
    }
    docs_.Serve("/clientweb/GetSsbk.aspx?stockid=" + code, body + "</KRClientInfo>");
}

void AnalysisFixture::ServeFinanceList() {
    std::string body = "<KRClientInfo>";
    for (int i = 0; i < 50; ++i) {
        // Earnings per share from -1.2 to 3.7 in a scattered order; other figures by other orders.
        const int eps = (i * 37) % 50;
        char text[16];
        std::snprintf(text, sizeof text, "%.3f", eps / 10.0 - 1.2);
        body += "<InfoCwfx" + Attribute("StockId", std::to_string(600100 + i)) +
                Attribute("StockName", "股票" + std::to_string(i)) + Attribute("PerIncome", text) +
                Attribute("PerOnlyCapital", std::to_string((i * 13) % 50) + ".50") +
                Attribute("OnlyProfit", std::to_string(i) + ".25") + Attribute("Taking", std::to_string(99 - i) + ".1") +
                Attribute("PerAccuFund", "1.000") + Attribute("CapitalOwesRatio", std::to_string((i * 7) % 50) + ".00") + "/>";
    }
    docs_.Serve("/KRClientInfo/CWFX/infoCWFX.xml", body + "</KRClientInfo>");
}

void AnalysisFixture::ServeFinanceStock(const std::string& code, const char* name) {
    docs_.Serve("/KRClientInfo/CWFX/" + code + ".xml",
                "<KRClientInfo><S" + code + " name=\"" + name +
                    "\"><PerIncome>0.512</PerIncome><PerOnlyCapital>4.20</PerOnlyCapital><OnlyProfit>51.3</OnlyProfit>"
                    "<Taking>120.7</Taking><PerAccuFund>2.101</PerAccuFund><CapitalOwesRatio>91.55</CapitalOwesRatio></S" +
                    code + "></KRClientInfo>");
}
