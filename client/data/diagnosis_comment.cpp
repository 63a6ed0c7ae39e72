#include "client/data/diagnosis_comment.h"

#include "client/data/record_walk.h"

using record_walk::TextIf;

std::string CDiagnosisComment::Path(const std::string& code, const std::string& folder) {
    return record_walk::StockDocumentPath(folder, code);
}

CDiagnosisComment CDiagnosisComment::Fetch(const std::string& code, const std::string& folder,
                                           DocumentSource& source) {
    LoadedDocument document = source.Fetch(Path(code, folder));
    return CDiagnosisComment(code, folder, document);
}

CDiagnosisComment::CDiagnosisComment(const std::string& code, const std::string& folder,
                                     LoadedDocument& document)
    : code_(code), folder_(folder) {
    CXmlFile& doc = document.xml;
    const bool found = doc.Descend("S" + code_);
    status_ = RecordStatusOf(document, found);
    if (!found) return;
    name_ = doc.GetAttr("name");
    const bool timeFound = doc.Descend("time");
    time_ = TextIf(timeFound, doc);
    const bool msgFound = doc.FindNext("msg");
    msg_ = TextIf(msgFound, doc);
}
