#pragma once
// The Rijndael lookup tables, computed once at compile time from the field arithmetic:
// the S-box and its inverse, the four combined encryption round tables (SubBytes with
// MixColumns, one per byte position) and the four decryption tables (inverse S-box with
// InvMixColumns), and the round constants.
#include <array>
#include <cstdint>

namespace aes_tables {

constexpr std::uint8_t Times2(std::uint8_t x) {
    return static_cast<std::uint8_t>((x << 1) ^ ((x & 0x80) ? 0x1B : 0x00));
}

// Multiplication in GF(2^8) modulo x^8 + x^4 + x^3 + x + 1.
constexpr std::uint8_t Multiply(std::uint8_t a, std::uint8_t b) {
    std::uint8_t product = 0;
    while (b) {
        if (b & 1) product ^= a;
        a = Times2(a);
        b >>= 1;
    }
    return product;
}

constexpr std::uint32_t Word(std::uint8_t b0, std::uint8_t b1, std::uint8_t b2, std::uint8_t b3) {
    return (std::uint32_t{b0} << 24) | (std::uint32_t{b1} << 16) | (std::uint32_t{b2} << 8) | b3;
}

constexpr std::uint32_t RotateRight8(std::uint32_t w) {
    return (w >> 8) | (w << 24);
}

struct Tables {
    std::array<std::uint8_t, 256> sbox{};
    std::array<std::uint8_t, 256> inverseSbox{};
    std::array<std::array<std::uint32_t, 256>, 4> encrypt{};
    std::array<std::array<std::uint32_t, 256>, 4> decrypt{};
    std::array<std::uint8_t, 30> roundConstants{};
};

constexpr Tables Build() {
    Tables t;
    // Powers and logarithms of the generator 3 give the multiplicative inverses.
    std::array<std::uint8_t, 256> power{};
    std::array<std::uint8_t, 256> logarithm{};
    std::uint8_t x = 1;
    for (int i = 0; i < 255; ++i) {
        power[i] = x;
        logarithm[x] = static_cast<std::uint8_t>(i);
        x = Multiply(x, 3);
    }
    for (int v = 0; v < 256; ++v) {
        std::uint8_t inverse = v == 0 ? 0 : power[(255 - logarithm[v]) % 255];
        // Affine transform: b ^ rotl(b,1) ^ rotl(b,2) ^ rotl(b,3) ^ rotl(b,4) ^ 0x63.
        std::uint8_t s = inverse;
        for (int r = 1; r <= 4; ++r)
            s ^= static_cast<std::uint8_t>((inverse << r) | (inverse >> (8 - r)));
        s ^= 0x63;
        t.sbox[v] = s;
        t.inverseSbox[s] = static_cast<std::uint8_t>(v);
    }
    for (int v = 0; v < 256; ++v) {
        std::uint8_t s = t.sbox[v];
        std::uint8_t si = t.inverseSbox[v];
        std::uint32_t e = Word(Multiply(s, 2), s, s, Multiply(s, 3));
        std::uint32_t d =
            Word(Multiply(si, 14), Multiply(si, 9), Multiply(si, 13), Multiply(si, 11));
        for (int k = 0; k < 4; ++k) {
            t.encrypt[k][v] = e;
            t.decrypt[k][v] = d;
            e = RotateRight8(e);
            d = RotateRight8(d);
        }
    }
    std::uint8_t rc = 1;
    for (auto& c : t.roundConstants) {
        c = rc;
        rc = Times2(rc);
    }
    return t;
}

inline constexpr Tables kTables = Build();

}  // namespace aes_tables
