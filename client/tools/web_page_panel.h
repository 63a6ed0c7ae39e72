#pragma once
// CWebPagePanel: a panel of page 辅助 that shows one server page: 第一现场 (the live
// commentary, with its caption and the refresh button 1102) and 老黄历. The page is
// created and loaded the first time the panel is shown.
#include <string>

#include "client/tools/lazy_web_page.h"
#include "client/tools/tool_panel.h"

class CKbcBmp;

class CWebPagePanel : public CToolPanel {
    Q_OBJECT
public:
    static constexpr int kLiveDialogId = 154;
    static constexpr int kAlmanacDialogId = 158;
    static constexpr int kRefreshButtonId = 1102;

    enum class Kind { Live, Almanac };

    // `url` is the page's address (GBK).
    CWebPagePanel(Kind kind, std::string url, QWidget* parent = nullptr);

    // The refresh button: loads the page again.
    void Refresh() { page_.Reload(); }

    const LazyWebPage& Page() const { return page_; }
    CKbcBmp* RefreshButton() const { return refresh_; }  // nullptr for 老黄历

protected:
    void showEvent(QShowEvent* event) override;

private:
    LazyWebPage page_;
    CKbcBmp* refresh_ = nullptr;
};
