#include "tools/skin_gen/gif_writer.h"

#include <algorithm>
#include <unordered_map>

namespace skin_gen {
namespace {

constexpr int kMaxCodes = 4096;

// Writes variable-width codes least significant bit first, as GIF requires.
class BitWriter {
public:
    void Write(int code, int width) {
        buffer_ |= static_cast<std::uint32_t>(code) << bits_;
        bits_ += width;
        while (bits_ >= 8) {
            out_.push_back(static_cast<char>(buffer_ & 0xFF));
            buffer_ >>= 8;
            bits_ -= 8;
        }
    }
    std::string Finish() {
        if (bits_ > 0) out_.push_back(static_cast<char>(buffer_ & 0xFF));
        buffer_ = 0;
        bits_ = 0;
        return std::move(out_);
    }

private:
    std::string out_;
    std::uint32_t buffer_ = 0;
    int bits_ = 0;
};

void PutWord(std::string& out, int value) {
    out.push_back(static_cast<char>(value & 0xFF));
    out.push_back(static_cast<char>((value >> 8) & 0xFF));
}

}  // namespace

std::string LzwEncode(const std::vector<std::uint8_t>& indices, int minimumCodeSize) {
    const int clearCode = 1 << minimumCodeSize;
    const int endCode = clearCode + 1;
    BitWriter writer;
    std::unordered_map<std::uint32_t, int> table;  // (prefix code << 8 | byte) -> code
    table.reserve(kMaxCodes * 2);
    int codeSize = minimumCodeSize + 1;
    int lastCode = endCode;  // the highest code in use

    writer.Write(clearCode, codeSize);
    if (indices.empty()) {
        writer.Write(endCode, codeSize);
        return writer.Finish();
    }
    int prefix = indices[0];
    for (std::size_t i = 1; i < indices.size(); ++i) {
        const std::uint8_t pixel = indices[i];
        const std::uint32_t key = (static_cast<std::uint32_t>(prefix) << 8) | pixel;
        const auto found = table.find(key);
        if (found != table.end()) {
            prefix = found->second;
            continue;
        }
        writer.Write(prefix, codeSize);
        table.emplace(key, ++lastCode);
        if (lastCode >= (1 << codeSize) && codeSize < 12) ++codeSize;
        if (lastCode == kMaxCodes - 1) {
            // The table is full: start afresh so the decoder never needs a 13th bit.
            writer.Write(clearCode, codeSize);
            table.clear();
            codeSize = minimumCodeSize + 1;
            lastCode = endCode;
        }
        prefix = pixel;
    }
    writer.Write(prefix, codeSize);
    // The decoder grows its table after this code too; it expects the end code at the
    // width it reaches then.
    if (lastCode + 1 >= (1 << codeSize) && codeSize < 12) ++codeSize;
    writer.Write(endCode, codeSize);
    return writer.Finish();
}

std::string EncodeGif(int width, int height, const std::vector<std::uint32_t>& palette,
                      const std::vector<std::uint8_t>& indices) {
    if (width <= 0 || height <= 0 || width > 0xFFFF || height > 0xFFFF) return {};
    if (palette.empty() || palette.size() > 256) return {};
    if (indices.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) return {};
    for (std::uint8_t index : indices) {
        if (index >= palette.size()) return {};
    }

    int tableBits = 1;  // the colour table holds 2^tableBits entries
    while ((1u << tableBits) < palette.size()) ++tableBits;
    const int minimumCodeSize = std::max(2, tableBits);

    std::string out = "GIF89a";
    PutWord(out, width);
    PutWord(out, height);
    out.push_back(static_cast<char>(0x80 | ((tableBits - 1) << 4) | (tableBits - 1)));
    out.push_back('\0');  // background colour index
    out.push_back('\0');  // pixel aspect ratio: not given
    for (int i = 0; i < (1 << tableBits); ++i) {
        const std::uint32_t colour = i < static_cast<int>(palette.size()) ? palette[i] : 0;
        out.push_back(static_cast<char>((colour >> 16) & 0xFF));
        out.push_back(static_cast<char>((colour >> 8) & 0xFF));
        out.push_back(static_cast<char>(colour & 0xFF));
    }

    out.push_back(',');  // image descriptor
    PutWord(out, 0);
    PutWord(out, 0);
    PutWord(out, width);
    PutWord(out, height);
    out.push_back('\0');  // no local table, not interlaced

    out.push_back(static_cast<char>(minimumCodeSize));
    const std::string data = LzwEncode(indices, minimumCodeSize);
    for (std::size_t at = 0; at < data.size(); at += 255) {
        const std::size_t length = std::min<std::size_t>(255, data.size() - at);
        out.push_back(static_cast<char>(length));
        out.append(data, at, length);
    }
    out.push_back('\0');  // block terminator
    out.push_back(';');   // trailer
    return out;
}

}  // namespace skin_gen
