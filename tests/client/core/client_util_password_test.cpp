// Remembered-password encryption.
#include <gtest/gtest.h>

#include <cctype>
#include <random>

#include "client/core/aes_block_cipher.h"
#include "client/core/client_util.h"

namespace {

const CClientUtil util;

TEST(ClientUtilPassword, EmptyPasswordIsTheClientKeyOverAZeroBlock) {
    CAesBlockCipher aes;
    const char* key = "qrstuvwx24681357";
    aes.MakeKey(reinterpret_cast<const std::uint8_t*>(key), nullptr, 16, 16);
    std::uint8_t zero[16] = {}, out[16];
    aes.EncryptBlock(zero, out);
    char expected[33];
    for (int i = 0; i < 16; ++i) std::snprintf(expected + 2 * i, 3, "%02X", out[i]);

    EXPECT_EQ(util.EncryptPassword(""), expected);
    EXPECT_EQ(util.DecryptPassword(expected), "");
}

TEST(ClientUtilPassword, RoundTripsUpToSixteenBytes) {
    for (std::string password : {"a", "demo123",
                                 "\xC3\xDC\xC2\xEB"
                                 "2026",
                                 "exactly16bytes!!"}) {
        std::string text = util.EncryptPassword(password);
        ASSERT_EQ(text.size(), 32u);
        for (char c : text) EXPECT_TRUE(std::isdigit(c) || (c >= 'A' && c <= 'F')) << text;
        EXPECT_EQ(text, util.EncryptPassword(password));  // deterministic
        EXPECT_EQ(util.DecryptPassword(text), password);
    }
    EXPECT_EQ(util.DecryptPassword(util.EncryptPassword("twenty-characters!!!")),
              "twenty-character");
    EXPECT_NE(util.EncryptPassword("a"), util.EncryptPassword("b"));
}

TEST(ClientUtilPassword, LowerCaseDigitsDoNotDecryptToThePassword) {
    std::string text = util.EncryptPassword("demo123");
    std::string lower = text;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    ASSERT_NE(lower, text);
    EXPECT_NE(util.DecryptPassword(lower), "demo123");
}

TEST(ClientUtilPassword, AnyTextDecryptsSafelyToAtMostSixteenBytes) {
    // A stray character ends its byte: "1G" reads as 0x01, just like "1" followed by nothing.
    EXPECT_EQ(util.DecryptPassword("1G"), util.DecryptPassword("01"));
    EXPECT_EQ(util.DecryptPassword("1"), util.DecryptPassword("01"));
    std::mt19937 rng(7);
    for (int trial = 0; trial < 300; ++trial) {
        std::string text(rng() % 80, '\0');
        for (char& c : text) c = static_cast<char>(rng());
        std::string password = util.DecryptPassword(text);
        EXPECT_LE(password.size(), 16u);
        EXPECT_EQ(password.find('\0'), std::string::npos);
    }
}

}  // namespace
