#pragma once
// CDimensionDetailDlg: the modal detail window of one analysis dimension of the last
// comprehensive evaluation. Caption "Quorvel"; the title (1039) and the stock (1038) on
// the header strip; a table of the two evaluations, each row its time (1017, 1019) and
// the dimension's values (1018, 1040 ... and 1020, 1044 ...); the six stocks the server
// recommends for the dimension (1048 to 1053) and an explanatory note. Enter does
// nothing; Esc and the close box close it. It reads only the evaluation it was given.
#include <QDialog>
#include <QLabel>
#include <QPointer>

#include <vector>

#include "client/data/comprehensive_eval.h"
#include "common/ui/skin_image.h"

struct DimensionDetail;
class CColorLabel;

class CDimensionDetailDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHeadingId = 1038;
    static constexpr int kTitleId = 1039;
    static constexpr int kFirstStockId = 1048;
    // The labels of a row: time, then the values in column order.
    static std::vector<int> RowIds(EvalSlot slot, std::size_t columns);

    // The window of 基本面, 市场面, 技术面, 资金面 or 专家评 (消息面: CNewsDimensionDlg).
    CDimensionDetailDlg(Dimension dimension, const CComprehensiveEval& evaluation,
                        QWidget* parent = nullptr);

protected:
    // Leaves `gap` pixels free under the table for what a subclass adds there; its
    // top is TableBottom().
    CDimensionDetailDlg(Dimension dimension, const CComprehensiveEval& evaluation, int gap,
                        QWidget* parent);
    int TableBottom() const { return tableBottom_; }
    // The label of a column caption (column 1 is the first value); nullptr once a
    // subclass has replaced it (by a link, say).
    QLabel* Caption(std::size_t column) const { return captions_[column].data(); }

    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void AddTable(const DimensionDetail& detail, const CComprehensiveEval& evaluation, int rowHeight);
    void AddStocksAndNote(const DimensionDetail& detail, const CComprehensiveEval& evaluation, int top);

    CSkinImage background_;
    int tableBottom_ = 0;
    std::vector<QPointer<QLabel>> captions_;
};
