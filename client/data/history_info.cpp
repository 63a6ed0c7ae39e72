#include "client/data/history_info.h"

#include "client/data/record_walk.h"

using record_walk::TextIf;

CHistoryInfo CHistoryInfo::Fetch(DocumentSource& source) {
    return FetchRecord<CHistoryInfo>(source, kPath);
}

CHistoryInfo::CHistoryInfo(LoadedDocument& document) {
    CXmlFile& doc = document.xml;
    const bool found = doc.Descend("History");
    status_ = RecordStatusOf(document, found);
    if (!found) return;
    const bool msg1Found = doc.Descend("Msg1");
    msg1_ = TextIf(msg1Found, doc);
    const bool msg2Found = doc.FindNext("Msg2");
    msg2_ = TextIf(msg2Found, doc);
}
