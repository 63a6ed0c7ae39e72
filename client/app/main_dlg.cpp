#include "client/app/main_dlg.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QPropertyAnimation>
#include <QShortcut>
#include <QTimerEvent>
#include <QWindow>

#include "client/app/about_dlg.h"
#include "client/app/background_work.h"
#include "client/widgets/ad_wnd.h"
#include "client/core/client_config.h"
#include "client/app/app_icon.h"
#include "client/app/control_ids.h"
#include "client/core/gbk.h"
#include "client/core/main_advert.h"
#include "client/core/main_links.h"
#include "client/app/system_tray.h"
#include "client/panels/tip.h"
#include "client/panels/tip_dlg.h"
#include "client/data/history_info.h"
#include "client/panels/analysis_page.h"
#include "client/panels/color_label.h"
#include "client/panels/eval_page.h"
#include "client/panels/news_list_dlg.h"
#include "client/panels/news_popup.h"
#include "client/panels/stock_search_popup.h"
#include "client/panels/tools_page.h"
#include "client/widgets/html_ctl.h"
#include "client/widgets/html_label.h"
#include "common/platform/log.h"
#include "common/platform/paths.h"
#include "common/skin/main_layout.h"
#include "common/ui/color.h"
#include "common/ui/dialog_units.h"
#include "common/ui/kbc_bmp.h"
#include "common/ui/modal_hook.h"
#include "common/ui/query_runner.h"
#include "common/ui/shell_facade.h"
#include "common/ui/skin_place.h"
#include "common/ui/stay_on_top.h"
#include "common/ui/text.h"
#include "common/ui/window_drag.h"
#include "common/ui/window_system.h"

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

void SetUpLink(CHtmlLabel* link, ui::ShellFacade& shell, ui::ColorRef normal, bool normalUnderline,
               ui::ColorRef hover, const std::string& text, const std::string& url) {
    link->SetShell(shell);
    link->SetFont(LinkFont());
    link->SetBkMode(CHtmlLabel::kTransparentMode);
    link->SetLinkColors(normal, normalUnderline, hover, true);
    link->SetHyperlink(text, url, false);
}

}  // namespace

CMainDlg::CMainDlg(const ClientConfig& config, const Session& session, DocumentSource& documents,
                   ui::ShellFacade& shell, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::FramelessWindowHint),
      config_(config),
      session_(session),
      documents_(documents),
      shell_(shell) {
    setObjectName(QString::number(ids::kMainDialog));
    // Its modal run must not block the client's other windows (the news pop-up and list,
    // the background warning): without a parent, window modality blocks nothing.
    setWindowModality(Qt::WindowModal);
    setWindowIcon(AppIcon());
    setWindowTitle(QStringLiteral("Quorvel"));
    resize(ui::DluSize(565, 390));
    CreateCommands();
    BuildControls();
    ConnectControls();
    LoadHistory();
    AddTrayIcon();
    CreateWebStrip();
    skinned_ = ApplySkinAndLinks();
    if (!skinned_) return;
    CreateAdverts();
    skinned_ = CreateNewsPopup();
    if (!skinned_) return;
    // Without a notification area the tray menu opens from the window itself.
    if (!tray_->IsEnabled()) CreateMenuButton();
    topMostTimer_ = startTimer(ids::kTopMostMs);
    StartBackground();
}

CMainDlg::~CMainDlg() {
    BeginClosing();
    background_.reset();  // waits for the threads, which use this window's members
}

// The configured program directory (or, for a configuration made without one, the
// running program's).
std::string CMainDlg::ProgramDir() const {
    return config_.programDirectory.empty() ? platform::ProgramDirectory() : config_.programDirectory;
}

void CMainDlg::CreateCommands() {
    commands_ = new QActionGroup(this);
    commands_->setExclusionPolicy(QActionGroup::ExclusionPolicy::None);
    const struct {
        int id;
        void (CMainDlg::*run)();
    } commands[] = {
        {ids::kCmdMakerSite, &CMainDlg::OpenMakerSite},
        {ids::kCmdProducts, &CMainDlg::OpenProductsPage},
        {ids::kCmdShowOrMinimise, &CMainDlg::ShowOrMinimise},
        {ids::kCmdNewsList, &CMainDlg::ShowNewsList},
        {ids::kCmdUpdate, &CMainDlg::StartUpdater},
        {ids::kCmdRepair, &CMainDlg::StartRepairTool},
        {ids::kCmdHelp, &CMainDlg::OpenHelp},
        {ids::kCmdAbout, &CMainDlg::ShowAbout},
        {ids::kCmdExit, &CMainDlg::Exit},
        {ids::kMinimise, &CMainDlg::Minimise},
        {ids::kClose, &CMainDlg::Exit},
        {ids::kLogoutLink, &CMainDlg::Logout},
        {ids::kUpgradeLink, &CMainDlg::StartUpdater},
        {ids::kComplaintLink, &CMainDlg::OpenComplaintMail},
    };
    for (const auto& command : commands) {
        auto* action = new QAction(this);
        action->setObjectName(QString::number(command.id));
        action->setData(command.id);
        commands_->addAction(action);
        connect(action, &QAction::triggered, this, command.run);
    }
    // Esc exits wherever the keyboard focus is inside the window, the web strip included.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WindowShortcut);
    connect(escape, &QShortcut::activated, Command(ids::kCmdExit), &QAction::trigger);
}

QAction* CMainDlg::Command(int id) const {
    return findChild<QAction*>(QString::number(id), Qt::FindDirectChildrenOnly);
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
    }
    minimiseButton_ = Named(new CKbcBmp(this), ids::kMinimise);
    ui::Place(minimiseButton_, layout::kMinimise);
    closeButton_ = Named(new CKbcBmp(this), ids::kClose);
    ui::Place(closeButton_, layout::kClose);

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
}

void CMainDlg::ConnectControls() {
    pageGroup_ = new QButtonGroup(this);
    pageGroup_->setExclusive(false);
    for (int i = 0; i < 3; ++i) pageGroup_->addButton(pageButtons_[i], ids::kEvalPageButton + i);
    connect(pageGroup_, &QButtonGroup::idClicked, this, &CMainDlg::ShowPage);
    connect(minimiseButton_, &CKbcBmp::clicked, Command(ids::kMinimise), &QAction::trigger);
    connect(closeButton_, &CKbcBmp::clicked, Command(ids::kClose), &QAction::trigger);
    // The window handles these clicks itself; their URL "HHHH" opens nothing.
    connect(logoutLink_, &CHtmlLabel::clicked, Command(ids::kLogoutLink), &QAction::trigger);
    connect(upgradeLink_, &CHtmlLabel::clicked, Command(ids::kUpgradeLink), &QAction::trigger);
    connect(complaintLink_, &CHtmlLabel::clicked, Command(ids::kComplaintLink), &QAction::trigger);
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
    // Without a notification area the client runs without icon and menu.
    tray_->AddIcon(this, ids::kTrayNotify, "Quorvel", AppIcon(), ids::kTrayMenu);
    tray_->SetDefaultItem(ids::kTrayDefaultPosition, true);
}

void CMainDlg::CreateWebStrip() {
    webStrip_ = CHtmlCtl::OverPlaceholder(ids::kWebStrip, this);
    if (webStrip_) webStrip_->Navigate(HostUrl(config_.hosts.productSite, "/zs/zs.html"));
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

    searchPopup_ = std::make_unique<CStockSearchPopup>();
    const PanelServices services{documents_, currentCode_,    *searchPopup_, online_,
                                 lastEvaluation_, shell_, config_};
    pages_[0] = new CEvalPage(services, this);
    pages_[1] = new CAnalysisPage(services, this);
    pages_[2] = new CToolsPage(services, this);
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
        SetUpLink(logoutLink_, shell_, kLogoutColor, true, kLogoutColor, Gbk("注销"), CHtmlLabel::kNoNavigationUrl);
    }
    SetUpLink(complaintLink_, shell_, kComplaintColor, false, kComplaintColor, Gbk("投诉建议"),
              CHtmlLabel::kNoNavigationUrl);
    if (guest)
        SetUpLink(accountLink_, shell_, kWhite, false, kWhite, Gbk("注册"),
                  HostUrl(hosts.accountPortal, "/Web/Register.aspx?fromkey=client"));
    else
        SetUpLink(accountLink_, shell_, kWhite, false, kWhite, Gbk("我的Kestrun"),
                  PortalLoginUrl(hosts, session_.userName, session_.password));
    SetUpLink(recommendLink_, shell_, kWhite, false, kWhite, Gbk("推荐给好友"),
              HostUrl(hosts.recommendSite, "/default.aspx"));
    SetUpLink(homeLink_, shell_, kWhite, false, kWhite, Gbk("官网"), HostUrl(hosts.productSite, "/"));

    greeting_->setText(ui::ToQString((guest ? Gbk("游客") : session_.userName) + Gbk(" 您好!")));
    greeting_->textColor = kComplaintColor;
    greeting_->RedrawOnParent();
}

bool CMainDlg::CreateNewsPopup() {
    newsPopup_ = std::make_unique<CNewsPopup>(ProgramDir(), documents_, online_, shell_,
                                              DefaultBackgroundOptions().news);
    newsPopup_->SetNotificationFallback(
        [this](const std::string& title, const std::string& summary) { return tray_->ShowMessage(title, summary); });
    return newsPopup_->Initialise();
}

void CMainDlg::StartBackground() {
    const BackgroundOptions& options = DefaultBackgroundOptions();
    if (!options.enabled) return;
    newsPopup_->Start();
    BackgroundWindow calls;
    calls.warnNetworkDown = [this](std::function<void()> dismissed) {
        OpenBackgroundTip(Gbk("您的网络出现问题!!!"), false, [dismissed](int) { dismissed(); });
    };
    calls.showSameVersion = [this](const std::string& local) { ShowSameVersion(local); };
    calls.showNewVersion = [this](const std::string& local, const std::string& server) {
        ShowNewVersion(local, server);
    };
    calls.askToUpdate = [this](std::function<void(bool)> answered) {
        OpenBackgroundTip(Gbk("有新的版本可以更新，\r\n您是否更新？!"), true,
                          [answered](int answer) { answered(answer == ui::kIdOk); });
    };
    // Disabled, like every command, once the window closes.
    calls.startUpdater = [this] { OnCommand(ids::kCmdUpdate); };
    ClientConfig config = config_;
    config.programDirectory = ProgramDir();
    background_ = std::make_unique<BackgroundWork>(this, std::move(calls), std::move(config), online_);
    background_->Start(options.timings);
}

void CMainDlg::OpenBackgroundTip(const std::string& message, bool question, std::function<void(int)> answered) {
    if (closing_) {
        answered(ui::kIdCancel);
        return;
    }
    // A child of this window, so it stays above it rather than behind.
    auto* tip = new CTipDlg(this);
    tip->SetMessage(message, question ? CTipDlg::kQuestion : CTipDlg::kInformation);
    connect(tip, &QDialog::finished, tip, &QObject::deleteLater);
    if (!tip->Open(std::move(answered))) {
        delete tip;
        return;
    }
    std::erase_if(backgroundTips_, [](const QPointer<CTipDlg>& open) { return open.isNull(); });
    backgroundTips_.push_back(tip);
}

void CMainDlg::ShowSameVersion(const std::string& local) {
    versionLine_->setText(ui::ToQString(Gbk("主程序版本：") + local));
    upgradeLink_->setEnabled(true);  // it stays hidden
}

void CMainDlg::ShowNewVersion(const std::string& local, const std::string& server) {
    SetUpLink(upgradeLink_, shell_, kComplaintColor, false, kComplaintColor, Gbk("立即升级"),
              CHtmlLabel::kNoNavigationUrl);
    upgradeLink_->show();
    versionLine_->setText(ui::ToQString(Gbk("主程序版本：") + local + Gbk("  检测到最新版本：") + server));
}

void CMainDlg::CreateAdverts() {
    const AdvertChoice choices[2] = {ChooseMainAdvert(config_.hosts), SecondAdvert(config_.hosts)};
    for (int i = 0; i < 2; ++i) {
        ads_[i] = new CAdWnd(this, shell_, choices[i].link, choices[i].picture);
        if (ads_[i]->IsCreated()) {
            ads_[i]->move(adPlaceholders_[i]->pos());
            ads_[i]->show();
        }
    }
}

// A title-bar button in the skin's style beside the minimise button, as far from it as
// the close button is.
void CMainDlg::CreateMenuButton() {
    menuButton_ = new CKbcBmp(this);
    menuButton_->setObjectName(QStringLiteral("commandMenuButton"));
    menuButton_->setToolTip(QStringLiteral("Quorvel"));
    menuButton_->SetImage("image\\cd.gif", ui::kPureBlue);
    const QRect minimise = minimiseButton_->geometry();
    const int gap = closeButton_->x() - (minimise.x() + minimise.width());
    menuButton_->move(minimise.x() - gap - menuButton_->width(), minimise.y());
    menuButton_->show();
    connect(menuButton_, &CKbcBmp::clicked, this, &CMainDlg::ShowCommandMenuBelowButton);
}

void CMainDlg::ShowCommandMenuBelowButton() {
    ShowCommandMenu(menuButton_->mapToGlobal(QPoint(0, menuButton_->height())));
}

void CMainDlg::ShowCommandMenu(const QPoint& globalPos) {
    if (closing_) return;
    tray_->Menu()->popup(globalPos);
}

CSkinPage* CMainDlg::Page(int buttonId) const {
    const int index = buttonId - ids::kEvalPageButton;
    return index >= 0 && index < 3 ? pages_[index] : nullptr;
}

void CMainDlg::ShowPage(int buttonId) {
    if (closing_) return;
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
    if (QAction* action = Command(id)) action->trigger();
}

void CMainDlg::OpenMakerSite() { shell_.OpenUrl(HostUrl(config_.hosts.makerSite, "/")); }

void CMainDlg::OpenProductsPage() { shell_.OpenUrl(HostUrl(config_.hosts.accountPortal, "/login.aspx")); }

void CMainDlg::OpenHelp() { shell_.OpenUrl(HostUrl(config_.hosts.productSite, "/sysm.html")); }

void CMainDlg::OpenComplaintMail() { shell_.OpenMail(config_.hosts.supportMail); }

void CMainDlg::StartUpdater() { StartProgram("krupdate"); }

void CMainDlg::StartRepairTool() { StartProgram("krRestoration"); }

void CMainDlg::StartProgram(const char* baseName) {
    shell_.StartProgram(platform::JoinPath(ProgramDir(), platform::ProgramFileName(baseName)));
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

// A second command shows the list window already made.
void CMainDlg::ShowNewsList() {
    if (!newsList_)
        newsList_ = std::make_unique<CNewsListDlg>(ProgramDir(), HostUrl(config_.hosts.productSite, "/articlelist.asp"));
    if (!newsList_->IsSkinned()) {
        // A damaged installation: the client closes, as for every window without its skin.
        platform::Log(platform::LogLevel::Error, "quorvel.skin", "the news list's picture image/newsbk.gif is missing");
        Exit();
        return;
    }
    newsList_->move(frameGeometry().center() - newsList_->rect().center());
    newsList_->showNormal();
    newsList_->raise();
    newsList_->activateWindow();
}

// From here on every command is disabled: the window only ends.
void CMainDlg::BeginClosing() {
    closing_ = true;
    if (commands_) commands_->setEnabled(false);
    if (topMostTimer_) killTimer(topMostTimer_);
    topMostTimer_ = 0;
    if (tray_) tray_->RemoveIcon();
    if (searchPopup_) searchPopup_->Hide();
    if (background_) background_->RequestStop();
    for (const QPointer<CTipDlg>& tip : backgroundTips_)
        if (tip) tip->reject();
    backgroundTips_.clear();
    newsPopup_.reset();
    newsList_.reset();
}

// The window fades out and the modal run ends when the fade has finished. Window systems
// without translucent windows keep it opaque for the fade's duration.
void CMainDlg::Exit() {
    if (closing_) return;
    BeginClosing();
    if (!isVisible()) {
        done(kExited);
        return;
    }
    fade_ = new QPropertyAnimation(this, "windowOpacity", this);
    fade_->setDuration(fadeMs_);
    fade_->setStartValue(1.0);
    fade_->setEndValue(0.0);
    connect(fade_, &QPropertyAnimation::finished, this, [this] { done(kExited); });
    fade_->start(QAbstractAnimation::DeleteWhenStopped);
}

void CMainDlg::Logout() {
    if (closing_) return;
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
    // Came to the front once at start; from now on an ordinary window. Minimising and
    // restoring settles it behind windows the user brings up later; where only the
    // compositor can restore a minimised window, the window would stay minimised.
    ui::DropStayOnTop(this);
    if (ui::CompositorManagesWindows()) return;
    showMinimized();
    showNormal();
}

void CMainDlg::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) return;  // nothing
    QDialog::keyPressEvent(event);
}

void CMainDlg::reject() { Command(ids::kCmdExit)->trigger(); }

// Closing from the window system is an exit; the window itself ends only through done().
void CMainDlg::closeEvent(QCloseEvent* event) {
    event->ignore();
    Command(ids::kCmdExit)->trigger();
}

// Without a tray, a right click on the title band above the pages opens the tray menu.
void CMainDlg::contextMenuEvent(QContextMenuEvent* event) {
    if (menuButton_ && event->pos().y() < pagePlaceholder_->y()) {
        ShowCommandMenu(event->globalPos());
        return;
    }
    QDialog::contextMenuEvent(event);
}

void CMainDlg::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    skin_.Draw(painter);
}
