#pragma once
// Windows colour values: a COLORREF is 0x00BBGGRR, so 0xFF0000 is pure blue and
// 0x0000FF is pure red.
#include <QColor>

#include <cstdint>

namespace ui {

using ColorRef = std::uint32_t;

// The RGB(r, g, b) macro of the Windows headers.
constexpr ColorRef Rgb(int r, int g, int b) {
    return static_cast<ColorRef>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}

constexpr int RedOf(ColorRef c) { return static_cast<int>(c & 0xFF); }
constexpr int GreenOf(ColorRef c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueOf(ColorRef c) { return static_cast<int>((c >> 16) & 0xFF); }

inline QColor ToQColor(ColorRef c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); }
inline ColorRef FromQColor(const QColor& c) { return Rgb(c.red(), c.green(), c.blue()); }

// The same colour as a packed QRgb (0xAARRGGBB, opaque), for comparing pixels exactly.
constexpr std::uint32_t ToOpaqueRgb(ColorRef c) {
    return 0xFF000000u | (static_cast<std::uint32_t>(RedOf(c)) << 16) |
           (static_cast<std::uint32_t>(GreenOf(c)) << 8) | static_cast<std::uint32_t>(BlueOf(c));
}

// Colours the windows use again and again.
inline constexpr ColorRef kPureBlue = 0xFF0000;  // the usual transparent colour of buttons
inline constexpr ColorRef kPureRed = 0x0000FF;   // the transparent colour of a few buttons

}  // namespace ui
