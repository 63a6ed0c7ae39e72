#pragma once
// The addresses behind the main window's links and tray commands.
#include <string>

struct SiteHosts;

// The account portal's page that logs the user in: uname and upwd carry the current
// user name and password. Both are URL-encoded so that '&', '#', '%' or a blank in a
// password cannot cut the link short; the portal decodes them back to what was typed.
std::string PortalLoginUrl(const SiteHosts& hosts, const std::string& userName,
                           const std::string& password);
