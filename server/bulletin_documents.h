#pragma once
// The two shared notices: the evaluation history shown in the main window
// ("/KRClientInfo/Info_History.xml") and the latest news item ("/KRClientInfo/NewsInfo.xml").
#include <string>

#include "server/market_model.h"

namespace server {

std::string HistoryDocument(const MarketModel& model);
std::string NewsDocument(const MarketModel& model, const std::string& host);

struct NewsArticle {
    std::string id;     // "20261204", used in the page address
    std::string time;   // "2026-12-04 16:30"
    std::string title;
    std::string content;
};

// The latest article first.
std::vector<NewsArticle> NewsArticles(const MarketModel& model);

}  // namespace server
