#pragma once
// CAnalysisPage: page 分析 of the main window, the four market analysis buttons.
#include "client/panels/panel_services.h"
#include "client/panels/skin_page.h"

class CAnalysisPage : public CSkinPage {
    Q_OBJECT
public:
    static constexpr int kDialogId = 152;
    static constexpr int kHotIndustryButton = 1107;
    CAnalysisPage(PanelServices services, QWidget* parent = nullptr);

private:
    PanelServices services_;
};
