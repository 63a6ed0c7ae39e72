#pragma once
// A deliberately plain Rijndael written straight from its definition (state as a byte
// matrix, S-box by brute-force inversion, MixColumns by field multiplication), used only to
// cross-check the table-driven cipher on every key and block size.
#include <cstdint>
#include <vector>

namespace rijndael_reference {

inline std::uint8_t Mul(std::uint8_t a, std::uint8_t b) {
    std::uint8_t p = 0;
    for (int i = 0; i < 8; ++i) {
        if (b & 1) p ^= a;
        bool high = a & 0x80;
        a = static_cast<std::uint8_t>(a << 1);
        if (high) a ^= 0x1B;
        b >>= 1;
    }
    return p;
}

inline std::uint8_t SubByte(std::uint8_t v) {
    std::uint8_t inv = 0;
    for (int c = 1; c < 256 && v; ++c)
        if (Mul(v, static_cast<std::uint8_t>(c)) == 1) inv = static_cast<std::uint8_t>(c);
    std::uint8_t out = 0x63;
    for (int bit = 0; bit < 8; ++bit) {
        int b = ((inv >> bit) ^ (inv >> ((bit + 4) % 8)) ^ (inv >> ((bit + 5) % 8)) ^
                 (inv >> ((bit + 6) % 8)) ^ (inv >> ((bit + 7) % 8))) &
                1;
        out ^= static_cast<std::uint8_t>(b << bit);
    }
    return out;
}

// Encrypts one block of `block.size()` bytes (16, 24 or 32) under `key` (16, 24 or 32).
inline std::vector<std::uint8_t> Encrypt(const std::vector<std::uint8_t>& key,
                                         std::vector<std::uint8_t> block) {
    const int nk = static_cast<int>(key.size()) / 4;
    const int nb = static_cast<int>(block.size()) / 4;
    const int rounds = 6 + (nk > nb ? nk : nb);
    // Key schedule as bytes, four per word.
    std::vector<std::uint8_t> w(key);
    std::uint8_t rcon = 1;
    for (int i = nk; i < nb * (rounds + 1); ++i) {
        std::uint8_t t[4] = {w[4 * (i - 1)], w[4 * (i - 1) + 1], w[4 * (i - 1) + 2],
                             w[4 * (i - 1) + 3]};
        if (i % nk == 0) {
            std::uint8_t first = t[0];
            t[0] = static_cast<std::uint8_t>(SubByte(t[1]) ^ rcon);
            t[1] = SubByte(t[2]);
            t[2] = SubByte(t[3]);
            t[3] = SubByte(first);
            rcon = Mul(rcon, 2);
        } else if (nk > 6 && i % nk == 4) {
            for (auto& b : t) b = SubByte(b);
        }
        for (int j = 0; j < 4; ++j) w.push_back(w[4 * (i - nk) + j] ^ t[j]);
    }
    auto addRoundKey = [&](int round) {
        for (int i = 0; i < 4 * nb; ++i) block[i] ^= w[4 * nb * round + i];
    };
    const int shifts[4] = {0, 1, nb == 8 ? 3 : 2, nb == 8 ? 4 : 3};
    addRoundKey(0);
    for (int round = 1; round <= rounds; ++round) {
        for (auto& b : block) b = SubByte(b);
        std::vector<std::uint8_t> shifted(block.size());
        for (int c = 0; c < nb; ++c)
            for (int r = 0; r < 4; ++r) shifted[4 * c + r] = block[4 * ((c + shifts[r]) % nb) + r];
        block = shifted;
        if (round != rounds) {
            for (int c = 0; c < nb; ++c) {
                std::uint8_t* col = &block[4 * c];
                std::uint8_t a[4] = {col[0], col[1], col[2], col[3]};
                for (int r = 0; r < 4; ++r)
                    col[r] =
                        Mul(a[r], 2) ^ Mul(a[(r + 1) % 4], 3) ^ a[(r + 2) % 4] ^ a[(r + 3) % 4];
            }
        }
        addRoundKey(round);
    }
    return block;
}

}  // namespace rijndael_reference
