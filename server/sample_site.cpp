#include "server/sample_site.h"

#include "common/platform/code_page.h"
#include "common/platform/paths.h"
#include "server/bulletin_documents.h"
#include "server/diagnosis_documents.h"
#include "server/evaluation_documents.h"
#include "server/finance_documents.h"
#include "server/market_list_documents.h"
#include "server/money_flow_document.h"
#include "server/repair_test_lists.h"
#include "server/update_lists.h"
#include "server/web_pages.h"

namespace server {
namespace {

constexpr const char* kXml = "text/xml; charset=utf-8";
constexpr const char* kHtml = "text/html; charset=utf-8";

bool StartsWith(const std::string& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }

bool EndsWith(const std::string& text, const char* suffix) {
    const std::string s = suffix;
    return text.size() >= s.size() && text.compare(text.size() - s.size(), s.size(), s) == 0;
}

HttpReply Reply(int status, const char* type, std::string body) { return HttpReply{status, type, std::move(body)}; }

HttpReply NotFound(const std::string& path) { return Reply(404, kHtml, NotFoundPage(path)); }

bool IsValidUtf8(const std::string& text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        int extra = c < 0x80 ? 0 : (c & 0xE0) == 0xC0 ? 1 : (c & 0xF0) == 0xE0 ? 2 : (c & 0xF8) == 0xF0 ? 3 : -1;
        if (extra < 0 || (extra == 1 && c < 0xC2)) return false;
        if (extra > 0 && i + static_cast<std::size_t>(extra) >= text.size()) return false;
        for (int k = 1; k <= extra; ++k)
            if ((static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]) & 0xC0) != 0x80) return false;
        i += static_cast<std::size_t>(extra) + 1;
    }
    return true;
}

std::string ToGbk(const std::string& utf8) { return platform::Utf8ToLocalText(utf8); }

const char* PayloadType(const std::string& name) {
    if (EndsWith(name, ".xml")) return "text/xml";
    if (EndsWith(name, ".gif")) return "image/gif";
    if (EndsWith(name, ".jpg")) return "image/jpeg";
    if (EndsWith(name, ".bmp")) return "image/bmp";
    return "application/octet-stream";
}

}  // namespace

std::string HttpRequest::Param(const std::string& name) const {
    const auto it = params.find(name);
    return it == params.end() ? "" : it->second;
}

std::string CanonicalPath(const std::string& path) {
    std::string out;
    for (char c : path) {
        if (c == '/' && !out.empty() && out.back() == '/') continue;
        out += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return out.empty() ? "/" : out;
}

std::string ClientTextToUtf8(const std::string& text) {
    if (IsValidUtf8(text)) return text;
    return platform::LocalToUtf8(text);
}

SampleSite::SampleSite(SiteSettings settings)
    : settings_(std::move(settings)),
      payloads_(settings_.assetsDirectory,
                settings_.dataDirectory.empty() ? "" : platform::JoinPath(settings_.dataDirectory, "payload")),
      throttle_(settings_.loginThrottle),
      journal_(settings_.dataDirectory.empty() ? "" : platform::JoinPath(settings_.dataDirectory, "logs")) {
    stocks_.Load(platform::JoinPath(settings_.assetsDirectory, "StockInfo.xml"));
    model_ = std::make_unique<MarketModel>(stocks_);
    if (settings_.dataDirectory.empty())
        users_.Parse(std::string(kDemoUser) + ":" + kDemoPassword + "\n");
    else
        users_.Load(platform::JoinPath(settings_.dataDirectory, "users.txt"));
}

bool SampleSite::IsTestEndpoint(const std::string& canonicalPath) const {
    return settings_.testEndpoints && (canonicalPath == "/__requests" || canonicalPath == "/__log");
}

void SampleSite::NoteRequest(const HttpRequest& request) {
    if (!IsTestEndpoint(CanonicalPath(request.path))) journal_.CountRequest();
}

HttpReply SampleSite::Handle(const HttpRequest& request) {
    const std::string path = CanonicalPath(request.path);
    if (IsTestEndpoint(path)) {
        if (path == "/__requests") return Reply(200, "text/plain", std::to_string(journal_.RequestCount()));
        return Reply(200, "text/plain; charset=utf-8", journal_.Lines());
    }

    if (path == "/q&a/question.asp" || path == "/sms/sncode.asp") {
        if (request.method == "POST") return HandleFormPost(request, path);
        return Reply(405, "text/plain", "POST only");
    }
    if (request.method == "POST") return Reply(405, "text/plain", "GET only");

    if (path == "/login.asp") return HandleLogin(request);
    if (StartsWith(path, "/krclientinfo/")) return HandleInfoDocument(path.substr(14), request);
    if (StartsWith(path, "/clientweb/")) return HandleClientWeb(path.substr(11), request);

    if (path == "/krclientupdate/updatelist.xml")
        return Reply(200, "text/xml", VersionListDocument(payloads_, settings_.appVersion, request.host));
    if (settings_.testEndpoints && StartsWith(path, "/__update/")) {
        std::string list = TestDataFileListDocument(payloads_, path, request.host);
        return list.empty() ? NotFound(request.path) : Reply(200, "text/xml", std::move(list));
    }
    if (path == "/krclientautoupdate/autoupdatelist.xml")
        return Reply(200, "text/xml", DataFileListDocument(payloads_, request.host));
    if (settings_.testEndpoints && StartsWith(path, "/__repair/")) {
        std::string list = TestRepairListDocument(payloads_, path, request.host);
        return list.empty() ? NotFound(request.path) : Reply(200, "text/xml", std::move(list));
    }
    if (path == "/restoration/restoration.xml")
        return Reply(200, "text/xml", RepairListDocument(payloads_, request.host));
    if (StartsWith(path, "/krclientupdate/")) return HandlePayload(path.substr(16), request);
    if (StartsWith(path, "/krclientautoupdate/")) return HandlePayload(path.substr(20), request);
    if (StartsWith(path, "/restoration/files/")) return HandlePayload(path.substr(19), request);

    if (auto page = WebPage(path, request, *model_)) return Reply(200, kHtml, std::move(*page));
    return NotFound(request.path);
}

HttpReply SampleSite::HandleLogin(const HttpRequest& request) {
    const std::string user = ClientTextToUtf8(request.Param("uname"));
    const std::string password = ClientTextToUtf8(request.Param("pwd"));
    if (!user.empty() && !throttle_.AwaitTurn(user))
        return Reply(429, "text/plain; charset=utf-8", "Too many failed logins for this name; try again later.\r\n");
    const bool accepted = !user.empty() && users_.Accepts(user, password);
    if (!user.empty()) throttle_.Record(user, accepted);
    journal_.RecordLogin(user, ClientTextToUtf8(request.Param("mac")), ClientTextToUtf8(request.Param("ver")),
                         accepted, ClientTextToUtf8(request.rawQuery));
    // The client compares the first line with its own (GBK) text.
    const std::string body = accepted ? ToGbk("登陆成功") + "\r\n" + ToGbk("欢迎使用Quorvel，" + user) + "\r\n"
                                      : ToGbk("用户名或密码错误") + "\r\n";
    return Reply(200, "text/plain; charset=GB2312", body);
}

HttpReply SampleSite::HandleFormPost(const HttpRequest& request, const std::string& path) {
    std::string where = path;
    if (!request.rawQuery.empty()) where += "?" + request.rawQuery;
    journal_.RecordFormPost(where, ClientTextToUtf8(request.body));
    return Reply(200, "text/plain", "OK");
}

HttpReply SampleSite::HandleInfoDocument(const std::string& rest, const HttpRequest& request) {
    // Only the documents with links depend on the host they were asked from.
    const bool linked = rest == "newsinfo.xml" || StartsWith(rest, "zhzd/");
    const auto document =
        documents_.Get("info/" + rest + (linked ? "\n" + request.host : ""), [&] { return InfoDocument(rest, request.host); });
    if (document->empty()) return NotFound(request.path);
    return Reply(200, kXml, *document);
}

std::string SampleSite::InfoDocument(const std::string& rest, const std::string& host) const {
    if (rest == "zhzd/recommendstock.xml") return RecommendStockDocument(*model_);
    if (rest == "cwfx/infocwfx.xml") return FinanceTopListDocument(*model_);
    if (rest == "info_history.xml") return HistoryDocument(*model_);
    if (rest == "newsinfo.xml") return NewsDocument(*model_, host);

    const auto slash = rest.find('/');
    if (slash == std::string::npos || !EndsWith(rest, ".xml")) return "";
    const std::string folder = rest.substr(0, slash);
    const int index = model_->IndexOf(rest.substr(slash + 1, rest.size() - slash - 5));
    if (index < 0) return "";
    const auto stock = static_cast<std::size_t>(index);
    if (folder == "zhzd") return ComprehensiveDocument(*model_, stock, host);
    if (folder == "cwfx") return FinanceDocument(*model_, stock);
    if (folder == "topeyess" || folder == "topeyesh") return MoneyFlowDocument(*model_, stock, folder);
    return DiagnosisDocument(*model_, stock, folder);
}

HttpReply SampleSite::HandleClientWeb(const std::string& rest, const HttpRequest& request) {
    const std::string stock = rest == "getssbk.aspx" ? request.Param("stockid") : "";
    const auto document = documents_.Get("clientweb/" + rest + "?" + stock, [&]() -> std::string {
        if (rest == "gethyrg.aspx") return IndustryHotStocksDocument(*model_);
        if (rest == "getrmhy.aspx") return HotIndustriesDocument(*model_);
        const int index = model_->IndexOf(stock);
        if (rest != "getssbk.aspx" || index < 0) return "";
        return StockSectorsDocument(*model_, static_cast<std::size_t>(index));
    });
    if (document->empty()) return NotFound(request.path);
    return Reply(200, kXml, *document);
}

HttpReply SampleSite::HandlePayload(const std::string& name, const HttpRequest& request) {
    PayloadFile file;
    if (name.empty() || !payloads_.Find(name, file)) return NotFound(request.path);
    return Reply(200, PayloadType(CanonicalPath(file.name)), ServedPayload(file, request.host));
}

}  // namespace server
