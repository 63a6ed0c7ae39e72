#include "client/core/calculator_file.h"

#include "common/platform/files.h"
#include "common/platform/paths.h"
#include "common/xml/xml_file.h"

namespace {

// Attribute names of the nine fields, in TradeField order.
constexpr const char* kFieldAttributes[kTradeFieldCount] = {
    "id", "BuyPrice", "BuyNum", "BrkEvnPrc", "SellPrice", "SellNum", "PrftAndLss", "BuyTime", "SellTime"};

constexpr const char* kRoot = "AllPAL";
constexpr const char* kRow = "StockInfo";
constexpr const char* kTotal = "data";
constexpr const char* kSchedule = "FeeSchedule";
constexpr const char* kRate = "CommissionRate";
constexpr const char* kMinimum = "MinCommission";
constexpr const char* kCurrent = "current";
constexpr const char* kClassic = "classic";

std::string FilePath() {
    return platform::JoinPath(platform::ProgramDirectory(), std::string(kCalculatorFileName));
}

std::string FreshFileText(const CalculatorSheet& defaults) {
    std::string text = "<?xml version=\"1.0\" encoding=\"GB2312\"?>\r\n<AllPAL data=\"\" FeeSchedule=\"";
    text += std::string(kCurrent) + "\" CommissionRate=\"" + defaults.commissionPercent +
            "\" MinCommission=\"" + defaults.minimumCommission + "\">\r\n";
    for (std::size_t row = 0; row < kTradeRowCount; ++row) {
        text += "  <StockInfo";
        for (const char* attribute : kFieldAttributes) text += std::string(" ") + attribute + "=\"\"";
        text += "/>\r\n";
    }
    return text + "</AllPAL>\r\n";
}

// Puts the document at its AllPAL root; false when the root is something else.
bool AtRoot(CXmlDoc& doc) {
    doc.ResetPos();
    return doc.FindNext(kRoot);
}

void SetFields(CXmlDoc& doc, const TradeRow& row, TradeField first, TradeField last) {
    for (auto field = static_cast<std::size_t>(first); field <= static_cast<std::size_t>(last); ++field)
        doc.SetAttr(kFieldAttributes[field], row.fields[field]);
}

bool AllFilled(const TradeRow& row, TradeField first, TradeField last) {
    for (auto field = static_cast<std::size_t>(first); field <= static_cast<std::size_t>(last); ++field)
        if (row.fields[field].empty()) return false;
    return true;
}

void WriteRow(CXmlDoc& doc, const TradeRow& row) {
    if (row.IsEmpty()) {
        SetFields(doc, row, TradeField::Code, TradeField::SellTime);
        return;
    }
    if (!AllFilled(row, TradeField::Code, TradeField::BreakEven)) return;
    SetFields(doc, row, TradeField::Code, TradeField::BreakEven);
    if (AllFilled(row, TradeField::SellPrice, TradeField::Profit))
        SetFields(doc, row, TradeField::SellPrice, TradeField::Profit);
    SetFields(doc, row, TradeField::BuyTime, TradeField::SellTime);
}

}  // namespace

CalculatorSheet LoadCalculatorSheet() {
    CalculatorSheet sheet;
    const std::string path = FilePath();
    if (!platform::FileExists(path)) {
        sheet.schedule = FeeSchedule::Current;
        platform::CreateFileAtomically(path, FreshFileText(sheet));
        return sheet;
    }
    CXmlFile file{std::string(kCalculatorFileName)};
    CXmlDoc& doc = file.Doc();
    if (!AtRoot(doc)) return sheet;
    sheet.total = doc.GetAttr(kTotal);
    if (doc.GetAttr(kSchedule) == kCurrent) sheet.schedule = FeeSchedule::Current;
    if (std::string rate = doc.GetAttr(kRate); !rate.empty()) sheet.commissionPercent = rate;
    if (std::string minimum = doc.GetAttr(kMinimum); !minimum.empty()) sheet.minimumCommission = minimum;
    doc.Enter();
    for (TradeRow& row : sheet.rows) {
        if (!doc.FindNext(kRow)) break;
        for (std::size_t field = 0; field < kTradeFieldCount; ++field)
            row.fields[field] = doc.GetAttr(kFieldAttributes[field]);
    }
    return sheet;
}

bool SaveCalculatorSheet(const CalculatorSheet& sheet) {
    CXmlFile file{std::string(kCalculatorFileName)};
    CXmlDoc& doc = file.Doc();
    // A file removed since the panel loaded it is made again rather than lost.
    if (!platform::FileExists(file.Path())) doc.SetDoc(FreshFileText(CalculatorSheet()));
    if (!doc.IsWellFormed() || !AtRoot(doc)) return false;
    doc.SetAttr(kTotal, sheet.total);
    doc.SetAttr(kSchedule, sheet.schedule == FeeSchedule::Current ? kCurrent : kClassic);
    doc.SetAttr(kRate, sheet.commissionPercent);
    doc.SetAttr(kMinimum, sheet.minimumCommission);
    doc.Enter();
    for (const TradeRow& row : sheet.rows) {
        if (!doc.FindNext(kRow)) {
            // A file short of rows gets the missing ones, so no typed row is dropped.
            if (!doc.AppendElem(kRow, "")) return false;
            SetFields(doc, TradeRow(), TradeField::Code, TradeField::SellTime);
        }
        WriteRow(doc, row);
    }
    return file.Save();
}
