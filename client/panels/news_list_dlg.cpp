#include "client/panels/news_list_dlg.h"

#include <QPainter>

#include "client/widgets/html_ctl.h"
#include "common/platform/paths.h"
#include "common/skin/panel_layouts.h"
#include "common/ui/kbc_bmp.h"
#include "common/ui/skin_place.h"
#include "common/ui/window_drag.h"

CNewsListDlg::CNewsListDlg(std::string programDirectory, const std::string& articleListUrl)
    : QDialog(nullptr, Qt::Window | Qt::FramelessWindowHint) {
    namespace layout = skin::news_list;
    setObjectName(QString::number(kDialogId));
    setWindowTitle(QStringLiteral("信息提示"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    resize(layout::kSize.w, layout::kSize.h);
    auto* placeholder = new QWidget(this);
    placeholder->setObjectName(QString::number(kIdPage));
    ui::Place(placeholder, layout::kPage);
    page_ = CHtmlCtl::OverPlaceholder(kIdPage, this);
    if (page_) page_->Navigate(articleListUrl);
    close_ = new CKbcBmp(this);
    close_->setObjectName(QString::number(kIdClose));
    ui::Place(close_, layout::kCloseButton);
    connect(close_, &CKbcBmp::clicked, this, &QDialog::reject);
    if (!skin_.Load(platform::JoinPath(programDirectory, "image\\newsbk.gif")) || !skin_.ShapeWindow(this)) return;
    close_->SetImage("image\\newsclose.gif", ui::kPureRed);
    ui::DragByAnyPoint(this);
    skinned_ = true;
}

void CNewsListDlg::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    skin_.Draw(painter);
}
