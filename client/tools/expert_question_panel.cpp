#include "client/tools/expert_question_panel.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "client/core/client_config.h"
#include "client/panels/tip.h"
#include "client/tools/form_post.h"
#include "client/panels/panel_label.h"
#include "client/tools/tool_widgets.h"
#include "common/skin/tools_layout.h"
#include "common/ui/kbc_bmp.h"
#include "common/ui/skin_place.h"
#include "common/ui/text.h"

namespace layout = skin::tools::question;
using tool_widgets::AddLabel;
using tool_widgets::AddEdit;

namespace {

QComboBox* AddCombo(QWidget* parent, int id, const std::vector<std::string>& items, const skin::Area& area) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QString::number(id));
    for (const std::string& item : items) combo->addItem(ui::ToQString(item));
    ui::Place(combo, area);
    return combo;
}

}  // namespace

CExpertQuestionPanel::CExpertQuestionPanel(const ClientConfig& config, QWidget* parent)
    : CToolPanel(kDialogId, parent),
      host_(config.hosts.communityServer),
      page_(this, layout::kPage, HostUrl(config.hosts.communityServer, kQuestionPagePath)) {
    const ui::ColorRef caption = panel_look::kPromptColour;

    AddLabel(this, QStringLiteral("*姓名"), caption, layout::kNameCaption);
    name_ = AddEdit(this, QString::number(kNameEditId), layout::kName);
    title_ = AddCombo(this, kTitleComboId, TitleItems(), layout::kTitle);
    title_->setCurrentIndex(-1);
    AddLabel(this, QStringLiteral("*手机"), caption, layout::kPhoneCaption);
    phone_ = AddEdit(this, QString::number(kPhoneEditId), layout::kPhone);
    AddLabel(this, QStringLiteral("股票代码"), caption, layout::kCodeCaption);
    code_ = AddEdit(this, QString::number(kCodeEditId), layout::kCode);
    AddLabel(this, QStringLiteral("价格"), caption, layout::kPriceCaption);
    price_ = AddEdit(this, QString::number(kPriceEditId), layout::kPrice);
    question_ = AddCombo(this, kQuestionComboId, QuestionItems(), layout::kQuestion);
    AddLabel(this, QStringLiteral("*咨询内容"), caption, layout::kContentCaption);
    content_ = new QPlainTextEdit(this);
    content_->setObjectName(QString::number(kContentEditId));
    ui::Place(content_, layout::kContent);
    CKbcBmp* submit = tool_widgets::AddImageButton(this, QString::number(kSubmitButtonId), QStringLiteral("提交"),
                                                   layout::kSubmitButton, "image\\ljtj.gif");

    // Choosing the question already shown builds its text again, from the code and
    // price typed since.
    connect(question_, &QComboBox::currentIndexChanged, this, &CExpertQuestionPanel::QuestionChosen);
    connect(question_, &QComboBox::activated, this, &CExpertQuestionPanel::QuestionChosen);
    connect(submit, &CKbcBmp::clicked, this, &CExpertQuestionPanel::Submit);
}

void CExpertQuestionPanel::QuestionChosen(int index) {
    if (index < 0) return;
    const ExpertQuestion fields = ReadFields();
    content_->setPlainText(ui::ToQString(
        QuestionText(static_cast<std::size_t>(index), fields.stockCode, fields.price)));
}

void CExpertQuestionPanel::Submit() {
    const ExpertQuestion question = ReadFields();
    if (const std::string missing = MissingQuestionField(question); !missing.empty()) {
        ShowTip(this, missing);
        return;
    }
    PostToolForm(this, host_, std::string(kQuestionPostPath), ExpertQuestionBody(question));
}

ExpertQuestion CExpertQuestionPanel::ReadFields() const {
    ExpertQuestion question;
    question.name = ui::FromQString(name_->text());
    question.titleIndex = title_->currentIndex();
    question.phone = ui::FromQString(phone_->text());
    question.stockCode = ui::FromQString(code_->text());
    question.price = ui::FromQString(price_->text());
    question.content = ui::FromQString(content_->toPlainText());
    return question;
}

void CExpertQuestionPanel::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    page_.Open();
}
