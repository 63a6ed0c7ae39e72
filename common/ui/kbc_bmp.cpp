#include "common/ui/kbc_bmp.h"

#include <QMouseEvent>
#include <QPainter>

#include "common/platform/paths.h"

namespace {

// Frame `index` of the strip with every pixel of exactly `key` made see-through. A pixel
// off by one in any channel stays opaque.
QImage KeyedFrame(const QImage& strip, int index, int frameWidth, std::uint32_t key) {
    QImage frame = strip.copy(index * frameWidth, 0, frameWidth, strip.height())
                       .convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < frame.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(frame.scanLine(y));
        for (int x = 0; x < frame.width(); ++x) {
            if ((row[x] | 0xFF000000u) == key) row[x] = 0;
        }
    }
    return frame;
}

}  // namespace

CKbcBmp::CKbcBmp(QWidget* parent) : QAbstractButton(parent) {
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_NoSystemBackground);
}

bool CKbcBmp::SetImage(const std::string& fileName, ui::ColorRef transparentColour) {
    transparent_ = transparentColour;
    for (QImage& frame : frames_) frame = QImage();
    frameSize_ = QSize(0, 0);
    const bool loaded = strip_.Load(platform::JoinPath(platform::ProgramDirectory(), fileName));
    if (loaded) {
        // The strip drawn once as opaque pixels, like the memory bitmap it is copied from.
        QImage strip(strip_.Width(), strip_.Height(), QImage::Format_RGB32);
        strip.fill(Qt::black);
        {
            QPainter painter(&strip);
            strip_.Render(painter, strip.rect());
        }
        const int frameWidth = strip_.Width() / 4;
        frameSize_ = QSize(frameWidth, strip_.Height());
        if (frameWidth > 0) {
            const std::uint32_t key = ui::ToOpaqueRgb(transparentColour);
            for (int i = 0; i < 4; ++i) frames_[i] = KeyedFrame(strip, i, frameWidth, key);
        }
    }
    setGeometry(QRect(pos(), frameSize_));
    update();
    return loaded;
}

void CKbcBmp::SetSelected() {
    selected_ = true;
    update();
}

void CKbcBmp::ClearSelected() {
    selected_ = false;
    update();
}

CKbcBmp::Frame CKbcBmp::CurrentFrame() const {
    if (selected_) return kSelected;
    if (isDown()) return kPressed;
    if (hover_) return kHover;
    return kNormal;
}

void CKbcBmp::paintEvent(QPaintEvent*) {
    const QImage& frame = FrameImage(CurrentFrame());
    if (frame.isNull()) return;
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), frame);
}

void CKbcBmp::SetHover(bool hover) {
    if (hover_ == hover) return;
    hover_ = hover;
    update();
}

void CKbcBmp::enterEvent(QEnterEvent* event) {
    SetHover(true);
    QAbstractButton::enterEvent(event);
}

void CKbcBmp::leaveEvent(QEvent* event) {
    SetHover(false);
    QAbstractButton::leaveEvent(event);
}

void CKbcBmp::mouseMoveEvent(QMouseEvent* event) {
    SetHover(rect().contains(event->position().toPoint()));
    QAbstractButton::mouseMoveEvent(event);
}

void CKbcBmp::mousePressEvent(QMouseEvent* event) {
    if (selected_ && event->button() == Qt::LeftButton) {
        event->accept();  // swallowed: no press, no click
        return;
    }
    QAbstractButton::mousePressEvent(event);
}

void CKbcBmp::mouseDoubleClickEvent(QMouseEvent* event) {
    if (selected_ && event->button() == Qt::LeftButton) {
        event->accept();
        return;
    }
    QAbstractButton::mouseDoubleClickEvent(event);
}
