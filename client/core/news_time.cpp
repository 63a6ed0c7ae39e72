#include "client/core/news_time.h"

#include "client/core/client_config.h"
#include "common/platform/paths.h"
#include "common/xml/xml_doc.h"

namespace {

constexpr const char* kNewsTime = "NewsTime";

std::string ConfigPath(const std::string& programDirectory) {
    return platform::JoinPath(programDirectory, std::string(kConfigFileName));
}

}  // namespace

std::string ReadNewsTime(const std::string& programDirectory) {
    CXmlDoc config;
    config.LoadFile(ConfigPath(programDirectory));
    return config.Descend(kNewsTime) ? config.GetText() : "";
}

bool SaveNewsTime(const std::string& programDirectory, const std::string& time) {
    CXmlDoc config;
    if (!config.LoadFile(ConfigPath(programDirectory))) return false;
    if (config.Descend(kNewsTime)) {
        if (!config.SetText(time)) return false;
    } else {
        // A child of the root, after its other children.
        config.ResetPos();
        if (!config.FindSibling({}) || !config.Enter()) return false;
        while (config.FindSibling({})) {
        }
        if (!config.AppendElem(kNewsTime, time)) return false;
    }
    return config.SaveFile(ConfigPath(programDirectory));
}
