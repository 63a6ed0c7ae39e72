#include "client/tools/web_page_panel.h"

#include "client/panels/panel_label.h"
#include "client/tools/tool_widgets.h"
#include "common/skin/tools_layout.h"
#include "common/ui/kbc_bmp.h"
#include "common/ui/skin_place.h"

namespace layout = skin::tools;

CWebPagePanel::CWebPagePanel(Kind kind, std::string url, QWidget* parent)
    : CToolPanel(kind == Kind::Live ? kLiveDialogId : kAlmanacDialogId, parent),
      page_(this, kind == Kind::Live ? layout::live::kPage : layout::almanac::kPage, std::move(url)) {
    if (kind != Kind::Live) return;
    tool_widgets::AddLabel(this, QStringLiteral("全球最快最及时的金融动态分析"),
                           panel_look::kPromptColour, layout::live::kCaption);
    refresh_ = tool_widgets::AddImageButton(this, QString::number(kRefreshButtonId), QStringLiteral("刷新"),
                                            layout::live::kRefreshButton, "image\\sx.gif");
    connect(refresh_, &CKbcBmp::clicked, this, &CWebPagePanel::Refresh);
}

void CWebPagePanel::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    page_.Open();
}
