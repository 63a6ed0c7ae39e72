#pragma once
// CTopEyesSeries: a money-flow series of one stock from folder TopEyess (up values, down
// values, time labels) or TopEyesh (one value series, time labels). Each series is one
// text that the chart splits into points.
#include <string>

#include "client/data/record_status.h"

class CTopEyesSeries {
public:
    static std::string Path(const std::string& code, const std::string& folder);

    // Reads the loaded document of `code` in `folder`.
    CTopEyesSeries(const std::string& code, const std::string& folder, LoadedDocument& document);
    // Fetches the document from `source` and reads it (blocks while it is fetched).
    static CTopEyesSeries Fetch(const std::string& code, const std::string& folder,
                                DocumentSource& source);

    RecordStatus Status() const { return status_; }
    bool Found() const { return status_ == RecordStatus::Found; }
    const std::string& Code() const { return code_; }
    const std::string& Folder() const { return folder_; }
    const std::string& Name() const { return name_; }
    const std::string& UpValues() const { return upValues_; }
    const std::string& DownValues() const { return downValues_; }  // empty for TopEyesh
    const std::string& TimeList() const { return timeList_; }

    // True for the two-series folder, whatever the case of its name.
    static bool IsTwoSeriesFolder(const std::string& folder);

private:
    std::string code_;
    std::string folder_;
    RecordStatus status_;
    std::string name_;
    std::string upValues_;
    std::string downValues_;
    std::string timeList_;
};
