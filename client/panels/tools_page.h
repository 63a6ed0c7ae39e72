#pragma once
// CToolsPage: page 辅助 of the main window, the five tool buttons.
#include "client/panels/panel_services.h"
#include "client/panels/skin_page.h"

class CToolsPage : public CSkinPage {
    Q_OBJECT
public:
    static constexpr int kDialogId = 153;
    static constexpr int kLiveButton = 1097;
    CToolsPage(PanelServices services, QWidget* parent = nullptr);

private:
    PanelServices services_;
};
