#pragma once
// CMainDlg: the client's frame after the login. Three pages (常用, 分析, 辅助) switched by
// their buttons, the greeting and links of the top bar, the history text, the web strip,
// two advertisements, the tray icon with its menu, and logout and exit. Its modal run
// ends with kExited or kLoggedOut.
//
// Every command is a QAction named by its id (the tray menu's ids, the control ids of the
// buttons and links that start it). Once the window begins to close, all of them are
// disabled, so nothing arriving during the exit fade does anything.
#include "client/app/window_layer.h"
#include <QDialog>
#include <QPointer>

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "client/core/client_config.h"
#include "client/core/current_stock_code.h"
#include "client/core/online_flag.h"
#include "client/core/session.h"
#include "client/data/last_evaluation.h"
#include "common/ui/skin_image.h"

class BackgroundWork;
class CAdWnd;
class DocumentSource;
class QAction;
class QActionGroup;
class QButtonGroup;
class QPropertyAnimation;
class CAnalysisPage;
class CColorLabel;
class CEvalPage;
class CHtmlCtl;
class CHtmlLabel;
class CKbcBmp;
class CNewsListDlg;
class CNewsPopup;
class CSkinPage;
class CStockSearchPopup;
class CSystemTray;
class CTipDlg;
class CToolsPage;
namespace ui {
class ShellFacade;
}

class CMainDlg : public QDialog {
    Q_OBJECT
public:
    enum Result { kExited = QDialog::Rejected, kLoggedOut = 2 };

    // The window keeps copies of the configuration and session; `documents` and `shell`
    // must outlive it, `documents` also the work of its queries (see ui::DrainQueries).
    CMainDlg(const ClientConfig& config, const Session& session, DocumentSource& documents,
             ui::ShellFacade& shell, QWidget* parent = nullptr);
    ~CMainDlg() override;

    // False when the skin (or a page background) could not be loaded: the window then
    // closes at once.
    bool IsSkinned() const { return skinned_; }
    int exec() override;

    // Runs the command with this id: a tray menu command or the command of control 1093,
    // 1094 or 1193 to 1195. Ignored once the window is closing.
    void OnCommand(int id);
    // The action of a command id; nullptr for an id that names no command.
    QAction* Command(int id) const;

    // Read by the background threads: true once the window closes or the user logs out.
    bool IsClosing() const { return closing_.load(); }
    bool IsMinimisedByClient() const { return minimised_; }
    bool IsTopMostPhase() const { return topMostTimer_ != 0; }
    // True while the exit fade runs; the modal run ends when it finishes.
    bool IsFading() const { return !fade_.isNull(); }
    // Length of the exit fade (200 ms); tests lengthen it to watch the fade under load.
    void SetFadeDuration(int ms) { fadeMs_ = ms; }
    CSystemTray* Tray() const { return tray_; }
    // The page shown: 1072, 1073 or 1074.
    int CurrentPage() const { return currentPage_; }
    CSkinPage* Page(int buttonId) const;
    CAdWnd* AdWindow(int index) const { return ads_[index]; }
    CHtmlCtl* WebStrip() const { return webStrip_; }
    // The button that opens the tray menu's commands on a desktop without a tray;
    // nullptr when the tray icon is there.
    CKbcBmp* MenuButton() const { return menuButton_; }
    const Session& CurrentSession() const { return session_; }
    // The code of the last successful panel query; pages copy it into their panels.
    const CurrentStockCode& CurrentCode() const { return currentCode_; }
    // The stock search pop-up every panel with a code edit shares.
    CStockSearchPopup* SearchPopup() const { return searchPopup_.get(); }
    // Whether the server is believed reachable; the connectivity watch keeps it current.
    OnlineFlag& Online() { return online_; }
    const LastEvaluation& LastEval() const { return lastEvaluation_; }
    // The data-file cycle, version check and connectivity watch started with the window
    // (see DefaultBackgroundOptions); nullptr when they were not started.
    BackgroundWork* Background() const { return background_.get(); }
    // The news pop-up (made hidden with the window) and the news list (made by the
    // 信息提示 command); nullptr before they are made and once the window closes.
    CNewsPopup* NewsPopup() const { return newsPopup_.get(); }
    CNewsListDlg* NewsList() const { return newsList_.get(); }

    // The version check's outcome on the version line 1196 and the upgrade link 1194.
    void ShowSameVersion(const std::string& local);
    void ShowNewVersion(const std::string& local, const std::string& server);

protected:
    void paintEvent(QPaintEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    // Esc and every other way a dialog is dismissed: exit (as 退出).
    void reject() override;

private slots:
    void ShowPage(int buttonId);
    void ShowOrMinimise();
    void Minimise();
    void ShowAbout();
    void ShowNewsList();
    void OpenMakerSite();
    void OpenProductsPage();
    void OpenHelp();
    void OpenComplaintMail();
    void StartUpdater();
    void StartRepairTool();
    void Exit();
    void Logout();
    void ShowCommandMenuBelowButton();

private:
    void CreateCommands();
    void BuildControls();
    void ConnectControls();
    void LoadHistory();
    void AddTrayIcon();
    void CreateWebStrip();
    bool ApplySkinAndLinks();
    void SetUpLinks();
    void CreateAdverts();
    void CreateMenuButton();
    void ShowCommandMenu(const QPoint& globalPos);
    void StartProgram(const char* baseName);
    void BeginClosing();
    bool CreateNewsPopup();
    void StartBackground();
    void OpenBackgroundTip(const std::string& message, bool question, std::function<void(int)> answered);

    std::string ProgramDir() const;

    const ClientConfig config_;
    const Session session_;
    DocumentSource& documents_;
    ui::ShellFacade& shell_;
    CurrentStockCode currentCode_;
    OnlineFlag online_;
    LastEvaluation lastEvaluation_;
    // A window of its own (no parent), owned here and closed with the main window.
    std::unique_ptr<CStockSearchPopup> searchPopup_;
    bool skinned_ = false;
    bool minimised_ = false;
    std::atomic<bool> closing_{false};
    int topMostTimer_ = 0;
    int currentPage_ = 0;
    CSkinImage skin_;
    QActionGroup* commands_ = nullptr;
    QButtonGroup* pageGroup_ = nullptr;
    QPointer<QPropertyAnimation> fade_;
    int fadeMs_ = 200;

    CKbcBmp* pageButtons_[3] = {};
    CKbcBmp* minimiseButton_ = nullptr;
    CKbcBmp* closeButton_ = nullptr;
    CKbcBmp* menuButton_ = nullptr;
    CSkinPage* pages_[3] = {};
    QWidget* pagePlaceholder_ = nullptr;
    QWidget* webStripPlaceholder_ = nullptr;
    QWidget* adPlaceholders_[2] = {};
    CColorLabel* historyCaption_ = nullptr;
    CColorLabel* historyText_ = nullptr;
    CColorLabel* versionLine_ = nullptr;
    CColorLabel* greeting_ = nullptr;
    CHtmlLabel* logoutLink_ = nullptr;
    CHtmlLabel* upgradeLink_ = nullptr;
    CHtmlLabel* complaintLink_ = nullptr;
    CHtmlLabel* homeLink_ = nullptr;
    CHtmlLabel* accountLink_ = nullptr;
    CHtmlLabel* recommendLink_ = nullptr;
    CHtmlCtl* webStrip_ = nullptr;
    CAdWnd* ads_[2] = {};
    CSystemTray* tray_ = nullptr;
    // Windows of their own (no parent), closed with the main window.
    std::unique_ptr<CNewsPopup> newsPopup_;
    std::unique_ptr<CNewsListDlg> newsList_;
    // The background threads' warning and question while they are open; they block no
    // window, stand above this one and are closed with it.
    std::vector<QPointer<CTipDlg>> backgroundTips_;
    // Declared last: its threads use the members above until it is gone.
    std::unique_ptr<BackgroundWork> background_;
};
