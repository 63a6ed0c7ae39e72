#pragma once
// CDiagnosisPanel: what the diagnosis panels share. The code entry (CCodeEntry: edit 1009
// with the stock search pop-up, 查询 button 1010), the prompt (1197) and the stock label
// (1036). 查询 and Enter query the panel's server folder for the typed code; a found
// record sets the stock label and the current stock code and is shown by the member, any
// other answer shows a tip and changes nothing. The panel has no background of its own:
// the page shows through.
#include <QWidget>

#include <string>

#include "client/core/current_stock_code.h"
#include "client/data/record_status.h"
#include "client/panels/code_entry.h"
#include "client/panels/panel_services.h"
#include "common/skin/skin_rect.h"
#include "common/ui/color.h"
#include "common/ui/query_runner.h"

class CColorLabel;
class QLineEdit;

class CDiagnosisPanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int kCodeEditId = CCodeEntry::kCodeEditId;
    static constexpr int kQueryButtonId = CCodeEntry::kQueryButtonId;
    static constexpr int kStockLabelId = 1036;
    static constexpr int kPromptId = 1197;

    // The panel's folder on the server ("ZLZD", "TopEyess", ...).
    const std::string& PanelCode() const { return panelCode_; }
    // The code of the last query started here.
    const std::string& QueryCode() const { return queryCode_; }

    // Copies the current stock code into the edit; no query is made.
    void Activate();
    // Queries the code in the edit, as 查询 does.
    void Query();

    QLineEdit* CodeEdit() const { return entry_->Edit(); }
    CColorLabel* StockLabel() const { return stockLabel_; }

protected:
    struct EntryLayout {
        const skin::Area& prompt;
        const skin::Area& edit;
        const skin::Area& button;
        const skin::Area& stockLabel;
    };

    CDiagnosisPanel(int dialogId, std::string panelCode, PanelServices services,
                    const EntryLayout& layout, QWidget* parent);

    // A label named by its id, coloured and placed; the default 12-pixel font.
    CColorLabel* AddLabel(int id, ui::ColorRef colour, const skin::Area& area);
    // The same, for text that wraps from the top-left corner down.
    CColorLabel* AddWrappingLabel(int id, ui::ColorRef colour, const skin::Area& area);

    // Fetches the panel's Record for the query code off the window thread; a found record
    // is shown with `show` after the stock label and current code are set.
    template <typename Record, typename Show>
    void RunRecordQuery(Show show) {
        const std::string code = BeginQuery();
        ui::RunQuery(
            this,
            [&documents = services_.documents, code, folder = panelCode_] {
                return Record::Fetch(code, folder, documents);
            },
            [this, show](const Record& record) {
                if (record.Found()) {
                    Accept(record.Code(), record.Name());
                    show(record);
                } else {
                    Reject(record.Status());
                }
                EndQuery();
            });
    }

    // The member's query: RunRecordQuery with its record.
    virtual void StartQuery() = 0;

private:
    std::string BeginQuery();
    void Accept(const std::string& code, const std::string& name);
    void Reject(RecordStatus status);
    void EndQuery();

    std::string panelCode_;
    PanelServices services_;
    std::string queryCode_;
    CCodeEntry* entry_ = nullptr;
    CColorLabel* stockLabel_ = nullptr;
};
