// The GIF writer and the palette quantizer, checked by decoding with Qt's GIF reader.
#include <gtest/gtest.h>

#include <QImage>

#include <random>

#include "tools/skin_gen/gif_writer.h"
#include "tools/skin_gen/palette_quantizer.h"

namespace {

QImage Decode(const std::string& bytes) {
    QImage image;
    image.loadFromData(reinterpret_cast<const uchar*>(bytes.data()), static_cast<int>(bytes.size()), "GIF");
    return image;
}

// Encodes indices over `palette`, decodes, and counts pixels that differ.
int RoundTripMismatches(int w, int h, const std::vector<std::uint32_t>& palette,
                        const std::vector<std::uint8_t>& indices) {
    const std::string bytes = skin_gen::EncodeGif(w, h, palette, indices);
    EXPECT_EQ(bytes.substr(0, 6), "GIF89a");
    const QImage image = Decode(bytes);
    EXPECT_EQ(image.size(), QSize(w, h));
    if (image.size() != QSize(w, h)) return -1;
    int mismatches = 0;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            mismatches += (image.pixel(x, y) & 0xFFFFFF) != palette[indices[y * w + x]];
        }
    }
    return mismatches;
}

}  // namespace

TEST(GifWriter, RoundTripsSmallAndOddPalettes) {
    EXPECT_EQ(RoundTripMismatches(1, 1, {0x123456}, {0}), 0);
    std::vector<std::uint8_t> stripes;
    for (int i = 0; i < 37 * 11; ++i) stripes.push_back(static_cast<std::uint8_t>((i / 3) % 5));
    EXPECT_EQ(RoundTripMismatches(37, 11, {0x000000, 0x0000FF, 0xFF0000, 0xFFFFFF, 0x808080}, stripes), 0);
}

TEST(GifWriter, RoundTripsNoiseThatFillsTheCodeTableManyTimes) {
    std::mt19937 random(7);
    std::vector<std::uint32_t> palette(256);
    for (int i = 0; i < 256; ++i) palette[i] = (static_cast<std::uint32_t>(i) << 16) | (255 - i) << 8 | (i * 7 & 0xFF);
    std::vector<std::uint8_t> noise(301 * 203);
    for (auto& index : noise) index = static_cast<std::uint8_t>(random() & 0xFF);
    EXPECT_EQ(RoundTripMismatches(301, 203, palette, noise), 0);
    // Long runs grow long codes.
    std::vector<std::uint8_t> runs(512 * 64);
    for (std::size_t i = 0; i < runs.size(); ++i) runs[i] = static_cast<std::uint8_t>((i / 97) % 3);
    EXPECT_EQ(RoundTripMismatches(512, 64, {0x010203, 0xA0B0C0, 0xFFEEDD}, runs), 0);
}

TEST(GifWriter, RefusesInconsistentInput) {
    EXPECT_EQ(skin_gen::EncodeGif(2, 2, {0}, {0, 0, 0}), "");
    EXPECT_EQ(skin_gen::EncodeGif(1, 1, {0}, {1}), "");
    EXPECT_EQ(skin_gen::EncodeGif(0, 1, {0}, {}), "");
    EXPECT_EQ(skin_gen::EncodeGif(1, 1, {}, {0}), "");
}

TEST(PaletteQuantizer, KeepsKeysExactAndNeverRoundsArtOntoThem) {
    std::vector<std::uint32_t> pixels;
    for (int i = 0; i < 5000; ++i) pixels.push_back(static_cast<std::uint32_t>(i * 2654435761u) & 0xFFFFFF);
    pixels.push_back(0x0000FF);  // the key
    pixels.push_back(0x0000FE);  // one off the key: art
    pixels.push_back(0x000000);
    const auto picture = skin_gen::Quantize(pixels, {0x0000FF});
    ASSERT_LE(picture.palette.size(), 256u);
    ASSERT_EQ(picture.indices.size(), pixels.size());
    const std::uint32_t keyColour = picture.palette[picture.indices[5000]];
    EXPECT_EQ(keyColour, 0x0000FFu);
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        if (i == 5000) continue;
        EXPECT_NE(picture.palette[picture.indices[i]], 0x0000FFu) << i;
    }
}

TEST(PaletteQuantizer, FewColoursStayExact) {
    const std::vector<std::uint32_t> pixels = {0x112233, 0x445566, 0x112233, 0x000000, 0xFFFFFF};
    const auto picture = skin_gen::Quantize(pixels, {0x000000});
    for (std::size_t i = 0; i < pixels.size(); ++i) EXPECT_EQ(picture.palette[picture.indices[i]], pixels[i]);
}
