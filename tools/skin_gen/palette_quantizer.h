#pragma once
// Reduces a true-colour picture to a palette of at most 256 colours for GIF.
//
// Reserved colours (the key colours of the skin: pure black outside window shapes,
// pure blue or red outside button shapes) are kept exactly, and only pixels of exactly
// that colour use them: every other pixel maps to one of the other entries, so art
// never turns into a key by rounding.
#include <cstdint>
#include <vector>

namespace skin_gen {

struct IndexedPicture {
    std::vector<std::uint32_t> palette;  // 0x00RRGGBB
    std::vector<std::uint8_t> indices;
};

// `pixels` are 0x??RRGGBB (the top byte is ignored).
IndexedPicture Quantize(const std::vector<std::uint32_t>& pixels,
                        const std::vector<std::uint32_t>& reserved, int maxColours = 256);

}  // namespace skin_gen
