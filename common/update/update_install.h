#pragma once
// Installing downloaded files over a program directory. Each file replaces its old copy in
// one step (written beside it under a temporary name, then renamed), so a reader such as
// the stock directory sees the old file or the new one, never half of one. The system's
// own programs are installed runnable, also where their file was missing.
#include <string>
#include <vector>

namespace update {

// Installs each of `names` (checked listed names whose files arrived whole in `folder`)
// at its place below `programDirectory`, making subfolders as needed. Gives the names
// installed; a file that cannot be read or written is left out and keeps its old copy.
std::vector<std::string> InstallFiles(const std::string& folder, const std::vector<std::string>& names,
                                      const std::string& programDirectory);

}  // namespace update
