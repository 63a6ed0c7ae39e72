// Remembered passwords: one AES-128 block under the client's fixed key, written as hex.
#include <cstdint>
#include <cstring>

#include "client/core/aes_block_cipher.h"
#include "client/core/client_util.h"

namespace {

constexpr int kBlock = 16;
constexpr char kClientKey[] = "qrstuvwx24681357";
static_assert(sizeof(kClientKey) - 1 == kBlock);

CAesBlockCipher ClientCipher() {
    const std::uint8_t zeroChain[kBlock] = {};
    CAesBlockCipher cipher;
    cipher.MakeKey(reinterpret_cast<const std::uint8_t*>(kClientKey), zeroChain, kBlock, kBlock);
    return cipher;
}

// The value of an upper-case hex digit, or -1 for any other character.
int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

std::string CClientUtil::EncryptPassword(const std::string& password) const {
    std::uint8_t plain[kBlock] = {};
    std::memcpy(plain, password.data(), password.size() < kBlock ? password.size() : kBlock);
    std::uint8_t encrypted[kBlock];
    ClientCipher().EncryptBlock(plain, encrypted);
    static const char kHex[] = "0123456789ABCDEF";
    std::string text;
    for (std::uint8_t b : encrypted) {
        text.push_back(kHex[b >> 4]);
        text.push_back(kHex[b & 0x0F]);
    }
    return text;
}

std::string CClientUtil::DecryptPassword(const std::string& text) const {
    std::uint8_t encrypted[kBlock];
    for (int i = 0; i < kBlock; ++i) {
        // Two characters per byte; a character that is not an upper-case hex digit (or is
        // missing) ends the byte with the digits read so far.
        int value = 0;
        for (size_t k = 2 * static_cast<size_t>(i); k < 2 * static_cast<size_t>(i) + 2; ++k) {
            int digit = k < text.size() ? HexDigit(text[k]) : -1;
            if (digit < 0) break;
            value = value * 16 + digit;
        }
        encrypted[i] = static_cast<std::uint8_t>(value);
    }
    std::uint8_t plain[kBlock];
    ClientCipher().DecryptBlock(encrypted, plain);
    size_t length = 0;
    while (length < kBlock && plain[length] != 0) ++length;
    return std::string(reinterpret_cast<const char*>(plain), length);
}
