#include "client/panels/diagnosis_panel.h"

#include <QLineEdit>

#include "client/core/gbk.h"
#include "client/panels/color_label.h"
#include "common/skin/diagnosis_layout.h"
#include "common/ui/kbc_bmp.h"
#include "common/ui/skin_place.h"
#include "common/ui/text.h"

CDiagnosisPanel::CDiagnosisPanel(int dialogId, std::string panelCode, PanelServices services,
                                 const EntryLayout& layout, QWidget* parent)
    : QWidget(parent), panelCode_(std::move(panelCode)), services_(services) {
    setObjectName(QString::number(dialogId));
    resize(skin::diagnosis::kSize.w, skin::diagnosis::kSize.h);

    AddLabel(kPromptId, panel_look::kPromptColour, layout.prompt)->setText(QStringLiteral("输入评测股票代码："));

    edit_ = new QLineEdit(this);
    edit_->setObjectName(QString::number(kCodeEditId));
    ui::Place(edit_, layout.edit);

    queryButton_ = new CKbcBmp(this);
    queryButton_->setObjectName(QString::number(kQueryButtonId));
    queryButton_->setText(QStringLiteral("查询"));
    ui::Place(queryButton_, layout.button);
    queryButton_->SetImage("image\\botton.gif", ui::kPureBlue);

    stockLabel_ = panel_look::AddStockLabel(this, kStockLabelId, layout.stockLabel);

    entry_ = new CStockCodeEntry(this, edit_, services_.popup, services_.currentCode);
    connect(entry_, &CStockCodeEntry::QueryRequested, this, &CDiagnosisPanel::Query);
    connect(queryButton_, &CKbcBmp::clicked, this, &CDiagnosisPanel::Query);
}

CColorLabel* CDiagnosisPanel::AddLabel(int id, ui::ColorRef colour, const skin::Area& area) {
    return panel_look::AddLabel(this, id, colour, area);
}

CColorLabel* CDiagnosisPanel::AddWrappingLabel(int id, ui::ColorRef colour, const skin::Area& area) {
    return panel_look::AddWrappingLabel(this, id, colour, area);
}

const std::string& CDiagnosisPanel::QueryCode() const { return entry_->QueryCode(); }

void CDiagnosisPanel::Activate() { entry_->Activate(); }

void CDiagnosisPanel::Query() {
    if (ui::QueryRunning(this)) return;
    StartQuery();
}

std::string CDiagnosisPanel::BeginQuery() { return entry_->BeginQuery(); }

void CDiagnosisPanel::Accept(const std::string& code, const std::string& name) {
    entry_->Accept(code);
    stockLabel_->setText(ui::ToQString(code + " " + name));
}

std::string CDiagnosisPanel::NotFoundMessage() { return Gbk("找不到该股票或该股票无评测内容！"); }

void CDiagnosisPanel::EndQuery() {
    update();
    entry_->EndQuery();
}
