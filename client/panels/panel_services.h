#pragma once
// What the main window hands to its pages and their panels: where documents come from,
// the client-wide current stock code, the online flag, the last comprehensive evaluation,
// the one stock search pop-up, the shell that opens links and the configuration. All of
// them outlive the panels; the document source also the work of their queries.
class CStockSearchPopup;
class CurrentStockCode;
class DocumentSource;
class LastEvaluation;
class OnlineFlag;
struct ClientConfig;
namespace ui {
class ShellFacade;
}

struct PanelServices {
    DocumentSource& documents;
    CurrentStockCode& currentCode;
    CStockSearchPopup& popup;
    const OnlineFlag& online;
    LastEvaluation& lastEvaluation;
    ui::ShellFacade& shell;
    const ClientConfig& config;
};
