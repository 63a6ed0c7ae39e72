#pragma once
// CDiagnosisComment: one diagnosis of one stock (time and message) from a diagnosis
// folder (CWZD, DKZD, GXZD, JGZD, RDZD, YLZD, ZCZD, ZLZD) or the forecast folder YZYC.
#include <string>

class CXmlFile;
class DocumentSource;

class CDiagnosisComment {
public:
    CDiagnosisComment(const std::string& code, const std::string& folder,
                      DocumentSource& source);

    bool Found() const { return found_; }
    const std::string& Code() const { return code_; }
    const std::string& Folder() const { return folder_; }
    const std::string& Name() const { return name_; }
    const std::string& Time() const { return time_; }
    const std::string& Msg() const { return msg_; }

private:
    void Read(CXmlFile& doc);

    std::string code_;
    std::string folder_;
    bool found_ = false;
    std::string name_;
    std::string time_;
    std::string msg_;
};
