#pragma once
// CAdWnd: an advertisement picture (in the main window and the comprehensive evaluation
// panel), shaped like its picture, with the hand cursor; a left click opens its link
// through the shell it was given.
#include <QWidget>

#include <string>

#include "common/ui/skin_image.h"

namespace ui {
class ShellFacade;
}

class CAdWnd : public QWidget {
    Q_OBJECT
public:
    static constexpr int kDialogId = 165;

    // A child of `parent` showing the picture (relative to the program directory, e.g.
    // "image\\ad_1.gif") and opening `link`. It starts hidden; IsCreated() is false when
    // the picture could not be loaded or shaped, and the window then stays hidden.
    CAdWnd(QWidget* parent, ui::ShellFacade& shell, const std::string& link,
           const std::string& picture);

    bool IsCreated() const { return created_; }
    const std::string& Link() const { return link_; }
    const std::string& Picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    bool LoadPicture();

    ui::ShellFacade& shell_;
    const std::string link_;
    const std::string picture_;
    CSkinImage image_;
    bool created_ = false;
};
