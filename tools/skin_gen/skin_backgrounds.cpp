#include "tools/skin_gen/skin_backgrounds.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

#include "common/skin/about_layout.h"
#include "common/skin/login_layout.h"
#include "common/skin/main_layout.h"
#include "common/skin/page_layout.h"
#include "common/skin/panel_layouts.h"
#include "common/skin/repair_layout.h"
#include "common/skin/tip_layout.h"
#include "tools/skin_gen/skin_style.h"

namespace skin_gen {
namespace {

using namespace colours;

void PaintBody(QPainter& painter, const QRectF& rect) {
    FillVertical(painter, rect, kPaper, kPanel);
}

// A thin gold rule under a header band.
void PaintAccentRule(QPainter& painter, qreal y, qreal width) {
    QLinearGradient rule(QPointF(0, y), QPointF(width, y));
    rule.setColorAt(0, QColor(201, 157, 64, 0));
    rule.setColorAt(0.15, kGold);
    rule.setColorAt(0.85, kGold);
    rule.setColorAt(1, QColor(201, 157, 64, 0));
    painter.fillRect(QRectF(0, y, width, 2), rule);
}

// A one-pixel line along the middle of a one-pixel-high rectangle.
void DrawRule(QPainter& painter, const skin::Rect& rule, const QColor& colour) {
    painter.setPen(QPen(colour, 1));
    painter.drawLine(QPointF(rule.x, rule.y + 0.5), QPointF(rule.Right(), rule.y + 0.5));
}

// A 1-pixel border just inside the window's rounded shape.
void PaintOutline(QPainter& painter, QSizeF size, qreal radius) {
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(12, 30, 54), 1));
    painter.drawRoundedRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1), radius, radius);
    painter.restore();
}

void DrawText(QPainter& painter, QPointF at, const QString& text, int size, const QColor& colour, bool bold = false) {
    painter.setFont(SkinFont(size, bold));
    painter.setPen(colour);
    painter.drawText(at, text);
}

// A window with a dark title band of `bandHeight` carrying the mark and a title.
QImage TitledWindow(skin::Size size, int bandHeight, int radius, const QString& title, int seed) {
    const int width = size.w, height = size.h;
    QImage art = NewCanvas(width, height);
    QPainter painter(&art);
    PrepareAntialiased(painter);
    PaintBody(painter, QRectF(0, bandHeight, width, height - bandHeight));
    PaintHeaderBand(painter, QRectF(0, 0, width, bandHeight), seed);
    PaintAccentRule(painter, bandHeight - 1, width);
    const int markSize = bandHeight >= 30 ? 15 : 12;
    DrawWordmark(painter, QPointF(10, (bandHeight - markSize * 1.05) / 2), markSize, Qt::white);
    if (!title.isEmpty()) {
        painter.setFont(SkinFont(markSize - 1));
        painter.setPen(kHeaderText);
        const qreal x = 10 + markSize * 1.4 + markSize * 4.6;
        painter.drawText(QRectF(x, 0, width - x - 60, bandHeight), Qt::AlignVCenter | Qt::AlignLeft,
                         QStringLiteral("|  ") + title);
    }
    PaintOutline(painter, art.size(), radius);
    return art;
}

}  // namespace

QImage DrawLoginBackground() {
    using namespace skin::login;
    const int w = kSize.w, h = kSize.h, band = kHeaderBand.rect.h, radius = 10;
    QImage art = NewCanvas(w, h);
    QPainter painter(&art);
    PrepareAntialiased(painter);
    PaintBody(painter, QRectF(0, band, w, h - band));
    PaintHeaderBand(painter, QRectF(0, 0, w, band), 1);
    PaintAccentRule(painter, band - 1, w);
    DrawWordmark(painter, QPointF(24, 22), 26, Qt::white);
    DrawText(painter, QPointF(26, 74), QStringLiteral("A股个股评测 · 诊断 · 资讯"), 13, kHeaderText);

    // The form card behind the name, password, check boxes and buttons.
    PaintCard(painter, ToRectF(kFormCard.rect), 6, QColor(255, 255, 255));
    DrawRule(painter, kFooterRule.rect, kLine);
    // The copyright shares the status line's row, right-aligned with the rule's end.
    painter.setFont(SkinFont(11));
    painter.setPen(QColor(128, 144, 162));
    painter.drawText(QRectF(0, kStatus.rect.y, kFooterRule.rect.Right(), kStatus.rect.h),
                     Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("© 2026 Quorvel"));
    PaintOutline(painter, art.size(), radius);
    painter.end();
    return FinishWindow(art, radius);
}

QImage DrawMainBackground() {
    using namespace skin::main_window;
    const int w = kSize.w, h = kSize.h, band = kHeaderBand.rect.h, radius = 10;
    QImage art = NewCanvas(w, h);
    QPainter painter(&art);
    PrepareAntialiased(painter);
    FillVertical(painter, QRectF(0, band, w, h - band), kPanel, QColor(223, 231, 240));
    PaintHeaderBand(painter, QRectF(0, 0, w, band), 2);
    DrawWordmark(painter, QPointF(18, 14), 22, Qt::white);
    DrawText(painter, QPointF(20, 58), QStringLiteral("股票评测客户端"), 11, kHeaderText);
    // A light chip behind the greeting and the logout link, whose colours are dark.
    painter.setPen(QPen(QColor(255, 255, 255, 120), 1));
    painter.setBrush(QColor(233, 239, 246, 235));
    const qreal chipRadius = kGreetingChip.rect.h / 2.0 - 0.5;
    painter.drawRoundedRect(ToRectF(kGreetingChip.rect).adjusted(0.5, 0.5, -0.5, -0.5), chipRadius, chipRadius);

    // Frames behind the page, the history text, the two advertisements and the web strip.
    PaintCard(painter, ToRectF(kPageCard.rect), 6, kPaper);
    PaintCard(painter, ToRectF(kHistoryCard.rect), 6, QColor(255, 255, 255));
    // A small accent mark beside the history caption.
    painter.setPen(Qt::NoPen);
    painter.setBrush(kBlueLight);
    painter.drawRoundedRect(QRectF(kHistoryCard.rect.x + 2, kHistoryCard.rect.y + 6, 3, 14), 1.5, 1.5);
    PaintCard(painter, ToRectF(kAdCard1.rect), 5, QColor(255, 255, 255));
    PaintCard(painter, ToRectF(kAdCard2.rect), 5, QColor(255, 255, 255));
    PaintCard(painter, ToRectF(kWebCard.rect), 6, QColor(255, 255, 255));

    // Status bar, with a rule along its top row.
    const skin::Rect status = kStatusBar.rect;
    FillVertical(painter, ToRectF(status), QColor(214, 224, 236), QColor(200, 213, 228));
    DrawRule(painter, {status.x, status.y, status.w, 1}, QColor(176, 193, 213));
    PaintOutline(painter, art.size(), radius);
    painter.end();
    return FinishWindow(art, radius);
}

QImage DrawPageBackground() {
    using namespace skin::page;
    const int w = kSize.w, h = kSize.h, row = kButtonRow.rect.h, radius = 6;
    QImage art = NewCanvas(w, h);
    QPainter painter(&art);
    PrepareAntialiased(painter);
    FillVertical(painter, QRectF(0, 0, w, row), QColor(242, 246, 251), QColor(226, 234, 243));
    painter.setPen(QPen(kLine, 1));
    painter.drawLine(QPointF(0, row - 0.5), QPointF(w, row - 0.5));
    FillVertical(painter, QRectF(0, row, w, h - row), QColor(252, 253, 255), QColor(241, 245, 250));
    painter.setPen(QPen(QColor(176, 193, 213), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), radius, radius);
    painter.end();
    return FinishWindow(art, radius);
}

QImage DrawComprehensiveBackground() {
    using namespace skin::comprehensive;
    QImage art = NewCanvas(kSize.w, kSize.h);
    QPainter painter(&art);
    PrepareAntialiased(painter);
    FillVertical(painter, art.rect(), QColor(252, 253, 255), QColor(241, 245, 250));
    // Code entry strip with a rule along its last row, then the rule above the notes.
    const skin::Rect strip = kEntryStrip.rect;
    FillVertical(painter, ToRectF(strip), QColor(244, 248, 252), QColor(234, 240, 247));
    DrawRule(painter, {strip.x, strip.Bottom() - 1, strip.w, 1}, kLine);
    DrawRule(painter, kNoteRule.rect, kLine);

    // The score table: a white card, a tinted header row, a rule between the rows and a
    // light line between the columns.
    PaintCard(painter, ToRectF(kTable.rect), 4, QColor(255, 255, 255));
    const skin::Rect header = TableCell(0, 0);
    FillVertical(painter, QRectF(kTable.rect.x + 1, header.y + 1, kTable.rect.w - 2, header.h - 1),
                 QColor(236, 242, 249), QColor(224, 233, 244));
    painter.setRenderHint(QPainter::Antialiasing, false);
    DrawRule(painter, {kTable.rect.x + 1, header.Bottom() - 1, kTable.rect.w - 2, 1}, kLine);
    DrawRule(painter, {kTable.rect.x + 1, TableCell(1, 0).Bottom(), kTable.rect.w - 2, 1}, QColor(226, 233, 242));
    painter.setPen(QPen(QColor(226, 233, 242), 1));
    for (int column = 1; column < kColumns; ++column) {
        const qreal x = TableCell(0, column).x + 0.5;
        painter.drawLine(QPointF(x, kTable.rect.y + 1), QPointF(x, kTable.rect.Bottom() - 1));
    }
    painter.end();
    return FinishWindow(art, 0);
}

QImage DrawDetailBackground() {
    using namespace skin::detail;
    QImage art = NewCanvas(kSize.w, kSize.h);
    QPainter painter(&art);
    PrepareAntialiased(painter);
    FillVertical(painter, art.rect(), QColor(250, 252, 254), QColor(228, 236, 245));
    painter.fillRect(ToRectF(kGoldRule.rect), kGold);
    painter.end();
    return FinishWindow(art, 0);
}

QImage DrawTipBackground() {
    using namespace skin::tip;
    const int radius = 8;
    QImage art = NewCanvas(kSize.w, kSize.h);
    QPainter painter(&art);
    PrepareAntialiased(painter);
    PaintBody(painter, art.rect());
    const skin::Rect strip = kTitleStrip.rect;
    FillVertical(painter, ToRectF(strip), kNavyLight, kNavy);
    painter.fillRect(QRectF(strip.x, strip.Bottom() - 1, strip.w, 1), kGold);
    DrawWordmark(painter, QPointF(6, 3.5), 11, Qt::white);
    PaintOutline(painter, art.size(), radius);
    painter.end();
    return FinishWindow(art, radius);
}

QImage DrawNewsPopupBackground() {
    using namespace skin::news_popup;
    QImage art = TitledWindow(kSize, kTitleBand.rect.h, 8, QStringLiteral("资讯"), 3);
    QPainter painter(&art);
    PrepareAntialiased(painter);
    PaintCard(painter, ToRectF(kCard.rect), 5, QColor(255, 255, 255));
    painter.end();
    return FinishWindow(art, 8);
}

QImage DrawNewsListBackground() {
    using namespace skin::news_list;
    QImage art = TitledWindow(kSize, kTitleBand.rect.h, 10, QStringLiteral("信息提示"), 4);
    QPainter painter(&art);
    PrepareAntialiased(painter);
    PaintCard(painter, ToRectF(kCard.rect), 6, QColor(255, 255, 255));
    painter.end();
    return FinishWindow(art, 10);
}

QImage DrawAboutBackground() {
    using namespace skin::about;
    const int w = kSize.w, h = kSize.h, band = kHeaderBand.rect.h, radius = 10;
    QImage art = NewCanvas(w, h);
    QPainter painter(&art);
    PrepareAntialiased(painter);
    PaintBody(painter, QRectF(0, band, w, h - band));
    PaintHeaderBand(painter, QRectF(0, 0, w, band), 5);
    PaintAccentRule(painter, band - 1, w);
    DrawWordmark(painter, QPointF(28, 30), 30, Qt::white);
    DrawText(painter, QPointF(30, 92), QStringLiteral("股票评测客户端"), 14, kHeaderText);
    DrawText(painter, QPointF(30, 142), QStringLiteral("版本 1.0.0"), 13, kInk, true);
    DrawText(painter, QPointF(30, 164), QStringLiteral("综合评测 · 单项诊断 · 资金流向 · 业绩预测"), 12, kMuted);
    DrawText(painter, QPointF(30, 200), QStringLiteral("© 2026 Quorvel  保留所有权利"), 11, QColor(128, 144, 162));
    PaintOutline(painter, art.size(), radius);
    painter.end();
    return FinishWindow(art, radius);
}

QImage DrawRepairBackground() {
    using namespace skin::repair;
    QImage art = TitledWindow(kSize, kTitleBand.rect.h, 10, QStringLiteral("修复程序"), 6);
    return FinishWindow(art, 10);
}

QImage DrawAdvertisement(int which) {
    using namespace skin::advert;
    const int w = kSize.w, h = kSize.h, radius = 6;
    static const QColor kTops[] = {QColor(38, 86, 142), QColor(30, 98, 110), QColor(120, 52, 48)};
    static const QColor kBottoms[] = {QColor(20, 50, 88), QColor(18, 64, 74), QColor(82, 30, 34)};
    static const char* const kTitles[] = {"会员中心", "Kestrun 财经", "春季策略"};
    static const char* const kLines[] = {"注册即享专业评测", "每日市场要闻速递", "把握行业轮动机会"};
    const int i = std::clamp(which, 1, 3) - 1;
    QImage art = NewCanvas(w, h);
    QPainter painter(&art);
    PrepareAntialiased(painter);
    QLinearGradient fill(QPointF(0, 0), QPointF(w, h));
    fill.setColorAt(0, kTops[i]);
    fill.setColorAt(1, kBottoms[i]);
    painter.fillRect(art.rect(), fill);
    // A small candle chart motif on the right.
    painter.setPen(Qt::NoPen);
    for (int k = 0; k < 6; ++k) {
        const qreal x = 104 + k * 7;
        const qreal body = 10 + ((k * 7 + i * 5) % 11);
        const qreal top = 58 - k * 5 - body / 2 + ((k + i) % 2) * 4;
        painter.setBrush(k % 3 == 1 ? QColor(255, 255, 255, 60) : QColor(242, 207, 122, 150));
        painter.drawRect(QRectF(x, top, 5, body));
        painter.fillRect(QRectF(x + 2, top - 4, 1, body + 8), QColor(255, 255, 255, 70));
    }
    painter.setFont(SkinFont(15, true));
    painter.setPen(Qt::white);
    painter.drawText(QPointF(10, 28), QString::fromUtf8(kTitles[i]));
    painter.setFont(SkinFont(11));
    painter.setPen(QColor(220, 230, 242));
    painter.drawText(QPointF(10, 48), QString::fromUtf8(kLines[i]));
    // The call to action.
    painter.setBrush(kGold);
    painter.drawRoundedRect(ToRectF(kCallToAction.rect), 4, 4);
    painter.setFont(SkinFont(11, true));
    painter.setPen(kNavyDeep);
    painter.drawText(ToRectF(kCallToAction.rect), Qt::AlignCenter, QStringLiteral("立即查看"));
    painter.end();
    return FinishWindow(art, radius);
}

}  // namespace skin_gen
