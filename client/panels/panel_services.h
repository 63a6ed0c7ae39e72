#pragma once
// What the main window hands to its pages and their panels: where documents come from,
// the client-wide current stock code and the one stock search pop-up. All three outlive
// the panels; the document source also the work of their queries.
class CStockSearchPopup;
class CurrentStockCode;
class DocumentSource;

struct PanelServices {
    DocumentSource& documents;
    CurrentStockCode& currentCode;
    CStockSearchPopup& popup;
};
