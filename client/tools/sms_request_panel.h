#pragma once
// CSmsRequestPanel: the 明日是谁 panel of page 辅助. The offer (with the link to the
// product site's home page), the phone edit 1114 and the submit button 1120, which posts
// the SMS request to the community server.
#include <string>

#include "client/tools/tool_panel.h"

struct ClientConfig;
class CHtmlLabel;
class CKbcBmp;
class QLineEdit;
namespace ui {
class ShellFacade;
}

class CSmsRequestPanel : public CToolPanel {
    Q_OBJECT
public:
    static constexpr int kDialogId = 157;
    static constexpr int kPhoneEditId = 1114;
    static constexpr int kSubmitButtonId = 1120;

    CSmsRequestPanel(const ClientConfig& config, ui::ShellFacade& shell, QWidget* parent = nullptr);

    // The submit button: an empty phone shows "手机号不能为空!", else the request is posted.
    void Submit();

    QLineEdit* PhoneEdit() const { return phone_; }
    CHtmlLabel* Link() const { return link_; }

private:
    std::string host_;
    QLineEdit* phone_ = nullptr;
    CHtmlLabel* link_ = nullptr;
};
