#pragma once
// Where the tip window's message goes. A message that fits the template's label keeps
// the template's size; a longer one makes the window wider, up to a limit, and then
// taller, so that the wrapped text is never clipped. The text keeps side margins inside
// the label either way.
#include <QFontMetrics>
#include <QRect>
#include <QSize>
#include <QString>

struct TipFit {
    QSize window;          // the window's size
    QRect label;           // the message label's rectangle in the window
    int extraHeight = 0;   // how much taller than the template the window is
};

struct TipTemplate {
    QSize window;      // the background picture's size
    QRect label;       // the template's message label rectangle
    int textMargin;    // blank pixels left and right of the text inside the label
    int maxWidth;      // the widest the window may become
};

// Flags the label draws its text with (centred, wrapped at word boundaries).
inline constexpr int kTipTextFlags = Qt::AlignCenter | Qt::TextWordWrap;

TipFit FitTipToMessage(const TipTemplate& tip, const QFontMetrics& metrics, const QString& text);
