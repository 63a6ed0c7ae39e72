#include "client/data/top_eyes_series.h"

#include "client/data/record_walk.h"
#include "common/platform/ascii_case.h"

using record_walk::TextIf;

std::string CTopEyesSeries::Path(const std::string& code, const std::string& folder) {
    return record_walk::StockDocumentPath(folder, code);
}

CTopEyesSeries CTopEyesSeries::Fetch(const std::string& code, const std::string& folder,
                                     DocumentSource& source) {
    return FetchRecord<CTopEyesSeries>(source, Path(code, folder), code, folder);
}

bool CTopEyesSeries::IsTwoSeriesFolder(const std::string& folder) {
    return platform::AsciiLower(folder) == "topeyess";
}

CTopEyesSeries::CTopEyesSeries(const std::string& code, const std::string& folder,
                               LoadedDocument& document)
    : code_(code), folder_(folder) {
    CXmlFile& doc = document.xml;
    status_ = DescendToStock(document, code_);
    if (status_ != RecordStatus::Found) return;
    name_ = doc.GetAttr("name");
    if (IsTwoSeriesFolder(folder_)) {
        const bool upFound = doc.Descend("UpValues");
        upValues_ = TextIf(upFound, doc);
        const bool downFound = doc.FindNext("DownValues");
        downValues_ = TextIf(downFound, doc);
    } else {
        const bool valuesFound = doc.Descend("values");
        upValues_ = TextIf(valuesFound, doc);
    }
    const bool timesFound = doc.FindNext("TimeList");
    timeList_ = TextIf(timesFound, doc);
}
