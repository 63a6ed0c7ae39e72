#pragma once
// CClientUtil: the client's stateless utility object. Callers construct one on the stack,
// call an operation or two and let it go; every operation may run on any thread and
// blocks until done. Texts are GBK bytes; lengths and positions count bytes. No operation
// shows a message: failures come back as false, the empty text or "0.00".
#include <string>

#include "client/core/fee_schedule.h"

class CClientUtil {
public:
    CClientUtil() = default;
    virtual ~CClientUtil() = default;

    // True when a connection to the host of `url` can be made now.
    bool IsOnline(const std::string& url) const;

    // POSTs a form-encoded body to http://host/path (port 80 unless the host names one,
    // as in "example.com:8080"), agent "session". Result: the response body for status
    // 200, "ok" for status 200 with an empty body, the empty text otherwise.
    std::string PostForm(const std::string& host, const std::string& path,
                         const std::string& body) const;
    // The same, also telling whether the server answered at all: `reached` is false when
    // it could not be reached or its answer was cut short.
    std::string PostForm(const std::string& host, const std::string& path,
                         const std::string& body, bool& reached) const;

    // Form encoding byte by byte: ASCII letters and digits stay, white space becomes '+',
    // every other byte becomes "%XX" in upper-case hex (so each GBK byte is escaped).
    std::string UrlEncode(const std::string& text) const;
    // Encoding for one segment of a request path: ASCII letters and digits stay, every
    // other byte (white space, '/', '.', '?', '%' included) becomes "%XX".
    std::string PathSegmentEncode(const std::string& text) const;

    bool IsDigits(const std::string& text) const;    // non-empty, '0'..'9' only
    bool HasLetters(const std::string& text) const;  // holds an ASCII letter (outside GBK pairs)
    bool IsNumber(const std::string& text) const;    // digits with at most one '.'
    // Shanghai ("600...") or Shenzhen ("00...") A-share code.
    bool IsExchangeCode(const std::string& code) const;

    // The selling price at which a purchase breaks even after fees, "%.2f".
    std::string BreakEvenPrice(const std::string& code, const std::string& buyPrice,
                               const std::string& quantity) const;
    // Profit or loss of selling `quantity` bought at buyPrice at sellPrice, after fees.
    std::string TradeProfit(const std::string& code, const std::string& buyPrice,
                            const std::string& sellPrice, const std::string& quantity) const;

    // The same under the current schedule (fee_schedule.h) with the broker's commission.
    // The market of a six-digit code: Shanghai 60xxxx and 688xxx, Shenzhen 00xxxx and
    // 30xxxx, Beijing 4xxxxx, 8xxxxx and 92xxxx; None for anything else.
    StockMarket MarketOf(const std::string& code) const;
    // The lowest price, rounded up to the cent, at which selling the whole quantity
    // covers the purchase and the costs of both sides; "0.00" for a code outside the two
    // supported markets or input that cannot be computed.
    std::string BreakEvenPrice(const std::string& code, const std::string& buyPrice,
                               const std::string& quantity, const CommissionTerms& terms) const;
    std::string TradeProfit(const std::string& code, const std::string& buyPrice,
                            const std::string& sellPrice, const std::string& quantity,
                            const CommissionTerms& terms) const;

    // Deletes everything inside `directory` and keeps the folder itself.
    void DeleteDirContents(const std::string& directory) const;
    // Copies the tree under `source` over `target`, overwriting files; each file is
    // replaced in one step so readers never see half a file. A name holding '\' lands in
    // the sub-folders it names. False when the source cannot be read.
    bool CopyDirContents(const std::string& source, const std::string& target) const;

    // The first network adapter's address, "00:1A:2B:3C:4D:5E"; empty when there is none.
    std::string GetMacAddress() const;
    // Application/Version of UpdateList.xml in the program directory; empty when missing.
    std::string GetLocalVersion() const;

    // The password (its first 16 bytes) encrypted under the client's key: 32 upper-case
    // hex digits.
    std::string EncryptPassword(const std::string& password) const;
    // The reverse; any text is accepted and gives some password of up to 16 bytes.
    std::string DecryptPassword(const std::string& text) const;
};
