#pragma once
// CAnalysisPage: page 分析 of the main window, the four market analysis buttons.
#include "client/panels/skin_page.h"

class CAnalysisPage : public CSkinPage {
    Q_OBJECT
public:
    static constexpr int kDialogId = 152;
    static constexpr int kHotIndustryButton = 1107;
    explicit CAnalysisPage(QWidget* parent = nullptr);
};
