#include "common/platform/code_page.h"

#include <errno.h>
#include <iconv.h>

#include <array>
#include <cstring>
#include <mutex>
#include <unordered_map>

namespace platform {
namespace {

struct CodePageName {
    unsigned codePage;
    const char* iconvName;
};

// Every code page the charset-name table can yield that glibc has a converter for.
// Code pages missing here (a few Mac and DOS ones, HZ) count as unknown: no conversion.
constexpr CodePageName kCodePages[] = {
    {37, "IBM037"},         {437, "IBM437"},         {500, "IBM500"},
    {708, "ISO-8859-6"},    {737, "CP737"},          {775, "CP775"},
    {850, "CP850"},         {852, "CP852"},          {855, "CP855"},
    {857, "CP857"},         {858, "CP858"},          {860, "IBM860"},
    {861, "IBM861"},        {862, "CP862"},          {863, "IBM863"},
    {864, "IBM864"},        {865, "IBM865"},         {866, "CP866"},
    {869, "CP869"},         {870, "IBM870"},         {874, "CP874"},
    {875, "CP875"},         {932, "CP932"},          {936, "CP936"},
    {949, "CP949"},         {950, "BIG5"},           {1026, "IBM1026"},
    {1047, "IBM1047"},      {1140, "IBM1140"},       {1141, "IBM1141"},
    {1142, "IBM1142"},      {1143, "IBM1143"},       {1144, "IBM1144"},
    {1145, "IBM1145"},      {1146, "IBM1146"},       {1147, "IBM1147"},
    {1148, "IBM1148"},      {1149, "IBM1149"},       {1200, "UTF-16LE"},
    {1201, "UTF-16BE"},     {1250, "CP1250"},        {1251, "CP1251"},
    {1252, "CP1252"},       {1253, "CP1253"},        {1254, "CP1254"},
    {1255, "CP1255"},       {1256, "CP1256"},        {1257, "CP1257"},
    {1258, "CP1258"},       {1361, "JOHAB"},         {10000, "MACINTOSH"},
    {10007, "MACCYRILLIC"}, {10017, "MACUKRAINIAN"}, {10029, "MAC-CENTRALEUROPE"},
    {10079, "MAC-IS"},      {12000, "UTF-32LE"},     {12001, "UTF-32BE"},
    {20127, "ASCII"},       {20866, "KOI8-R"},       {20932, "EUC-JP"},
    {20936, "GB2312"},      {21866, "KOI8-U"},       {28591, "ISO-8859-1"},
    {28592, "ISO-8859-2"},  {28593, "ISO-8859-3"},   {28594, "ISO-8859-4"},
    {28595, "ISO-8859-5"},  {28596, "ISO-8859-6"},   {28597, "ISO-8859-7"},
    {28598, "ISO-8859-8"},  {28599, "ISO-8859-9"},   {28603, "ISO-8859-13"},
    {28605, "ISO-8859-15"}, {38598, "ISO-8859-8"},   {50220, "ISO-2022-JP"},
    {50221, "ISO-2022-JP"}, {50222, "ISO-2022-JP"},  {50225, "ISO-2022-KR"},
    {50227, "GB2312"},      {51932, "EUC-JP"},       {51936, "GB2312"},
    {51949, "EUC-KR"},      {54936, "GB18030"},      {65000, "UTF-7"},
    {65001, "UTF-8"},       {65005, "UTF-32LE"},
};

// iconv descriptors are expensive to open; keep one per direction and code page.
// iconv_t is not thread-safe, so every use holds the mutex.
class ConverterCache {
public:
    ~ConverterCache() {
        for (auto& [key, cd] : converters_) iconv_close(cd);
    }
    template <typename Fn>
    bool With(const char* to, const char* from, Fn&& fn) {
        std::lock_guard lock(mutex_);
        std::string key = std::string(to) + "<" + from;
        auto it = converters_.find(key);
        if (it == converters_.end()) {
            iconv_t cd = iconv_open(to, from);
            if (cd == reinterpret_cast<iconv_t>(-1)) return false;
            it = converters_.emplace(key, cd).first;
        }
        iconv(it->second, nullptr, nullptr, nullptr, nullptr);
        fn(it->second);
        return true;
    }

private:
    std::mutex mutex_;
    std::unordered_map<std::string, iconv_t> converters_;
};

ConverterCache& Cache() {
    static ConverterCache cache;
    return cache;
}

// UTF-16 in native (little-endian on every target we build) order.
constexpr const char* kWideName = "UTF-16LE";

}  // namespace

unsigned ResolveCodePage(unsigned codePage) {
    return codePage == kCodePageAnsi ? kCodePageLocal : codePage;
}

const char* IconvNameForCodePage(unsigned codePage) {
    codePage = ResolveCodePage(codePage);
    for (const auto& entry : kCodePages)
        if (entry.codePage == codePage) return entry.iconvName;
    return nullptr;
}

bool IsCodePageSupported(unsigned codePage) {
    const char* name = IconvNameForCodePage(codePage);
    if (!name) return false;
    return Cache().With(kWideName, name, [](iconv_t) {});
}

bool MultiByteToWide(unsigned codePage, std::string_view in, std::u16string& out) {
    const char* name = IconvNameForCodePage(codePage);
    out.clear();
    if (!name) return false;
    return Cache().With(kWideName, name, [&](iconv_t cd) {
        out.reserve(in.size());
        char* src = const_cast<char*>(in.data());
        size_t srcLeft = in.size();
        char16_t chunk[1024];
        while (srcLeft > 0) {
            char* dst = reinterpret_cast<char*>(chunk);
            size_t dstLeft = sizeof(chunk);
            size_t rc = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
            out.append(chunk, (sizeof(chunk) - dstLeft) / sizeof(char16_t));
            if (rc != static_cast<size_t>(-1)) continue;
            if (errno == E2BIG) continue;
            // An invalid or cut-short sequence: one '?' for its first byte, then go on.
            out.push_back(u'?');
            ++src;
            --srcLeft;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
        }
    });
}

bool WideToMultiByte(unsigned codePage, std::u16string_view in, std::string& out,
                     bool* usedDefaultChar) {
    const char* name = IconvNameForCodePage(codePage);
    out.clear();
    if (usedDefaultChar) *usedDefaultChar = false;
    if (!name) return false;
    return Cache().With(name, kWideName, [&](iconv_t cd) {
        out.reserve(in.size() * 2);
        char* src = reinterpret_cast<char*>(const_cast<char16_t*>(in.data()));
        size_t srcLeft = in.size() * sizeof(char16_t);
        char chunk[2048];
        while (srcLeft > 0) {
            char* dst = chunk;
            size_t dstLeft = sizeof(chunk);
            size_t rc = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
            out.append(chunk, sizeof(chunk) - dstLeft);
            if (rc != static_cast<size_t>(-1)) {
                // Flush any shift state the target encoding keeps.
                dst = chunk;
                dstLeft = sizeof(chunk);
                iconv(cd, nullptr, nullptr, &dst, &dstLeft);
                out.append(chunk, sizeof(chunk) - dstLeft);
                continue;
            }
            if (errno == E2BIG) continue;
            // No equivalent (or a lone surrogate): the default character, then the next unit.
            out.push_back('?');
            if (usedDefaultChar) *usedDefaultChar = true;
            size_t step = sizeof(char16_t);
            if (srcLeft >= 4) {
                char16_t unit;
                std::memcpy(&unit, src, sizeof(unit));
                char16_t next;
                std::memcpy(&next, src + 2, sizeof(next));
                if (unit >= 0xD800 && unit < 0xDC00 && next >= 0xDC00 && next < 0xE000) step = 4;
            }
            step = std::min(step, srcLeft);
            src += step;
            srcLeft -= step;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
        }
    });
}

bool ConvertCodePage(unsigned fromCodePage, unsigned toCodePage, std::string_view in,
                     std::string& out, bool* usedDefaultChar) {
    std::u16string wide;
    if (!MultiByteToWide(fromCodePage, in, wide)) return false;
    return WideToMultiByte(toCodePage, wide, out, usedDefaultChar);
}

std::string LocalToUtf8(std::string_view local) {
    std::string out;
    ConvertCodePage(kCodePageLocal, kCodePageUtf8, local, out);
    return out;
}

std::string Utf8ToLocalText(std::string_view utf8, bool* usedDefaultChar) {
    std::string out;
    ConvertCodePage(kCodePageUtf8, kCodePageLocal, utf8, out, usedDefaultChar);
    return out;
}

}  // namespace platform
