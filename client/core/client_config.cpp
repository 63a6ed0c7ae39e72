#include "client/core/client_config.h"

std::string HostUrl(std::string_view host, std::string_view path) {
    std::string url = "http://";
    url.append(host);
    url.append(path);
    return url;
}

std::string ClientConfig::ServerUrl(std::string_view path) const {
    return HostUrl(serverBase, path);
}
