#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "common/platform/code_page.h"
#include "common/xml/bucket_table.h"
#include "common/xml/charset_table.h"
#include "common/xml/entity_table.h"
#include "common/xml/table_data.h"

namespace {

using xml_tables::BucketEntry;

struct Walked {
    std::size_t bucket;
    std::string name;
    int value;
};

template <int kLengthDigits, int kValueDigits, std::size_t kBuckets>
std::vector<Walked> Walk(const std::array<std::string_view, kBuckets>& table) {
    std::vector<Walked> out;
    for (std::size_t b = 0; b < kBuckets; ++b) {
        bool ok = xml_tables::ForEachEntry<kLengthDigits, kValueDigits>(
            table[b], [&](const BucketEntry& e) {
                out.push_back({b, std::string(e.name), e.value});
                return false;
            });
        EXPECT_TRUE(ok) << "bucket " << b;
    }
    return out;
}

std::vector<Walked> CharsetEntries() {
    using namespace xml_tables;
    return Walk<kCharsetLengthDigits, kCharsetCodePageDigits>(kCharsetBuckets);
}

std::vector<Walked> EntityEntries() {
    using namespace xml_tables;
    return Walk<kEntityLengthDigits, kEntityNumberDigits>(kEntityBuckets);
}

std::size_t ByteSum(const std::string& s) {
    std::size_t sum = 0;
    for (unsigned char c : s) sum += c;
    return sum;
}

std::string Upper(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return s;
}

TEST(CharsetTable, KnownNamesMapToTheirCodePagesInAnyCase) {
    const std::map<std::string, int> expected = {
        {"gb2312", 936},    {"gbk", 936},           {"chinese", 936},
        {"cn-gb", 936},     {"csgb2312", 936},      {"gb_2312-80", 936},
        {"iso-ir-58", 936}, {"utf-8", 65001},       {"unicode-1-1-utf-8", 65001},
        {"utf-16", 1200},   {"unicode", 1200},      {"unicodefffe", 1201},
        {"big5", 950},      {"windows-1252", 1252}, {"x-ansi", 1252},
        {"us", 1252},       {"iso-8859-1", 28591},  {"latin1", 28591},
        {"l1", 28591},      {"shift_jis", 932},     {"euc-kr", 949},
        {"gb18030", 54936}, {"koi8-r", 20866},      {"us-ascii", 20127},
    };
    for (const auto& [name, codePage] : expected) {
        EXPECT_EQ(LookupCharsetCodePage(name), codePage) << name;
        EXPECT_EQ(LookupCharsetCodePage(Upper(name)), codePage) << name;
    }
    EXPECT_EQ(LookupCharsetCodePage("GB2312"), 936);
    EXPECT_EQ(LookupCharsetCodePage("Utf-8"), 65001);
    EXPECT_EQ(LookupCharsetCodePage("UnicodeFFFE"), 1201);
}

TEST(CharsetTable, UnknownNamesGiveZero) {
    EXPECT_EQ(LookupCharsetCodePage(""), 0);
    EXPECT_EQ(LookupCharsetCodePage("utf-32"), 0);  // the loader handles UTF-32 itself
    EXPECT_EQ(LookupCharsetCodePage("gb2312 "), 0);
    EXPECT_EQ(LookupCharsetCodePage("gb231"), 0);
    EXPECT_EQ(LookupCharsetCodePage("no-such-charset"), 0);
    EXPECT_EQ(LookupCharsetCodePage("\xB9\xFA\xB1\xEA"), 0);  // GBK bytes, not a name
    EXPECT_EQ(LookupCharsetCodePage(std::string("gbk\0", 4)), 0);
    EXPECT_EQ(LookupCharsetCodePage(std::string(300, 'a')), 0);
}

TEST(CharsetTable, HoldsTwoHundredFiftyFourDistinctNamesEachInItsBucket) {
    auto entries = CharsetEntries();
    EXPECT_EQ(entries.size(), 254u);
    std::map<std::string, int> seen;
    for (const auto& e : entries) {
        EXPECT_EQ(e.bucket, ByteSum(e.name) % 150) << e.name;
        EXPECT_EQ(e.name.find_first_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ"), std::string::npos);
        EXPECT_TRUE(seen.emplace(e.name, e.value).second) << "duplicate " << e.name;
        EXPECT_GT(e.value, 0) << e.name;
        EXPECT_EQ(LookupCharsetCodePage(Upper(e.name)), e.value) << e.name;
        EXPECT_NE(e.name.substr(0, 6), "utf-32") << e.name;
    }
}

TEST(CharsetTable, EveryCodePageConvertsBothWays) {
    std::map<int, std::string> pages;
    for (const auto& e : CharsetEntries()) pages.emplace(e.value, e.name);
    const std::u16string sample = u"Quorvel <x a=\"1\"/> 0123";
    for (const auto& [codePage, name] : pages) {
        SCOPED_TRACE(name + " -> " + std::to_string(codePage));
        ASSERT_TRUE(platform::IsCodePageSupported(codePage));
        std::string bytes;
        bool lost = true;
        ASSERT_TRUE(platform::WideToMultiByte(codePage, sample, bytes, &lost));
        EXPECT_FALSE(lost);
        std::u16string back;
        ASSERT_TRUE(platform::MultiByteToWide(codePage, bytes, back));
        EXPECT_EQ(back, sample);
    }
}

TEST(EntityTable, DecodesHtmlEntitiesAndApos) {
    EXPECT_EQ(LookupEntity("amp"), 38);
    EXPECT_EQ(LookupEntity("lt"), 60);
    EXPECT_EQ(LookupEntity("gt"), 62);
    EXPECT_EQ(LookupEntity("quot"), 34);
    EXPECT_EQ(LookupEntity("apos"), 39);
    EXPECT_EQ(LookupEntity("nbsp"), 160);
    EXPECT_EQ(LookupEntity("copy"), 169);
    EXPECT_EQ(LookupEntity("euro"), 8364);
    EXPECT_EQ(LookupEntity("thetasym"), 977);
    EXPECT_EQ(LookupEntity("diams"), 9830);
    EXPECT_EQ(LookupEntity("AMP"), 38);
    EXPECT_EQ(LookupEntity("Nbsp"), 160);
}

TEST(EntityTable, CapitalNameWinsOverItsLowerCaseTwin) {
    EXPECT_EQ(LookupEntity("Alpha"), 913);
    EXPECT_EQ(LookupEntity("alpha"), 913);
    EXPECT_EQ(LookupEntity("dagger"), 8225);
    EXPECT_EQ(LookupEntity("darr"), 8659);
    EXPECT_EQ(LookupEntity("yuml"), 376);
    EXPECT_EQ(LookupEntity("eacute"), 201);
    EXPECT_EQ(LookupEntity("thorn"), 222);
    EXPECT_EQ(LookupEntity("prime"), 8243);
    EXPECT_EQ(LookupEntity("oelig"), 338);
    // Names without a capital twin keep their own character.
    EXPECT_EQ(LookupEntity("sigmaf"), 962);
    EXPECT_EQ(LookupEntity("szlig"), 223);
}

TEST(EntityTable, UnknownNamesGiveZero) {
    EXPECT_EQ(LookupEntity(""), 0);
    EXPECT_EQ(LookupEntity("nosuch"), 0);
    EXPECT_EQ(LookupEntity("am"), 0);
    EXPECT_EQ(LookupEntity("amp;"), 0);
    EXPECT_EQ(LookupEntity("#38"), 0);
    EXPECT_EQ(LookupEntity(std::string(200, 'z')), 0);
}

TEST(EntityTable, HoldsTwoHundredFiftyThreeEntriesEachInItsBucket) {
    auto entries = EntityEntries();
    EXPECT_EQ(entries.size(), 253u);
    std::map<std::string, int> count;
    for (const auto& e : entries) {
        EXPECT_EQ(e.bucket, ByteSum(e.name) % 130) << e.name;
        EXPECT_GT(e.value, 0) << e.name;
        ++count[e.name];
    }
    // 64 HTML names have a twin that differs only in case (Alpha/alpha ... uArr/uarr).
    int pairs = 0;
    for (const auto& [name, n] : count) {
        EXPECT_LE(n, 2) << name;
        if (n == 2) ++pairs;
    }
    EXPECT_EQ(pairs, 64);
    EXPECT_EQ(count.size(), 189u);
}

}  // namespace
