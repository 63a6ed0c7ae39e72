#include "repair/repair_dlg.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>

#include "common/platform/paths.h"
#include "common/platform/processes.h"
#include "common/skin/repair_layout.h"
#include "common/ui/product_mark.h"
#include "common/ui/query_runner.h"
#include "common/ui/question_box.h"
#include "common/ui/shell_facade.h"
#include "common/ui/skin_place.h"
#include "common/ui/stay_on_top.h"
#include "common/ui/text.h"
#include "common/ui/window_drag.h"
#include "repair/repair_ids.h"
#include "repair/repair_list.h"

namespace {

const char* const kClientQuestion = "Quorvel已在运行！\n请先关闭程序才能进行修复！\n如果选择确定将强行关闭程序！";

QString Caption(CRepairDlg::Stage stage) {
    switch (stage) {
        case CRepairDlg::Stage::Check: return QStringLiteral("检查修复");
        case CRepairDlg::Stage::Repair: return QStringLiteral("开始修复");
        case CRepairDlg::Stage::Close: return QStringLiteral("关闭");
    }
    return {};
}

// What a file's list line adds when the file was not repaired.
QString FailureNote(repair::FileOutcome outcome) {
    switch (outcome) {
        case repair::FileOutcome::Installed: return {};
        case repair::FileOutcome::Refused: return QStringLiteral("  —— 已拒绝");
        case repair::FileOutcome::NotDownloaded: return QStringLiteral("  —— 下载失败");
        case repair::FileOutcome::NotInstalled: return QStringLiteral("  —— 无法写入");
    }
    return {};
}

// A list line; lines sort by their text without regard to case, so file names come in
// the order a reader expects (image\login.gif between AutoUpdateList.xml and StockInfo.xml).
class FileLine : public QListWidgetItem {
public:
    explicit FileLine(const QString& text) : QListWidgetItem(text) {}
    bool operator<(const QListWidgetItem& other) const override {
        return text().compare(other.text(), Qt::CaseInsensitive) < 0;
    }
};

}  // namespace

CRepairDlg::CRepairDlg(RepairSettings settings, ui::ShellFacade& shell, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      settings_(std::move(settings)), shell_(shell) {
    using namespace skin::repair;
    setObjectName(QString::number(repair::ids::kDialog));
    setWindowTitle(QStringLiteral("Quorvel修复程序"));
    setWindowIcon(QIcon(QPixmap::fromImage(ui::DrawProductIcon(32))));

    heading_ = new QLabel(QStringLiteral("需要修复的文件列表"), this);
    heading_->setAlignment(Qt::AlignCenter);
    QFont headingFont = heading_->font();
    headingFont.setBold(true);
    heading_->setFont(headingFont);
    PlaceControl(heading_, kHeading, repair::ids::kHeading);
    files_ = new QListWidget(this);
    files_->setSortingEnabled(true);
    files_->setSelectionMode(QAbstractItemView::NoSelection);
    files_->setFocusPolicy(Qt::NoFocus);
    PlaceControl(files_, kFileList, repair::ids::kFileList);
    status_ = new QLabel(this);
    PlaceControl(status_, kStatus, repair::ids::kStatus);
    progress_ = new QProgressBar(this);
    progress_->setRange(0, 100);
    progress_->setValue(0);
    progress_->setTextVisible(true);
    PlaceControl(progress_, kProgress, repair::ids::kProgress);
    action_ = new QPushButton(this);
    action_->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
    PlaceControl(action_, kActionButton, repair::ids::kActionButton);
    cancel_ = new QPushButton(QStringLiteral("取消"), this);
    cancel_->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    cancel_->setCursor(Qt::ArrowCursor);
    PlaceControl(cancel_, kCancelButton, repair::ids::kCancelButton);
    for (QPushButton* button : {action_, cancel_}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    ui::KeepActiveDuringQueries(cancel_);
    connect(action_, &QPushButton::clicked, this, &CRepairDlg::Act);
    connect(cancel_, &QPushButton::clicked, this, &CRepairDlg::reject);
    SetStage(Stage::Check);

    if (!skin_.Load(platform::JoinPath(settings_.programDirectory, "image\\updatebk.gif"))) return;
    if (!skin_.ShapeWindow(this)) return;
    ui::DragByAnyPoint(this);
    skinned_ = true;
}

// A repair still running is stopped and waited for: its events are addressed to this window.
CRepairDlg::~CRepairDlg() { delete worker_; }

void CRepairDlg::PlaceControl(QWidget* widget, const skin::Area& area, int id) {
    widget->setObjectName(QString::number(id));
    ui::Place(widget, area);
}

int CRepairDlg::exec() {
    // A window without its picture would have no shape: it closes at once.
    if (!skinned_) return QDialog::Rejected;
    return QDialog::exec();
}

void CRepairDlg::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    skin_.Draw(painter);
}

void CRepairDlg::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // Enter closes (starting the client), except while files are being replaced.
        if (!Repairing() && !ui::QueryRunning(this)) CloseAndStartClient();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CRepairDlg::reject() {
    if (worker_) worker_->Stop();
    QDialog::reject();
}

void CRepairDlg::SetStage(Stage stage) {
    stage_ = stage;
    action_->setText(Caption(stage));
}

void CRepairDlg::SetStatus(const QString& text) { status_->setText(text); }

void CRepairDlg::Act() {
    switch (stage_) {
        case Stage::Check: Check(); break;
        case Stage::Repair: Repair(); break;
        case Stage::Close: CloseAndStartClient(); break;
    }
}

void CRepairDlg::Check() {
    // From here on the window no longer stays above the others.
    ui::DropStayOnTop(this);
    SetStatus(QStringLiteral("正在检查修复文件，请稍等。。。。。。"));
    ui::RunQuery(this, [url = settings_.listUrl] { return repair::FetchRepairList(url); },
                 [this](std::optional<update::FileList> list) {
                     // The server cannot be reached: say so; 检查修复 can be pressed again.
                     if (list)
                         ShowList(*list);
                     else
                         SetStatus(QStringLiteral("无法取得修复文件列表，请检查网络后再试！"));
                 });
}

void CRepairDlg::ShowList(const update::FileList& list) {
    list_ = list;
    files_->clear();
    if (list_.files.empty()) {
        SetStatus(QStringLiteral("没有文件可以修复！"));
        SetStage(Stage::Close);
        return;
    }
    for (const update::ListedFile& file : list_.files)
        files_->addItem(new FileLine(ui::ToQString(repair::RepairListLine(file))));
    SetStatus(QStringLiteral("点击开始按钮开始修复，修复过程可能时间比较长！"));
    SetStage(Stage::Repair);
}

void CRepairDlg::Repair() {
    action_->setEnabled(false);
    const int client = platform::FindProcess(settings_.clientName, settings_.programDirectory);
    if (client != -1 && !ui::AskOkCancel(this, "Quorvel", ui::FromQString(QString::fromUtf8(kClientQuestion)))) {
        SetStatus(QStringLiteral("Quorvel仍在运行，未进行修复！"));
        action_->setEnabled(true);
        return;
    }
    StartDownloads(client);
}

void CRepairDlg::StartDownloads(int clientPid) {
    SetStatus(QStringLiteral("正在进行下载，请稍等。。。。。。"));
    progress_->setValue(0);
    setCursor(Qt::WaitCursor);
    repair::CRepairWorker::Events events;
    events.progress = [this](const net::DownloadNotice& notice) { ShowProgress(notice); };
    events.fileDone = [this](const std::string&) { SetStatus(QStringLiteral("下载完成！正在修复。。。。。。")); };
    events.installing = [this] { SetStatus(QStringLiteral("正在进行修复，请稍等。。。。。。")); };
    events.finished = [this](const repair::RepairResult& result) { ShowResult(result); };
    worker_ = new repair::CRepairWorker(list_, settings_.programDirectory, clientPid, std::move(events));
    worker_->Start();
}

QString CRepairDlg::ProgressText(const net::DownloadNotice& notice) {
    return QStringLiteral("正在下载：") + ui::ToQString(notice.name) + QStringLiteral(":") +
           QString::asprintf("%10.3f", static_cast<double>(notice.total) / 1048576.0) + QStringLiteral("MB");
}

void CRepairDlg::ShowProgress(const net::DownloadNotice& notice) {
    if (notice.total > 0) progress_->setValue(static_cast<int>(notice.done * 100 / notice.total));
    SetStatus(ProgressText(notice));
}

void CRepairDlg::ShowResult(const repair::RepairResult& result) {
    // Called from the worker's own event: it is deleted once that event is done.
    worker_->deleteLater();
    worker_ = nullptr;
    unsetCursor();
    action_->setEnabled(true);
    if (result.clientStillRunning) {
        SetStatus(QStringLiteral("无法关闭Quorvel，未进行修复！"));
        return;
    }
    QListWidgetItem* firstFailed = nullptr;
    for (const repair::FileResult& file : result.report.files) {
        const QString note = FailureNote(file.outcome);
        if (note.isEmpty()) continue;
        const QString line = ui::ToQString(repair::RepairListLine(file.file));
        for (QListWidgetItem* item : files_->findItems(line, Qt::MatchExactly)) {
            item->setText(line + note);
            item->setForeground(QColor(200, 30, 30));
            if (!firstFailed || files_->row(item) < files_->row(firstFailed)) firstFailed = item;
        }
    }
    if (firstFailed) files_->scrollToItem(firstFailed, QAbstractItemView::PositionAtTop);
    const int failed = result.report.FailedCount();
    if (result.report.Complete()) {
        progress_->setValue(100);
        SetStatus(QStringLiteral("修复成功，谢谢您的使用！"));
    } else {
        SetStatus(QStringLiteral("修复未完成：%1个文件未能修复，请稍后再试！").arg(failed));
    }
    SetStage(Stage::Close);
}

void CRepairDlg::CloseAndStartClient() {
    if (platform::FindProcess(settings_.clientName, settings_.programDirectory) == -1)
        shell_.StartProgram(platform::JoinPath(settings_.programDirectory, platform::ProgramFileName(settings_.clientName)));
    accept();
}
