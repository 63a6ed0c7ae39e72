#pragma once
// CForecastPanel: the profit forecast of page 常用 (业绩预测). A verdict panel of folder YZYC
// whose message is shown as lines of years and values (FormatForecastText).
#include "client/panels/verdict_panel.h"

class CForecastPanel : public CVerdictPanel {
    Q_OBJECT
public:
    explicit CForecastPanel(PanelServices services, QWidget* parent = nullptr);

protected:
    std::string VerdictText(const std::string& message) const override;
};
