#pragma once
// CHistoryInfo: the two history messages the main window shows.
#include <string>

class CXmlFile;
class DocumentSource;

class CHistoryInfo {
public:
    explicit CHistoryInfo(DocumentSource& source);

    bool Found() const { return found_; }
    const std::string& Msg1() const { return msg1_; }
    const std::string& Msg2() const { return msg2_; }

private:
    bool found_ = false;
    std::string msg1_;
    std::string msg2_;
};
