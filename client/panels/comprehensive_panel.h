#pragma once
// CComprehensivePanel: the comprehensive evaluation of page 常用 (综合评测), the panel shown
// when the client starts. For the queried stock it shows the server's two evaluations in
// a table, one row each: time, the six dimension scores, total score and verdict (cells
// 1017 to 1034). A score column whose two texts differ is red. A found evaluation becomes
// the client's last evaluation, which the six column headers (links 1011 to 1016) open
// in a detail window. The panel has its own shaped background and an advertisement.
#include <QWidget>

#include <array>
#include <string>

#include "client/data/comprehensive_eval.h"
#include "client/panels/panel_services.h"
#include "common/ui/skin_image.h"

class CAdWnd;
class CCodeEntry;
class CColorLabel;
class CHtmlLabel;
class QLineEdit;

class CComprehensivePanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int kDialogId = 132;
    static constexpr int kFirstHeaderId = 1011;
    static constexpr int kFirstCellId = 1017;
    static constexpr int kStockLabelId = 1036;
    static constexpr int kNoteIds[2] = {1189, 1190};
    static constexpr int kAdvertPlaceId = 1216;
    // Table columns: 时间, the six dimensions, 总评分, 评测结果.
    static constexpr int kColumns = 9;
    static constexpr int kTotalColumn = 7;
    static constexpr int kVerdictColumn = 8;
    // Cell id of a column in the row of an evaluation slot.
    static constexpr int CellId(EvalSlot slot, int column) {
        return kFirstCellId + 2 * column + (slot == EvalSlot::First ? 0 : 1);
    }

    CComprehensivePanel(PanelServices services, QWidget* parent = nullptr);

    // False when the background could not be loaded or gave no shape: the client closes.
    bool IsShaped() const { return shaped_; }

    // Copies the current stock code into the edit; no query is made.
    void Activate();
    // Queries the code in the edit, as 查询 does.
    void Query();
    // The detail window of a dimension (modal), or the message that there is none yet.
    void OpenDetail(Dimension dimension);

    QLineEdit* CodeEdit() const;
    CColorLabel* Cell(EvalSlot slot, int column) const;
    CColorLabel* StockLabel() const { return stockLabel_; }
    CHtmlLabel* Header(Dimension dimension) const { return headers_[static_cast<std::size_t>(dimension)]; }
    CAdWnd* Advert() const { return advert_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool LoadBackground();
    void AddEntry();
    void AddTable();
    void AddAdvert();
    void AddNotes();
    void ShowEvaluation(const CComprehensiveEval& evaluation);
    void EndQuery();

    PanelServices services_;
    CSkinImage background_;
    bool shaped_ = false;
    CCodeEntry* entry_ = nullptr;
    CColorLabel* stockLabel_ = nullptr;
    std::array<CColorLabel*, 2 * kColumns> cells_{};
    std::array<CHtmlLabel*, kDimensionCount> headers_{};
    CAdWnd* advert_ = nullptr;
};
