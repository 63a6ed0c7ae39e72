#pragma once
// CAesBlockCipher: the Rijndael block cipher (AES as standardised in FIPS-197 when the
// block is 16 bytes), with 16-, 24- or 32-byte keys and blocks, table-driven. It works on
// single blocks only: no mode of operation, no padding. The chain block given at key
// set-up is kept (twice: as given and a working copy) for callers that chain blocks
// themselves; single-block operations do not use it.
//
// Errors are thrown as std::runtime_error with the texts "Empty key",
// "Incorrect key length", "Incorrect block length" and "Object not Initialized".
#include <cstdint>

class CAesBlockCipher {
public:
    static constexpr int kMaxBlockSize = 32;
    static constexpr int kMaxRounds = 14;

    CAesBlockCipher() = default;
    virtual ~CAesBlockCipher() = default;

    // Key set-up. `key` holds keyLength bytes; `chain` holds blockSize bytes (nullptr means
    // a zero chain block). Lengths are 16, 24 or 32.
    void MakeKey(const std::uint8_t* key, const std::uint8_t* chain, int keyLength = 16,
                 int blockSize = 16);

    // One block of BlockSize() bytes from `in` to `out` (they may be the same buffer).
    void EncryptBlock(const std::uint8_t* in, std::uint8_t* out) const;
    void DecryptBlock(const std::uint8_t* in, std::uint8_t* out) const;

    bool IsKeySet() const { return keySet_; }
    int KeyLength() const { return keyLength_; }
    int BlockSize() const { return blockSize_; }
    int Rounds() const { return rounds_; }
    const std::uint8_t* InitialChainBlock() const { return chainInitial_; }
    std::uint8_t* ChainBlock() { return chain_; }
    // Restores the working chain block to the value given at key set-up.
    void ResetChain();

private:
    void RequireKey() const;

    bool keySet_ = false;
    int keyLength_ = 0;
    int blockSize_ = 0;
    int rounds_ = 0;
    // Round keys as big-endian column words: round r occupies columns 0..Nb-1 of row r.
    std::uint32_t encryptKeys_[kMaxRounds + 1][kMaxBlockSize / 4] = {};
    std::uint32_t decryptKeys_[kMaxRounds + 1][kMaxBlockSize / 4] = {};
    std::uint8_t chainInitial_[kMaxBlockSize] = {};
    std::uint8_t chain_[kMaxBlockSize] = {};
};
