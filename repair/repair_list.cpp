#include "repair/repair_list.h"

#include "client/core/client_config.h"
#include "common/platform/code_page.h"
#include "common/xml/xml_file.h"

namespace repair {

std::string RepairListUrl(std::string_view host) { return HostUrl(host, "/Restoration/Restoration.xml"); }

std::optional<update::FileList> FetchRepairList(const std::string& url) {
    CXmlFile list;
    if (!list.LoadUrlRaw(url)) return std::nullopt;
    return update::ReadFileList(list.Doc());
}

update::FileList ReadRepairList(const std::string& url) {
    return FetchRepairList(url).value_or(update::FileList{});
}

std::string RepairListLine(const update::ListedFile& file) {
    static const std::string kName = platform::Utf8ToLocalText(" 文件名：");
    static const std::string kVersion = platform::Utf8ToLocalText(" 版本：");
    return kName + file.name + kVersion + file.version;
}

}  // namespace repair
