#include "client/panels/flow_chart_panel.h"

#include "client/data/top_eyes_series.h"
#include "client/panels/bar_chart.h"
#include "client/panels/color_label.h"
#include "common/skin/diagnosis_layout.h"
#include "common/ui/skin_place.h"

namespace {

namespace layout = skin::diagnosis::flow;

constexpr ui::ColorRef kNoteColour = ui::Rgb(69, 87, 102);

}  // namespace

CFlowChartPanel::CFlowChartPanel(const DiagnosisMember& member, PanelServices services,
                                 QWidget* parent)
    : CDiagnosisPanel(member.dialogId, member.panelCode, services,
                      {layout::kPrompt, layout::kCodeEdit, layout::kQueryButton, layout::kStockLabel},
                      parent) {
    auto* placeholder = new QWidget(this);
    placeholder->setObjectName(QString::number(kChartId));
    ui::Place(placeholder, layout::kChart);
    chart_ = new CBarChart(this);
    chart_->CreateFromStatic(kChartId, this);

    note_ = AddLabel(kNoteId, kNoteColour, layout::kNote);
    note_->setWordWrap(true);
    note_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    note_->setText(QString::fromUtf8(member.note));
}

void CFlowChartPanel::StartQuery() {
    RunRecordQuery<CTopEyesSeries>([this](const CTopEyesSeries& record) {
        // The one-series folder has no down values: its second series stays empty.
        chart_->SetData(record.UpValues(), record.DownValues(), record.TimeList());
        chart_->MarkHasData();
    });
}
