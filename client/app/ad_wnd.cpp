#include "client/app/ad_wnd.h"

#include <QMouseEvent>
#include <QPainter>

#include "client/app/control_ids.h"
#include "common/platform/paths.h"
#include "common/ui/shell_facade.h"

bool CAdWnd::Create(QWidget* parent, const std::string& link, const std::string& picture) {
    setParent(parent);
    setObjectName(QString::number(ids::kAdDialog));
    link_ = link;
    picture_ = picture;
    setCursor(Qt::PointingHandCursor);
    hide();
    if (!image_.Load(platform::JoinPath(platform::ProgramDirectory(), picture))) return false;
    if (!image_.ShapeWindow(this)) return false;
    update();
    return true;
}

void CAdWnd::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    image_.Draw(painter);
}

void CAdWnd::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && !link_.empty()) ui::ShellFacade::OpenUrl(link_);
}
