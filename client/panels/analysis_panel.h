#pragma once
// CAnalysisPanel: what the four market analysis panels of page 分析 share. A panel with no
// background of its own (the page shows through), named by its dialog, with the
// 立即分析 button (1073) that starts the panel's step; a second step is not started while
// one runs. The keyboard never closes it: Esc and Enter do nothing here, unless the
// panel's code entry takes Enter for its query.
#include <QWidget>

#include <string>
#include <vector>

#include "client/core/column_format.h"
#include "client/core/gbk.h"
#include "client/panels/panel_services.h"
#include "client/panels/query_failure.h"
#include "common/skin/skin_rect.h"
#include "common/ui/color.h"
#include "common/ui/query_runner.h"

class CColorLabel;
class CColumnListCtrl;
class CKbcBmp;
class CCodeEntry;
class QLineEdit;

class CAnalysisPanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int kActionButtonId = 1073;
    static constexpr int kCodeEditId = 1009;
    static constexpr int kTimeId = 1070;

    // Starts the panel's step, as 立即分析 does.
    void Act();

    // The code edit of a panel with a code entry, else nullptr.
    QLineEdit* CodeEdit() const { return codeEdit_; }

protected:
    CAnalysisPanel(int dialogId, PanelServices services, const skin::Area& actionButton, QWidget* parent);

    // The panel's step: fetch its document off the window thread and show it.
    virtual void StartAction() = 0;

    // Runs `fetch` (it returns a record) off the window thread. A found record is handed
    // to `show`; any other answer shows the tip, `notFound` (UTF-8) unless the server could
    // not be reached, and changes nothing. `then` runs afterwards either way.
    template <typename Fetch, typename Show, typename Then>
    void FetchAndShow(Fetch fetch, const char* notFound, Show show, Then then) {
        ui::RunQuery(this, std::move(fetch), [this, notFound, show, then](const auto& record) {
            if (record.Status() == RecordStatus::Found)
                show(record);
            else
                ShowQueryFailure(this, record.Status(), Gbk(notFound));
            then();
        });
    }
    template <typename Fetch, typename Show>
    void FetchAndShow(Fetch fetch, const char* notFound, Show show) {
        FetchAndShow(std::move(fetch), notFound, std::move(show), [] {});
    }

    // A label with the panels' look (panel_label.h); `text` is UTF-8.
    CColorLabel* AddLabel(int id, ui::ColorRef colour, const skin::Area& area, const char* text = "");
    CColorLabel* AddWrappingLabel(int id, ui::ColorRef colour, const skin::Area& area, const char* text);
    // A title in a bolder face than the captions.
    CColorLabel* AddTitle(int id, const skin::Area& area, const char* text);
    // The caption "分析时间：" and the time label 1070 beside it; returns the time label.
    CColorLabel* AddTimeLabels(int captionId, const skin::Area& caption, const skin::Area& time);
    // Column header labels standing over `columns` of a list at `list`, centred.
    std::vector<CColorLabel*> AddHeaderLabels(const std::vector<int>& ids, const std::vector<const char*>& titles,
                                              const skin::Rect& list, const std::vector<int>& widths);
    // A report list without a visible header, with 18-pixel rows and a flat border.
    CColumnListCtrl* AddList(int id, const skin::Area& area, std::vector<listview::ColumnFormat> columns);
    // The code edit 1009 with the shared code entry; Enter on it (or on the panel) acts.
    CCodeEntry* AddCodeEntry(const skin::Area& edit);

    // Repaints the whole panel over the page background after new contents.
    void Refresh();

    void keyPressEvent(QKeyEvent* event) override;

    PanelServices services_;

private:
    CKbcBmp* actionButton_ = nullptr;
    QLineEdit* codeEdit_ = nullptr;
};
