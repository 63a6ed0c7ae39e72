#include "client/core/aes_block_cipher.h"

#include <cstring>
#include <stdexcept>

#include "client/core/aes_tables.h"

namespace {

using aes_tables::kTables;

bool IsValidLength(int length) {
    return length == 16 || length == 24 || length == 32;
}

std::uint32_t LoadWord(const std::uint8_t* p) {
    return aes_tables::Word(p[0], p[1], p[2], p[3]);
}

void StoreWord(std::uint32_t w, std::uint8_t* p) {
    p[0] = static_cast<std::uint8_t>(w >> 24);
    p[1] = static_cast<std::uint8_t>(w >> 16);
    p[2] = static_cast<std::uint8_t>(w >> 8);
    p[3] = static_cast<std::uint8_t>(w);
}

std::uint8_t Byte(std::uint32_t w, int index) {  // index 0 is the most significant byte
    return static_cast<std::uint8_t>(w >> (24 - 8 * index));
}

std::uint32_t SubWord(std::uint32_t w) {
    return aes_tables::Word(kTables.sbox[Byte(w, 0)], kTables.sbox[Byte(w, 1)],
                            kTables.sbox[Byte(w, 2)], kTables.sbox[Byte(w, 3)]);
}

std::uint32_t InverseMixColumn(std::uint32_t w) {
    // The decryption tables hold InvMixColumns after the inverse S-box; undo that S-box.
    return kTables.decrypt[0][kTables.sbox[Byte(w, 0)]] ^
           kTables.decrypt[1][kTables.sbox[Byte(w, 1)]] ^
           kTables.decrypt[2][kTables.sbox[Byte(w, 2)]] ^
           kTables.decrypt[3][kTables.sbox[Byte(w, 3)]];
}

// How far rows 1, 2 and 3 rotate in ShiftRows for a block of `columns` columns.
struct RowShifts {
    int row1, row2, row3;
};
RowShifts ShiftsFor(int columns) {
    return columns == 8 ? RowShifts{1, 3, 4} : RowShifts{1, 2, 3};
}

}  // namespace

void CAesBlockCipher::MakeKey(const std::uint8_t* key, const std::uint8_t* chain, int keyLength,
                              int blockSize) {
    if (key == nullptr) throw std::runtime_error("Empty key");
    if (!IsValidLength(keyLength)) throw std::runtime_error("Incorrect key length");
    if (!IsValidLength(blockSize)) throw std::runtime_error("Incorrect block length");

    keySet_ = false;
    keyLength_ = keyLength;
    blockSize_ = blockSize;
    const int keyWords = keyLength / 4;
    const int columns = blockSize / 4;
    rounds_ = 6 + (keyWords > columns ? keyWords : columns);

    std::memset(chainInitial_, 0, sizeof(chainInitial_));
    if (chain) std::memcpy(chainInitial_, chain, static_cast<size_t>(blockSize));
    std::memcpy(chain_, chainInitial_, sizeof(chain_));

    // Rijndael key expansion over Nb * (Nr + 1) words.
    const int totalWords = columns * (rounds_ + 1);
    std::uint32_t w[(kMaxRounds + 1) * (kMaxBlockSize / 4)];
    for (int i = 0; i < keyWords; ++i) w[i] = LoadWord(key + 4 * i);
    for (int i = keyWords; i < totalWords; ++i) {
        std::uint32_t temp = w[i - 1];
        if (i % keyWords == 0) {
            temp = SubWord((temp << 8) | (temp >> 24)) ^
                   (std::uint32_t{kTables.roundConstants[i / keyWords - 1]} << 24);
        } else if (keyWords > 6 && i % keyWords == 4) {
            temp = SubWord(temp);
        }
        w[i] = w[i - keyWords] ^ temp;
    }
    for (int r = 0; r <= rounds_; ++r)
        for (int c = 0; c < columns; ++c) encryptKeys_[r][c] = w[r * columns + c];

    // Equivalent inverse cipher: round keys in reverse order, inner ones through
    // InvMixColumns.
    for (int r = 0; r <= rounds_; ++r) {
        for (int c = 0; c < columns; ++c) {
            std::uint32_t k = encryptKeys_[rounds_ - r][c];
            decryptKeys_[r][c] = (r == 0 || r == rounds_) ? k : InverseMixColumn(k);
        }
    }
    keySet_ = true;
}

void CAesBlockCipher::ResetChain() {
    std::memcpy(chain_, chainInitial_, sizeof(chain_));
}

void CAesBlockCipher::RequireKey() const {
    if (!keySet_) throw std::runtime_error("Object not Initialized");
}

void CAesBlockCipher::EncryptBlock(const std::uint8_t* in, std::uint8_t* out) const {
    RequireKey();
    const int nb = blockSize_ / 4;
    const RowShifts shift = ShiftsFor(nb);
    const auto& te = kTables.encrypt;
    std::uint32_t s[kMaxBlockSize / 4];
    std::uint32_t t[kMaxBlockSize / 4];
    for (int c = 0; c < nb; ++c) s[c] = LoadWord(in + 4 * c) ^ encryptKeys_[0][c];
    for (int r = 1; r < rounds_; ++r) {
        for (int c = 0; c < nb; ++c) {
            t[c] = te[0][Byte(s[c], 0)] ^ te[1][Byte(s[(c + shift.row1) % nb], 1)] ^
                   te[2][Byte(s[(c + shift.row2) % nb], 2)] ^
                   te[3][Byte(s[(c + shift.row3) % nb], 3)] ^ encryptKeys_[r][c];
        }
        std::memcpy(s, t, sizeof(std::uint32_t) * static_cast<size_t>(nb));
    }
    const auto& sb = kTables.sbox;
    for (int c = 0; c < nb; ++c) {
        std::uint32_t v = aes_tables::Word(sb[Byte(s[c], 0)], sb[Byte(s[(c + shift.row1) % nb], 1)],
                                           sb[Byte(s[(c + shift.row2) % nb], 2)],
                                           sb[Byte(s[(c + shift.row3) % nb], 3)]);
        StoreWord(v ^ encryptKeys_[rounds_][c], out + 4 * c);
    }
}

void CAesBlockCipher::DecryptBlock(const std::uint8_t* in, std::uint8_t* out) const {
    RequireKey();
    const int nb = blockSize_ / 4;
    const RowShifts shift = ShiftsFor(nb);
    const int back1 = nb - shift.row1;
    const int back2 = nb - shift.row2;
    const int back3 = nb - shift.row3;
    const auto& td = kTables.decrypt;
    std::uint32_t s[kMaxBlockSize / 4];
    std::uint32_t t[kMaxBlockSize / 4];
    for (int c = 0; c < nb; ++c) s[c] = LoadWord(in + 4 * c) ^ decryptKeys_[0][c];
    for (int r = 1; r < rounds_; ++r) {
        for (int c = 0; c < nb; ++c) {
            t[c] = td[0][Byte(s[c], 0)] ^ td[1][Byte(s[(c + back1) % nb], 1)] ^
                   td[2][Byte(s[(c + back2) % nb], 2)] ^ td[3][Byte(s[(c + back3) % nb], 3)] ^
                   decryptKeys_[r][c];
        }
        std::memcpy(s, t, sizeof(std::uint32_t) * static_cast<size_t>(nb));
    }
    const auto& si = kTables.inverseSbox;
    for (int c = 0; c < nb; ++c) {
        std::uint32_t v =
            aes_tables::Word(si[Byte(s[c], 0)], si[Byte(s[(c + back1) % nb], 1)],
                             si[Byte(s[(c + back2) % nb], 2)], si[Byte(s[(c + back3) % nb], 3)]);
        StoreWord(v ^ decryptKeys_[rounds_][c], out + 4 * c);
    }
}
