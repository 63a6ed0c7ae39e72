#pragma once
// Four-frame button strips: normal, hover, pressed, selected, side by side.
#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>

namespace skin_gen {

enum class ButtonStyle {
    kPrimary,        // filled blue action button
    kSecondary,      // light action button
    kTab,            // a panel button in a page's button row
    kHeaderTab,      // a page button on the main window's dark header
    kTitleMinimise,  // minimise glyph on a dark header
    kTitleClose,     // close glyph on a dark header
    kTitleMenu,      // menu glyph (three bars) on a dark header
};

// The strip of four frames of `frame` size, keyed on `key` outside the button's shape.
QImage DrawButtonStrip(QSize frame, ButtonStyle style, const QString& caption, const QColor& key);

}  // namespace skin_gen
