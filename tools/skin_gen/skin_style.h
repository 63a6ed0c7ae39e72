#pragma once
// The skin's palette, type and the steps that turn drawn art into key-coloured
// pictures: backgrounds with pure black outside their rounded shape, button frames with
// the transparent colour outside theirs.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QRectF>
#include <QString>

#include "common/skin/skin_rect.h"
#include "common/ui/product_mark.h"

namespace skin_gen {

namespace colours {
inline const QColor kNavyDeep(16, 38, 66);
inline const QColor kNavy = ui::kMarkNavy;
inline const QColor kNavyLight(38, 80, 128);
inline const QColor kBlue(42, 98, 160);
inline const QColor kBlueLight(63, 128, 196);
inline const QColor kGold = ui::kMarkGold;
inline const QColor kGoldLight = ui::kMarkGoldLight;
inline const QColor kPaper(248, 250, 253);
inline const QColor kPanel(233, 239, 246);
inline const QColor kLine(194, 208, 224);
inline const QColor kInk(29, 56, 91);
inline const QColor kMuted(69, 87, 102);
inline const QColor kHeaderText(201, 216, 234);
inline const QColor kUp(204, 40, 40);
inline const QColor kDown(26, 140, 80);
}  // namespace colours

inline constexpr char kFontFamily[] = "WenQuanYi Micro Hei";

QFont SkinFont(int pixelSize, bool bold = false);

// A transparent canvas to draw on, antialiased.
QImage NewCanvas(int width, int height);
void PrepareAntialiased(QPainter& painter);

// A top-to-bottom gradient over `rect`, and `rect` filled with it.
QLinearGradient VerticalGradient(const QRectF& rect, const QColor& top, const QColor& bottom);
void FillVertical(QPainter& painter, const QRectF& rect, const QColor& top, const QColor& bottom);

// A window background: `art` over the paper colour inside a rounded rectangle of
// `radius` (0: the whole rectangle), pure black outside. No pixel inside is pure black.
QImage FinishWindow(const QImage& art, int radius);

// A button frame: pixels at least half covered keep their own colour, fully opaque;
// the rest become `key`. No art pixel equals the key.
QImage FinishButtonFrame(const QImage& art, const QColor& key);

// Text drawn centred in `rect`, shrunk until it fits the width.
void DrawCentredText(QPainter& painter, const QRectF& rect, const QString& text, int pixelSize, bool bold,
                     const QColor& colour);

// The product mark (common/ui/product_mark.h), then the name.
void DrawWordmark(QPainter& painter, QPointF topLeft, int pixelSize, const QColor& textColour);

// The dark header band with its faint chart motif.
void PaintHeaderBand(QPainter& painter, const QRectF& band, int seed);

inline QRectF ToRectF(const skin::Rect& rect) { return QRectF(rect.x, rect.y, rect.w, rect.h); }

// A light card with a hairline border.
void PaintCard(QPainter& painter, const QRectF& rect, qreal radius, const QColor& fill = colours::kPaper);

}  // namespace skin_gen
