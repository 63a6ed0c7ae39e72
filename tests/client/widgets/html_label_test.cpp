// CHtmlLabel: link markup and colours, the hand cursor, clicks through the shell
// facade, backgrounds and their cache, transparency, embossed disabled text, alignment.
#include <gtest/gtest.h>

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include "client/widgets/background_effect.h"
#include "client/widgets/html_label.h"
#include "common/ui/recording_shell.h"
#include "support/test_pictures.h"

namespace {

int CountColour(const QImage& image, const QColor& colour, const QRect& area = {}) {
    const QRect r = area.isNull() ? image.rect() : area;
    int count = 0;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) count += image.pixelColor(x, y) == colour;
    }
    return count;
}

// Columns that hold a pixel different from `background`.
std::pair<int, int> InkColumns(const QImage& image, const QColor& background) {
    int first = -1, last = -1;
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            if (image.pixelColor(x, y) != background) {
                if (first < 0) first = x;
                last = x;
                break;
            }
        }
    }
    return {first, last};
}

// A mouse move delivered straight to the widget (the offscreen cursor may not move).
void MoveTo(QWidget* widget, QPoint point) {
    QMouseEvent event(QEvent::MouseMove, QPointF(point), QPointF(widget->mapToGlobal(point)), Qt::NoButton,
                      Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

class HtmlLabelTest : public ::testing::Test {
protected:
    void SetUp() override {
        parent_.resize(300, 60);
        label_ = new CHtmlLabel(&parent_, shell_);
        label_->setGeometry(0, 0, 200, 30);
        QFont font("WenQuanYi Micro Hei");
        font.setPixelSize(16);
        label_->SetFont(font);
        parent_.show();
    }

    QPoint FirstLinkPoint() const { return QPoint(4, 8); }

    ui::RecordingShell shell_;
    QWidget parent_;
    CHtmlLabel* label_ = nullptr;
};

}  // namespace

TEST_F(HtmlLabelTest, HyperlinkMarkupAndLinkRulesAreExact) {
    label_->SetHyperlink("\xB9\xD9\xCD\xF8", "http://127.0.0.1:8080/");  // "官网"
    EXPECT_EQ(label_->Text(), QStringLiteral("<a href=\"http://127.0.0.1:8080/\">官网</a>"));
    label_->SetHyperlink("x", "y", true);
    EXPECT_EQ(label_->Text(), QStringLiteral("<a msg=\"y\">x</a>"));

    EXPECT_EQ(label_->StyleRule("a:link"), "color:0xFF0000; text-decoration:none");
    EXPECT_EQ(label_->StyleRule("a:hover"), "color:0xFF0000; text-decoration:underline");
    label_->SetLinkColors(0xFFFFFF, false, 0x00FF00, true);
    EXPECT_EQ(label_->StyleRule("a:link"), "color:0xFFFFFF; text-decoration:none");
    EXPECT_EQ(label_->StyleRule("a:hover"), "color:0x00FF00; text-decoration:underline");

    const QString body = label_->StyleRule("body");
    EXPECT_TRUE(body.startsWith("font-size:")) << body.toStdString();
    EXPECT_TRUE(body.contains("font-family:WenQuanYi Micro Hei"));
    EXPECT_TRUE(body.contains("font-weight:400"));
    QFont italic = label_->font();
    italic.setItalic(true);
    label_->SetFont(italic);
    EXPECT_TRUE(label_->StyleRule("body").endsWith("; font-style:italic"));
}

TEST_F(HtmlLabelTest, LinksDrawInTheirStateColours) {
    label_->SetTextColor(CHtmlLabel::kNoColor);
    label_->SetBkColor(0xFFFFFF);
    label_->SetLinkColors(ui::Rgb(200, 0, 0), false, ui::Rgb(0, 160, 0), true);
    label_->SetHyperlink("WWWWW", "http://a/");
    QImage shot = label_->grab().toImage();
    EXPECT_GT(CountColour(shot, QColor(200, 0, 0)), 10);
    EXPECT_EQ(CountColour(shot, QColor(0, 160, 0)), 0);

    MoveTo(label_, FirstLinkPoint());
    EXPECT_EQ(label_->HoverLink(), 0);
    shot = label_->grab().toImage();
    EXPECT_EQ(CountColour(shot, QColor(200, 0, 0)), 0);
    EXPECT_GT(CountColour(shot, QColor(0, 160, 0)), 10);
}

TEST_F(HtmlLabelTest, HandCursorOverLinksAndHoverNotices) {
    label_->SetHyperlink("WWWWW", "http://a/");
    QSignalSpy hovered(label_, &CHtmlLabel::linkHovered);
    EXPECT_EQ(label_->LinkAt(FirstLinkPoint()), 0);
    EXPECT_EQ(label_->LinkAt(QPoint(195, 25)), -1);
    MoveTo(label_, FirstLinkPoint());
    EXPECT_EQ(label_->cursor().shape(), Qt::PointingHandCursor);
    MoveTo(label_, QPoint(195, 25));
    EXPECT_NE(label_->cursor().shape(), Qt::PointingHandCursor);
    ASSERT_EQ(hovered.count(), 2);
    EXPECT_EQ(hovered[0][0].toInt(), 0);
    EXPECT_EQ(hovered[1][0].toInt(), CHtmlLabel::kNoLink);
}

TEST_F(HtmlLabelTest, ClicksOpenThroughTheShellExceptHHHH) {
    const ui::RecordingShell& shell = shell_;
    QSignalSpy clicked(label_, &CHtmlLabel::clicked);
    label_->SetHyperlink("WWWWW", "HHHH");
    MoveTo(label_, FirstLinkPoint());
    EXPECT_EQ(label_->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseClick(label_, Qt::LeftButton, {}, FirstLinkPoint());
    EXPECT_TRUE(shell.Requests().empty());
    EXPECT_EQ(clicked.count(), 1);

    label_->SetHyperlink("WWWWW", "http://127.0.0.1/reg.htm");
    QTest::mouseClick(label_, Qt::LeftButton, {}, FirstLinkPoint());
    ASSERT_EQ(shell.Requests().size(), 1u);
    EXPECT_EQ(shell.Requests()[0].kind, ui::ShellRequest::Kind::OpenUrl);
    EXPECT_EQ(shell.Requests()[0].target, "http://127.0.0.1/reg.htm");

    // A click beside the link opens nothing; a msg link notifies instead.
    QTest::mouseClick(label_, Qt::LeftButton, {}, QPoint(195, 25));
    label_->SetHyperlink("WWWWW", "note", true);
    QSignalSpy notified(label_, &CHtmlLabel::notifyLinkClicked);
    QTest::mouseClick(label_, Qt::LeftButton, {}, FirstLinkPoint());
    EXPECT_EQ(shell.Requests().size(), 1u);
    ASSERT_EQ(notified.count(), 1);
    EXPECT_EQ(notified[0][0].toString(), "note");
}

TEST_F(HtmlLabelTest, CachedBackgroundIsRebuiltAfterAColourChange) {
    label_->SetBkColor(ui::Rgb(10, 20, 30));
    QImage shot = label_->grab().toImage();
    EXPECT_EQ(shot.pixelColor(199, 29), QColor(10, 20, 30));
    EXPECT_FALSE(label_->CachedBackground().isNull());
    const int builds = label_->BackgroundBuilds();
    label_->grab();
    EXPECT_EQ(label_->BackgroundBuilds(), builds);  // reused while nothing changes

    label_->SetBkColor(ui::Rgb(40, 50, 60));
    EXPECT_TRUE(label_->CachedBackground().isNull());
    shot = label_->grab().toImage();
    EXPECT_EQ(shot.pixelColor(199, 29), QColor(40, 50, 60));
    EXPECT_EQ(label_->BackgroundBuilds(), builds + 1);

    label_->SetBkEffect(background_effect::kHGradient);
    EXPECT_TRUE(label_->CachedBackground().isNull());
    label_->SetBkColor3(ui::Rgb(0, 0, 0), ui::Rgb(0, 0, 0), ui::Rgb(250, 250, 250));
    shot = label_->grab().toImage();
    EXPECT_LT(shot.pixelColor(0, 29).red(), 10);
    EXPECT_GT(shot.pixelColor(199, 29).red(), 240);
}

TEST_F(HtmlLabelTest, TransparentModeShowsTheParentsPixels) {
    parent_.setAutoFillBackground(true);
    QPalette palette = parent_.palette();
    palette.setColor(QPalette::Window, QColor(0, 90, 160));
    parent_.setPalette(palette);
    label_->SetBkColor(ui::Rgb(255, 255, 0));
    label_->SetBkMode(CHtmlLabel::kTransparentMode);
    const QImage shot = parent_.grab(label_->geometry()).toImage();
    EXPECT_EQ(shot.pixelColor(199, 29), QColor(0, 90, 160));
    EXPECT_TRUE(label_->CachedBackground().isNull());
}

TEST_F(HtmlLabelTest, DisabledTextIsEmbossed) {
    label_->SetBkColor(0x808080);
    label_->SetText(QStringLiteral("<b>WWWW</b>"));
    label_->setEnabled(false);
    const QImage shot = label_->grab().toImage();
    EXPECT_GT(CountColour(shot, label_->palette().color(QPalette::Light)), 5);
    EXPECT_GT(CountColour(shot, label_->palette().color(QPalette::Dark)), 5);
}

TEST_F(HtmlLabelTest, AlignmentAndMarginsPlaceTheText) {
    label_->SetBkColor(0xFFFFFF);
    label_->SetTextColor(0);
    label_->SetText(QStringLiteral("WW"));
    label_->SetMargins(10, 2);
    const auto left = InkColumns(label_->grab().toImage(), Qt::white);
    EXPECT_GE(left.first, 10);
    EXPECT_LT(left.first, 14);

    label_->SetAlign(CHtmlLabel::kAlignRight | CHtmlLabel::kAlignTop);
    const auto right = InkColumns(label_->grab().toImage(), Qt::white);
    EXPECT_LE(right.second, 189);
    EXPECT_GT(right.second, 180);

    label_->SetAlign(CHtmlLabel::kAlignHCenter | CHtmlLabel::kAlignVCenter);
    const auto centre = InkColumns(label_->grab().toImage(), Qt::white);
    EXPECT_LE(std::abs((centre.first + centre.second) / 2 - 100), 3);
}

TEST(HtmlLabelStatic, TakesPlaceIdAndAlignmentOfItsPlaceholder) {
    QWidget dialog;
    auto* placeholder = new QLabel(&dialog);
    placeholder->setObjectName("1062");
    placeholder->setGeometry(20, 30, 80, 16);
    placeholder->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    CHtmlLabel* label = CHtmlLabel::CreateFromStatic(1062, &dialog);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->geometry(), QRect(20, 30, 80, 16));
    EXPECT_EQ(dialog.findChild<QWidget*>("1062"), label);
    EXPECT_EQ(label->EffectiveAlign(), CHtmlLabel::kAlignRight | CHtmlLabel::kAlignVCenter);
    label->SetAlign(CHtmlLabel::kAlignLeft);  // vertical still from the static style
    EXPECT_EQ(label->EffectiveAlign(), CHtmlLabel::kAlignLeft | CHtmlLabel::kAlignVCenter);
    EXPECT_EQ(CHtmlLabel::CreateFromStatic(9999, &dialog), nullptr);
}

TEST(BackgroundEffect, EveryEffectPaintsItsOwnPicture) {
    const QColor a(20, 40, 80), b(120, 140, 180), c(220, 230, 240);
    const QImage solid = background_effect::Paint(QSize(40, 30), background_effect::kSolid, a, b, c, 5);
    EXPECT_EQ(CountColour(solid, a), 40 * 30);
    for (int effect = background_effect::kHGradient; effect < background_effect::kTransparent; ++effect) {
        const QImage image = background_effect::Paint(QSize(40, 30), effect, a, b, c, 5);
        EXPECT_EQ(image.size(), QSize(40, 30));
        EXPECT_NE(image, solid) << "effect " << effect;
    }
    const QImage h = background_effect::Paint(QSize(40, 30), background_effect::kHGradient, a, b, c, 5);
    EXPECT_EQ(h.pixelColor(0, 0), h.pixelColor(0, 29));
    EXPECT_NE(h.pixelColor(0, 0), h.pixelColor(39, 0));
    EXPECT_EQ(background_effect::EffectFromName("METAL"), background_effect::kMetal);
    EXPECT_EQ(background_effect::EffectFromName("sparkle"), -1);
}

TEST(HtmlLabelImages, ZoomCompletesTheImageTagAndTheImageIsDrawn) {
    test_pictures::ScratchProgramDirectory dir;
    QImage picture(40, 20, QImage::Format_RGB32);
    picture.fill(QColor(250, 0, 120));
    ASSERT_TRUE(test_pictures::Save(picture, dir.ImagePath("pic.png")));
    QWidget parent;
    CHtmlLabel label(&parent);
    label.setGeometry(0, 0, 101, 41);
    label.SetMargins(5, 5);
    label.SetText(QStringLiteral("<img file=\"image\\pic.png\""));
    label.SetImageZoom(50, 0);
    EXPECT_TRUE(label.Text().endsWith(" width=20 height=30>")) << label.Text().toStdString();
    label.SetText(QStringLiteral("<img file=\"image\\none.png\""));
    label.SetImageZoom(50, 100);
    EXPECT_TRUE(label.Text().endsWith(" width=50% height=100%>")) << label.Text().toStdString();

    label.SetText(QStringLiteral("<img file=\"image\\pic.png\">"));
    parent.show();
    EXPECT_GT(CountColour(label.grab().toImage(), QColor(250, 0, 120)), 40 * 20 / 2);
}
