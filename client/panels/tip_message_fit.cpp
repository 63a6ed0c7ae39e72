#include "client/panels/tip_message_fit.h"

#include <algorithm>
#include <climits>

TipFit FitTipToMessage(const TipTemplate& tip, const QFontMetrics& metrics, const QString& text) {
    const auto wrapped = [&](int width) {
        return metrics.boundingRect(QRect(0, 0, std::max(1, width), INT_MAX / 2), kTipTextFlags, text).size();
    };
    const int margins = 2 * tip.textMargin;
    const QSize atTemplate = wrapped(tip.label.width() - margins);
    if (atTemplate.width() <= tip.label.width() - margins && atTemplate.height() <= tip.label.height())
        return {tip.window, tip.label, 0};

    // Wider first: as wide as the longest line wants, within the limit; then as tall as
    // the text wrapped at that width.
    const int besideLabel = tip.window.width() - tip.label.width();
    const int widestText = std::max(1, tip.maxWidth - besideLabel - margins);
    const int labelWidth = std::clamp(wrapped(widestText).width() + margins, tip.label.width(),
                                      std::max(tip.label.width(), tip.maxWidth - besideLabel));
    const int labelHeight = std::max(tip.label.height(), wrapped(labelWidth - margins).height());
    const int extraHeight = labelHeight - tip.label.height();
    return {QSize(labelWidth + besideLabel, tip.window.height() + extraHeight),
            QRect(tip.label.topLeft(), QSize(labelWidth, labelHeight)), extraHeight};
}
