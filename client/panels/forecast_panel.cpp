#include "client/panels/forecast_panel.h"

#include "client/core/forecast_text.h"

CForecastPanel::CForecastPanel(PanelServices services, QWidget* parent)
    : CVerdictPanel(kForecastMember, services, parent) {}

std::string CForecastPanel::VerdictText(const std::string& message) const {
    return FormatForecastText(message);
}
