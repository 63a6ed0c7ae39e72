#pragma once
// CMainDlg: the client's frame after the login. Three pages (常用, 分析, 辅助) switched by
// their buttons, the greeting and links of the top bar, the history text, the web strip,
// two advertisements, the tray icon with its menu, and logout and exit. Its modal run
// ends with kExited or kLoggedOut.
#include "client/app/window_layer.h"
#include <QDialog>

#include <atomic>
#include <string>

#include "client/core/client_config.h"
#include "client/core/session.h"
#include "common/ui/skin_image.h"

class CAdWnd;
class DocumentSource;
class CAnalysisPage;
class CColorLabel;
class CEvalPage;
class CHtmlCtl;
class CHtmlLabel;
class CKbcBmp;
class CSkinPage;
class CSystemTray;
class CToolsPage;

class CMainDlg : public QDialog {
    Q_OBJECT
public:
    enum Result { kExited = QDialog::Rejected, kLoggedOut = 2 };

    // The window keeps copies of the configuration and session; `documents` must outlive it
    // and the work of its queries (see ui::DrainQueries).
    CMainDlg(const ClientConfig& config, const Session& session, DocumentSource& documents,
             QWidget* parent = nullptr);
    ~CMainDlg() override;

    // False when the skin (or a page background) could not be loaded: the window then
    // closes at once.
    bool IsSkinned() const { return skinned_; }
    int exec() override;

    // Tray menu commands and the window's own control commands (page buttons 1072 to
    // 1074, 1093, 1094, 1193 to 1195).
    void OnCommand(int id);

    // Read by the background threads: true once the window closes or the user logs out.
    bool IsClosing() const { return closing_.load(); }
    bool IsMinimisedByClient() const { return minimised_; }
    bool IsTopMostPhase() const { return topMostTimer_ != 0; }
    CSystemTray* Tray() const { return tray_; }
    // The page shown: 1072, 1073 or 1074.
    int CurrentPage() const { return currentPage_; }
    CSkinPage* Page(int buttonId) const;
    CAdWnd* AdWindow(int index) const { return ads_[index]; }
    CHtmlCtl* WebStrip() const { return webStrip_; }
    const Session& CurrentSession() const { return session_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildControls();
    void LoadHistory();
    void AddTrayIcon();
    void CreateWebStrip();
    bool ApplySkinAndLinks();
    void SetUpLinks();
    void CreateAdverts();
    void ShowPage(int buttonId);
    void ShowOrMinimise();
    void Minimise();
    void ShowAbout();
    void ShowNewsList();
    void StartProgram(const char* baseName);
    void Exit();
    void Logout();
    void BeginClosing();

    std::string ProgramDir() const;

    const ClientConfig config_;
    const Session session_;
    DocumentSource& documents_;
    bool skinned_ = false;
    bool minimised_ = false;
    std::atomic<bool> closing_{false};
    int topMostTimer_ = 0;
    int currentPage_ = 0;
    CSkinImage skin_;

    CKbcBmp* pageButtons_[3] = {};
    CKbcBmp* minimiseButton_ = nullptr;
    CKbcBmp* closeButton_ = nullptr;
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
};
