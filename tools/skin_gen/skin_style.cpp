#include "tools/skin_gen/skin_style.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>

#include <cmath>

#include "common/ui/product_mark.h"

namespace skin_gen {

QFont SkinFont(int pixelSize, bool bold) {
    QFont font(QString::fromLatin1(kFontFamily));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

QImage NewCanvas(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void PrepareAntialiased(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
}

QLinearGradient VerticalGradient(const QRectF& rect, const QColor& top, const QColor& bottom) {
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    return gradient;
}

void FillVertical(QPainter& painter, const QRectF& rect, const QColor& top, const QColor& bottom) {
    painter.fillRect(rect, VerticalGradient(rect, top, bottom));
}

QImage FinishWindow(const QImage& art, int radius) {
    QImage flat(art.size(), QImage::Format_RGB32);
    flat.fill(colours::kPaper);
    {
        QPainter painter(&flat);
        painter.drawImage(0, 0, art);
    }
    QPainterPath shape;
    if (radius > 0) {
        shape.addRoundedRect(QRectF(0, 0, art.width(), art.height()), radius, radius);
    } else {
        shape.addRect(QRectF(0, 0, art.width(), art.height()));
    }
    QImage out(art.size(), QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(flat.constScanLine(y));
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            if (!shape.contains(QPointF(x + 0.5, y + 0.5))) {
                row[x] = qRgb(0, 0, 0);
            } else {
                row[x] = (in[x] & 0xFFFFFF) == 0 ? qRgb(1, 1, 1) : in[x];
            }
        }
    }
    return out;
}

QImage FinishButtonFrame(const QImage& art, const QColor& key) {
    const QImage straight = art.convertToFormat(QImage::Format_ARGB32);
    const QRgb keyRgb = key.rgb();
    QImage out(art.size(), QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(straight.constScanLine(y));
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            if (qAlpha(in[x]) < 128) {
                row[x] = keyRgb;
                continue;
            }
            QRgb colour = qRgb(qRed(in[x]), qGreen(in[x]), qBlue(in[x]));
            if (colour == keyRgb) colour ^= 0x000001;
            row[x] = colour;
        }
    }
    return out;
}

void DrawCentredText(QPainter& painter, const QRectF& rect, const QString& text, int pixelSize, bool bold,
                     const QColor& colour) {
    int size = pixelSize;
    QFont font = SkinFont(size, bold);
    while (size > 8 && QFontMetricsF(font).horizontalAdvance(text) > rect.width() - 6) {
        font = SkinFont(--size, bold);
    }
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(rect, Qt::AlignCenter, text);
}

void DrawWordmark(QPainter& painter, QPointF topLeft, int pixelSize, const QColor& textColour) {
    const qreal tile = pixelSize * 1.05;
    const QRectF tileRect(topLeft, QSizeF(tile, tile));
    ui::PaintProductMark(painter, tileRect);
    QFont font = SkinFont(pixelSize, true);
    font.setLetterSpacing(QFont::PercentageSpacing, 104);
    painter.setFont(font);
    painter.setPen(textColour);
    const QFontMetricsF metrics(font);
    const qreal baseline = tileRect.center().y() + (metrics.ascent() - metrics.descent()) / 2;
    painter.drawText(QPointF(tileRect.right() + tile * 0.35, baseline), QStringLiteral("Quorvel"));
}

void PaintHeaderBand(QPainter& painter, const QRectF& band, int seed) {
    FillVertical(painter, band, colours::kNavyLight, colours::kNavy);

    // Faint grid and a rising price line on the right half.
    painter.save();
    painter.setClipRect(band);
    painter.setPen(QPen(QColor(255, 255, 255, 14), 1));
    for (qreal x = band.left() + band.width() * 0.45; x < band.right(); x += 24) {
        painter.drawLine(QPointF(x, band.top()), QPointF(x, band.bottom()));
    }
    QPainterPath line;
    const int points = 28;
    for (int i = 0; i <= points; ++i) {
        const qreal t = static_cast<qreal>(i) / points;
        const qreal x = band.left() + band.width() * (0.42 + 0.58 * t);
        const qreal wave = std::sin(t * 9.0 + seed) * 0.12 + std::sin(t * 23.0 + seed * 2) * 0.05;
        const qreal y = band.bottom() - band.height() * (0.18 + 0.55 * t + wave * (1 - t * 0.5));
        if (i == 0) {
            line.moveTo(x, y);
        } else {
            line.lineTo(x, y);
        }
    }
    QPainterPath area = line;
    area.lineTo(band.right(), band.bottom());
    area.lineTo(band.left() + band.width() * 0.42, band.bottom());
    area.closeSubpath();
    const QLinearGradient areaFill = VerticalGradient(band, QColor(255, 255, 255, 30), QColor(255, 255, 255, 0));
    painter.fillPath(area, areaFill);
    painter.setPen(QPen(QColor(242, 207, 122, 70), 1.4));
    painter.drawPath(line);
    painter.restore();
}

void PaintCard(QPainter& painter, const QRectF& rect, qreal radius, const QColor& fill) {
    painter.save();
    painter.setPen(QPen(colours::kLine, 1));
    painter.setBrush(fill);
    painter.drawRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    painter.restore();
}

}  // namespace skin_gen
