#include "client/app/login_dlg.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QTimerEvent>

#include "client/core/client_config.h"
#include "client/app/app_icon.h"
#include "client/core/client_util.h"
#include "client/app/control_ids.h"
#include "client/core/gbk.h"
#include "client/core/login_request.h"
#include "client/core/session.h"
#include "client/app/tip.h"
#include "client/widgets/html_label.h"
#include "common/platform/paths.h"
#include "common/ui/color.h"
#include "common/ui/dialog_units.h"
#include "common/ui/kbc_bmp.h"
#include "common/ui/text.h"
#include "common/ui/window_drag.h"

namespace {

constexpr ui::ColorRef kLinkColor = 0xC65A2E;
constexpr ui::ColorRef kLinkHoverColor = 0xC55B2C;

template <typename W>
W* Named(W* widget, int id) {
    widget->setObjectName(QString::number(id));
    return widget;
}

QFont LinkFont() {
    // Height 9, width 9 in pixels, the default face.
    QFont font;
    font.setPixelSize(12);
    return font;
}

}  // namespace

CLoginDlg::CLoginDlg(const ClientConfig& config, Session& session, bool openedByLogout,
                     QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      config_(config),
      session_(session),
      openedByLogout_(openedByLogout) {
    setObjectName(QString::number(ids::kLoginDialog));
    setWindowIcon(AppIcon());
    setWindowTitle(QStringLiteral("Quorvel"));
    resize(ui::DluSize(277, 173));
    BuildControls();
    skinned_ = LoadSkin();
    if (!skinned_) return;
    LoadAccounts();
    SelectAutoLoginAccount();
    remember_->setChecked(true);
    autoLogin_->setChecked(true);
}

CLoginDlg::~CLoginDlg() = default;

// Controls stand on the form card of the login picture (pixels; the window is 277 x 173
// dialog units).
void CLoginDlg::BuildControls() {
    auto* nameCaption = new QLabel(QStringLiteral("用户名："), this);
    nameCaption->setGeometry(104, 112, 54, 24);
    auto* passwordCaption = new QLabel(QStringLiteral("密  码："), this);
    passwordCaption->setGeometry(104, 144, 54, 24);

    userName_ = Named(new QComboBox(this), ids::kUserName);
    userName_->setEditable(true);
    userName_->setInsertPolicy(QComboBox::NoInsert);
    userName_->setGeometry(160, 112, 172, 24);
    connect(userName_, &QComboBox::activated, this, &CLoginDlg::OnNameChosen);

    password_ = Named(new QLineEdit(this), ids::kPassword);
    password_->setEchoMode(QLineEdit::Password);
    password_->setGeometry(160, 144, 172, 24);

    remember_ = Named(new QCheckBox(QStringLiteral("记住密码"), this), ids::kRememberPassword);
    remember_->setGeometry(160, 173, 84, 20);
    connect(remember_, &QCheckBox::clicked, this, &CLoginDlg::OnRememberClicked);
    autoLogin_ = Named(new QCheckBox(QStringLiteral("自动登录"), this), ids::kAutoLogin);
    autoLogin_->setGeometry(256, 173, 84, 20);
    connect(autoLogin_, &QCheckBox::clicked, this, &CLoginDlg::OnAutoLoginClicked);

    loginButton_ = Named(new CKbcBmp(this), ids::kLoginButton);
    loginButton_->move(160, 197);
    connect(loginButton_, &CKbcBmp::clicked, this, &CLoginDlg::OnLogin);
    guestButton_ = Named(new CKbcBmp(this), ids::kGuestButton);
    guestButton_->move(256, 197);
    connect(guestButton_, &CKbcBmp::clicked, this, &CLoginDlg::OnGuest);
    minimiseButton_ = Named(new CKbcBmp(this), ids::kMinimise);
    minimiseButton_->move(361, 6);
    connect(minimiseButton_, &CKbcBmp::clicked, this, &QWidget::showMinimized);
    closeButton_ = Named(new CKbcBmp(this), ids::kClose);
    closeButton_->move(385, 6);
    connect(closeButton_, &CKbcBmp::clicked, this, &QDialog::reject);

    forgotLink_ = Named(new CHtmlLabel(this), ids::kForgotPasswordLink);
    forgotLink_->setGeometry(338, 147, 66, 18);
    registerLink_ = Named(new CHtmlLabel(this), ids::kRegisterLink);
    registerLink_->setGeometry(96, 231, 260, 18);

    status_ = Named(new QLabel(this), ids::kStatus);
    status_->setGeometry(16, 256, 240, 20);
}

bool CLoginDlg::LoadSkin() {
    if (!skin_.Load(platform::JoinPath(config_.programDirectory, "image\\login.gif"))) return false;
    if (!skin_.ShapeWindow(this)) return false;
    update();

    const SiteHosts& hosts = config_.hosts;
    struct LinkSpec {
        CHtmlLabel* label;
        const char* text;
        std::string url;
    } links[] = {
        {forgotLink_, "忘记密码了", HostUrl(hosts.accountPortal, "/Web/RetakeBackPassword.aspx")},
        {registerLink_, "立即注册免费成为Kestrun用户",
         HostUrl(hosts.accountPortal, "/Web/Register.aspx?fromkey=client")},
    };
    for (const LinkSpec& link : links) {
        link.label->SetFont(LinkFont());
        link.label->SetBkMode(CHtmlLabel::kTransparentMode);
        link.label->SetLinkColors(kLinkColor, false, kLinkHoverColor, true);
        link.label->SetHyperlink(Gbk(link.text), link.url, false);
    }
    loginButton_->SetImage("image\\dl.gif", ui::kPureBlue);
    guestButton_->SetImage("image\\dl2.gif", ui::kPureBlue);
    minimiseButton_->SetImage("image\\zxh.gif", ui::kPureBlue);
    closeButton_->SetImage("image\\gb.gif", ui::kPureBlue);
    ui::DragByAnyPoint(this);
    return true;
}

void CLoginDlg::LoadAccounts() {
    accounts_ = LoadRememberedAccounts();
    userName_->clear();
    for (const std::string& name : accounts_.names) userName_->addItem(ui::ToQString(name));
    userName_->setCurrentIndex(-1);
    userName_->setEditText(QString());
}

void CLoginDlg::SelectAutoLoginAccount() {
    InitialAccount chosen;
    if (!ChooseInitialAccount(accounts_, chosen)) return;
    // After a logout the window offers the first remembered account and waits.
    if (openedByLogout_) chosen = {accounts_.names[0], accounts_.passwords[0], false};
    userName_->setEditText(ui::ToQString(chosen.name));
    password_->setText(ui::ToQString(chosen.password));
    if (chosen.autoLogin) {
        autoLogin_->setChecked(true);
        autoLoginTimer_ = startTimer(ids::kAutoLoginDelayMs);
    }
}

void CLoginDlg::OnNameChosen(int index) {
    if (index < 0 || index >= static_cast<int>(accounts_.names.size())) return;
    userName_->setEditText(ui::ToQString(accounts_.names[index]));
    password_->setText(ui::ToQString(accounts_.passwords[index]));
}

void CLoginDlg::OnAutoLoginClicked() {
    if (autoLogin_->isChecked()) remember_->setChecked(true);
}

void CLoginDlg::OnRememberClicked() {
    if (!remember_->isChecked()) autoLogin_->setChecked(false);
}

void CLoginDlg::StopAutoLoginTimer() {
    if (autoLoginTimer_ != 0) killTimer(autoLoginTimer_);
    autoLoginTimer_ = 0;
}

int CLoginDlg::exec() {
    if (!skinned_) return kClosed;
    return QDialog::exec();
}

void CLoginDlg::timerEvent(QTimerEvent* event) {
    if (event->timerId() == autoLoginTimer_) {
        OnLogin();
        return;
    }
    QDialog::timerEvent(event);
}

void CLoginDlg::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            OnLogin();
            return;
        case Qt::Key_Escape:
            reject();
            return;
        default:
            QDialog::keyPressEvent(event);
    }
}

void CLoginDlg::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    skin_.Draw(painter);
}

bool CLoginDlg::CheckOnline() {
    if (CClientUtil().IsOnline(HostUrl(config_.serverBase, ""))) return true;
    ShowTip(this, Gbk("您的网络链接有问题!"));
    return false;
}

void CLoginDlg::OnLogin() {
    StopAutoLoginTimer();
    const std::string baseUrl = HostUrl(config_.serverBase, "");
    if (!CheckOnline()) return;
    const std::string name = ui::FromQString(userName_->currentText());
    const std::string password = ui::FromQString(password_->text());
    if (name.empty() || password.empty()) {
        ShowTip(this, Gbk("用户名或密码不能为空!"));
        return;
    }
    CLoginRequest request(name, password, baseUrl + "/login.asp", autoLogin_->isChecked());
    QApplication::setOverrideCursor(Qt::WaitCursor);
    status_->setText(QStringLiteral("正在登陆......"));
    status_->repaint();
    const bool accepted = request.Perform();
    QApplication::restoreOverrideCursor();
    if (!accepted) {
        if (request.LastOutcome() == CLoginRequest::Outcome::TransferFailed)
            ShowTip(this, Gbk("连接服务器失败,请稍后再试!"));
        else
            ShowTip(this, Gbk("用户名或密码错误!"));
        return;
    }
    if (remember_->isChecked())
        request.SaveAccount();
    else
        request.ForgetPassword();
    session_.LogIn(name, password);
    Enter();
}

void CLoginDlg::OnGuest() {
    if (!CheckOnline()) return;
    session_.EnterAsGuest();
    Enter();
}

void CLoginDlg::Enter() {
    StopAutoLoginTimer();
    done(kEntered);
}
