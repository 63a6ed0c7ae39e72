#pragma once
// The client's process-wide values and its configuration file, config.xml in the program
// directory.
//
// The values are written on the user-interface thread while no worker thread runs (when a
// login window initialises, and on a successful login); worker threads copy what they need
// when they start. Nothing guards them with a lock.
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

struct ClientValues {
    std::string programDirectory;  // folder of the program file, without trailing separator
    std::string serverBase;        // text of RemotFilePath: host[/dir], no scheme
    std::string userName;          // kGuestUserName after a guest entry
    std::string password;          // the current password, in clear
    SiteHosts hosts;               // from config.xml, see LoadConfig
};

inline constexpr std::string_view kGuestUserName = "guest";
inline constexpr std::string_view kConfigFileName = "config.xml";

// The one set of process-wide values; every field is empty when the process starts.
ClientValues& ProcessValues();

// Sets the program directory from the location of the running program file.
void InitProgramDirectory();

// Reads config.xml from the program directory: RemotFilePath becomes the server base
// (empty when the file or the element is missing), and the optional host elements
// (ProductSite, AccountPortal, MakerSite, CommunityServer, RecommendSite, SupportMail)
// fill ProcessValues().hosts. A missing host element means the evaluation server itself;
// a missing SupportMail means no address (empty).
void LoadConfig();

// "http://" + host + path, exactly as written: a path that begins with two slashes keeps
// both ("//KRClientUpdate/UpdateList.xml").
std::string HostUrl(std::string_view host, std::string_view path);

// HostUrl with the current server base: the address of every evaluation-server request.
std::string ServerUrl(std::string_view path);
