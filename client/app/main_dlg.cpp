#include "client/app/main_dlg.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QPainter>
#include <QPropertyAnimation>
#include <QTimerEvent>
#include <QWindow>

#include "client/app/about_dlg.h"
#include "client/app/ad_wnd.h"
#include "client/core/client_config.h"
#include "client/app/app_icon.h"
#include "client/app/control_ids.h"
#include "client/core/gbk.h"
#include "client/core/main_advert.h"
#include "client/core/main_links.h"
#include "client/app/system_tray.h"
#include "client/app/tip.h"
#include "client/data/history_info.h"
#include "client/panels/analysis_page.h"
#include "client/panels/color_label.h"
#include "client/panels/eval_page.h"
#include "client/panels/tools_page.h"
#include "client/widgets/html_ctl.h"
#include "client/widgets/html_label.h"
#include "common/platform/paths.h"
#include "common/skin/main_layout.h"
#include "common/ui/color.h"
#include "common/ui/dialog_units.h"
#include "common/ui/kbc_bmp.h"
#include "common/ui/query_runner.h"
#include "common/ui/shell_facade.h"
#include "common/ui/skin_place.h"
#include "common/ui/text.h"
#include "common/ui/window_drag.h"

namespace {

constexpr ui::ColorRef kHistoryColor = 0x856323;
constexpr ui::ColorRef kLogoutColor = 0x0000CC;
constexpr ui::ColorRef kComplaintColor = 0x900306;
constexpr ui::ColorRef kWhite = 0xFFFFFF;

template <typename W>
W* Named(W* widget, int id) {
    widget->setObjectName(QString::number(id));
    return widget;
}

QWidget* Placeholder(QWidget* parent, int id, const skin::Area& area) {
    auto* widget = Named(new QWidget(parent), id);
    ui::Place(widget, area);
    widget->hide();
    return widget;
}

QFont LinkFont() {
    QFont font;
    font.setPixelSize(12);
    return font;
}

void SetUpLink(CHtmlLabel* link, ui::ColorRef normal, bool normalUnderline, ui::ColorRef hover,
               const std::string& text, const std::string& url) {
    link->SetFont(LinkFont());
    link->SetBkMode(1);
    link->SetLinkColors(normal, normalUnderline, hover, true);
    link->SetHyperlink(text, url, false);
}

}  // namespace

CMainDlg::CMainDlg(const ClientConfig& config, const Session& session, DocumentSource& documents,
                   QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::FramelessWindowHint),
      config_(config),
      session_(session),
      documents_(documents) {
    setObjectName(QString::number(ids::kMainDialog));
    setWindowIcon(AppIcon());
    setWindowTitle(QStringLiteral("Quorvel"));
    resize(ui::DluSize(565, 390));
    BuildControls();
    LoadHistory();
    AddTrayIcon();
    CreateWebStrip();
    skinned_ = ApplySkinAndLinks();
    if (!skinned_) return;
    CreateAdverts();
    topMostTimer_ = startTimer(ids::kTopMostMs);
}

CMainDlg::~CMainDlg() { BeginClosing(); }

// The configured program directory (or, for a configuration made without one, the
// running program's).
std::string CMainDlg::ProgramDir() const {
    return config_.programDirectory.empty() ? platform::ProgramDirectory() : config_.programDirectory;
}

// Controls stand where the main picture's layout puts them (the window is 565 x 390
// dialog units): pages on the large card, history and advertisements below it, the web
// strip above the status bar, the greeting on its chip in the header.
void CMainDlg::BuildControls() {
    namespace layout = skin::main_window;
    pagePlaceholder_ = Placeholder(this, ids::kPagePlaceholder, layout::kPageArea);
    const int pageIds[3] = {ids::kEvalPageButton, ids::kAnalysisPageButton, ids::kToolsPageButton};
    const skin::Area* pageAreas[3] = {&layout::kEvalPageButton, &layout::kAnalysisPageButton,
                                      &layout::kToolsPageButton};
    for (int i = 0; i < 3; ++i) {
        pageButtons_[i] = Named(new CKbcBmp(this), pageIds[i]);
        ui::Place(pageButtons_[i], *pageAreas[i]);
        const int id = pageIds[i];
        connect(pageButtons_[i], &CKbcBmp::clicked, this, [this, id] { OnCommand(id); });
    }
    minimiseButton_ = Named(new CKbcBmp(this), ids::kMinimise);
    ui::Place(minimiseButton_, layout::kMinimise);
    connect(minimiseButton_, &CKbcBmp::clicked, this, [this] { OnCommand(ids::kMinimise); });
    closeButton_ = Named(new CKbcBmp(this), ids::kClose);
    ui::Place(closeButton_, layout::kClose);
    connect(closeButton_, &CKbcBmp::clicked, this, [this] { OnCommand(ids::kClose); });

    historyCaption_ = Named(new CColorLabel(this), ids::kHistoryCaption);
    historyCaption_->setText(QStringLiteral("经典历史评测记录回顾："));
    ui::Place(historyCaption_, layout::kHistoryCaption);
    historyText_ = Named(new CColorLabel(this), ids::kHistoryText);
    ui::Place(historyText_, layout::kHistoryText);
    historyText_->setWordWrap(true);
    historyText_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    webStripPlaceholder_ = Placeholder(this, ids::kWebStrip, layout::kWebStrip);
    adPlaceholders_[0] = Placeholder(this, ids::kAdPlaceholder1, layout::kAd1);
    adPlaceholders_[1] = Placeholder(this, ids::kAdPlaceholder2, layout::kAd2);

    logoutLink_ = Named(new CHtmlLabel(this), ids::kLogoutLink);
    ui::Place(logoutLink_, layout::kLogoutLink);
    versionLine_ = Named(new CColorLabel(this), ids::kVersionLine);
    ui::Place(versionLine_, layout::kVersionLine);
    upgradeLink_ = Named(new CHtmlLabel(this), ids::kUpgradeLink);
    ui::Place(upgradeLink_, layout::kUpgradeLink);
    upgradeLink_->hide();
    complaintLink_ = Named(new CHtmlLabel(this), ids::kComplaintLink);
    ui::Place(complaintLink_, layout::kComplaintLink);
    greeting_ = Named(new CColorLabel(this), ids::kGreeting);
    ui::Place(greeting_, layout::kGreeting);
    greeting_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    homeLink_ = Named(new CHtmlLabel(this), ids::kHomeLink);
    ui::Place(homeLink_, layout::kHomeLink);
    accountLink_ = Named(new CHtmlLabel(this), ids::kAccountLink);
    ui::Place(accountLink_, layout::kAccountLink);
    recommendLink_ = Named(new CHtmlLabel(this), ids::kRecommendLink);
    ui::Place(recommendLink_, layout::kRecommendLink);

    // The window handles these clicks itself; their URL "HHHH" opens nothing.
    connect(logoutLink_, &CHtmlLabel::clicked, this, [this] { OnCommand(ids::kLogoutLink); });
    connect(upgradeLink_, &CHtmlLabel::clicked, this, [this] { OnCommand(ids::kUpgradeLink); });
    connect(complaintLink_, &CHtmlLabel::clicked, this,
            [this] { OnCommand(ids::kComplaintLink); });
}

// The history document loads off the window thread; only the history line waits for it
// (wait cursor over the line), the rest of the window works meanwhile.
void CMainDlg::LoadHistory() {
    ui::RunQuery(
        historyText_, [&documents = documents_] { return CHistoryInfo::Fetch(documents); },
        [label = historyText_](const CHistoryInfo& history) {
            if (history.Found())
                label->setText(ui::ToQString(history.Msg1() + "\r\n  \r\n" + history.Msg2()));
        });
}

void CMainDlg::AddTrayIcon() {
    tray_ = new CSystemTray(this);
    connect(tray_, &CSystemTray::Command, this, &CMainDlg::OnCommand);
    // Without a notification area the client runs without icon and menu.
    tray_->AddIcon(this, ids::kTrayNotify, "Quorvel", AppIcon(), ids::kTrayMenu);
    tray_->SetDefaultItem(ids::kTrayDefaultPosition, true);
}

void CMainDlg::CreateWebStrip() {
    webStrip_ = new CHtmlCtl(this);
    if (webStrip_->CreateFromStatic(ids::kWebStrip, this))
        webStrip_->Navigate(HostUrl(config_.hosts.productSite, "/zs/zs.html"));
}

bool CMainDlg::ApplySkinAndLinks() {
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    if (!skin_.Load(platform::JoinPath(ProgramDir(), "image\\main.gif"))) return false;
    if (!skin_.ShapeWindow(this)) return false;

    const char* pictures[3] = {"image\\cy.gif", "image\\fx.gif", "image\\fz.gif"};
    for (int i = 0; i < 3; ++i) pageButtons_[i]->SetImage(pictures[i], ui::kPureBlue);
    minimiseButton_->SetImage("image\\zxh.gif", ui::kPureBlue);
    closeButton_->SetImage("image\\gb.gif", ui::kPureBlue);
    pageButtons_[0]->SetSelected();

    pages_[0] = new CEvalPage(this);
    pages_[1] = new CAnalysisPage(this);
    pages_[2] = new CToolsPage(this);
    for (CSkinPage* page : pages_) {
        if (!page->Initialise()) return false;
        page->move(pagePlaceholder_->pos());
        page->show();
    }
    pages_[1]->hide();
    pages_[2]->hide();
    currentPage_ = ids::kEvalPageButton;

    for (CColorLabel* label : {historyCaption_, historyText_}) {
        label->textColor = kHistoryColor;
        label->RedrawOnParent();
    }
    SetUpLinks();
    ui::DragByAnyPoint(this);
    update();
    return true;
}

void CMainDlg::SetUpLinks() {
    const SiteHosts& hosts = config_.hosts;
    const bool guest = session_.guest;
    if (guest) {
        logoutLink_->hide();
        // Without the logout link the greeting takes the whole chip.
        ui::Place(greeting_, skin::main_window::kGreetingAlone);
        greeting_->setAlignment(Qt::AlignCenter);
    } else {
        SetUpLink(logoutLink_, kLogoutColor, true, kLogoutColor, Gbk("注销"), CHtmlLabel::kNoNavigationUrl);
    }
    SetUpLink(complaintLink_, kComplaintColor, false, kComplaintColor, Gbk("投诉建议"),
              CHtmlLabel::kNoNavigationUrl);
    SetUpLink(upgradeLink_, kLogoutColor, true, kLogoutColor, Gbk("立即升级"), CHtmlLabel::kNoNavigationUrl);
    if (guest)
        SetUpLink(accountLink_, kWhite, false, kWhite, Gbk("注册"),
                  HostUrl(hosts.accountPortal, "/Web/Register.aspx?fromkey=client"));
    else
        SetUpLink(accountLink_, kWhite, false, kWhite, Gbk("我的Kestrun"),
                  PortalLoginUrl(hosts, session_.userName, session_.password));
    SetUpLink(recommendLink_, kWhite, false, kWhite, Gbk("推荐给好友"),
              HostUrl(hosts.recommendSite, "/default.aspx"));
    SetUpLink(homeLink_, kWhite, false, kWhite, Gbk("官网"), HostUrl(hosts.productSite, "/"));

    greeting_->setText(ui::ToQString((guest ? Gbk("游客") : session_.userName) + Gbk(" 您好!")));
    greeting_->textColor = kComplaintColor;
    greeting_->RedrawOnParent();
}

void CMainDlg::CreateAdverts() {
    const AdvertChoice choices[2] = {ChooseMainAdvert(config_.hosts), SecondAdvert(config_.hosts)};
    for (int i = 0; i < 2; ++i) {
        ads_[i] = new CAdWnd();
        if (ads_[i]->Create(this, choices[i].link, choices[i].picture)) {
            ads_[i]->move(adPlaceholders_[i]->pos());
            ads_[i]->show();
        } else {
            ads_[i]->hide();
        }
    }
}

CSkinPage* CMainDlg::Page(int buttonId) const {
    const int index = buttonId - ids::kEvalPageButton;
    return index >= 0 && index < 3 ? pages_[index] : nullptr;
}

void CMainDlg::ShowPage(int buttonId) {
    for (int i = 0; i < 3; ++i) {
        const bool chosen = ids::kEvalPageButton + i == buttonId;
        if (pages_[i]) pages_[i]->setVisible(chosen);
        if (chosen)
            pageButtons_[i]->SetSelected();
        else
            pageButtons_[i]->ClearSelected();
    }
    currentPage_ = buttonId;
}

void CMainDlg::OnCommand(int id) {
    const SiteHosts& hosts = config_.hosts;
    switch (id) {
        case ids::kEvalPageButton:
        case ids::kAnalysisPageButton:
        case ids::kToolsPageButton:
            ShowPage(id);
            break;
        case ids::kMinimise:
            Minimise();
            break;
        case ids::kClose:
        case ids::kCmdExit:
            Exit();
            break;
        case ids::kLogoutLink:
            Logout();
            break;
        case ids::kUpgradeLink:
        case ids::kCmdUpdate:
            StartProgram("krupdate");
            break;
        case ids::kCmdRepair:
            StartProgram("krRestoration");
            break;
        case ids::kComplaintLink:
            ui::ShellFacade::OpenMail(hosts.supportMail);
            break;
        case ids::kCmdMakerSite:
            ui::ShellFacade::OpenUrl(HostUrl(hosts.makerSite, "/"));
            break;
        case ids::kCmdProducts:
            ui::ShellFacade::OpenUrl(HostUrl(hosts.accountPortal, "/login.aspx"));
            break;
        case ids::kCmdHelp:
            ui::ShellFacade::OpenUrl(HostUrl(hosts.productSite, "/sysm.html"));
            break;
        case ids::kCmdShowOrMinimise:
            ShowOrMinimise();
            break;
        case ids::kCmdNewsList:
            ShowNewsList();
            break;
        case ids::kCmdAbout:
            ShowAbout();
            break;
        default:
            break;
    }
}

void CMainDlg::StartProgram(const char* baseName) {
    ui::ShellFacade::StartProgram(
        platform::JoinPath(ProgramDir(), platform::ProgramFileName(baseName)));
}

void CMainDlg::Minimise() {
    showMinimized();
    minimised_ = true;
}

void CMainDlg::ShowOrMinimise() {
    if (minimised_) {
        showNormal();
        activateWindow();
        minimised_ = false;
    } else {
        Minimise();
    }
}

void CMainDlg::ShowAbout() {
    CAboutDlg about(this);
    about.exec();
}

void CMainDlg::ShowNewsList() {
    // The news list window comes with the news service; until then the command says so.
    ShowTip(this, Gbk("暂无新的信息提示!"));
}

void CMainDlg::BeginClosing() {
    closing_ = true;
    if (tray_) tray_->RemoveIcon();
}

void CMainDlg::Exit() {
    BeginClosing();
    if (isVisible() && QGuiApplication::platformName() != QLatin1String("offscreen")) {
        // Fade out where the window system can make windows translucent.
        auto* fade = new QPropertyAnimation(this, "windowOpacity", this);
        fade->setDuration(200);
        fade->setStartValue(1.0);
        fade->setEndValue(0.0);
        QEventLoop loop;
        connect(fade, &QPropertyAnimation::finished, &loop, &QEventLoop::quit);
        fade->start(QAbstractAnimation::DeleteWhenStopped);
        loop.exec();
    }
    done(kExited);
}

void CMainDlg::Logout() {
    BeginClosing();
    done(kLoggedOut);
}

int CMainDlg::exec() {
    if (!skinned_) {
        BeginClosing();
        return kExited;
    }
    return QDialog::exec();
}

void CMainDlg::timerEvent(QTimerEvent* event) {
    if (event->timerId() != topMostTimer_) {
        QDialog::timerEvent(event);
        return;
    }
    killTimer(topMostTimer_);
    topMostTimer_ = 0;
    // Came to the front once at start; from now on an ordinary window. The flag is
    // changed on the native window in place: setWindowFlag would hide the window, and a
    // hidden dialog ends its modal run.
    overrideWindowFlags(windowFlags() & ~Qt::WindowStaysOnTopHint);
    if (QWindow* native = windowHandle()) native->setFlag(Qt::WindowStaysOnTopHint, false);
    showMinimized();
    showNormal();
}

void CMainDlg::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return;  // Enter does nothing here
        case Qt::Key_Escape:
            Exit();
            return;
        default:
            QDialog::keyPressEvent(event);
    }
}

void CMainDlg::closeEvent(QCloseEvent* event) {
    // Closing from the window system is an exit.
    if (!closing_) {
        event->ignore();
        Exit();
        return;
    }
    QDialog::closeEvent(event);
}

void CMainDlg::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    skin_.Draw(painter);
}
