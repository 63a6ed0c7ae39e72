#include "client/data/news_info.h"

#include "client/data/news_summary.h"
#include "client/data/record_walk.h"

using record_walk::TextIf;

CNewsInfo CNewsInfo::Fetch(const std::string& lastShownTime, DocumentSource& source) {
    return FetchRecord<CNewsInfo>(source, kPath, lastShownTime);
}

CNewsInfo::CNewsInfo(const std::string& lastShownTime, LoadedDocument& document)
    : lastShownTime_(lastShownTime) {
    CXmlFile& doc = document.xml;
    const bool timeFound = doc.Descend("Time");
    status_ = RecordStatusOf(document, timeFound);
    time_ = TextIf(timeFound, doc);
    const bool titleFound = doc.FindNext("Title");
    title_ = TextIf(timeFound && titleFound, doc);
    const bool contentFound = doc.FindNext("Content");
    const std::string content = TextIf(timeFound && contentFound, doc);
    const bool linkFound = doc.FindNext("LinkUrl");
    link_ = TextIf(timeFound && linkFound, doc);

    // A document that could not be read is no news: reporting it as new would make the
    // caller forget the time last shown and show that news again once the server is back.
    if (!timeFound || time_ == lastShownTime_) return;
    newNews_ = true;
    summary_ = MakeNewsSummary(content);
}
