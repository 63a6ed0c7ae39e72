#include "client/widgets/ad_wnd.h"

#include <QMouseEvent>
#include <QPainter>

#include "common/platform/paths.h"
#include "common/ui/shell_facade.h"

CAdWnd::CAdWnd(QWidget* parent, ui::ShellFacade& shell, const std::string& link,
               const std::string& picture)
    : QWidget(parent), shell_(shell), link_(link), picture_(picture) {
    setObjectName(QString::number(kDialogId));
    setCursor(Qt::PointingHandCursor);
    hide();
    created_ = LoadPicture();
}

bool CAdWnd::LoadPicture() {
    if (!image_.Load(platform::JoinPath(platform::ProgramDirectory(), picture_))) return false;
    if (!image_.ShapeWindow(this)) return false;
    update();
    return true;
}

void CAdWnd::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    image_.Draw(painter);
}

void CAdWnd::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && !link_.empty()) shell_.OpenUrl(link_);
}
