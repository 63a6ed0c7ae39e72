#include "common/ui/centre_stretch.h"

namespace ui {
namespace {

// The source coordinate for `target` when an extent grows from `sourceExtent` to
// `targetExtent`: the first half as is, then the centre line repeated, then the rest.
int SourceOf(int target, int targetExtent, int sourceExtent) {
    const int centre = sourceExtent / 2;
    const int tail = sourceExtent - centre - 1;  // lines after the centre line
    if (target < centre) return target;
    if (target >= targetExtent - tail) return target - (targetExtent - sourceExtent);
    return centre;
}

}  // namespace

QImage StretchFromCentre(const QImage& picture, QSize size) {
    if (picture.isNull()) return QImage();
    size = size.expandedTo(picture.size());
    if (size == picture.size()) return picture;
    // Premultiplied pixels copy as they are, so transparent parts stay transparent.
    const QImage::Format format =
        picture.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
    const QImage source = picture.convertToFormat(format);
    QImage result(size, format);
    for (int y = 0; y < size.height(); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(
            source.constScanLine(SourceOf(y, size.height(), source.height())));
        auto* to = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < size.width(); ++x) to[x] = from[SourceOf(x, size.width(), source.width())];
    }
    return result.convertToFormat(picture.format());
}

}  // namespace ui
