#pragma once
// CToolsPage: page 辅助 of the main window. Five buttons, each showing its panel at the
// page's panel area: 第一现场 (the live page), 在线交流 (the expert question), 数据计算
// (the profit-and-loss calculator), 明日是谁 (the SMS request) and 老黄历 (the almanac
// page). Tool panels are not given the current stock code.
#include <map>

#include "client/panels/panel_services.h"
#include "client/panels/skin_page.h"

class CToolsPage : public CSkinPage {
    Q_OBJECT
public:
    static constexpr int kDialogId = 153;
    static constexpr int kLiveButton = 1097;
    static constexpr int kQuestionButton = 1098;
    static constexpr int kCalculatorButton = 1099;
    static constexpr int kSmsButton = 1100;
    static constexpr int kAlmanacButton = 1101;

    CToolsPage(PanelServices services, QWidget* parent = nullptr);


protected:
    void CreatePanels() override;

private:
    PanelServices services_;
};
