#include "client/panels/analysis_panel.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>

#include "client/panels/color_label.h"
#include "client/panels/column_list_ctrl.h"
#include "client/panels/panel_label.h"
#include "client/panels/code_entry.h"
#include "common/skin/analysis_layout.h"
#include "common/ui/dialog_keys.h"
#include "common/ui/kbc_bmp.h"
#include "common/ui/query_runner.h"
#include "common/ui/skin_place.h"
#include "common/ui/text.h"

namespace {

constexpr int kTitlePixelSize = 14;
constexpr ui::ColorRef kTimeColour = ui::Rgb(0, 0, 0);

}  // namespace

CAnalysisPanel::CAnalysisPanel(int dialogId, PanelServices services, const skin::Area& actionButton,
                               QWidget* parent)
    : QWidget(parent), services_(services) {
    setObjectName(QString::number(dialogId));
    resize(skin::analysis::kSize.w, skin::analysis::kSize.h);
    actionButton_ = new CKbcBmp(this);
    actionButton_->setObjectName(QString::number(kActionButtonId));
    actionButton_->setText(QStringLiteral("立即分析"));
    ui::Place(actionButton_, actionButton);
    actionButton_->SetImage("image\\ljfx.gif", ui::kPureBlue);
    connect(actionButton_, &CKbcBmp::clicked, this, &CAnalysisPanel::Act);
}

void CAnalysisPanel::Act() {
    if (ui::QueryRunning(this)) return;
    StartAction();
}

CColorLabel* CAnalysisPanel::AddLabel(int id, ui::ColorRef colour, const skin::Area& area, const char* text) {
    CColorLabel* label = AddPanelLabel(this, id, colour, area);
    label->setText(QString::fromUtf8(text));
    return label;
}

CColorLabel* CAnalysisPanel::AddWrappingLabel(int id, ui::ColorRef colour, const skin::Area& area,
                                              const char* text) {
    CColorLabel* label = AddWrappingPanelLabel(this, id, colour, area);
    label->setText(QString::fromUtf8(text));
    return label;
}

CColorLabel* CAnalysisPanel::AddTitle(int id, const skin::Area& area, const char* text) {
    CColorLabel* title = AddLabel(id, panel_look::kPromptColour, area, text);
    QFont font = title->font();
    font.setPixelSize(kTitlePixelSize);
    font.setBold(true);
    title->setFont(font);
    return title;
}

CColorLabel* CAnalysisPanel::AddTimeLabels(int captionId, const skin::Area& caption, const skin::Area& time) {
    AddLabel(captionId, panel_look::kCaptionColour, caption, "分析时间：");
    return AddLabel(kTimeId, kTimeColour, time);
}

std::vector<CColorLabel*> CAnalysisPanel::AddHeaderLabels(const std::vector<int>& ids,
                                                          const std::vector<const char*>& titles,
                                                          const skin::Rect& list, const std::vector<int>& widths) {
    std::vector<CColorLabel*> labels;
    for (std::size_t i = 0; i < ids.size() && i < titles.size() && i < widths.size(); ++i) {
        const skin::Area area{"header", skin::analysis::HeaderAbove(list, widths, i)};
        CColorLabel* label = AddLabel(ids[i], panel_look::kCaptionColour, area, titles[i]);
        label->setAlignment(Qt::AlignCenter);
        labels.push_back(label);
    }
    return labels;
}

CColumnListCtrl* CAnalysisPanel::AddList(int id, const skin::Area& area, std::vector<listview::ColumnFormat> columns) {
    auto* list = new CColumnListCtrl(this);
    list->setObjectName(QString::number(id));
    // A thin blue-grey border and grid, in the colours of the skin's frames.
    list->setStyleSheet(QStringLiteral("QTableView { border: %1px solid rgb(150, 170, 195);"
                                       " gridline-color: rgb(205, 214, 226); }")
                            .arg(skin::analysis::kListBorder));
    list->setShowGrid(true);
    list->SetColumns(std::move(columns));
    list->horizontalHeader()->hide();
    list->SetRowHeight(skin::analysis::kRowHeight);
    ui::Place(list, area);
    return list;
}

CCodeEntry* CAnalysisPanel::AddCodeEntry(const skin::Area& editArea) {
    auto* entry = new CCodeEntry(this, services_.popup, editArea);
    codeEdit_ = entry->Edit();
    connect(entry, &CCodeEntry::QueryRequested, this, &CAnalysisPanel::Act);
    return entry;
}

void CAnalysisPanel::Refresh() { update(); }

void CAnalysisPanel::keyPressEvent(QKeyEvent* event) {
    if (!ui::SwallowDialogKeys(event)) QWidget::keyPressEvent(event);
}
