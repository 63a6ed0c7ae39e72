#include "client/data/diagnosis_comment.h"

#include "client/data/record_walk.h"

using record_walk::TextIf;

std::string CDiagnosisComment::Path(const std::string& code, const std::string& folder) {
    return record_walk::StockDocumentPath(folder, code);
}

CDiagnosisComment CDiagnosisComment::Fetch(const std::string& code, const std::string& folder,
                                           DocumentSource& source) {
    return FetchRecord<CDiagnosisComment>(source, Path(code, folder), code, folder);
}

CDiagnosisComment::CDiagnosisComment(const std::string& code, const std::string& folder,
                                     LoadedDocument& document)
    : code_(code), folder_(folder) {
    CXmlFile& doc = document.xml;
    status_ = DescendToStock(document, code_);
    if (status_ != RecordStatus::Found) return;
    name_ = doc.GetAttr("name");
    const bool timeFound = doc.Descend("time");
    time_ = TextIf(timeFound, doc);
    const bool msgFound = doc.FindNext("msg");
    msg_ = TextIf(msgFound, doc);
}
