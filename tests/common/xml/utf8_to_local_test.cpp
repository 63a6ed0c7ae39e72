// The server documents' converter: three bytes per character and the first byte dropped.
#include "common/xml/utf8_to_local.h"

#include <gtest/gtest.h>

TEST(Utf8ToLocal, DropsTheFirstByteOfTheResult) {
    EXPECT_EQ(Utf8ToLocal("abc"), "bc");
    EXPECT_EQ(Utf8ToLocal(""), "");
    EXPECT_EQ(Utf8ToLocal("a"), "");
    // A byte-order mark is one character: GBK has none for U+FEFF, so it becomes the
    // default character, and that is the byte dropped.
    EXPECT_EQ(Utf8ToLocal("\xEF\xBB\xBF<r>\xE4\xB8\xAD</r>\r\n"), "<r>\xD6\xD0</r>\r\n");
    // Without a mark the document loses its own '<'.
    EXPECT_EQ(Utf8ToLocal("<?xml?><r/>"), "?xml?><r/>");
}

TEST(Utf8ToLocal, EveryHighByteStartsAThreeByteSequence) {
    // A two-byte sequence (C3 A9, an e acute) swallows the byte after it: the three give
    // (3 << 12) | (0x29 << 6) | 0x01 = U+3A41, which GBK lacks.
    EXPECT_EQ(Utf8ToLocal("x\xC3\xA9" "Ab"), "?b");
    // Characters without a GBK equivalent become '?'; surrogates too.
    EXPECT_EQ(Utf8ToLocal("x\xED\xA0\x80y"), "?y");
    EXPECT_EQ(Utf8ToLocal("x\xEA\xB0\x80"), "?");  // a Hangul syllable: not in GBK
}

TEST(Utf8ToLocal, ACutShortSequenceAtTheEndIsNotReadPast) {
    // The input views stop inside a longer buffer: nothing past the view may show.
    const std::string buffer = "xy\xE4\xB8\xAD";
    EXPECT_EQ(Utf8ToLocal(std::string_view(buffer).substr(0, 4)), "y");
    EXPECT_EQ(Utf8ToLocal(std::string_view(buffer).substr(0, 3)), "y");
    EXPECT_EQ(Utf8ToLocal(std::string_view(buffer).substr(0, 5)), "y\xD6\xD0");
    EXPECT_EQ(Utf8ToLocal("\xE4"), "");
}
