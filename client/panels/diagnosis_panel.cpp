#include "client/panels/diagnosis_panel.h"

#include "client/panels/color_label.h"
#include "client/panels/panel_label.h"
#include "client/panels/query_failure.h"
#include "common/skin/diagnosis_layout.h"
#include "common/ui/text.h"

CDiagnosisPanel::CDiagnosisPanel(int dialogId, std::string panelCode, PanelServices services,
                                 const EntryLayout& layout, QWidget* parent)
    : QWidget(parent), panelCode_(std::move(panelCode)), services_(services) {
    setObjectName(QString::number(dialogId));
    resize(skin::diagnosis::kSize.w, skin::diagnosis::kSize.h);

    AddLabel(kPromptId, panel_look::kPromptColour, layout.prompt)->setText(QStringLiteral("输入评测股票代码："));

    entry_ = new CCodeEntry(this, services_.popup, layout.edit, layout.button);
    connect(entry_, &CCodeEntry::QueryRequested, this, &CDiagnosisPanel::Query);
    connect(entry_, &CCodeEntry::CodePicked, this, [this](const std::string& code) { queryCode_ = code; });

    stockLabel_ = AddPanelLabel(this, kStockLabelId, panel_look::kStockColour, layout.stockLabel, kHeadingPixelSize);
}

CColorLabel* CDiagnosisPanel::AddLabel(int id, ui::ColorRef colour, const skin::Area& area) {
    return AddPanelLabel(this, id, colour, area);
}

CColorLabel* CDiagnosisPanel::AddWrappingLabel(int id, ui::ColorRef colour, const skin::Area& area) {
    return AddWrappingPanelLabel(this, id, colour, area);
}

void CDiagnosisPanel::Activate() {
    queryCode_ = services_.currentCode.Get();
    entry_->SetCode(queryCode_);
}

void CDiagnosisPanel::Query() {
    if (ui::QueryRunning(this)) return;
    StartQuery();
}

std::string CDiagnosisPanel::BeginQuery() {
    queryCode_ = entry_->TakeCode();
    return queryCode_;
}

void CDiagnosisPanel::Accept(const std::string& code, const std::string& name) {
    services_.currentCode.Set(code);
    stockLabel_->setText(ui::ToQString(code + " " + name));
}

void CDiagnosisPanel::Reject(RecordStatus status) { ShowRecordFailure(this, status); }

void CDiagnosisPanel::EndQuery() {
    update();
    entry_->FocusAndSelect();
}
