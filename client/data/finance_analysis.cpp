#include "client/data/finance_analysis.h"

#include "client/data/record_walk.h"

using record_walk::TextIf;

namespace {

constexpr std::array<const char*, kFinanceFigureCount> kFigureElements = {
    "PerIncome", "PerOnlyCapital", "OnlyProfit", "Taking", "PerAccuFund", "CapitalOwesRatio"};

}  // namespace

std::vector<std::string> FinanceRow::Texts() const {
    std::vector<std::string> texts(figures.begin(), figures.end());
    texts.push_back(stockName);
    texts.push_back(stockId);
    return texts;
}

std::string CFinanceAnalysis::StockPath(const std::string& code) {
    return record_walk::StockDocumentPath("CWFX", code);
}

CFinanceAnalysis CFinanceAnalysis::FetchList(DocumentSource& source) {
    return FetchRecord<CFinanceAnalysis>(source, kListPath);
}

CFinanceAnalysis CFinanceAnalysis::FetchStock(const std::string& code, DocumentSource& source) {
    return FetchRecord<CFinanceAnalysis>(source, StockPath(code), code);
}

CFinanceAnalysis::CFinanceAnalysis(const std::string& code, LoadedDocument& stockDocument)
    : code_(code) {
    CXmlFile& doc = stockDocument.xml;
    status_ = DescendToStock(stockDocument, code_);
    if (status_ != RecordStatus::Found) return;
    name_ = doc.GetAttr("name");
    for (std::size_t i = 0; i < kFinanceFigureCount; ++i) {
        const bool figureFound = i == 0 ? doc.Descend(kFigureElements[i])
                                        : doc.FindNext(kFigureElements[i]);
        figures_[i] = TextIf(figureFound, doc);
    }
}

CFinanceAnalysis::CFinanceAnalysis(LoadedDocument& listDocument) {
    CXmlFile& doc = listDocument.xml;
    const std::size_t count = record_walk::ReadAnchorList(
        doc, "InfoCwfx", kFinanceListCapacity, [&](std::size_t index) {
            FinanceRow& row = rows_[index];
            row.stockId = doc.GetAttr("StockId");
            row.stockName = doc.GetAttr("StockName");
            for (std::size_t i = 0; i < kFinanceFigureCount; ++i) {
                row.figures[i] = doc.GetAttr(kFigureElements[i]);
            }
        });
    status_ = RecordStatusOf(listDocument, count > 0);
}

const std::string& CFinanceAnalysis::Figure(FinanceFigure figure) const {
    const auto index = static_cast<std::size_t>(figure);
    return figures_[index < kFinanceFigureCount ? index : 0];
}

const FinanceRow& CFinanceAnalysis::Row(std::size_t index) const {
    static const FinanceRow empty;
    return index < kFinanceListCapacity ? rows_[index] : empty;
}

const char* CFinanceAnalysis::FigureElement(FinanceFigure figure) {
    const auto index = static_cast<std::size_t>(figure);
    return index < kFinanceFigureCount ? kFigureElements[index] : "";
}
