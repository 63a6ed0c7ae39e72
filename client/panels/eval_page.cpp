#include "client/panels/eval_page.h"

#include "client/panels/comprehensive_panel.h"
#include "client/panels/diagnosis_members.h"
#include "client/panels/flow_chart_panel.h"
#include "client/panels/forecast_panel.h"
#include "client/panels/stock_search_popup.h"
#include "client/panels/verdict_panel.h"

namespace {

std::vector<CSkinPage::ButtonSpec> ButtonSpecs() {
    std::vector<CSkinPage::ButtonSpec> buttons{{CEvalPage::kComprehensiveButton, "image\\zhpc.gif"},
                                               {CEvalPage::kForecastButton, "image\\yjyc.gif"}};
    for (const DiagnosisMember& member : kDiagnosisMembers)
        buttons.push_back({member.buttonId, member.picture});
    return buttons;
}

}  // namespace

CEvalPage::CEvalPage(PanelServices services, QWidget* parent)
    : CSkinPage(kDialogId, ButtonSpecs(), kComprehensiveButton, parent), services_(services) {}

void CEvalPage::CreatePanels() {
    comprehensive_ = new CComprehensivePanel(services_, this);
    AddPanel(kComprehensiveButton, comprehensive_);
    auto* forecast = new CForecastPanel(services_, this);
    AddPanel(kForecastButton, forecast);
    diagnosisPanels_[kForecastButton] = forecast;
    for (const DiagnosisMember& member : kDiagnosisMembers) {
        CDiagnosisPanel* panel = nullptr;
        if (member.kind == DiagnosisKind::kFlowChart)
            panel = new CFlowChartPanel(member, services_, this);
        else
            panel = new CVerdictPanel(member, services_, this);
        AddPanel(member.buttonId, panel);
        diagnosisPanels_[member.buttonId] = panel;
    }
}

void CEvalPage::ActivatePanel(int id) {
    // A pop-up left open by the panel going away would stand over the next one.
    services_.popup.Hide();
    if (id == kComprehensiveButton && comprehensive_) comprehensive_->Activate();
    if (CDiagnosisPanel* diagnosis = DiagnosisPanel(id)) diagnosis->Activate();
}

bool CEvalPage::PanelsReady() const {
    return comprehensive_ && comprehensive_->IsShaped();
}

CDiagnosisPanel* CEvalPage::DiagnosisPanel(int buttonId) const {
    const auto it = diagnosisPanels_.find(buttonId);
    return it == diagnosisPanels_.end() ? nullptr : it->second;
}
