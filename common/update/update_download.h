#pragma once
// Downloads listed files into a folder with one download engine: each name is checked
// first (a refused name is logged and nothing is fetched or written for it), fetched from
// its URL (see UpdateFileUrl) and kept under the folder at its own relative place. Only a
// file the engine reports complete counts as downloaded; a part file or a failure never
// does. Stop() may be called from any thread and ends the run at the engine's next step;
// the engine forgets a stop that arrives in the instant a file's download begins, so a
// caller that must see the run end calls Stop() again until Fetch has returned.
#include <atomic>
#include <functional>
#include <string>
#include <vector>

#include "common/net/http_download.h"

namespace update {

class UpdateDownload {
public:
    // Called on the downloading thread after each file that arrived whole.
    using FileDone = std::function<void(const std::string& name)>;

    net::CHttpDownload& Engine() { return engine_; }

    // Fetches every name from `base` into `folder`, in order; gives the names that arrived
    // whole. Nothing is fetched when the base or the folder is empty.
    std::vector<std::string> Fetch(const std::string& base, const std::vector<std::string>& names,
                                   const std::string& folder, const FileDone& fileDone = {});

    // Ends the run: the download under way stops and no further file starts.
    void Stop();
    bool Stopped() const { return stopped_; }

private:
    net::CHttpDownload engine_;
    std::atomic<bool> stopped_{false};
};

// The local place of a listed (checked) name below `folder`.
std::string ListedFilePath(const std::string& folder, const std::string& name);

}  // namespace update
