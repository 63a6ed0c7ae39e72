#include "client/data/top_eyes_series.h"

#include <algorithm>

#include "client/data/document_source.h"
#include "client/data/record_walk.h"
#include "common/xml/xml_file.h"

using record_walk::TextIf;

CTopEyesSeries::CTopEyesSeries(const std::string& code, const std::string& folder,
                               DocumentSource& source)
    : code_(code), folder_(folder) {
    CXmlFile doc;
    source.Load("/KRClientInfo/" + folder_ + "/" + code_ + ".xml", doc);
    Read(doc);
}

bool CTopEyesSeries::IsTwoSeriesFolder(const std::string& folder) {
    std::string upper = folder;
    std::transform(upper.begin(), upper.end(), upper.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    });
    return upper == "TOPEYESS";
}

void CTopEyesSeries::Read(CXmlFile& doc) {
    found_ = doc.Descend("S" + code_);
    if (!found_) return;
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
