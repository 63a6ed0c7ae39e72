#include "server/stock_directory.h"

#include "common/platform/files.h"

namespace server {
namespace {

std::string Unescape(const std::string& text) {
    static const std::pair<const char*, const char*> kEntities[] = {
        {"&amp;", "&"}, {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}};
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        bool replaced = false;
        if (text[i] == '&') {
            for (const auto& [entity, plain] : kEntities) {
                if (text.compare(i, std::char_traits<char>::length(entity), entity) == 0) {
                    out += plain;
                    i += std::char_traits<char>::length(entity);
                    replaced = true;
                    break;
                }
            }
        }
        if (!replaced) out += text[i++];
    }
    return out;
}

bool IsSixDigits(const std::string& code) {
    if (code.size() != 6) return false;
    for (char c : code)
        if (c < '0' || c > '9') return false;
    return true;
}

}  // namespace

std::string AttributeOf(const std::string& tag, const std::string& name) {
    std::size_t at = 0;
    while ((at = tag.find(name, at)) != std::string::npos) {
        const bool startsWord = at > 0 && (tag[at - 1] == ' ' || tag[at - 1] == '\t' ||
                                           tag[at - 1] == '\r' || tag[at - 1] == '\n');
        std::size_t p = at + name.size();
        while (p < tag.size() && tag[p] == ' ') ++p;
        if (!startsWord || p >= tag.size() || tag[p] != '=') {
            at += name.size();
            continue;
        }
        ++p;
        while (p < tag.size() && tag[p] == ' ') ++p;
        if (p >= tag.size() || (tag[p] != '"' && tag[p] != '\'')) return "";
        const char quote = tag[p];
        const std::size_t end = tag.find(quote, p + 1);
        if (end == std::string::npos) return "";
        return Unescape(tag.substr(p + 1, end - p - 1));
    }
    return "";
}

void StockDirectory::Parse(const std::string& text) {
    stocks_.clear();
    byCode_.clear();
    std::size_t at = 0;
    while ((at = text.find("<Stock", at)) != std::string::npos) {
        const std::size_t end = text.find('>', at);
        if (end == std::string::npos) break;
        const char after = text[at + 6];
        if (after == ' ' || after == '\t' || after == '\r' || after == '\n' || after == '/') {
            const std::string tag = text.substr(at, end - at);
            StockEntry entry{AttributeOf(tag, "StockId"), AttributeOf(tag, "StockChi"),
                             AttributeOf(tag, "StockName")};
            // Entries without a proper code or a second entry for a code are skipped.
            if (IsSixDigits(entry.code) && !byCode_.count(entry.code)) {
                byCode_[entry.code] = stocks_.size();
                stocks_.push_back(std::move(entry));
            }
        }
        at = end;
    }
}

bool StockDirectory::Load(const std::string& path) {
    std::string text;
    if (!platform::ReadWholeFile(path, text)) {
        Parse("");
        return false;
    }
    Parse(text);
    return true;
}

const StockEntry* StockDirectory::Find(const std::string& code) const {
    const auto it = byCode_.find(code);
    return it == byCode_.end() ? nullptr : &stocks_[it->second];
}

}  // namespace server
