#pragma once
// CColorLabel: a static label with its own text colour and either a solid background
// or none at all (the default), so it can stand on the skin pictures of the windows.
#include <QLabel>

#include "common/ui/color.h"

class CColorLabel : public QLabel {
    Q_OBJECT
public:
    // The background value that means "transparent": RGB(1, 0, 0) can therefore not be
    // used as a background colour.
    static constexpr ui::ColorRef kTransparent = 1;

    explicit CColorLabel(QWidget* parent = nullptr);

    // Set directly by the owning dialog, followed by RedrawOnParent().
    ui::ColorRef textColor = 0;
    ui::ColorRef backColor = kTransparent;

    // Repaints the part of the parent under the label (its rectangle less 2 pixels on
    // every side), so a transparent label shows the parent's pixels afresh.
    void RedrawOnParent();

    bool IsTransparent() const { return backColor == kTransparent; }

protected:
    void paintEvent(QPaintEvent* event) override;
};
