#include "client/data/finance_analysis.h"

#include "client/data/document_source.h"
#include "client/data/record_walk.h"
#include "common/xml/xml_file.h"

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

CFinanceAnalysis::CFinanceAnalysis(DocumentSource& source) {
    CXmlFile doc;
    source.Load("/KRClientInfo/CWFX/infoCWFX.xml", doc);
    ReadList(doc);
}

CFinanceAnalysis::CFinanceAnalysis(const std::string& code, DocumentSource& source)
    : code_(code) {
    CXmlFile doc;
    source.Load("/KRClientInfo/CWFX/" + code_ + ".xml", doc);
    ReadStock(doc);
}

void CFinanceAnalysis::ReadStock(CXmlFile& doc) {
    found_ = doc.Descend("S" + code_);
    if (!found_) return;
    name_ = doc.GetAttr("name");
    for (std::size_t i = 0; i < kFinanceFigureCount; ++i) {
        const bool found = i == 0 ? doc.Descend(kFigureElements[i])
                                  : doc.FindNext(kFigureElements[i]);
        figures_[i] = TextIf(found, doc);
    }
}

void CFinanceAnalysis::ReadList(CXmlFile& doc) {
    const std::size_t count = record_walk::ReadAnchorList(
        doc, "InfoCwfx", kFinanceListCapacity, [&](std::size_t index) {
            FinanceRow& row = rows_[index];
            row.stockId = doc.GetAttr("StockId");
            row.stockName = doc.GetAttr("StockName");
            for (std::size_t i = 0; i < kFinanceFigureCount; ++i) {
                row.figures[i] = doc.GetAttr(kFigureElements[i]);
            }
        });
    found_ = count > 0;
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
