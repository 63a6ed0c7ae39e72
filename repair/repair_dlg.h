#pragma once
// CRepairDlg: the repair tool's window. Its action button walks through three states:
// "检查修复" reads the server's list of the installation's files and shows it,
// "开始修复" ends a running client (after asking), downloads every listed file and
// installs it over the program directory, "关闭" starts the client again and closes.
// "取消" closes at once, stopping a download under way; nothing is installed then.
// The list is read and the files are fetched off the window's thread.
#include <QDialog>

#include <string>

#include "common/skin/skin_rect.h"
#include "common/ui/skin_image.h"
#include "common/update/update_list_walk.h"
#include "repair/repair_worker.h"

class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;

namespace ui {
class ShellFacade;
}

struct RepairSettings {
    std::string listUrl;           // the server's list of the installation's files
    std::string programDirectory;  // where the files are installed and the client lives
    std::string clientName = "krclient";
};

class CRepairDlg : public QDialog {
    Q_OBJECT
public:
    enum class Stage { Check, Repair, Close };

    CRepairDlg(RepairSettings settings, ui::ShellFacade& shell, QWidget* parent = nullptr);
    ~CRepairDlg() override;

    bool IsSkinned() const { return skinned_; }
    Stage CurrentStage() const { return stage_; }
    // True while a repair runs on its worker.
    bool Repairing() const { return worker_ != nullptr; }

    int exec() override;
    // 取消, Escape and the window's close: a repair under way stops (nothing is
    // installed) and the window closes without starting the client.
    void reject() override;

    // The status line's text for a download notice.
    static QString ProgressText(const net::DownloadNotice& notice);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Act();
    void Check();
    void ShowList(const update::FileList& list);
    void Repair();
    void StartDownloads(int clientPid);
    void ShowProgress(const net::DownloadNotice& notice);
    void ShowResult(const repair::RepairResult& result);
    void CloseAndStartClient();
    void SetStage(Stage stage);
    void SetStatus(const QString& text);
    void PlaceControl(QWidget* widget, const skin::Area& area, int id);

    RepairSettings settings_;
    ui::ShellFacade& shell_;
    CSkinImage skin_;
    bool skinned_ = false;
    Stage stage_ = Stage::Check;
    update::FileList list_;
    repair::CRepairWorker* worker_ = nullptr;  // while a repair runs

    QLabel* heading_ = nullptr;
    QListWidget* files_ = nullptr;
    QLabel* status_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QPushButton* action_ = nullptr;
    QPushButton* cancel_ = nullptr;
};
