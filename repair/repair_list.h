#pragma once
// The server's list of an installation's files, as the repair tool reads and shows it.
#include <optional>
#include <string>
#include <string_view>

#include "common/update/update_list_walk.h"

namespace repair {

// Where the list lives on the product site `host` (host[:port][/dir], no scheme).
std::string RepairListUrl(std::string_view host);

// Reads the list at `url`; nothing when it cannot be fetched or is not a document.
std::optional<update::FileList> FetchRepairList(const std::string& url);
// The same, with a list that cannot be fetched or read naming no file.
update::FileList ReadRepairList(const std::string& url);

// The file's line in the tool's list (GBK): " 文件名：" + name + " 版本：" + version.
std::string RepairListLine(const update::ListedFile& file);

}  // namespace repair
