#pragma once
// CAnalysisPage: page 分析 of the main window. Four buttons, each showing its market
// analysis panel at the page's panel area: 热门行业 (the page's first panel) and 行业热股
// are shown as they were; 所属版块 takes the current stock code into its edit; 财务分析
// takes the code too and reloads its top-50 list.
#include <map>

#include "client/panels/panel_services.h"
#include "client/panels/skin_page.h"

class CFinancePanel;
class CHotIndustryPanel;
class CIndustryStocksPanel;
class CSectorPanel;

class CAnalysisPage : public CSkinPage {
    Q_OBJECT
public:
    static constexpr int kDialogId = 152;
    static constexpr int kHotIndustryButton = 1107;
    static constexpr int kIndustryStocksButton = 1108;
    static constexpr int kSectorButton = 1109;
    static constexpr int kFinanceButton = 1110;

    CAnalysisPage(PanelServices services, QWidget* parent = nullptr);

    CHotIndustryPanel* HotIndustryPanel() const { return hotIndustry_; }
    CIndustryStocksPanel* IndustryStocksPanel() const { return industryStocks_; }
    CSectorPanel* SectorPanel() const { return sector_; }
    CFinancePanel* FinancePanel() const { return finance_; }

protected:
    void CreatePanels() override;
    void ActivatePanel(int id) override;

private:
    PanelServices services_;
    CHotIndustryPanel* hotIndustry_ = nullptr;
    CIndustryStocksPanel* industryStocks_ = nullptr;
    CSectorPanel* sector_ = nullptr;
    CFinancePanel* finance_ = nullptr;
};
