#pragma once
// CNewsListDlg (caption 信息提示): a shaped window showing the product site's article
// list in an embedded web page, opened from the tray menu. Its surface drags it; the close
// button on its title band and Esc close it.
#include <QDialog>

#include <string>

#include "common/ui/skin_image.h"

class CHtmlCtl;
class CKbcBmp;

class CNewsListDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kDialogId = 168;
    static constexpr int kIdPage = 1188;
    static constexpr int kIdClose = 2;

    // `articleListUrl` is the page shown (GBK).
    CNewsListDlg(std::string programDirectory, const std::string& articleListUrl);

    // False when the background picture (or its shape) cannot be had.
    bool IsSkinned() const { return skinned_; }
    // The web page; nullptr where the client is built without one.
    CHtmlCtl* Page() const { return page_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CSkinImage skin_;
    CHtmlCtl* page_ = nullptr;
    CKbcBmp* close_ = nullptr;
    bool skinned_ = false;
};
