#pragma once
// CDiagnosisComment: one diagnosis of one stock (time and message) from a diagnosis
// folder (CWZD, DKZD, GXZD, JGZD, RDZD, YLZD, ZCZD, ZLZD) or the forecast folder YZYC.
#include <string>

#include "client/data/record_status.h"

class CDiagnosisComment {
public:
    static std::string Path(const std::string& code, const std::string& folder);

    // Reads the loaded document of `code` in `folder`.
    CDiagnosisComment(const std::string& code, const std::string& folder,
                      LoadedDocument& document);
    // Fetches the document from `source` and reads it (blocks while it is fetched).
    static CDiagnosisComment Fetch(const std::string& code, const std::string& folder,
                                   DocumentSource& source);

    RecordStatus Status() const { return status_; }
    bool Found() const { return status_ == RecordStatus::Found; }
    const std::string& Code() const { return code_; }
    const std::string& Folder() const { return folder_; }
    const std::string& Name() const { return name_; }
    const std::string& Time() const { return time_; }
    const std::string& Msg() const { return msg_; }

private:
    std::string code_;
    std::string folder_;
    RecordStatus status_;
    std::string name_;
    std::string time_;
    std::string msg_;
};
