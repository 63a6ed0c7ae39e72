#include "client/panels/verdict_panel.h"

#include "client/data/diagnosis_comment.h"
#include "client/panels/color_label.h"
#include "client/panels/panel_label.h"
#include "common/skin/diagnosis_layout.h"
#include "common/ui/text.h"

namespace {

namespace layout = skin::diagnosis::verdict;

constexpr ui::ColorRef kTimeColour = ui::Rgb(0, 0, 0);
constexpr int kVerdictPixelSize = 14;

}  // namespace

CVerdictPanel::CVerdictPanel(const DiagnosisMember& member, PanelServices services, QWidget* parent)
    : CDiagnosisPanel(member.dialogId, member.panelCode, services,
                      {layout::kPrompt, layout::kCodeEdit, layout::kQueryButton, layout::kStockLabel},
                      parent) {
    AddLabel(kTimeCaptionId, panel_look::kCaptionColour, layout::kTimeCaption)->setText(QStringLiteral("评测时间："));
    time_ = AddLabel(kTimeId, kTimeColour, layout::kTime);
    AddLabel(kVerdictCaptionId, panel_look::kCaptionColour, layout::kVerdictCaption)
        ->setText(QStringLiteral("评测结果："));

    verdict_ = AddWrappingLabel(kVerdictId, member.verdictColour, layout::kVerdict);
    QFont verdictFont = verdict_->font();
    verdictFont.setPixelSize(kVerdictPixelSize);
    verdict_->setFont(verdictFont);

    note_ = AddWrappingLabel(kNoteId, panel_look::kCaptionColour, layout::kNote);
    note_->setText(QString::fromUtf8(member.note));
}

void CVerdictPanel::StartQuery() {
    RunRecordQuery<CDiagnosisComment>([this](const CDiagnosisComment& record) {
        time_->setText(ui::ToQString(record.Time()));
        verdict_->setText(ui::ToQString(VerdictText(record.Msg())));
    });
}
