#pragma once
// CEvalPage: page 常用 of the main window. Twelve buttons, each showing its panel at the
// page's panel area: the comprehensive evaluation, the profit forecast and the ten
// diagnosis panels. A button copies the current stock code into its panel.
#include <map>

#include "client/panels/panel_services.h"
#include "client/panels/skin_page.h"

class CComprehensivePanel;
class CDiagnosisPanel;

class CEvalPage : public CSkinPage {
    Q_OBJECT
public:
    static constexpr int kDialogId = 151;
    static constexpr int kComprehensiveButton = 1075;
    static constexpr int kForecastButton = 1076;

    CEvalPage(PanelServices services, QWidget* parent = nullptr);

    CDiagnosisPanel* DiagnosisPanel(int buttonId) const;
    CComprehensivePanel* ComprehensivePanel() const { return comprehensive_; }

protected:
    void CreatePanels() override;
    bool PanelsReady() const override;
    void ActivatePanel(int id) override;

private:
    PanelServices services_;
    CComprehensivePanel* comprehensive_ = nullptr;
    std::map<int, CDiagnosisPanel*> diagnosisPanels_;
};
