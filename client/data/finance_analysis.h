#pragma once
// CFinanceAnalysis: finance figures, either of one stock (constructed with its code) or
// the server's list of the 50 stocks with the highest earnings per share (constructed
// without a code). Texts as the server wrote them.
#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "client/data/record_status.h"

// The six figures, in their fixed order.
enum class FinanceFigure : std::size_t {
    PerIncome = 0,         // 每股收益(元)
    PerOnlyCapital = 1,    // 每股净资产(元)
    OnlyProfit = 2,        // 净利润(亿元)
    Taking = 3,            // 主营收入(亿元)
    PerAccuFund = 4,       // 每股公积金(元)
    CapitalOwesRatio = 5,  // 资产负债率(%)
};
inline constexpr std::size_t kFinanceFigureCount = 6;
inline constexpr std::size_t kFinanceListCapacity = 50;

using FinanceFigures = std::array<std::string, kFinanceFigureCount>;

struct FinanceRow {
    FinanceFigures figures;
    std::string stockName;
    std::string stockId;
    // The six figures, then StockName, then StockId.
    std::vector<std::string> Texts() const;
};

class CFinanceAnalysis {
public:
    static constexpr const char* kListPath = "/KRClientInfo/CWFX/infoCWFX.xml";
    static std::string StockPath(const std::string& code);

    // The top-50 list, read from its loaded document.
    explicit CFinanceAnalysis(LoadedDocument& listDocument);
    // One stock, read from its loaded document.
    CFinanceAnalysis(const std::string& code, LoadedDocument& stockDocument);
    // Fetch the document from `source` and read it (block while it is fetched).
    static CFinanceAnalysis FetchList(DocumentSource& source);
    static CFinanceAnalysis FetchStock(const std::string& code, DocumentSource& source);

    // The list is found when it has at least one row.
    RecordStatus Status() const { return status_; }
    bool Found() const { return status_ == RecordStatus::Found; }
    const std::string& Code() const { return code_; }
    const std::string& Name() const { return name_; }
    const FinanceFigures& Figures() const { return figures_; }
    const std::string& Figure(FinanceFigure figure) const;

    // Row i (0 to 49) of the list; rows the document did not fill are empty.
    const FinanceRow& Row(std::size_t index) const;

    static const char* FigureElement(FinanceFigure figure);

private:
    std::string code_;
    RecordStatus status_;
    std::string name_;
    FinanceFigures figures_;
    std::array<FinanceRow, kFinanceListCapacity> rows_;
};
