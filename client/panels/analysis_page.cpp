#include "client/panels/analysis_page.h"

#include "client/panels/finance_panel.h"
#include "client/panels/hot_industry_panel.h"
#include "client/panels/industry_stocks_panel.h"
#include "client/panels/sector_panel.h"
#include "client/panels/stock_search_popup.h"

CAnalysisPage::CAnalysisPage(PanelServices services, QWidget* parent)
    : CSkinPage(kDialogId,
                {{kHotIndustryButton, "image\\rmhy.gif"},
                 {kIndustryStocksButton, "image\\hyrg.gif"},
                 {kSectorButton, "image\\ssbk.gif"},
                 {kFinanceButton, "image\\cwfx.gif"}},
                kHotIndustryButton, parent),
      services_(services) {}

void CAnalysisPage::CreatePanels() {
    hotIndustry_ = new CHotIndustryPanel(services_, this);
    industryStocks_ = new CIndustryStocksPanel(services_, this);
    sector_ = new CSectorPanel(services_, this);
    finance_ = new CFinancePanel(services_, this);
    AddPanel(kHotIndustryButton, hotIndustry_);
    AddPanel(kIndustryStocksButton, industryStocks_);
    AddPanel(kSectorButton, sector_);
    AddPanel(kFinanceButton, finance_);
}

void CAnalysisPage::ActivatePanel(int id) {
    // A pop-up left open by the panel going away would stand over the next one.
    services_.popup.Hide();
    if (id == kSectorButton) sector_->Activate();
    if (id == kFinanceButton) finance_->Activate();
}
