#pragma once
// CLoginDlg: the first window of the client. It reads the configuration, offers the
// remembered accounts, logs a user in against the evaluation server (or lets a visitor
// in as a guest) and remembers the account. Its modal run ends with kEntered when the
// user got in (the session it was given then holds the user) or kClosed.
#include "client/app/window_layer.h"
#include <QDialog>

#include <functional>
#include <string>

#include "client/core/client_config.h"
#include "client/core/remembered_accounts.h"
#include "common/ui/skin_image.h"

struct Session;
namespace ui {
class ShellFacade;
}
class CHtmlLabel;
class CLoginRequest;
class CKbcBmp;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

class CLoginDlg : public QDialog {
    Q_OBJECT
public:
    enum Result { kClosed = QDialog::Rejected, kEntered = QDialog::Accepted };

    // A window opened by logout shows the first remembered account and never logs in
    // by itself.
    // `session` receives the user on a successful login or guest entry.
    // `shell` opens the two links' pages and must outlive the window.
    CLoginDlg(const ClientConfig& config, Session& session, ui::ShellFacade& shell,
              bool openedByLogout = false, QWidget* parent = nullptr);
    ~CLoginDlg() override;

    // False when the skin could not be loaded: the window then closes at once.
    bool IsSkinned() const { return skinned_; }
    bool OpenedByLogout() const { return openedByLogout_; }
    bool AutoLoginPending() const { return autoLoginTimer_ != 0; }

    int exec() override;

    // The two ways in (buttons 1003 and 1004, Enter and timer 80 start OnLogin). Each
    // asks the server off the window thread and returns at once; ui::QueryRunning(this)
    // is true until the attempt has ended. A call while one runs is ignored.
    void OnLogin();
    void OnGuest();

protected:
    void paintEvent(QPaintEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildControls();
    bool LoadSkin();
    void LoadAccounts();
    void SelectAutoLoginAccount();
    void OnNameChosen(int index);
    void OnAutoLoginClicked();
    void OnRememberClicked();
    void StopAutoLoginTimer();
    void CheckOnlineThen(std::function<void()> next);
    void SendLogin();
    void OnLoginAnswered(CLoginRequest& request, const std::string& name,
                         const std::string& password);
    void Fail(const char* message);
    void Enter();

    const ClientConfig& config_;
    Session& session_;
    ui::ShellFacade& shell_;
    bool openedByLogout_;
    bool skinned_ = false;
    int autoLoginTimer_ = 0;
    CSkinImage skin_;
    RememberedAccounts accounts_;

    QComboBox* userName_ = nullptr;
    QLineEdit* password_ = nullptr;
    QCheckBox* remember_ = nullptr;
    QCheckBox* autoLogin_ = nullptr;
    CKbcBmp* loginButton_ = nullptr;
    CKbcBmp* guestButton_ = nullptr;
    CKbcBmp* minimiseButton_ = nullptr;
    CKbcBmp* closeButton_ = nullptr;
    CHtmlLabel* forgotLink_ = nullptr;
    CHtmlLabel* registerLink_ = nullptr;
    QLabel* status_ = nullptr;
};
