#pragma once
// CNewsInfo: the latest news item. Given the time of the news last shown, it tells whether
// the server has a newer one and, if so, carries its title, link and a short summary.
#include <string>

#include "client/data/record_status.h"

class CNewsInfo {
public:
    static constexpr const char* kPath = "/KRClientInfo/NewsInfo.xml";

    // Reads the loaded news document.
    CNewsInfo(const std::string& lastShownTime, LoadedDocument& document);
    // Fetches the document from `source` and reads it (blocks while it is fetched).
    static CNewsInfo Fetch(const std::string& lastShownTime, DocumentSource& source);

    // Found when the document had its Time element.
    RecordStatus Status() const { return status_; }
    bool HasNewNews() const { return newNews_; }
    const std::string& LastShownTime() const { return lastShownTime_; }
    const std::string& Time() const { return time_; }
    const std::string& Title() const { return title_; }
    const std::string& Summary() const { return summary_; }  // empty unless news is new
    const std::string& Link() const { return link_; }

private:
    std::string lastShownTime_;
    RecordStatus status_;
    bool newNews_ = false;
    std::string time_;
    std::string title_;
    std::string summary_;
    std::string link_;
};
