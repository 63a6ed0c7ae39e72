#pragma once
// CKbcBmp: a push button drawn from a strip of four frames side by side (normal, hover,
// pressed, selected). Pixels of exactly the transparent colour show what lies behind
// the button. The button takes the size of one frame. A selected button (the active one
// of a group of tab-like buttons) shows frame 3 and ignores clicks.
#include <QAbstractButton>
#include <QImage>

#include <array>
#include <string>

#include "common/ui/color.h"
#include "common/ui/picture.h"

class CKbcBmp : public QAbstractButton {
    Q_OBJECT
public:
    // The frames of the strip, in their order from the left.
    enum class Frame { kNormal = 0, kHover = 1, kPressed = 2, kSelected = 3 };
    using enum Frame;

    explicit CKbcBmp(QWidget* parent = nullptr);

    // Loads the strip `fileName` (relative to the program directory, written with
    // backslashes, e.g. "image\\ljtj.gif") keyed on `transparentColour`, and sizes the
    // button to one frame at its current top-left position. A strip that fails to load
    // draws nothing and sizes the button to 0 x 0.
    bool SetImage(const std::string& fileName, ui::ColorRef transparentColour);

    void SetSelected();
    void ClearSelected();
    bool IsSelected() const { return selected_; }
    bool IsHover() const { return hover_; }

    // The frame the next paint shows: selected, else pressed, else hover, else normal.
    Frame CurrentFrame() const;

    QSize FrameSize() const { return frameSize_; }
    ui::ColorRef TransparentColour() const { return transparent_; }
    // One frame with the transparent colour keyed out (alpha 0); null when none loaded.
    const QImage& FrameImage(Frame frame) const { return frames_[static_cast<std::size_t>(frame)]; }

    QSize sizeHint() const override { return frameSize_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void SetHover(bool hover);

    CPicture strip_;
    ui::ColorRef transparent_ = ui::kPureBlue;
    QSize frameSize_;
    std::array<QImage, 4> frames_;
    bool selected_ = false;
    bool hover_ = false;
};
