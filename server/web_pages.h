#pragma once
// The HTML pages the client shows in its embedded browsers or opens in the user's
// browser: the product site, the account portal, the maker's site, the community
// server's pages, news articles and the news sites' mention pages. All UTF-8.
#include <optional>
#include <string>

#include "server/http_types.h"
#include "server/market_model.h"

namespace server {

// The page for a canonical (lower-case) path, or nothing when there is none.
std::optional<std::string> WebPage(const std::string& canonicalPath, const HttpRequest& request,
                                   const MarketModel& model);

// The page answered with status 404.
std::string NotFoundPage(const std::string& path);

std::string EscapeHtml(const std::string& text);

}  // namespace server
