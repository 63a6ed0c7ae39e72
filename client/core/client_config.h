#pragma once
// The client's configuration: where the program lives and which servers it talks to,
// read once from config.xml in the program directory when the client starts. The value
// is handed down to every window, record load and worker; nothing changes it afterwards.
#include <string>
#include <string_view>

// Hosts of the maker's other sites. Each is a host name with an optional port and path,
// without scheme and without trailing slash, like the server base.
struct SiteHosts {
    std::string productSite;      // help page, web strip, article list, home page
    std::string accountPortal;    // login, register and password pages
    std::string makerSite;        // the maker's main site
    std::string communityServer;  // live page, expert question and SMS forms
    std::string recommendSite;    // "recommend to a friend"
    std::string supportMail;      // a mail address, not a host
};

struct ClientConfig {
    std::string programDirectory;  // folder of the program file, without trailing separator
    std::string serverBase;        // text of RemotFilePath: host[/dir], no scheme
    SiteHosts hosts;

    // "http://" + server base + path: the address of every evaluation-server request.
    std::string ServerUrl(std::string_view path) const;
};

inline constexpr std::string_view kConfigFileName = "config.xml";

// Reads config.xml from the program directory (the running program's folder, or the one
// tests set): RemotFilePath becomes the server base (empty when the file or the element
// is missing), and the optional host elements (ProductSite, AccountPortal, MakerSite,
// CommunityServer, RecommendSite, SupportMail) fill the hosts. A missing host element
// means the evaluation server itself; a missing SupportMail means no address (empty).
ClientConfig LoadConfig();

// "http://" + host + path, exactly as written: a path that begins with two slashes keeps
// both ("//KRClientUpdate/UpdateList.xml").
std::string HostUrl(std::string_view host, std::string_view path);
