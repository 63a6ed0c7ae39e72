// The block cipher against the FIPS-197 AES vectors, the published Rijndael vectors for
// 24- and 32-byte blocks, and a plain reference implementation.
#include "client/core/aes_block_cipher.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "client/core/rijndael_reference.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes FromHex(const std::string& hex) {
    Bytes out;
    for (size_t i = 0; i + 1 < hex.size(); i += 2)
        out.push_back(static_cast<std::uint8_t>(std::stoi(hex.substr(i, 2), nullptr, 16)));
    return out;
}

struct Vector {
    const char* key;
    const char* plain;
    const char* cipher;
};

void ExpectVector(const Vector& v) {
    Bytes key = FromHex(v.key), plain = FromHex(v.plain), expected = FromHex(v.cipher);
    CAesBlockCipher aes;
    aes.MakeKey(key.data(), nullptr, static_cast<int>(key.size()), static_cast<int>(plain.size()));
    Bytes out(plain.size()), back(plain.size());
    aes.EncryptBlock(plain.data(), out.data());
    EXPECT_EQ(out, expected) << "key " << v.key;
    aes.DecryptBlock(out.data(), back.data());
    EXPECT_EQ(back, plain) << "key " << v.key;
}

TEST(AesBlockCipher, Fips197AppendixCVectors) {
    const char* plain = "00112233445566778899aabbccddeeff";
    ExpectVector({"000102030405060708090a0b0c0d0e0f", plain, "69c4e0d86a7b0430d8cdb78070b4c55a"});
    ExpectVector({"000102030405060708090a0b0c0d0e0f1011121314151617", plain,
                  "dda97ca4864cdfe06eaf70a0ec0d7191"});
    ExpectVector({"000102030405060708090a0b0c0d0e0f101112131415161718191a1b1c1d1e1f", plain,
                  "8ea2b7ca516745bfeafc49904b496089"});
    // Appendix B.
    ExpectVector({"2b7e151628aed2a6abf7158809cf4f3c", "3243f6a8885a308d313198a2e0370734",
                  "3925841d02dc09fbdc118597196a0b32"});
}

// The Rijndael test set over every block and key length: the plain text is the leading
// hex digits of pi, the key those of e.
TEST(AesBlockCipher, RijndaelVectorsForWideBlocks) {
    const std::string pi = "3243f6a8885a308d313198a2e03707344a4093822299f31d0082efa98ec4e6c8";
    const std::string e = "2b7e151628aed2a6abf7158809cf4f3c762e7160f38b4da56a784d9045190cfe";
    struct Case {
        int block, key;
        const char* cipher;
    };
    const Case cases[] = {
        {24, 16, "b24d275489e82bb8f7375e0d5fcdb1f481757c538b65148a"},
        {24, 24, "725ae43b5f3161de806a7c93e0bca93c967ec1ae1b71e1cf"},
        {24, 32, "0ebacf199e3315c2e34b24fcc7c46ef4388aa475d66c194c"},
        {32, 16, "7d15479076b69a46ffb3b3beae97ad8313f622f67fedb487de9f06b9ed9c8f19"},
        {32, 24, "5d7101727bb25781bf6715b0e6955282b9610e23a43c2eb062699f0ebf5887b2"},
        {32, 32, "a49406115dfb30a40418aafa4869b7c6a886ff31602a7dd19c889dc64f7e4e7a"},
        {16, 24, "f9fb29aefc384a250340d833b87ebc00"},
        {16, 32, "1a6e6c2c662e7da6501ffb62bc9e93f3"},
    };
    for (const Case& c : cases) {
        std::string key = e.substr(0, 2 * c.key), plain = pi.substr(0, 2 * c.block);
        ExpectVector({key.c_str(), plain.c_str(), c.cipher});
    }
}

TEST(AesBlockCipher, AgreesWithThePlainReferenceOnRandomInputs) {
    std::mt19937 rng(20261207);
    for (int block : {16, 24, 32}) {
        for (int keyLength : {16, 24, 32}) {
            for (int trial = 0; trial < 4; ++trial) {
                Bytes key(keyLength), plain(block), out(block), back(block);
                for (auto& b : key) b = static_cast<std::uint8_t>(rng());
                for (auto& b : plain) b = static_cast<std::uint8_t>(rng());
                CAesBlockCipher aes;
                aes.MakeKey(key.data(), nullptr, keyLength, block);
                aes.EncryptBlock(plain.data(), out.data());
                EXPECT_EQ(out, rijndael_reference::Encrypt(key, plain))
                    << "block " << block << " key " << keyLength;
                aes.DecryptBlock(out.data(), back.data());
                EXPECT_EQ(back, plain);
                // In place works too.
                aes.EncryptBlock(back.data(), back.data());
                EXPECT_EQ(back, out);
            }
        }
    }
}

TEST(AesBlockCipher, RoundCountFollowsTheLargerOfKeyAndBlock) {
    Bytes key(32, 7);
    CAesBlockCipher aes;
    const int expected[3][3] = {{10, 12, 14}, {12, 12, 14}, {14, 14, 14}};
    const int lengths[3] = {16, 24, 32};
    for (int b = 0; b < 3; ++b) {
        for (int k = 0; k < 3; ++k) {
            aes.MakeKey(key.data(), nullptr, lengths[k], lengths[b]);
            EXPECT_EQ(aes.Rounds(), expected[b][k]);
        }
    }
}

std::string ErrorText(const std::function<void()>& f) {
    try {
        f();
    } catch (const std::runtime_error& e) {
        return e.what();
    }
    return "no error";
}

TEST(AesBlockCipher, ReportsMisuseWithItsErrorTexts) {
    std::uint8_t key[32] = {1}, block[32] = {};
    CAesBlockCipher aes;
    EXPECT_FALSE(aes.IsKeySet());
    EXPECT_EQ(ErrorText([&] { aes.EncryptBlock(block, block); }), "Object not Initialized");
    EXPECT_EQ(ErrorText([&] { aes.DecryptBlock(block, block); }), "Object not Initialized");
    EXPECT_EQ(ErrorText([&] { aes.MakeKey(nullptr, nullptr); }), "Empty key");
    EXPECT_EQ(ErrorText([&] { aes.MakeKey(key, nullptr, 20, 16); }), "Incorrect key length");
    EXPECT_EQ(ErrorText([&] { aes.MakeKey(key, nullptr, 16, 8); }), "Incorrect block length");
    EXPECT_FALSE(aes.IsKeySet());
    aes.MakeKey(key, nullptr, 16, 16);
    EXPECT_TRUE(aes.IsKeySet());
}

TEST(AesBlockCipher, KeepsTheChainBlockGivenAtKeySetUp) {
    std::uint8_t key[16] = {}, chain[24], block[24] = {};
    for (int i = 0; i < 24; ++i) chain[i] = static_cast<std::uint8_t>(i + 1);
    CAesBlockCipher aes;
    aes.MakeKey(key, chain, 16, 24);
    EXPECT_EQ(Bytes(aes.InitialChainBlock(), aes.InitialChainBlock() + 24),
              Bytes(chain, chain + 24));
    aes.ChainBlock()[0] = 0xFF;
    aes.ResetChain();
    EXPECT_EQ(aes.ChainBlock()[0], 1);
    // The chain block plays no part in a single-block operation.
    std::uint8_t withChain[24], withoutChain[24];
    aes.EncryptBlock(block, withChain);
    aes.MakeKey(key, nullptr, 16, 24);
    aes.EncryptBlock(block, withoutChain);
    EXPECT_EQ(Bytes(withChain, withChain + 24), Bytes(withoutChain, withoutChain + 24));
}

}  // namespace
