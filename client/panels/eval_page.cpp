#include "client/panels/eval_page.h"

#include "client/panels/diagnosis_members.h"
#include "client/panels/flow_chart_panel.h"
#include "client/panels/pending_panel.h"
#include "client/panels/stock_search_popup.h"
#include "client/panels/verdict_panel.h"

namespace {

constexpr int kComprehensiveDialog = 132;
constexpr int kForecastDialog = 134;

std::vector<CSkinPage::ButtonSpec> ButtonSpecs() {
    std::vector<CSkinPage::ButtonSpec> buttons{{CEvalPage::kComprehensiveButton, "image\\zhpc.gif"},
                                               {CEvalPage::kForecastButton, "image\\yjyc.gif"}};
    for (const DiagnosisMember& member : kDiagnosisMembers) buttons.push_back({member.buttonId, member.picture});
    return buttons;
}

}  // namespace

CEvalPage::CEvalPage(PanelServices services, QWidget* parent)
    : CSkinPage(kDialogId, ButtonSpecs(), kComprehensiveButton, parent), services_(services) {}

void CEvalPage::CreatePanels() {
    panels_[kComprehensiveButton] = new CPendingPanel(
        kComprehensiveDialog,
        "综合评测：输入股票代码后，这里将并排显示该股最近两次综合评测——基本面、市场面、技术面、"
        "资金面、消息面、专家评六项评分，以及总分和评测结论。此面板将在后续版本中提供。",
        this);
    panels_[kForecastButton] = new CPendingPanel(
        kForecastDialog,
        "业绩预测：输入股票代码后，这里将显示分析师对该股的盈利预测。此面板将在后续版本中提供。", this);
    for (const DiagnosisMember& member : kDiagnosisMembers) {
        CDiagnosisPanel* panel = nullptr;
        if (member.kind == DiagnosisKind::kFlowChart)
            panel = new CFlowChartPanel(member, services_, this);
        else
            panel = new CVerdictPanel(member, services_, this);
        panels_[member.buttonId] = panel;
        diagnosisPanels_[member.buttonId] = panel;
    }
    for (auto& [id, panel] : panels_) {
        panel->move(PanelArea().topLeft());
        panel->hide();
    }
}

void CEvalPage::ShowPanelOf(int id) {
    // A pop-up left open by the panel going away would stand over the next one.
    services_.popup.Hide();
    for (auto& [buttonId, panel] : panels_) panel->hide();
    if (CDiagnosisPanel* diagnosis = DiagnosisPanel(id)) diagnosis->Activate();
    if (QWidget* panel = Panel(id)) panel->show();
}

QWidget* CEvalPage::Panel(int buttonId) const {
    const auto it = panels_.find(buttonId);
    return it == panels_.end() ? nullptr : it->second;
}

CDiagnosisPanel* CEvalPage::DiagnosisPanel(int buttonId) const {
    const auto it = diagnosisPanels_.find(buttonId);
    return it == diagnosisPanels_.end() ? nullptr : it->second;
}
