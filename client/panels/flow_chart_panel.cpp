#include "client/panels/flow_chart_panel.h"

#include "client/data/top_eyes_series.h"
#include "client/panels/bar_chart.h"
#include "client/panels/color_label.h"
#include "client/panels/panel_label.h"
#include "common/skin/diagnosis_layout.h"
#include "common/ui/skin_place.h"

namespace layout = skin::diagnosis::flow;

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

    note_ = AddWrappingLabel(kNoteId, panel_look::kCaptionColour, layout::kNote);
    note_->setText(QString::fromUtf8(member.note));
}

void CFlowChartPanel::StartQuery() {
    RunRecordQuery<CTopEyesSeries>([this](const CTopEyesSeries& record) {
        // The one-series folder has no down values: its second series stays empty.
        chart_->SetData(record.UpValues(), record.DownValues(), record.TimeList());
        chart_->MarkHasData();
    });
}
