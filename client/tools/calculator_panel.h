#pragma once
// CCalculatorPanel: the 数据计算 panel of page 辅助. Six rows of nine fields (code, buy
// price, buy quantity, break-even, sell price, sell quantity, profit, buy and sell time),
// 确认计算 to compute the rows and the total, 保存数据 to keep them in ClcltdDataInfo.xml,
// and the fee schedule in use with the broker's terms and the note that spells it out.
// The rows are loaded from the file when the panel is made.
#include <array>

#include "client/core/calculator_sheet.h"
#include "client/tools/tool_panel.h"

class CColorLabel;
class CKbcBmp;
class QComboBox;
class QLineEdit;

class CCalculatorPanel : public CToolPanel {
    Q_OBJECT
public:
    static constexpr int kDialogId = 156;
    // Items of the schedule choice.
    static constexpr int kCurrentItem = 0;
    static constexpr int kClassicItem = 1;

    explicit CCalculatorPanel(QWidget* parent = nullptr);

    // 确认计算: computes every row that passes the tests and the total.
    void Calculate();
    // 保存数据: false, with a tip saying so, when the file could not be written (the old
    // one is then intact).
    bool Save();

    QLineEdit* Field(std::size_t row, TradeField field) const;
    QLineEdit* Total() const { return total_; }
    QComboBox* ScheduleChoice() const { return schedule_; }
    QLineEdit* RateEdit() const { return rate_; }
    QLineEdit* MinimumEdit() const { return minimum_; }
    CColorLabel* Note() const { return note_; }
    CKbcBmp* CalculateButton() const { return calculateButton_; }
    CKbcBmp* SaveButton() const { return saveButton_; }

private:
    CalculatorSheet ReadSheet() const;
    void ShowSheet(const CalculatorSheet& sheet);
    void ShowScheduleState();

    std::array<std::array<QLineEdit*, kTradeFieldCount>, kTradeRowCount> fields_{};
    QLineEdit* total_ = nullptr;
    QComboBox* schedule_ = nullptr;
    QLineEdit* rate_ = nullptr;
    QLineEdit* minimum_ = nullptr;
    CColorLabel* note_ = nullptr;
    CKbcBmp* calculateButton_ = nullptr;
    CKbcBmp* saveButton_ = nullptr;
};
