#include "client/data/diagnosis_comment.h"

#include "client/data/document_source.h"
#include "client/data/record_walk.h"
#include "common/xml/xml_file.h"

using record_walk::TextIf;

CDiagnosisComment::CDiagnosisComment(const std::string& code, const std::string& folder,
                                     DocumentSource& source)
    : code_(code), folder_(folder) {
    CXmlFile doc;
    source.Load("/KRClientInfo/" + folder_ + "/" + code_ + ".xml", doc);
    Read(doc);
}

void CDiagnosisComment::Read(CXmlFile& doc) {
    found_ = doc.Descend("S" + code_);
    if (!found_) return;
    name_ = doc.GetAttr("name");
    const bool timeFound = doc.Descend("time");
    time_ = TextIf(timeFound, doc);
    const bool msgFound = doc.FindNext("msg");
    msg_ = TextIf(msgFound, doc);
}
