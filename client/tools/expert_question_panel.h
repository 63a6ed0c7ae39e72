#pragma once
// CExpertQuestionPanel: the 在线交流 panel of page 辅助. The expert page (loaded the first
// time the panel is shown) beside the question form: name 1111 with the title choice
// 1123, phone 1114, stock code 1009, price 1116, the common questions 1125, the content
// 1122 and the submit button 1120, which posts the question to the community server.
#include <string>

#include "client/core/tool_forms.h"
#include "client/tools/lazy_web_page.h"
#include "client/tools/tool_panel.h"

struct ClientConfig;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;

class CExpertQuestionPanel : public CToolPanel {
    Q_OBJECT
public:
    static constexpr int kDialogId = 155;
    static constexpr int kNameEditId = 1111;
    static constexpr int kTitleComboId = 1123;
    static constexpr int kPhoneEditId = 1114;
    static constexpr int kCodeEditId = 1009;
    static constexpr int kPriceEditId = 1116;
    static constexpr int kQuestionComboId = 1125;
    static constexpr int kContentEditId = 1122;
    static constexpr int kSubmitButtonId = 1120;

    explicit CExpertQuestionPanel(const ClientConfig& config, QWidget* parent = nullptr);

    // A common question chosen: the content becomes its text (the prompt empties it).
    void QuestionChosen(int index);
    // The submit button: a missing name, phone or content is named in a tip; otherwise
    // the question is posted.
    void Submit();

    const LazyWebPage& Page() const { return page_; }
    QLineEdit* NameEdit() const { return name_; }
    QComboBox* TitleCombo() const { return title_; }
    QLineEdit* PhoneEdit() const { return phone_; }
    QLineEdit* CodeEdit() const { return code_; }
    QLineEdit* PriceEdit() const { return price_; }
    QComboBox* QuestionCombo() const { return question_; }
    QPlainTextEdit* ContentEdit() const { return content_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    ExpertQuestion ReadFields() const;

    std::string host_;
    LazyWebPage page_;
    QLineEdit* name_ = nullptr;
    QComboBox* title_ = nullptr;
    QLineEdit* phone_ = nullptr;
    QLineEdit* code_ = nullptr;
    QLineEdit* price_ = nullptr;
    QComboBox* question_ = nullptr;
    QPlainTextEdit* content_ = nullptr;
};
