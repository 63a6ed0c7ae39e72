// Text tests and form encoding.
#include <algorithm>

#include "client/core/client_util.h"
#include "common/platform/code_page.h"

namespace {

bool IsAsciiLetter(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool IsAsciiDigit(unsigned char c) {
    return c >= '0' && c <= '9';
}
bool IsWhiteSpace(unsigned char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

}  // namespace

namespace {

enum class SpaceEncoding { Plus, Escaped };

std::string PercentEncode(const std::string& text, SpaceEncoding spaces) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size() * 3);
    for (unsigned char c : text) {
        if (IsAsciiLetter(c) || IsAsciiDigit(c)) {
            out.push_back(static_cast<char>(c));
        } else if (spaces == SpaceEncoding::Plus && IsWhiteSpace(c)) {
            out.push_back('+');
        } else {
            out.push_back('%');
            out.push_back(kHex[c >> 4]);
            out.push_back(kHex[c & 0x0F]);
        }
    }
    return out;
}

}  // namespace

std::string CClientUtil::UrlEncode(const std::string& text) const {
    return PercentEncode(text, SpaceEncoding::Plus);
}

std::string CClientUtil::PathSegmentEncode(const std::string& text) const {
    return PercentEncode(text, SpaceEncoding::Escaped);
}

bool CClientUtil::IsDigits(const std::string& text) const {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return IsAsciiDigit(static_cast<unsigned char>(c));
    });
}

bool CClientUtil::HasLetters(const std::string& text) const {
    // Case mapping in a double-byte code page leaves both bytes of a GBK character alone,
    // so a trail byte that happens to be an ASCII letter does not count.
    for (size_t i = 0; i < text.size();) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        int length = platform::LocalCharLength(c);
        if (length == 1 && IsAsciiLetter(c)) return true;
        i += static_cast<size_t>(length);
    }
    return false;
}

bool CClientUtil::IsNumber(const std::string& text) const {
    if (text.empty()) return false;
    size_t dot = text.find('.');
    if (dot == std::string::npos) return IsDigits(text);
    if (text.find('.', dot + 1) != std::string::npos) return false;
    std::string withoutDot = text;
    withoutDot.erase(dot, 1);
    return IsDigits(withoutDot);
}

bool CClientUtil::IsExchangeCode(const std::string& code) const {
    return code.starts_with("600") || code.starts_with("00");
}
