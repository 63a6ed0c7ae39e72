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
    panels_ = {{kHotIndustryButton, hotIndustry_},
               {kIndustryStocksButton, industryStocks_},
               {kSectorButton, sector_},
               {kFinanceButton, finance_}};
    for (auto& [id, panel] : panels_) {
        panel->move(PanelArea().topLeft());
        panel->hide();
    }
}

void CAnalysisPage::ShowPanelOf(int id) {
    // A pop-up left open by the panel going away would stand over the next one.
    services_.popup.Hide();
    for (auto& [buttonId, panel] : panels_) panel->hide();
    if (id == kSectorButton) sector_->Activate();
    if (id == kFinanceButton) finance_->Activate();
    if (QWidget* panel = Panel(id)) panel->show();
}

QWidget* CAnalysisPage::Panel(int buttonId) const {
    const auto it = panels_.find(buttonId);
    return it == panels_.end() ? nullptr : it->second;
}
