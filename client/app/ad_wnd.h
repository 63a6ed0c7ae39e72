#pragma once
// CAdWnd: an advertisement picture in the main window, shaped like its picture, with the
// hand cursor; a left click opens its link.
#include "client/app/window_layer.h"
#include <QWidget>

#include <string>

#include "common/ui/skin_image.h"

class CAdWnd : public QWidget {
    Q_OBJECT
public:
    CAdWnd() = default;

    // Creates the window as a child of `parent` with the picture (relative to the
    // program directory, e.g. "image\\ad_1.gif") and the link. False when the picture
    // cannot be loaded or shaped; the window then stays hidden.
    bool Create(QWidget* parent, const std::string& link, const std::string& picture);

    const std::string& Link() const { return link_; }
    const std::string& Picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    std::string link_;
    std::string picture_;
    CSkinImage image_;
};
