#pragma once
// A GIF89a writer for one still, palette-indexed picture, with its own LZW coder.
#include <cstdint>
#include <string>
#include <vector>

namespace skin_gen {

// Encodes a `width` x `height` picture whose pixels are indices into `palette`
// (0x00RRGGBB entries, at most 256). Returns the bytes of the file, or "" when the
// input is inconsistent.
std::string EncodeGif(int width, int height, const std::vector<std::uint32_t>& palette,
                      const std::vector<std::uint8_t>& indices);

// The LZW-coded image data of a GIF (minimum code size given), without the sub-block
// framing: exposed for tests.
std::string LzwEncode(const std::vector<std::uint8_t>& indices, int minimumCodeSize);

}  // namespace skin_gen
