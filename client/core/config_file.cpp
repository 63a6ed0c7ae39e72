// Reading config.xml.
#include <string_view>

#include "client/core/client_config.h"
#include "common/platform/paths.h"
#include "common/xml/xml_file.h"

namespace {

std::string Trimmed(std::string_view text) {
    constexpr std::string_view kSpace = " \t\r\n";
    size_t first = text.find_first_not_of(kSpace);
    if (first == std::string_view::npos) return "";
    size_t last = text.find_last_not_of(kSpace);
    return std::string(text.substr(first, last - first + 1));
}

// The text of the element `name` searched from the top of the document, or `fallback`
// when there is no such element.
std::string ElementText(CXmlFile& config, const char* name, const std::string& fallback) {
    config.LeaveAll();
    return config.Descend(name) ? Trimmed(config.GetText()) : fallback;
}

}  // namespace

ClientConfig LoadConfig() {
    ClientConfig values;
    values.programDirectory = platform::ProgramDirectory();
    CXmlFile config{std::string(kConfigFileName)};
    // A fresh document: the first RemotFilePath on the path Descend follows.
    values.serverBase = config.Descend("RemotFilePath") ? Trimmed(config.GetText()) : "";

    const std::string& server = values.serverBase;
    SiteHosts& hosts = values.hosts;
    hosts.productSite = ElementText(config, "ProductSite", server);
    hosts.accountPortal = ElementText(config, "AccountPortal", server);
    hosts.makerSite = ElementText(config, "MakerSite", server);
    hosts.communityServer = ElementText(config, "CommunityServer", server);
    hosts.recommendSite = ElementText(config, "RecommendSite", server);
    hosts.supportMail = ElementText(config, "SupportMail", "");
    return values;
}
