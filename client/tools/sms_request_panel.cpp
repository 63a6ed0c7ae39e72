#include "client/tools/sms_request_panel.h"

#include <QLineEdit>

#include "client/core/client_config.h"
#include "client/core/tool_forms.h"
#include "client/panels/tip.h"
#include "client/tools/form_post.h"
#include "client/panels/panel_label.h"
#include "client/tools/tool_widgets.h"
#include "client/widgets/html_label.h"
#include "common/skin/tools_layout.h"
#include "common/ui/kbc_bmp.h"
#include "common/ui/skin_place.h"
#include "common/ui/text.h"

namespace layout = skin::tools::sms;
using tool_widgets::AddLabel;

CSmsRequestPanel::CSmsRequestPanel(const ClientConfig& config, ui::ShellFacade& shell, QWidget* parent)
    : CToolPanel(kDialogId, parent), host_(config.hosts.communityServer) {

    AddLabel(this, QStringLiteral("根据"), panel_look::kPromptColour, layout::kLead);
    link_ = new CHtmlLabel(this, shell);
    link_->setObjectName(QStringLiteral("link"));
    QFont font = link_->font();
    font.setPixelSize(kPanelLabelPixelSize);
    link_->SetFont(font);
    ui::Place(link_, layout::kLink);
    link_->SetBkMode(CHtmlLabel::kTransparentMode);
    link_->SetAlign(CHtmlLabel::kAlignLeft | CHtmlLabel::kAlignVCenter);
    link_->SetHyperlink(ui::FromQString(QStringLiteral("大机构系统")), HostUrl(config.hosts.productSite, "/"));
    AddLabel(this, QStringLiteral("的短线量能扫描和分析，选出短线主力活动异常的个股和投资者共享"),
             panel_look::kPromptColour, layout::kOffer);

    AddLabel(this, QStringLiteral("请输入手机号码免费索取"), panel_look::kPromptColour, layout::kPrompt);
    phone_ = tool_widgets::AddEdit(this, QString::number(kPhoneEditId), layout::kPhone);
    CKbcBmp* submit = tool_widgets::AddImageButton(this, QString::number(kSubmitButtonId), QStringLiteral("提交"),
                                                   layout::kSubmitButton, "image\\ljtj.gif");
    AddLabel(this, QStringLiteral("（1分钟内收到免费短信回复）"), panel_look::kCaptionColour, layout::kReplyNote);
    tool_widgets::AddWrappingLabel(
        this, QStringLiteral("说明：一般为短线股，成功率非常高！用以感谢Quorvel用户的忠心支持，仅供独享，严禁转发。"),
        ui::Rgb(204, 0, 0), layout::kNotice);

    connect(submit, &CKbcBmp::clicked, this, &CSmsRequestPanel::Submit);
}

void CSmsRequestPanel::Submit() {
    const std::string phone = ui::FromQString(phone_->text());
    if (const std::string missing = MissingSmsField(phone); !missing.empty()) {
        ShowTip(this, missing);
        return;
    }
    PostToolForm(this, host_, std::string(kSmsPostPath), SmsRequestBody(phone));
}
