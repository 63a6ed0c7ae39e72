#include "common/ui/skin_image.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QWidget>

#include <vector>

#include "common/platform/files.h"
#include "common/ui/window_system.h"

namespace {

int g_displayDepthOverride = 0;

int DisplayDepth() {
    if (g_displayDepthOverride > 0) return g_displayDepthOverride;
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        if (QScreen* screen = app->primaryScreen()) return screen->depth();
    }
    return 32;
}

QImage::Format CompatibleFormat() {
    switch (DisplayDepth()) {
        case 16: return QImage::Format_RGB16;
        case 15: return QImage::Format_RGB555;
        case 24: return QImage::Format_RGB888;
        default: return QImage::Format_RGB32;
    }
}

std::string LowerExtension(const std::string& fileName) {
    const auto slash = fileName.find_last_of("/\\");
    const auto dot = fileName.rfind('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
    std::string extension = fileName.substr(dot + 1);
    for (char& c : extension) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return extension;
}

// One row's runs of non-black pixels as [begin, end) column pairs.
std::vector<int> RowRuns(const QImage& image, int y) {
    std::vector<int> runs;
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    const int width = image.width();
    int x = 0;
    while (x < width) {
        while (x < width && (row[x] & 0x00FFFFFFu) == 0) ++x;
        if (x == width) break;
        const int begin = x;
        while (x < width && (row[x] & 0x00FFFFFFu) != 0) ++x;
        runs.push_back(begin);
        runs.push_back(x);
    }
    return runs;
}

// The bitmap with every pure black pixel (outside the shape) made transparent.
QImage WithoutOutside(const QImage& bitmap) {
    QImage result = bitmap.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < result.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x)
            if ((row[x] & 0x00FFFFFFu) == 0) row[x] = 0;
    }
    return result;
}

}  // namespace

void CSkinImage::SetDisplayDepthForTesting(int bitsPerPixel) { g_displayDepthOverride = bitsPerPixel; }

void CSkinImage::SetScale(int numerator, int denominator) {
    if (numerator <= 0 || denominator <= 0) return;
    numerator_ = numerator;
    denominator_ = denominator;
}

void CSkinImage::Release() {
    kind_ = kNothing;
    bitmap_ = QImage();
}

bool CSkinImage::Load(const std::string& fileName) {
    if (!platform::FileExists(fileName)) return false;
    Release();
    const std::string extension = LowerExtension(fileName);
    Kind kind;
    if (extension == "bmp") {
        kind = kBitmapFile;
    } else if (extension == "jpg" || extension == "jpeg" || extension == "gif") {
        kind = kPicture;
    } else {
        return false;
    }
    std::string data;
    if (!platform::ReadWholeFile(fileName, data)) return false;
    QImage picture;
    if (!picture.loadFromData(reinterpret_cast<const uchar*>(data.data()),
                              static_cast<int>(data.size()))) {
        return false;
    }
    const int width = numerator_ * picture.width() / denominator_;
    const int height = numerator_ * picture.height() / denominator_;
    if (width <= 0 || height <= 0) return false;

    // A fresh screen bitmap is black, so see-through parts of a picture end up black
    // too and fall outside the window's shape.
    QImage bitmap(width, height, CompatibleFormat());
    if (bitmap.isNull()) return false;
    bitmap.fill(Qt::black);
    {
        QPainter painter(&bitmap);
        if (kind == kBitmapFile) {
            // A stretched copy: no smoothing, so pure black stays pure black.
            painter.drawImage(QRect(0, 0, width, height), picture);
        } else {
            painter.setRenderHint(QPainter::SmoothPixmapTransform,
                                  width != picture.width() || height != picture.height());
            painter.drawImage(QRect(0, 0, width, height), picture);
        }
    }
    bitmap_ = std::move(bitmap);
    kind_ = kind;
    return true;
}

std::optional<QRegion> CSkinImage::MakeRegion() const {
    if (!IsLoaded()) return std::nullopt;
    return RegionOf(bitmap_);
}

std::optional<QRegion> CSkinImage::RegionOf(const QImage& bitmap) {
    if (bitmap.isNull()) return std::nullopt;
    const int depth = bitmap.depth();
    if (depth != 24 && depth != 32) return std::nullopt;
    const QImage pixels = bitmap.format() == QImage::Format_RGB32 || bitmap.format() == QImage::Format_ARGB32
                              ? bitmap
                              : bitmap.convertToFormat(QImage::Format_RGB32);

    // Rows with the same runs as the row above extend its band, so a plain shape
    // gives a handful of rectangles however tall it is.
    std::vector<QRect> rects;
    std::vector<int> bandRuns;
    std::size_t bandStart = 0;
    for (int y = 0; y < pixels.height(); ++y) {
        std::vector<int> runs = RowRuns(pixels, y);
        if (y > 0 && runs == bandRuns && !runs.empty()) {
            for (std::size_t i = bandStart; i < rects.size(); ++i) rects[i].setBottom(y);
            continue;
        }
        bandStart = rects.size();
        for (std::size_t i = 0; i < runs.size(); i += 2) {
            rects.emplace_back(QPoint(runs[i], y), QPoint(runs[i + 1] - 1, y));
        }
        bandRuns = std::move(runs);
    }
    QRegion region;
    if (!rects.empty()) region.setRects(rects.data(), static_cast<int>(rects.size()));
    return region;
}

void CSkinImage::Draw(QPainter& painter) const {
    if (!bitmap_.isNull()) painter.drawImage(QPoint(0, 0), bitmap_);
}

bool CSkinImage::ShapeWindow(QWidget* window) {
    if (!window) return false;
    const std::optional<QRegion> region = MakeRegion();
    if (!region) return false;
    window->setFixedSize(bitmap_.size());
    window->setMask(*region);
    if (window->isWindow() && ui::CompositorManagesWindows()) {
        window->setAttribute(Qt::WA_TranslucentBackground);
        bitmap_ = WithoutOutside(bitmap_);
    }
    return true;
}
