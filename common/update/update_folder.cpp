#include "common/update/update_folder.h"

#include "common/platform/files.h"

namespace update {

UpdateFolder::~UpdateFolder() { Remove(); }

// A new private folder each time (never the old name made again), so nobody can slip a
// link in between removing and recreating it.
const std::string& UpdateFolder::Fresh() {
    Remove();
    path_ = platform::MakeTempDirectory("krtemp");
    return path_;
}

void UpdateFolder::Remove() {
    if (!path_.empty()) platform::RemoveDirectoryTree(path_);
    path_.clear();
}

}  // namespace update
