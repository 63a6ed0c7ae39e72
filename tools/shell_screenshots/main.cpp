// shell_screenshots: renders the client's shell windows to PNG files so their look can
// be checked by eye: the login window, the main window for a guest and for the demo
// user, the comprehensive evaluation, the forecast and every diagnosis panel after a
// query of 600000, the six dimension detail windows (消息面 with each category), the
// stock search pop-up over a panel, the market analysis panels after their steps, the
// panels of page 辅助 (the calculator with three rows under each fee schedule, the SMS
// request, the expert question with a question chosen, and on a screen the two web page
// panels), the about window, a tip window, the main window's version line with the upgrade
// link, the news pop-up mid-slide and fully shown, and the news list. It stages a program directory with the skin
// pictures and starts the sample server itself.
//
//   shell_screenshots OUTPUT_DIR
//
// Runs offscreen by default (the web strip then stays blank); under Xvfb
// (QT_QPA_PLATFORM=xcb) the windows are shown and grabbed from the screen instead.
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QScreen>
#include <QComboBox>
#include <QLineEdit>
#include <QPainter>
#include <QTimer>
#include <QtTest/QTest>

#include <cstdio>
#include <string>

#include "client/app/about_dlg.h"
#include "client/app/background_work.h"
#include "client/core/online_flag.h"
#include "client/panels/news_list_dlg.h"
#include "client/panels/news_popup.h"
#include "common/ui/modal_hook.h"
#include "client/core/session.h"
#include "client/data/document_source.h"
#include "client/core/client_config.h"
#include "client/app/login_dlg.h"
#include "client/app/main_dlg.h"
#include "client/panels/comprehensive_panel.h"
#include "client/panels/analysis_page.h"
#include "client/panels/column_list_ctrl.h"
#include "client/panels/diagnosis_members.h"
#include "client/panels/diagnosis_panel.h"
#include "client/panels/dimension_detail_dlg.h"
#include "client/panels/eval_page.h"
#include "client/panels/news_dimension_dlg.h"
#include "client/panels/finance_panel.h"
#include "client/panels/hot_industry_panel.h"
#include "client/panels/industry_stocks_panel.h"
#include "client/panels/sector_panel.h"
#include "client/panels/stock_search_popup.h"
#include "client/panels/tip_dlg.h"
#include "client/panels/tools_page.h"
#include "client/tools/calculator_panel.h"
#include "client/tools/expert_question_panel.h"
#include "client/tools/sms_request_panel.h"
#include "common/ui/kbc_bmp.h"
#include "common/platform/code_page.h"
#include "common/platform/files.h"
#include "common/platform/paths.h"
#include "common/ui/kbc_bmp.h"
#include "common/ui/recording_shell.h"
#include "support/sample_server.h"

namespace {

QString g_out;

bool OnScreen() { return QGuiApplication::platformName() != QLatin1String("offscreen"); }

// Shows the window, lets it settle, and saves it. On a real screen the grab includes
// what the web engine draws; offscreen the widget renders itself.
void Shoot(QWidget& window, const char* name, int settleMs = 300) {
    window.show();
    window.raise();
    QTest::qWait(settleMs);
    QPixmap shot;
    if (OnScreen()) {
        const QRect frame = window.frameGeometry();
        shot = window.screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
    } else {
        shot = window.grab();
    }
    const QString path = g_out + "/" + name;
    std::printf("%s %s\n", shot.save(path) ? "wrote" : "FAILED", path.toLocal8Bit().constData());
}

void Stage(const std::string& dir, const std::string& host) {
    const std::string images = std::string(QUORVEL_SOURCE_DIR) + "/assets/image";
    platform::CreateDirectories(dir + "/image");
    for (const platform::DirectoryEntry& entry : platform::ListDirectory(images))
        if (!entry.isDirectory)
            platform::CopyFileOverwrite(images + "/" + entry.name, dir + "/image/" + entry.name);
    const std::string assets = std::string(QUORVEL_SOURCE_DIR) + "/assets/";
    for (const char* name : {"Advertise.XML", "UpdateList.xml", "StockInfo.xml"})
        platform::CopyFileOverwrite(assets + name, dir + "/" + name);
    platform::ReplaceFileAtomically(
        dir + "/config.xml",
        "<?xml version=\"1.0\" encoding=\"GB2312\"?>\r\n<Config>\r\n<RemotFilePath>" + host +
            "</RemotFilePath>\r\n<NewsTime></NewsTime>\r\n</Config>\r\n");
}

// Waits for `done`; says on stderr when it did not come, so the next picture is not trusted.
template <typename Done>
void Await(Done done, int timeoutMs, const char* what) {
    if (!QTest::qWaitFor(done, timeoutMs)) std::fprintf(stderr, "still waiting for %s\n", what);
}

void WaitForPanel(QWidget* panel) {
    Await([panel] { return !ui::QueryRunning(panel); }, 10000,
          qPrintable(QStringLiteral("panel %1's answer from the server").arg(panel->objectName())));
}

// Opens each diagnosis panel of page 常用, queries 600000 and saves the main window.
void ShootDiagnosisPanels(CMainDlg& main) {
    main.show();
    auto* page = static_cast<CEvalPage*>(main.Page(1072));
    for (const DiagnosisMember& member : kDiagnosisMembers) {
        page->SelectButton(member.buttonId);
        CDiagnosisPanel* panel = page->DiagnosisPanel(member.buttonId);
        panel->CodeEdit()->setText("600000");
        panel->Query();
        WaitForPanel(panel);
        Shoot(main, (std::string("panel_") + member.panelCode + ".png").c_str());
    }
}

// The comprehensive evaluation and the forecast of 600000, then every detail window of
// that evaluation; the 消息面 window once per site category.
void ShootComprehensive(CMainDlg& main, ui::ShellFacade& shell) {
    main.show();
    auto* page = static_cast<CEvalPage*>(main.Page(1072));
    page->SelectButton(CEvalPage::kComprehensiveButton);
    CComprehensivePanel* panel = page->ComprehensivePanel();
    panel->CodeEdit()->setText("600000");
    panel->Query();
    WaitForPanel(panel);
    Shoot(main, "panel_ZHZD.png");

    page->SelectButton(CEvalPage::kForecastButton);
    CDiagnosisPanel* forecast = page->DiagnosisPanel(CEvalPage::kForecastButton);
    forecast->CodeEdit()->setText("600000");
    forecast->Query();
    WaitForPanel(forecast);
    Shoot(main, "panel_YZYC.png");
    page->SelectButton(CEvalPage::kComprehensiveButton);

    const char* const names[] = {"JBM", "SCM", "JSM", "JJM", "XXM", "ZJP"};
    for (std::size_t d = 0; d < kDimensionCount; ++d) {
        const auto dimension = static_cast<Dimension>(d);
        const std::string name = std::string("detail_") + names[d];
        if (dimension != Dimension::News) {
            CDimensionDetailDlg window(dimension, main.LastEval().Get(), &main);
            Shoot(window, (name + ".png").c_str());
            continue;
        }
        CNewsDimensionDlg window(main.LastEval().Get(), shell, &main);
        for (std::size_t c = 0; c < kSiteCategoryCount; ++c) {
            window.ShowCategory(c);
            Shoot(window, (name + "_" + std::to_string(c + 1) + ".png").c_str());
        }
    }
}

// Page 分析: each panel after 立即分析 or a query; the finance list sorted by earnings (as
// it opens), then by the debt ratio, then holding one stock.
void ShootAnalysisPanels(CMainDlg& main) {
    main.show();
    QTest::mouseClick(main.findChild<CKbcBmp*>("1073", Qt::FindDirectChildrenOnly), Qt::LeftButton);
    auto* page = static_cast<CAnalysisPage*>(main.Page(1073));

    page->SelectButton(CAnalysisPage::kHotIndustryButton);
    page->HotIndustryPanel()->Act();
    WaitForPanel(page->HotIndustryPanel());
    Shoot(main, "analysis_hot_industries.png");

    page->SelectButton(CAnalysisPage::kIndustryStocksButton);
    page->IndustryStocksPanel()->Act();
    WaitForPanel(page->IndustryStocksPanel());
    Shoot(main, "analysis_industry_stocks.png");

    page->SelectButton(CAnalysisPage::kSectorButton);
    CSectorPanel* sector = page->SectorPanel();
    sector->CodeEdit()->setText("600519");
    sector->Act();
    WaitForPanel(sector);
    Shoot(main, "analysis_sectors.png");

    page->SelectButton(CAnalysisPage::kFinanceButton);
    CFinancePanel* finance = page->FinancePanel();
    WaitForPanel(finance);
    Shoot(main, "analysis_finance_by_earnings.png");
    finance->SortByFigure(5);
    Shoot(main, "analysis_finance_by_debt_ratio.png");
    finance->CodeEdit()->setText("600000");
    finance->Act();
    WaitForPanel(finance);
    Shoot(main, "analysis_finance_one_stock.png");
}

// "60" typed into a panel's code edit, the third row highlighted with the arrow key.
void ShootPopupOverPanel(CMainDlg& main) {
    auto* page = static_cast<CEvalPage*>(main.Page(1072));
    page->SelectButton(1078);
    CDiagnosisPanel* panel = page->DiagnosisPanel(1078);
    panel->CodeEdit()->clear();
    panel->CodeEdit()->setFocus();
    QTest::keyClicks(panel->CodeEdit(), "60");
    for (int i = 0; i < 3; ++i) QTest::keyClick(panel->CodeEdit(), Qt::Key_Down);
    CStockSearchPopup* popup = main.SearchPopup();
    QTest::qWait(200);
    if (OnScreen()) {
        Shoot(main, "panel_search_popup.png");
        return;
    }
    // Offscreen the pop-up is a window of its own: lay its picture over the main window's.
    QImage shot = main.grab().toImage();
    QPainter painter(&shot);
    painter.setOpacity(popup->windowOpacity());
    painter.drawImage(main.mapFromGlobal(popup->pos()), popup->grab().toImage());
    painter.end();
    const QString path = g_out + "/panel_search_popup.png";
    std::printf("%s %s\n", shot.save(path) ? "wrote" : "FAILED", path.toLocal8Bit().constData());
}

// The bottom-right corner of the work area with the news pop-up where it stands: taken
// from the screen when there is one, else drawn from the pop-up's own picture, cut at the
// work area's bottom edge as the screen cuts it.
void ShootWorkAreaCorner(CNewsPopup& popup, const char* name) {
    const QRect work = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect corner(work.right() + 1 - 360, work.bottom() + 1 - 240, 360, 240);
    QImage shot;
    if (OnScreen()) {
        shot = popup.screen()->grabWindow(0, corner.x(), corner.y(), corner.width(), corner.height()).toImage();
    } else {
        shot = QImage(corner.size(), QImage::Format_RGB32);
        shot.fill(QColor(58, 110, 165));
        QPainter painter(&shot);
        painter.drawImage(popup.pos() - corner.topLeft(), popup.grab().toImage());
    }
    const QString path = g_out + "/" + name;
    std::printf("%s %s\n", shot.save(path) ? "wrote" : "FAILED", path.toLocal8Bit().constData());
}

// The version check finding another version: the line shows both and the link appears;
// the question it asks is answered 取消.
void ShootVersionLine(const std::string& dir, const ClientConfig& config, const Session& session,
                      DocumentSource& documents, ui::ShellFacade& shell) {
    platform::ReplaceFileAtomically(
        dir + "/UpdateList.xml",
        "<UpdateList><Files/><Application><Version>0.9.8</Version></Application></UpdateList>");
    DefaultBackgroundOptions() = BackgroundOptions{true, {600000, 0, 600000}, {600000, 600000, 20, 10}};
    ui::ScopedModalAnswers answers(ui::kIdCancel);
    CMainDlg main(config, session, documents, shell);
    main.show();
    Await([&] { return !answers.Prompts().empty(); }, 10000, "the version question");
    Shoot(main, "shell_main_version.png", OnScreen() ? 2500 : 300);
    DefaultBackgroundOptions() = BackgroundOptions{false, {}, {}};
}

void ShootNews(const std::string& dir, DocumentSource& documents, ui::ShellFacade& shell) {
    OnlineFlag online;
    // Slow steps, so the picture taken mid-way shows the pop-up mid-way.
    CNewsPopup popup(dir, documents, online, shell, CNewsPopup::Timings{0, 600000, 200, 10});
    if (!popup.Initialise()) return;
    popup.Start();
    Await([&] { return popup.SlideOffset() >= 90; }, 10000, "the news pop-up to slide in");
    ShootWorkAreaCorner(popup, "news_popup_sliding.png");
    Await([&] { return !popup.IsSliding(); }, 20000, "the news pop-up to stand still");
    QTest::qWait(100);
    ShootWorkAreaCorner(popup, "news_popup_shown.png");
}

// Page 辅助: the calculator under both schedules, the two forms, and the web pages when
// they can be captured.
void ShootToolPanels(CMainDlg& main) {
    auto* pageButton = main.findChild<CKbcBmp*>(QStringLiteral("1074"));
    QTest::mouseClick(pageButton, Qt::LeftButton);
    auto* page = static_cast<CToolsPage*>(main.Page(1074));

    page->SelectButton(CToolsPage::kCalculatorButton);
    auto* calculator = static_cast<CCalculatorPanel*>(page->Panel(CToolsPage::kCalculatorButton));
    const char* rows[3][7] = {{"600036", "10.00", "1000", "11.00", "1000", "2026-11-02", "2026-12-01"},
                              {"000002", "12.50", "2000", "13.20", "2000", "2026-10-15", "2026-11-20"},
                              {"002415", "35.00", "300", "33.10", "300", "2026-09-01", "2026-11-30"}};
    const TradeField order[7] = {TradeField::Code, TradeField::BuyPrice, TradeField::BuyQuantity,
                                 TradeField::SellPrice, TradeField::SellQuantity, TradeField::BuyTime,
                                 TradeField::SellTime};
    for (std::size_t row = 0; row < 3; ++row)
        for (std::size_t i = 0; i < 7; ++i) calculator->Field(row, order[i])->setText(rows[row][i]);
    calculator->ScheduleChoice()->setCurrentIndex(CCalculatorPanel::kCurrentItem);
    calculator->Calculate();
    Shoot(main, "tools_calculator_current.png");
    calculator->ScheduleChoice()->setCurrentIndex(CCalculatorPanel::kClassicItem);
    calculator->Calculate();
    Shoot(main, "tools_calculator_classic.png");

    page->SelectButton(CToolsPage::kSmsButton);
    auto* sms = static_cast<CSmsRequestPanel*>(page->Panel(CToolsPage::kSmsButton));
    sms->PhoneEdit()->setText("13800138000");
    Shoot(main, "tools_sms.png");

    page->SelectButton(CToolsPage::kQuestionButton);
    auto* question = static_cast<CExpertQuestionPanel*>(page->Panel(CToolsPage::kQuestionButton));
    question->NameEdit()->setText(QStringLiteral("张三"));
    question->TitleCombo()->setCurrentIndex(0);
    question->PhoneEdit()->setText("13800138000");
    question->CodeEdit()->setText("600000");
    question->PriceEdit()->setText("10.50");
    question->QuestionCombo()->setCurrentIndex(3);
    Shoot(main, "tools_question.png", OnScreen() ? 2500 : 300);

    if (!OnScreen()) return;  // offscreen the web engine draws nothing
    page->SelectButton(CToolsPage::kLiveButton);
    Shoot(main, "tools_live.png", 2500);
    page->SelectButton(CToolsPage::kAlmanacButton);
    Shoot(main, "tools_almanac.png", 2500);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: shell_screenshots OUTPUT_DIR\n");
        return 2;
    }
    g_out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(g_out);

    SampleServer server;
    const std::string dir = platform::MakeTempDirectory("shell_screenshots");
    platform::SetProgramDirectoryForTesting(dir);
    Stage(dir, server.BaseHost());

    const ClientConfig config = LoadConfig();
    ServerDocumentSource documents(config.serverBase);
    Session session;
    ui::RecordingShell shell;  // nothing the windows ask of the shell is carried out
    {
        CLoginDlg login(config, session, shell);
        Shoot(login, "shell_login.png");
    }
    // The background threads and news checks are shot on their own below.
    DefaultBackgroundOptions() = BackgroundOptions{false, {}, {}};
    session.EnterAsGuest();
    {
        CMainDlg main(config, session, documents, shell);
        Shoot(main, "shell_main_guest.png", OnScreen() ? 2500 : 300);
    }
    session.LogIn("demo", "demo123");
    {
        CMainDlg main(config, session, documents, shell);
        Shoot(main, "shell_main_demo.png", OnScreen() ? 2500 : 300);
        ShootComprehensive(main, shell);
        ShootDiagnosisPanels(main);
        ShootPopupOverPanel(main);
        ShootAnalysisPanels(main);
        ShootToolPanels(main);
    }
    ShootVersionLine(dir, config, session, documents, shell);
    ShootNews(dir, documents, shell);
    {
        CNewsListDlg list(dir, HostUrl(config.hosts.productSite, "/articlelist.asp"));
        Shoot(list, "news_list.png", OnScreen() ? 2500 : 300);
    }
    {
        CAboutDlg about;
        Shoot(about, "shell_about.png");
    }
    {
        CTipDlg tip;
        tip.SetMessage(platform::Utf8ToLocalText("用户名或密码错误!"), CTipDlg::kInformation);
        tip.InitDialog();
        Shoot(tip, "shell_tip.png");
    }
    platform::SetProgramDirectoryForTesting("");
    platform::RemoveDirectoryTree(dir);
    return 0;
}
