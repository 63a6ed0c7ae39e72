#pragma once
// CAboutDlg: the about window, a shaped picture with a close button.
#include "client/app/window_layer.h"
#include <QDialog>

#include "common/ui/skin_image.h"

class CKbcBmp;

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
    bool IsSkinned() const { return skinned_; }
    int exec() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CSkinImage skin_;
    CKbcBmp* close_ = nullptr;
    bool skinned_ = false;
};
