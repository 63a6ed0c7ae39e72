#include "client/app/app_config.h"

#include "common/platform/paths.h"

ClientValues& ProcessValues() {
    static ClientValues values;
    return values;
}

void InitProgramDirectory() {
    ProcessValues().programDirectory = platform::ProgramDirectory();
}

std::string HostUrl(std::string_view host, std::string_view path) {
    std::string url = "http://";
    url.append(host);
    url.append(path);
    return url;
}

std::string ServerUrl(std::string_view path) {
    return HostUrl(ProcessValues().serverBase, path);
}
