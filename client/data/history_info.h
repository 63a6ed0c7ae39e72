#pragma once
// CHistoryInfo: the two history messages the main window shows.
#include <string>

#include "client/data/record_status.h"

class CHistoryInfo {
public:
    static constexpr const char* kPath = "/KRClientInfo/Info_History.xml";

    // Reads the loaded history document.
    explicit CHistoryInfo(LoadedDocument& document);
    // Fetches the document from `source` and reads it (blocks while it is fetched).
    static CHistoryInfo Fetch(DocumentSource& source);

    RecordStatus Status() const { return status_; }
    bool Found() const { return status_ == RecordStatus::Found; }
    const std::string& Msg1() const { return msg1_; }
    const std::string& Msg2() const { return msg2_; }

private:
    RecordStatus status_;
    std::string msg1_;
    std::string msg2_;
};
