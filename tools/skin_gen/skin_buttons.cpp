#include "tools/skin_gen/skin_buttons.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "tools/skin_gen/skin_style.h"

namespace skin_gen {
namespace {

enum State { kNormal = 0, kHover = 1, kPressed = 2, kSelected = 3 };

struct Look {
    QColor top, bottom, border, text;
    bool bold = false;
    QColor bar;  // an accent bar, when valid
};

Look L(QColor top, QColor bottom, QColor border, QColor text, bool bold = false, QColor bar = QColor()) {
    return Look{top, bottom, border, text, bold, bar};
}

Look PrimaryLook(int state) {
    switch (state) {
        case kHover: return L(QColor(88, 152, 216), QColor(52, 115, 180), QColor(38, 92, 150), Qt::white);
        case kPressed: return L(QColor(30, 78, 130), QColor(42, 96, 156), QColor(22, 60, 102), QColor(226, 236, 247));
        case kSelected: return L(QColor(28, 62, 104), QColor(20, 46, 80), colours::kGold, colours::kGoldLight, true);
        default: return L(QColor(66, 130, 196), QColor(40, 96, 158), QColor(30, 78, 128), Qt::white);
    }
}

Look SecondaryLook(int state) {
    switch (state) {
        case kHover: return L(QColor(250, 252, 255), QColor(202, 222, 245), QColor(92, 143, 196), QColor(36, 90, 148));
        case kPressed: return L(QColor(208, 222, 238), QColor(230, 238, 246), QColor(92, 143, 196), colours::kInk);
        case kSelected: return L(QColor(214, 229, 245), QColor(196, 216, 238), QColor(36, 90, 148), QColor(20, 58, 102), true);
        default: return L(QColor(255, 255, 255), QColor(231, 237, 245), QColor(172, 189, 209), colours::kInk);
    }
}

Look TabLook(int state) {
    switch (state) {
        case kHover: return L(QColor(250, 252, 255), QColor(204, 224, 246), QColor(110, 156, 203), QColor(36, 90, 148));
        case kPressed: return L(QColor(206, 221, 238), QColor(226, 235, 245), QColor(110, 156, 203), colours::kInk);
        case kSelected:
            return L(QColor(66, 130, 196), QColor(40, 96, 158), QColor(30, 78, 128), Qt::white, true, colours::kGoldLight);
        default: return L(QColor(250, 252, 254), QColor(230, 236, 244), QColor(190, 204, 220), colours::kMuted);
    }
}

Look HeaderTabLook(int state) {
    switch (state) {
        case kHover: return L(QColor(62, 110, 164), QColor(48, 92, 142), QColor(78, 128, 182), Qt::white);
        case kPressed: return L(QColor(22, 52, 88), QColor(30, 66, 108), QColor(48, 92, 142), QColor(226, 236, 247));
        case kSelected:
            return L(colours::kPaper, colours::kPanel, colours::kPanel, colours::kInk, true, colours::kGold);
        default: return L(QColor(44, 88, 138), QColor(34, 72, 116), QColor(58, 102, 154), colours::kHeaderText);
    }
}

void PaintFace(QPainter& painter, const QRectF& face, const Look& look, qreal radius, bool squareBottom) {
    QPainterPath path;
    if (squareBottom) {
        path.moveTo(face.left(), face.bottom());
        path.lineTo(face.left(), face.top() + radius);
        path.quadTo(face.left(), face.top(), face.left() + radius, face.top());
        path.lineTo(face.right() - radius, face.top());
        path.quadTo(face.right(), face.top(), face.right(), face.top() + radius);
        path.lineTo(face.right(), face.bottom());
        path.closeSubpath();
    } else {
        path.addRoundedRect(face, radius, radius);
    }
    const QLinearGradient fill = VerticalGradient(face, look.top, look.bottom);
    painter.setPen(QPen(look.border, 1));
    painter.setBrush(fill);
    painter.drawPath(path);
}

void PaintTitleGlyph(QPainter& painter, const QRectF& frame, ButtonStyle style, int state) {
    const bool close = style == ButtonStyle::kTitleClose;
    if (state != kNormal) {
        QColor fill = close ? QColor(200, 66, 59) : QColor(60, 103, 151);
        if (state == kPressed || state == kSelected) fill = close ? QColor(163, 52, 46) : QColor(42, 78, 120);
        painter.setPen(Qt::NoPen);
        painter.setBrush(fill);
        painter.drawRoundedRect(frame.adjusted(1, 1, -1, -1), 3, 3);
    }
    const QColor ink = state == kNormal ? colours::kHeaderText : QColor(Qt::white);
    painter.setPen(QPen(ink, 1.6, Qt::SolidLine, Qt::RoundCap));
    const QPointF c = frame.center() + (state == kPressed ? QPointF(0.5, 0.5) : QPointF());
    if (close) {
        painter.drawLine(c + QPointF(-4, -4), c + QPointF(4, 4));
        painter.drawLine(c + QPointF(-4, 4), c + QPointF(4, -4));
    } else if (style == ButtonStyle::kTitleMenu) {
        for (const qreal y : {-4.0, 0.0, 4.0}) painter.drawLine(c + QPointF(-5, y), c + QPointF(5, y));
    } else {
        painter.drawLine(c + QPointF(-5, 3), c + QPointF(5, 3));
    }
}

QImage DrawFrame(QSize size, ButtonStyle style, const QString& caption, int state) {
    QImage art = NewCanvas(size.width(), size.height());
    QPainter painter(&art);
    PrepareAntialiased(painter);
    const QRectF frame(0, 0, size.width(), size.height());
    const QRectF face = frame.adjusted(0.5, 0.5, -0.5, -0.5);
    int textSize = 12;
    Look look;
    switch (style) {
        case ButtonStyle::kTitleMinimise:
        case ButtonStyle::kTitleClose:
        case ButtonStyle::kTitleMenu:
            PaintTitleGlyph(painter, frame, style, state);
            return art;
        case ButtonStyle::kPrimary:
            look = PrimaryLook(state);
            PaintFace(painter, face, look, 4, false);
            textSize = size.height() >= 26 ? 14 : 12;
            break;
        case ButtonStyle::kSecondary:
            look = SecondaryLook(state);
            PaintFace(painter, face, look, 4, false);
            textSize = size.height() >= 26 ? 14 : 12;
            break;
        case ButtonStyle::kTab:
            look = TabLook(state);
            PaintFace(painter, face, look, 4, false);
            break;
        case ButtonStyle::kHeaderTab:
            look = HeaderTabLook(state);
            PaintFace(painter, QRectF(0.5, 0.5, size.width() - 1, size.height()), look, 5, true);
            textSize = 13;
            break;
    }
    if (look.bar.isValid()) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(look.bar);
        if (style == ButtonStyle::kHeaderTab) {
            painter.drawRect(QRectF(6, 1, size.width() - 12, 2));
        } else {
            painter.drawRoundedRect(QRectF(size.width() * 0.3, size.height() - 4, size.width() * 0.4, 2), 1, 1);
        }
    }
    // A light inner highlight line on the raised states gives the face some depth.
    if (state != kPressed && style != ButtonStyle::kHeaderTab) {
        painter.setPen(QPen(QColor(255, 255, 255, 70), 1));
        painter.drawLine(QPointF(4, 1.5), QPointF(size.width() - 4, 1.5));
    }
    const QPointF shift = state == kPressed ? QPointF(0, 1) : QPointF();
    const bool latin = !caption.isEmpty() && caption.at(0).unicode() < 0x80;
    DrawCentredText(painter, frame.translated(shift).adjusted(0, 0, 0, look.bar.isValid() && style != ButtonStyle::kHeaderTab ? -2 : 0),
                    caption, latin ? textSize - 1 : textSize, look.bold || latin, look.text);
    return art;
}

}  // namespace

QImage DrawButtonStrip(QSize frame, ButtonStyle style, const QString& caption, const QColor& key) {
    QImage strip(frame.width() * 4, frame.height(), QImage::Format_RGB32);
    QPainter painter(&strip);
    for (int state = 0; state < 4; ++state) {
        painter.drawImage(state * frame.width(), 0, FinishButtonFrame(DrawFrame(frame, style, caption, state), key));
    }
    return strip;
}

}  // namespace skin_gen
