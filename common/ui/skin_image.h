#pragma once
// CSkinImage: a window-background picture rendered once into a ready bitmap (scaled on
// loading), drawn at (0, 0) and from which the window's shape is cut: every pixel that
// is not pure black belongs to the window.
#include <QImage>
#include <QRegion>

#include <optional>
#include <string>

class QPainter;
class QWidget;

class CSkinImage {
public:
    // What the last Load read.
    enum class Kind { kNothing, kBitmapFile, kPicture };
    using enum Kind;

    // Loads by the extension after the last '.', compared without regard to case:
    // "bmp" as a bitmap file, "jpg", "jpeg" and "gif" as pictures; anything else, a
    // missing file or undecodable data gives false. What was loaded before is released.
    bool Load(const std::string& fileName);

    // The bitmap is made numerator/denominator times the picture's size (100/100).
    void SetScale(int numerator, int denominator);

    // The shape: every pixel that is not pure black, or nothing when no picture is
    // loaded or the bitmap's colour depth is neither 24 nor 32 bits.
    std::optional<QRegion> MakeRegion() const;
    static std::optional<QRegion> RegionOf(const QImage& bitmap);

    // Copies the bitmap to the painter at (0, 0).
    void Draw(QPainter& painter) const;

    // Sizes `window` to the bitmap and sets its mask to the region; false when there
    // is no region (the window is left as it was). Where the compositor ignores window
    // masks (Wayland), a top-level window is made translucent instead and the bitmap's
    // pixels outside the shape transparent, so the shape still shows; call it before
    // the window is first shown.
    bool ShapeWindow(QWidget* window);

    void Release();

    Kind kind() const { return kind_; }
    bool IsLoaded() const { return kind_ != kNothing; }
    int Width() const { return bitmap_.width(); }
    int Height() const { return bitmap_.height(); }
    QSize Size() const { return bitmap_.size(); }
    const QImage& Bitmap() const { return bitmap_; }

    // Bitmaps are made in the display's colour depth; tests may pretend another one.
    static void SetDisplayDepthForTesting(int bitsPerPixel);  // 0 = the real display

private:
    Kind kind_ = kNothing;
    int numerator_ = 100;
    int denominator_ = 100;
    QImage bitmap_;
};
