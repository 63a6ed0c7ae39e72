// CColorLabel: transparent over the parent's pixels or a solid background.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QWidget>

#include "client/panels/color_label.h"
#include "common/ui/color.h"

namespace {

// A parent that paints a fixed colour, standing in for a skin picture.
class PaintedParent : public QWidget {
public:
    QColor colour{12, 34, 56};
    QRegion painted;

protected:
    void paintEvent(QPaintEvent* event) override {
        painted += event->region();
        QPainter(this).fillRect(rect(), colour);
    }
};

}  // namespace

TEST(ColorLabel, TransparentShowsTheParentSolidPaintsItsColour) {
    PaintedParent parent;
    parent.resize(100, 40);
    CColorLabel label(&parent);
    label.setGeometry(10, 10, 60, 20);
    parent.show();
    EXPECT_EQ(label.backColor, CColorLabel::kTransparent);
    EXPECT_EQ(label.textColor, 0u);
    EXPECT_EQ(parent.grab().toImage().pixelColor(12, 12), QColor(12, 34, 56));

    label.backColor = ui::Rgb(200, 220, 240);
    label.RedrawOnParent();
    EXPECT_EQ(parent.grab().toImage().pixelColor(12, 12), QColor(200, 220, 240));
    EXPECT_EQ(parent.grab().toImage().pixelColor(5, 5), QColor(12, 34, 56));

    // RGB(1, 0, 0) is the transparent value, not a colour.
    label.backColor = ui::Rgb(1, 0, 0);
    EXPECT_TRUE(label.IsTransparent());
    EXPECT_EQ(parent.grab().toImage().pixelColor(12, 12), QColor(12, 34, 56));
}

TEST(ColorLabel, DrawsTextInItsColour) {
    PaintedParent parent;
    parent.colour = Qt::white;
    parent.resize(120, 40);
    CColorLabel label(&parent);
    label.setGeometry(0, 0, 120, 40);
    label.setAlignment(Qt::AlignCenter);
    QFont font = label.font();
    font.setPixelSize(30);
    font.setBold(true);
    label.setFont(font);
    label.setText(QStringLiteral("WWW"));
    label.textColor = ui::Rgb(204, 10, 10);
    parent.show();
    const QImage shot = parent.grab().toImage();
    int red = 0;
    for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x) {
            if (shot.pixelColor(x, y) == QColor(204, 10, 10)) ++red;
        }
    }
    EXPECT_GT(red, 20);
}

TEST(ColorLabel, RedrawOnParentRepaintsTheParentUnderTheLabel) {
    PaintedParent parent;
    parent.resize(100, 40);
    CColorLabel label(&parent);
    label.setGeometry(10, 10, 60, 20);
    parent.show();
    QCoreApplication::processEvents();
    parent.painted = QRegion();
    label.RedrawOnParent();
    QCoreApplication::processEvents();
    EXPECT_TRUE(parent.painted.contains(QRect(12, 12, 56, 16)));
    EXPECT_FALSE(parent.painted.contains(QPoint(50, 35)));
}
