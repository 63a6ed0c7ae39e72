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
#include "client/panels/tip.h"
#include "client/widgets/html_label.h"
#include "common/platform/paths.h"
#include "common/skin/login_layout.h"
#include "common/ui/color.h"
#include "common/ui/dialog_units.h"
#include "common/ui/kbc_bmp.h"
#include "common/ui/query_runner.h"
#include "common/ui/skin_place.h"
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

CLoginDlg::CLoginDlg(const ClientConfig& config, Session& session, ui::ShellFacade& shell,
                     bool openedByLogout, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      config_(config),
      session_(session),
      shell_(shell),
      openedByLogout_(openedByLogout) {
    setObjectName(QString::number(ids::kLoginDialog));
    setWindowIcon(AppIcon());
    setWindowTitle(QStringLiteral("Quorvel"));
    resize(ui::DluSize(277, 173));
    BuildControls();
    // While the server is asked the window takes no input, but it can still be closed.
    ui::KeepActiveDuringQueries(closeButton_);
    ui::KeepActiveDuringQueries(minimiseButton_);
    skinned_ = LoadSkin();
    if (!skinned_) return;
    LoadAccounts();
    SelectAutoLoginAccount();
    remember_->setChecked(true);
    autoLogin_->setChecked(true);
}

CLoginDlg::~CLoginDlg() = default;

// Controls stand where the login picture's layout puts them: on the form card, in the
// header band and in the footer (the window is 277 x 173 dialog units).
void CLoginDlg::BuildControls() {
    namespace layout = skin::login;
    auto* nameCaption = new QLabel(QStringLiteral("用户名："), this);
    ui::Place(nameCaption, layout::kNameCaption);
    auto* passwordCaption = new QLabel(QStringLiteral("密  码："), this);
    ui::Place(passwordCaption, layout::kPasswordCaption);

    userName_ = Named(new QComboBox(this), ids::kUserName);
    userName_->setEditable(true);
    userName_->setInsertPolicy(QComboBox::NoInsert);
    ui::Place(userName_, layout::kUserName);
    connect(userName_, &QComboBox::activated, this, &CLoginDlg::OnNameChosen);

    password_ = Named(new QLineEdit(this), ids::kPassword);
    password_->setEchoMode(QLineEdit::Password);
    ui::Place(password_, layout::kPassword);

    remember_ = Named(new QCheckBox(QStringLiteral("记住密码"), this), ids::kRememberPassword);
    ui::Place(remember_, layout::kRemember);
    connect(remember_, &QCheckBox::clicked, this, &CLoginDlg::OnRememberClicked);
    autoLogin_ = Named(new QCheckBox(QStringLiteral("自动登录"), this), ids::kAutoLogin);
    ui::Place(autoLogin_, layout::kAutoLogin);
    connect(autoLogin_, &QCheckBox::clicked, this, &CLoginDlg::OnAutoLoginClicked);

    loginButton_ = Named(new CKbcBmp(this), ids::kLoginButton);
    ui::Place(loginButton_, layout::kLoginButton);
    connect(loginButton_, &CKbcBmp::clicked, this, &CLoginDlg::OnLogin);
    guestButton_ = Named(new CKbcBmp(this), ids::kGuestButton);
    ui::Place(guestButton_, layout::kGuestButton);
    connect(guestButton_, &CKbcBmp::clicked, this, &CLoginDlg::OnGuest);
    minimiseButton_ = Named(new CKbcBmp(this), ids::kMinimise);
    ui::Place(minimiseButton_, layout::kMinimise);
    connect(minimiseButton_, &CKbcBmp::clicked, this, &QWidget::showMinimized);
    closeButton_ = Named(new CKbcBmp(this), ids::kClose);
    ui::Place(closeButton_, layout::kClose);
    connect(closeButton_, &CKbcBmp::clicked, this, &QDialog::reject);

    forgotLink_ = Named(new CHtmlLabel(this, shell_), ids::kForgotPasswordLink);
    ui::Place(forgotLink_, layout::kForgotLink);
    registerLink_ = Named(new CHtmlLabel(this, shell_), ids::kRegisterLink);
    ui::Place(registerLink_, layout::kRegisterLink);

    status_ = Named(new QLabel(this), ids::kStatus);
    ui::Place(status_, layout::kStatus);
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

// Both ways in first check that the server can be reached; `next` goes on from there.
// The check, like the login request, runs off the window thread: the window keeps
// painting and can be closed, which abandons the attempt.
void CLoginDlg::CheckOnlineThen(std::function<void()> next) {
    status_->setText(QStringLiteral("正在登陆......"));
    ui::RunQuery(
        this, [url = HostUrl(config_.serverBase, "")] { return CClientUtil().IsOnline(url); },
        [this, next = std::move(next)](bool online) {
            if (online)
                next();
            else
                Fail("您的网络链接有问题!");
        });
}

void CLoginDlg::Fail(const char* message) {
    status_->clear();
    ShowTip(this, Gbk(message));
}

void CLoginDlg::OnLogin() {
    StopAutoLoginTimer();
    if (ui::QueryRunning(this)) return;  // an attempt is under way
    CheckOnlineThen([this] { SendLogin(); });
}

void CLoginDlg::SendLogin() {
    const std::string name = ui::FromQString(userName_->currentText());
    const std::string password = ui::FromQString(password_->text());
    if (name.empty() || password.empty()) {
        Fail("用户名或密码不能为空!");
        return;
    }
    CLoginRequest request(name, password, HostUrl(config_.serverBase, "/login.asp"),
                          autoLogin_->isChecked());
    ui::RunQuery(
        this,
        [request]() mutable {
            request.Perform();
            return request;
        },
        [this, name, password](CLoginRequest answered) {
            OnLoginAnswered(answered, name, password);
        });
}

void CLoginDlg::OnLoginAnswered(CLoginRequest& request, const std::string& name,
                                const std::string& password) {
    switch (request.LastOutcome()) {
        case CLoginRequest::Outcome::Accepted:
            break;
        case CLoginRequest::Outcome::Refused:
            Fail("用户名或密码错误!");
            return;
        default:  // an HTTP error or no answer at all
            Fail("连接服务器失败,请稍后再试!");
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
    if (ui::QueryRunning(this)) return;
    CheckOnlineThen([this] {
        session_.EnterAsGuest();
        Enter();
    });
}

void CLoginDlg::Enter() {
    StopAutoLoginTimer();
    done(kEntered);
}
