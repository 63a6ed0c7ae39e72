#pragma once
// CNewsInfo: the latest news item. Given the time of the news last shown, it tells whether
// the server has a newer one and, if so, carries its title, link and a short summary.
#include <string>

class CXmlFile;
class DocumentSource;

class CNewsInfo {
public:
    CNewsInfo(const std::string& lastShownTime, DocumentSource& source);

    bool HasNewNews() const { return newNews_; }
    const std::string& LastShownTime() const { return lastShownTime_; }
    const std::string& Time() const { return time_; }
    const std::string& Title() const { return title_; }
    const std::string& Summary() const { return summary_; }  // empty unless news is new
    const std::string& Link() const { return link_; }

private:
    std::string lastShownTime_;
    bool newNews_ = false;
    std::string time_;
    std::string title_;
    std::string summary_;
    std::string link_;
};
