#include "diagnosis_fixture.h"

#include "client/core/gbk.h"
#include "common/platform/files.h"
#include "common/platform/paths.h"
#include "common/ui/query_runner.h"
#include "common/ui/text.h"
#include "support/test_pictures.h"
#include "support/query_wait.h"

namespace {

const char kDirectoryXml[] =
    "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<StockInfo>\n"
    "  <Stock StockId=\"600000\" StockChi=\"PFYH\" StockName=\"浦发银行\"/>\n"
    "  <Stock StockId=\"600036\" StockChi=\"ZSYH\" StockName=\"招商银行\"/>\n"
    "  <Stock StockId=\"600030\" StockChi=\"ZXZQ\" StockName=\"中信证券\"/>\n"
    "  <Stock StockId=\"000001\" StockChi=\"PAYH\" StockName=\"平安银行\"/>\n"
    "</StockInfo>\n";

}  // namespace

const DiagnosisMember& Member(int buttonId) {
    for (const DiagnosisMember& member : kDiagnosisMembers)
        if (member.buttonId == buttonId) return member;
    ADD_FAILURE() << "no member " << buttonId;
    return kDiagnosisMembers.front();
}

void DiagnosisFixture::SetUp() {
    dir_ = platform::MakeTempDirectory("diagnosis_panel_test");
    platform::SetProgramDirectoryForTesting(dir_);
    test_pictures::CopySkinPictures(QUORVEL_SOURCE_DIR, dir_);
    ASSERT_TRUE(platform::ReplaceFileAtomically(dir_ + "/StockInfo.xml", kDirectoryXml));
    answers_ = std::make_unique<ui::ScopedModalAnswers>();
}

void DiagnosisFixture::TearDown() {
    page_.reset();
    popup_.reset();
    ui::DrainQueries();
    answers_.reset();
    platform::SetProgramDirectoryForTesting("");
    platform::RemoveDirectoryTree(dir_);
}

void DiagnosisFixture::MakePage(DocumentSource* documents) {
    popup_ = std::make_unique<CStockSearchPopup>();
    page_ = std::make_unique<CEvalPage>(
        PanelServices{documents ? *documents : docs_, current_, *popup_, online_,
                      lastEvaluation_, shell_, config_});
    ASSERT_TRUE(page_->Initialise());
    page_->show();
    page_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(page_.get()));
}

CDiagnosisPanel* DiagnosisFixture::Open(int buttonId) {
    QTest::mouseClick(Control<CKbcBmp>(page_.get(), buttonId), Qt::LeftButton);
    return page_->DiagnosisPanel(buttonId);
}

void DiagnosisFixture::QueryIn(CDiagnosisPanel* panel, const std::string& code) {
    panel->CodeEdit()->setText(ui::ToQString(code));
    QTest::mouseClick(Control<CKbcBmp>(panel, CDiagnosisPanel::kQueryButtonId), Qt::LeftButton);
    WaitIdle(panel);
}

void DiagnosisFixture::WaitIdle(QWidget* widget) { ASSERT_TRUE(WaitForQueries(widget)); }

std::string DiagnosisFixture::Text(QWidget* window, int id) {
    auto* label = Control<QLabel>(window, id);
    return label ? ui::FromQString(label->text()) : std::string();
}

void DiagnosisFixture::ServeStock(const std::string& code, const char* utf8Name) {
    const std::string anchor = "S" + code;
    for (const DiagnosisMember& member : kDiagnosisMembers) {
        const std::string path = std::string("/KRClientInfo/") + member.panelCode + "/" + code + ".xml";
        const std::string head = "<r><" + anchor + " name=\"" + utf8Name + "\">";
        const std::string tail = "<TimeList>1203\t1204\t1205</TimeList></" + anchor + "></r>";
        if (member.kind == DiagnosisKind::kVerdict) {
            docs_.Serve(path, head + "<time>2026-12-04 15:00</time><msg>" + member.panelCode +
                                  " 结论</msg></" + anchor + "></r>");
        } else if (std::string(member.panelCode) == "TopEyess") {
            docs_.Serve(path, head + "<UpValues>30\t12\t8</UpValues><DownValues>-5\t-20\t-1</DownValues>" + tail);
        } else {
            docs_.Serve(path, head + "<values>30\t-12\t8</values>" + tail);
        }
    }
}
