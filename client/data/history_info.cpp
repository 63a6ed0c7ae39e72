#include "client/data/history_info.h"

#include "client/data/document_source.h"
#include "client/data/record_walk.h"
#include "common/xml/xml_file.h"

using record_walk::TextIf;

CHistoryInfo::CHistoryInfo(DocumentSource& source) {
    CXmlFile doc;
    source.Load("/KRClientInfo/Info_History.xml", doc);
    found_ = doc.Descend("History");
    if (!found_) return;
    const bool msg1Found = doc.Descend("Msg1");
    msg1_ = TextIf(msg1Found, doc);
    const bool msg2Found = doc.FindNext("Msg2");
    msg2_ = TextIf(msg2Found, doc);
}
