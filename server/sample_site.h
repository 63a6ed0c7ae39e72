#pragma once
// Everything quorvel-server answers, keyed by path: the evaluation documents, the lists
// and their files, login.asp, the two form endpoints, the web pages and, when asked for,
// the test endpoints /__requests and /__log. Paths are matched without regard to case and with
// repeated slashes collapsed, as the maker's servers did.
#include <memory>
#include <string>

#include "server/document_cache.h"
#include "server/http_types.h"
#include "server/login_throttle.h"
#include "server/market_model.h"
#include "server/payload_catalog.h"
#include "server/request_journal.h"
#include "server/stock_directory.h"
#include "server/user_store.h"

namespace server {

struct SiteSettings {
    std::string assetsDirectory;
    std::string dataDirectory;  // "" keeps logs in memory and accepts the demo account only
    std::string appVersion = "1.0.0";
    bool testEndpoints = false;  // /__requests and /__log; they tell anyone what was posted
    ThrottleSettings loginThrottle;
};

class SampleSite {
public:
    explicit SampleSite(SiteSettings settings);

    // False when the stock directory could not be read or holds no stock.
    bool Ready() const { return model_->Size() > 0; }
    const MarketModel& Model() const { return *model_; }

    // Counts a request (test endpoints are not counted); call before answering it.
    void NoteRequest(const HttpRequest& request);
    HttpReply Handle(const HttpRequest& request);

    const RequestJournal& Journal() const { return journal_; }

private:
    bool IsTestEndpoint(const std::string& canonicalPath) const;
    HttpReply HandleLogin(const HttpRequest& request);
    HttpReply HandleFormPost(const HttpRequest& request, const std::string& path);
    HttpReply HandleInfoDocument(const std::string& rest, const HttpRequest& request);
    // The document under /KRClientInfo/ (`rest` in lower case), "" when there is none.
    std::string InfoDocument(const std::string& rest, const std::string& host) const;
    HttpReply HandleClientWeb(const std::string& path, const HttpRequest& request);
    HttpReply HandlePayload(const std::string& name, const HttpRequest& request);

    SiteSettings settings_;
    StockDirectory stocks_;
    std::unique_ptr<MarketModel> model_;
    PayloadCatalog payloads_;
    UserStore users_;
    LoginThrottle throttle_;
    RequestJournal journal_;
    DocumentCache documents_;
};

// Lower-cases ASCII letters and collapses repeated slashes ("//KRClientUpdate/...").
std::string CanonicalPath(const std::string& path);

// Text from the client as UTF-8: kept when it already is valid UTF-8, else read as GBK
// (the client sends Chinese user names as GBK bytes).
std::string ClientTextToUtf8(const std::string& text);

}  // namespace server
