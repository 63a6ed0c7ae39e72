#include "client/tools/web_page_panel.h"

#include "client/tools/tool_widgets.h"
#include "common/skin/tools_layout.h"
#include "common/ui/kbc_bmp.h"
#include "common/ui/skin_place.h"

namespace layout = skin::tools;

CWebPagePanel::CWebPagePanel(Kind kind, std::string url, QWidget* parent)
    : QWidget(parent),
      page_(this, kind == Kind::Live ? layout::live::kPage : layout::almanac::kPage, std::move(url)) {
    setObjectName(QString::number(kind == Kind::Live ? kLiveDialogId : kAlmanacDialogId));
    resize(layout::kSize.w, layout::kSize.h);
    if (kind != Kind::Live) return;
    tool_widgets::AddLabel(this, QStringLiteral("全球最快最及时的金融动态分析"),
                           tool_widgets::kCaptionColour, layout::live::kCaption);
    refresh_ = new CKbcBmp(this);
    refresh_->setObjectName(QString::number(kRefreshButtonId));
    refresh_->setText(QStringLiteral("刷新"));
    ui::Place(refresh_, layout::live::kRefreshButton);
    refresh_->SetImage("image\\sx.gif", ui::kPureBlue);
    connect(refresh_, &CKbcBmp::clicked, this, &CWebPagePanel::Refresh);
}

void CWebPagePanel::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    page_.Open();
}
