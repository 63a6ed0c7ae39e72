#include "client/widgets/background_effect.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace background_effect {
namespace {

QColor Shade(const QColor& colour, int delta) {
    return QColor(std::clamp(colour.red() + delta, 0, 255), std::clamp(colour.green() + delta, 0, 255),
                  std::clamp(colour.blue() + delta, 0, 255));
}

// A small fixed pseudo-random sequence, so the same label paints the same grain.
class Grain {
public:
    int Next(int amplitude) {
        state_ = state_ * 1664525u + 1013904223u;
        if (amplitude <= 0) return 0;
        return static_cast<int>((state_ >> 8) % static_cast<std::uint32_t>(2 * amplitude + 1)) - amplitude;
    }

private:
    std::uint32_t state_ = 0x51ED27u;
};

void LinearFill(QPainter& p, const QRect& r, bool horizontal, std::initializer_list<QColor> stops) {
    QLinearGradient gradient(r.topLeft(), horizontal ? QPointF(r.right() + 1, r.top())
                                                      : QPointF(r.left(), r.bottom() + 1));
    const int count = static_cast<int>(stops.size());
    int i = 0;
    for (const QColor& stop : stops) gradient.setColorAt(count == 1 ? 0.0 : double(i++) / (count - 1), stop);
    p.fillRect(r, gradient);
}

void Bump(QImage& image, const QColor& base, bool across, bool down, int strength) {
    const int w = image.width(), h = image.height();
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        const double fy = down ? std::sin(M_PI * (y + 0.5) / h) : 1.0;
        for (int x = 0; x < w; ++x) {
            const double fx = across ? std::sin(M_PI * (x + 0.5) / w) : 1.0;
            const int delta = static_cast<int>(std::lround((fx * fy - 0.5) * 2 * strength));
            row[x] = Shade(base, delta).rgb();
        }
    }
}

}  // namespace

int EffectFromName(const QString& name) {
    static const QStringList kNames = {
        QStringLiteral("solid"),     QStringLiteral("hgradient"),  QStringLiteral("vgradient"),
        QStringLiteral("hcgradient"), QStringLiteral("vcgradient"), QStringLiteral("3hgradient"),
        QStringLiteral("3vgradient"), QStringLiteral("noise"),      QStringLiteral("diagshade"),
        QStringLiteral("hshade"),    QStringLiteral("vshade"),     QStringLiteral("hbump"),
        QStringLiteral("vbump"),     QStringLiteral("softbump"),   QStringLiteral("hardbump"),
        QStringLiteral("metal"),     QStringLiteral("transparent")};
    return static_cast<int>(kNames.indexOf(name.trimmed().toLower()));
}

QImage Paint(QSize size, int effect, QColor start, QColor middle, QColor end, int granularity) {
    QImage image(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    image.fill(start);
    const QRect r = image.rect();
    const int grain = std::max(1, granularity);
    QPainter p(&image);
    switch (effect) {
        case kHGradient: LinearFill(p, r, true, {start, end}); break;
        case kVGradient: LinearFill(p, r, false, {start, end}); break;
        case kHCGradient: LinearFill(p, r, true, {start, end, start}); break;
        case kVCGradient: LinearFill(p, r, false, {start, end, start}); break;
        case k3HGradient: LinearFill(p, r, true, {start, middle, end}); break;
        case k3VGradient: LinearFill(p, r, false, {start, middle, end}); break;
        case kNoise: {
            p.end();
            Grain random;
            for (int y = 0; y < r.height(); ++y) {
                auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
                for (int x = 0; x < r.width(); ++x) row[x] = Shade(start, random.Next(grain)).rgb();
            }
            break;
        }
        case kDiagShade:
            p.setPen(QPen(middle, 1));
            for (int d = -r.height(); d < r.width(); d += grain + 1) p.drawLine(d, r.height(), d + r.height(), 0);
            break;
        case kHShade:
            for (int y = 0; y < r.height(); y += grain + 1) p.fillRect(0, y, r.width(), 1, middle);
            break;
        case kVShade:
            for (int x = 0; x < r.width(); x += grain + 1) p.fillRect(x, 0, 1, r.height(), middle);
            break;
        case kHBump: p.end(); Bump(image, start, true, false, 6 * grain); break;
        case kVBump: p.end(); Bump(image, start, false, true, 6 * grain); break;
        case kSoftBump: p.end(); Bump(image, start, true, true, 6 * grain); break;
        case kHardBump: {
            const int edge = std::min({grain, r.width() / 2, r.height() / 2});
            for (int i = 0; i < edge; ++i) {
                const int delta = 60 * (edge - i) / std::max(1, edge);
                p.setPen(Shade(start, delta));
                p.drawLine(i, i, r.width() - 1 - i, i);
                p.drawLine(i, i, i, r.height() - 1 - i);
                p.setPen(Shade(start, -delta));
                p.drawLine(i, r.height() - 1 - i, r.width() - 1 - i, r.height() - 1 - i);
                p.drawLine(r.width() - 1 - i, i, r.width() - 1 - i, r.height() - 1 - i);
            }
            break;
        }
        case kMetal: {
            LinearFill(p, r, false, {Shade(start, 30), start, Shade(start, -25)});
            p.end();
            Grain random;
            for (int y = 0; y < r.height(); ++y) {
                auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
                int streak = random.Next(grain);
                for (int x = 0; x < r.width(); ++x) {
                    if (x % 7 == 0) streak = (streak * 3 + random.Next(grain)) / 4;
                    row[x] = Shade(QColor::fromRgb(row[x]), streak).rgb();
                }
            }
            break;
        }
        default: break;  // solid (and the transparent effect, which its caller skips)
    }
    return image;
}

}  // namespace background_effect
