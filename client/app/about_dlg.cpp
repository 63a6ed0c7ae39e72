#include "client/app/about_dlg.h"

#include <QPainter>

#include "client/app/app_icon.h"
#include "client/app/control_ids.h"
#include "common/platform/paths.h"
#include "common/skin/about_layout.h"
#include "common/ui/kbc_bmp.h"
#include "common/ui/skin_place.h"
#include "common/ui/window_drag.h"

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName(QString::number(ids::kAboutDialog));
    setWindowIcon(AppIcon());
    setWindowTitle(QStringLiteral("Quorvel"));
    close_ = new CKbcBmp(this);
    close_->setObjectName(QString::number(ids::kAboutClose));
    ui::Place(close_, skin::about::kClose);
    connect(close_, &CKbcBmp::clicked, this, &QDialog::reject);
    if (!skin_.Load(platform::JoinPath(platform::ProgramDirectory(), "image\\about.gif"))) return;
    if (!skin_.ShapeWindow(this)) return;
    close_->SetImage("image\\newsclose.gif", ui::kPureRed);
    ui::DragByAnyPoint(this);
    skinned_ = true;
}

int CAboutDlg::exec() {
    if (!skinned_) return QDialog::Rejected;
    return QDialog::exec();
}

void CAboutDlg::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    skin_.Draw(painter);
}
