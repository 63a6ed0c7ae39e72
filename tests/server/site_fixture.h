#pragma once
// One sample site over the shipped assets, shared by the tests of this folder, and a
// GET helper that goes through the site's routing without a socket.
#include <string>

#include "server/sample_site.h"

// Settings of a site over the shipped assets; `data` "" keeps everything in memory.
inline server::SiteSettings TestSiteSettings(const std::string& data = "", const std::string& appVersion = "1.0.0") {
    server::SiteSettings settings;
    settings.assetsDirectory = QUORVEL_TEST_ASSETS;
    settings.dataDirectory = data;
    settings.appVersion = appVersion;
    settings.testEndpoints = true;
    return settings;
}

inline server::SampleSite& SharedSite() {
    static server::SampleSite site(TestSiteSettings());
    return site;
}

inline server::HttpReply Get(server::SampleSite& site, const std::string& target,
                             const std::string& host = "127.0.0.1:8080") {
    server::HttpRequest request;
    request.host = host;
    const auto question = target.find('?');
    request.path = target.substr(0, question);
    if (question != std::string::npos) {
        request.rawQuery = target.substr(question + 1);
        std::string rest = request.rawQuery;
        while (!rest.empty()) {
            const auto amp = rest.find('&');
            const std::string pair = rest.substr(0, amp);
            const auto eq = pair.find('=');
            request.params.emplace(pair.substr(0, eq), eq == std::string::npos ? "" : pair.substr(eq + 1));
            rest = amp == std::string::npos ? "" : rest.substr(amp + 1);
        }
    }
    return site.Handle(request);
}

inline server::HttpReply Get(const std::string& target) { return Get(SharedSite(), target); }

inline std::string GetBody(const std::string& target) { return Get(target).body; }
