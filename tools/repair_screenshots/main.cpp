// repair_screenshots: renders the repair tool's window to PNG files so its look can be
// checked by eye: after the check with its list, during a download with the size line,
// after a successful repair and after a repair where one file failed. It stages program
// directories with the skin picture and starts the sample server and a slow site itself.
//
//   repair_screenshots OUTPUT_DIR
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTest>

#include <cstdio>
#include <string>

#include "common/net/support/http_script.h"
#include "common/net/support/script_server.h"
#include "common/platform/files.h"
#include "common/ui/recording_shell.h"
#include "common/update/update_list_walk.h"
#include "repair/repair_dlg.h"
#include "support/sample_server.h"

namespace {

QString g_out;

void Shoot(QWidget& window, const char* name) {
    QTest::qWait(200);
    const QString path = g_out + "/" + name;
    std::printf("%s %s\n", window.grab().save(path) ? "wrote" : "FAILED", path.toLocal8Bit().constData());
}

std::string StageProgramDirectory(const std::string& root, const char* name) {
    const std::string dir = root + "/" + name;
    platform::CreateDirectories(dir + "/image");
    platform::CopyFileOverwrite(std::string(QUORVEL_SOURCE_DIR) + "/assets/image/updatebk.gif",
                                dir + "/image/updatebk.gif");
    return dir;
}

bool Wait(const std::function<bool()>& done) { return QTest::qWaitFor(done, 30000); }

// Checks, repairs and shoots the window once the repair has ended.
void ShootRepair(const std::string& listUrl, const std::string& dir, const char* name,
                 const char* listShot = nullptr) {
    ui::RecordingShell shell;
    CRepairDlg dialog({listUrl, dir}, shell);
    dialog.show();
    auto* action = dialog.findChild<QWidget*>("1001");
    QTest::mouseClick(action, Qt::LeftButton);
    Wait([&] { return dialog.CurrentStage() != CRepairDlg::Stage::Check; });
    if (listShot) Shoot(dialog, listShot);
    QTest::mouseClick(action, Qt::LeftButton);
    Wait([&] { return dialog.CurrentStage() == CRepairDlg::Stage::Close && !dialog.Repairing(); });
    Shoot(dialog, name);
}

// A site whose big file arrives only partly, so the window is caught mid-download.
void ShootDownload(const std::string& dir) {
    const std::size_t size = 5u * 1048576u + 320000u;
    std::string list;
    nettest::ScriptServer site([&](nettest::ScriptConnection& connection, int) {
        const std::string request = connection.ReadRequest();
        if (request.find("GET /Restoration.xml") == 0) {
            connection.Send(nettest::Response("200 OK", {"Content-Length: " + std::to_string(list.size())}, list));
        } else if (request.find("krclient") != std::string::npos) {
            connection.Send(nettest::Response("200 OK", {"Content-Length: " + std::to_string(size)},
                                              std::string(size * 47 / 100, 'x')));
            connection.PeerClosed(20000);
        } else {
            connection.Send(nettest::Response("200 OK", {"Content-Length: 4"}, "data"));
        }
    });
    list = update::FileListDocument(site.url("/files/"), {{"StockInfo.xml", "1.0.0.3F2A9C1B"},
                                                          {"image\\login.gif", "1.0.0.77A01C3E"},
                                                          {"krclient", "1.0.0.0"}});
    ui::RecordingShell shell;
    CRepairDlg dialog({site.url("/Restoration.xml"), dir}, shell);
    dialog.show();
    auto* action = dialog.findChild<QWidget*>("1001");
    QTest::mouseClick(action, Qt::LeftButton);
    Wait([&] { return dialog.CurrentStage() == CRepairDlg::Stage::Repair; });
    QTest::mouseClick(action, Qt::LeftButton);
    Wait([&] { return site.connections() >= 4; });
    QTest::qWait(600);
    Shoot(dialog, "repair_download.png");
    dialog.reject();
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: repair_screenshots OUTPUT_DIR\n");
        return 2;
    }
    g_out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(g_out);
    SampleServer server;
    if (!server.Running()) {
        std::fprintf(stderr, "sample server: %s\n", server.Error().c_str());
        return 1;
    }
    const std::string root = platform::MakeTempDirectory("quorvel-repair-shots");
    ShootRepair(server.Url("/Restoration/Restoration.xml"), StageProgramDirectory(root, "full"),
                "repair_success.png", "repair_list.png");
    ShootDownload(StageProgramDirectory(root, "slow"));
    ShootRepair(server.Url("/__repair/missing/Restoration.xml"), StageProgramDirectory(root, "missing"),
                "repair_partial.png");
    platform::RemoveDirectoryTree(root);
    return 0;
}
