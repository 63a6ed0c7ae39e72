#include "client/tools/lazy_web_page.h"

#include <QWidget>

#include "client/widgets/html_ctl.h"
#include "common/ui/skin_place.h"

LazyWebPage::LazyWebPage(QWidget* panel, const skin::Area& area, std::string url)
    : panel_(panel), url_(std::move(url)) {
    auto* placeholder = new QWidget(panel);
    placeholder->setObjectName(QString::number(kPlaceholderId));
    ui::Place(placeholder, area);
}

void LazyWebPage::Open() {
    if (control_) return;
    control_ = CHtmlCtl::OverPlaceholder(kPlaceholderId, panel_);
    if (control_) control_->Navigate(url_);
}

void LazyWebPage::Reload() {
    if (!control_) {
        Open();
        return;
    }
    control_->reload();
}
