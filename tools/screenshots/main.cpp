// Renders, offscreen, the skin pictures and the widgets built on them into PNG files so
// that the look can be checked by eye:
//
//   screenshots <output folder> [installation folder holding image/]
//
// The installation folder defaults to the source tree's assets/. Under a virtual X server
// (xvfb-run -a -s "-screen 0 1280x1024x24" with QT_QPA_PLATFORM=xcb) the web page control
// is rendered too.
#include <QApplication>
#include <QDir>
#include <QEnterEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <memory>

#include "client/panels/bar_chart.h"
#include "client/panels/color_label.h"
#include "client/panels/stock_search_popup.h"
#include "client/panels/tip_dlg.h"
#include "client/widgets/background_effect.h"
#include "client/widgets/html_ctl.h"
#include "client/widgets/html_label.h"
#include "common/platform/paths.h"
#include "common/ui/color.h"
#include "common/ui/kbc_bmp.h"
#include "common/ui/skin_image.h"
#include "common/ui/text.h"

namespace {

QDir g_out;
int g_written = 0;

void Save(const QImage& image, const QString& name) {
    if (image.save(g_out.filePath(name), "PNG")) {
        ++g_written;
    } else {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(name));
    }
}

std::string ImagePath(const char* name) {
    return platform::JoinPath(platform::ProgramDirectory(), std::string("image\\") + name);
}

// A widget painting a skin picture as its background, shaped by it.
class SkinnedSurface : public QWidget {
public:
    explicit SkinnedSurface(const char* picture, QWidget* parent = nullptr) : QWidget(parent) {
        loaded_ = skin_.Load(ImagePath(picture));
        resize(loaded_ ? skin_.Size() : QSize(200, 100));
    }
    bool loaded() const { return loaded_; }
    CSkinImage& skin() { return skin_; }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        skin_.Draw(painter);
    }

private:
    CSkinImage skin_;
    bool loaded_ = false;
};

// The widget as it appears on screen: pixels outside its mask are see-through.
QImage GrabShaped(QWidget* widget) {
    QImage shot = widget->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    const QRegion mask = widget->mask();
    if (mask.isEmpty()) return shot;
    for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x) {
            if (!mask.contains(QPoint(x, y))) shot.setPixel(x, y, 0);
        }
    }
    return shot;
}

void SetHover(CKbcBmp* button) {
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QCoreApplication::sendEvent(button, &enter);
}

// One row per strip: the four states side by side over the background they stand on.
void ButtonSheet(const QString& fileName, const char* background, QPoint origin,
                 const std::vector<std::pair<const char*, ui::ColorRef>>& strips) {
    const int gap = 10;
    int rowHeight = 0, rowWidth = 0;
    std::vector<std::unique_ptr<SkinnedSurface>> rows;
    for (const auto& [strip, key] : strips) {
        auto surface = std::make_unique<SkinnedSurface>(background);
        CKbcBmp probe(surface.get());
        probe.SetImage(std::string("image\\") + strip, key);
        rowHeight = std::max(rowHeight, probe.height());
        rowWidth = std::max(rowWidth, 4 * (probe.width() + gap) + gap);
        rows.push_back(std::move(surface));
    }
    QImage sheet(rowWidth, static_cast<int>(strips.size()) * (rowHeight + gap) + gap, QImage::Format_ARGB32);
    sheet.fill(QColor(128, 128, 128));
    QPainter painter(&sheet);
    for (std::size_t i = 0; i < strips.size(); ++i) {
        for (int state = 0; state < 4; ++state) {
            SkinnedSurface surface(background);
            auto* button = new CKbcBmp(&surface);
            button->move(origin);
            button->SetImage(std::string("image\\") + strips[i].first, strips[i].second);
            const auto frame = static_cast<CKbcBmp::Frame>(state);
            if (frame == CKbcBmp::kHover) SetHover(button);
            if (frame == CKbcBmp::kPressed) button->setDown(true);
            if (frame == CKbcBmp::kSelected) button->SetSelected();
            const QRect area(origin - QPoint(gap / 2, gap / 2), button->size() + QSize(gap, gap));
            const QImage shot = surface.grab(area).toImage();
            painter.drawImage(gap / 2 + state * (button->width() + gap), gap / 2 + static_cast<int>(i) * (rowHeight + gap), shot);
        }
    }
    painter.end();
    Save(sheet, fileName);
}

void Backgrounds() {
    for (const char* name : {"login.gif", "main.gif", "bg_mid.gif", "bg_mid2.gif", "bg_midall.gif", "tipbg.gif", "news.gif",
                             "newsbk.gif", "about.gif", "updatebk.gif", "ad_1.gif", "ad_2.gif", "ad_3.gif"}) {
        SkinnedSurface surface(name);
        if (!surface.loaded()) {
            std::fprintf(stderr, "missing %s\n", name);
            continue;
        }
        surface.skin().ShapeWindow(&surface);
        Save(GrabShaped(&surface), QStringLiteral("background_%1.png").arg(QString::fromLatin1(name).section('.', 0, 0)));
    }
}

void Buttons() {
    const ui::ColorRef blue = ui::kPureBlue, red = ui::kPureRed;
    ButtonSheet("buttons_login.png", "login.gif", {120, 191}, {{"dl.gif", blue}, {"dl2.gif", blue}});
    ButtonSheet("buttons_title.png", "main.gif", {790, 4}, {{"zxh.gif", blue}, {"gb.gif", blue}});
    ButtonSheet("buttons_pages.png", "main.gif", {255, 40}, {{"cy.gif", blue}, {"fx.gif", blue}, {"fz.gif", blue}});
    ButtonSheet("buttons_eval.png", "bg_mid.gif", {10, 6},
                {{"zhpc.gif", blue}, {"yjyc.gif", blue}, {"zlpc.gif", blue}, {"cwpc.gif", blue}, {"dkpc.gif", blue},
                 {"zcpc.gif", blue}, {"ylpc.gif", blue}, {"rdpc.gif", blue}, {"gxpc.gif", blue}, {"jgpc.gif", blue},
                 {"topeyes-s.gif", blue}, {"topeyes-h.gif", blue}});
    ButtonSheet("buttons_analysis_tools.png", "bg_mid.gif", {10, 6},
                {{"rmhy.gif", blue}, {"hyrg.gif", blue}, {"ssbk.gif", blue}, {"cwfx.gif", blue}, {"dyxc.gif", blue},
                 {"zxjl.gif", blue}, {"sjjs.gif", blue}, {"mrss.gif", blue}, {"hdjr.gif", blue}});
    ButtonSheet("buttons_actions.png", "bg_mid2.gif", {300, 12},
                {{"botton.gif", blue}, {"ljfx.gif", blue}, {"ljtj.gif", blue}, {"sx.gif", blue}, {"qrjs.gif", blue},
                 {"bcsj.gif", blue}});
    ButtonSheet("buttons_tip_news.png", "news.gif", {100, 130},
                {{"tipok.gif", red}, {"tipcancel.gif", red}, {"viewinfo.gif", red}, {"newsclose.gif", red}});
}

void TipWindows() {
    CTipDlg info;
    info.SetMessage("\xB2\xE9\xD5\xD2\xB3\xC9\xB9\xA6!", CTipDlg::kInformation);  // "查找成功!"
    if (info.InitDialog()) Save(GrabShaped(&info), "tip_information.png");
    CTipDlg question;
    question.SetMessage("\xC8\xB7\xB6\xA8\xD2\xAA\xCD\xCB\xB3\xF6\xC2\xF0?", CTipDlg::kQuestion);  // "确定要退出吗?"
    if (question.InitDialog()) Save(GrabShaped(&question), "tip_question.png");
    CTipDlg longer;
    longer.SetMessage(
        "\xD5\xD2\xB2\xBB\xB5\xBD\xB8\xC3\xB9\xC9\xC6\xB1\xBB\xF2\xB8\xC3\xB9\xC9\xC6\xB1\xCE\xDE\xC6\xC0\xB2\xE2\xC4\xDA\xC8\xDD\xA3\xA1",
        CTipDlg::kInformation);  // "找不到该股票或该股票无评测内容！"
    if (longer.InitDialog()) Save(GrabShaped(&longer), "tip_long_message.png");
    CTipDlg longest;  // wider than the limit: the window grows in height too
    longest.SetMessage(ui::FromQString(QStringLiteral("服务器暂时无法连接，评测数据未能更新。请检查网络设置或稍后再试；"
                                                      "如问题持续存在，请使用在线修复。")),
                       CTipDlg::kQuestion);
    if (longest.InitDialog()) Save(GrabShaped(&longest), "tip_longest_message.png");
}

CColorLabel* Label(QWidget* parent, const QRect& rect, const QString& text, ui::ColorRef colour, int pixelSize = 12) {
    auto* label = new CColorLabel(parent);
    label->setGeometry(rect);
    label->setText(text);
    label->textColor = colour;
    QFont font = label->font();
    font.setPixelSize(pixelSize);
    label->setFont(font);
    return label;
}

void LabelsOverSkin() {
    SkinnedSurface panel("bg_mid2.gif");
    Label(&panel, {27, 14, 112, 20}, QStringLiteral("输入评测股票代码："), ui::Rgb(29, 56, 91));
    auto* button = new CKbcBmp(&panel);
    button->move(270, 12);
    button->SetImage("image\\botton.gif", ui::kPureBlue);
    Label(&panel, {37, 56, 200, 20}, QStringLiteral("600000 浦发银行"), ui::Rgb(204, 0, 0), 15);
    Label(&panel, {31, 86, 70, 16}, QStringLiteral("评测时间："), ui::Rgb(69, 87, 102));
    Label(&panel, {100, 86, 160, 16}, QStringLiteral("2026-12-07 15:00"), ui::Rgb(69, 87, 102));
    Label(&panel, {31, 112, 70, 16}, QStringLiteral("评测结果："), ui::Rgb(69, 87, 102));
    auto* verdict = Label(&panel, {94, 134, 560, 60},
                          QStringLiteral("主力控盘程度较高，筹码锁定良好，短期有望继续走强。"), ui::Rgb(244, 0, 0), 14);
    verdict->setWordWrap(true);
    auto* solid = Label(&panel, {560, 56, 190, 22}, QStringLiteral("实底标签（backColor）"), ui::Rgb(255, 255, 255));
    solid->backColor = ui::Rgb(42, 98, 160);
    solid->setAlignment(Qt::AlignCenter);
    Label(&panel, {28, 234, 720, 30},
          QStringLiteral("说明：清楚掌握主力控盘情况，控盘程度越高，锁定筹码越多，该股股价越容易被主力拉升或打压。"),
          ui::Rgb(69, 87, 102))
        ->setWordWrap(true);
    Save(panel.grab().toImage(), "labels_over_skin.png");
}

// The stock search pop-up under a code edit after "60" was typed, the third row highlighted
// from the keyboard, drawn over the panel it opens on at the opacity a compositing window
// system gives it.
void StockSearchPopup() {
    SkinnedSurface panel("bg_mid2.gif");
    Label(&panel, {27, 14, 112, 20}, QStringLiteral("输入评测股票代码："), ui::Rgb(29, 56, 91));
    auto* edit = new QLineEdit(QStringLiteral("60"), &panel);
    edit->setGeometry(142, 14, 112, 21);
    panel.show();
    CStockSearchPopup popup;
    const QPoint under = edit->geometry().bottomLeft() + QPoint(0, 1);
    popup.ShowMatches("60", panel.mapToGlobal(under), &panel);
    for (int i = 0; i < 3; ++i) popup.MoveHighlight(+1);
    QImage shot = panel.grab().toImage().convertToFormat(QImage::Format_ARGB32);
    QPainter painter(&shot);
    painter.setOpacity(popup.windowOpacity());
    painter.drawImage(under, popup.grab().toImage());
    painter.end();
    Save(shot.copy(0, 0, std::min(shot.width(), under.x() + popup.width() + 40),
                   std::min(shot.height(), under.y() + popup.height() + 20)),
         "stock_search_popup.png");
}

CHtmlLabel* RichLabel(QWidget* parent, const QRect& rect, const QString& html) {
    auto* label = new CHtmlLabel(parent);
    label->setGeometry(rect);
    QFont font = label->font();
    font.setPixelSize(12);
    label->SetFont(font);
    label->SetText(html);
    return label;
}

void RichTextLabels() {
    // Links on the main window's header, as the main window sets them up.
    SkinnedSurface header("main.gif");
    const struct {
        const char* text;
        QRect rect;
    } links[] = {{"官网", {645, 48, 30, 16}}, {"我的Kestrun", {678, 48, 72, 16}}, {"推荐给好友", {753, 48, 75, 16}}};
    CHtmlLabel* first = nullptr;
    for (const auto& link : links) {
        auto* label = RichLabel(&header, link.rect, {});
        label->SetBkMode(CHtmlLabel::kTransparentMode);
        label->SetLinkColors(0xFFFFFF, false, 0xFFFFFF, true);
        label->SetHyperlink(ui::FromQString(QString::fromUtf8(link.text)), "http://127.0.0.1/");
        if (!first) first = label;
    }
    auto* greeting = Label(&header, {480, 48, 129, 16}, QStringLiteral("demo 您好!"), 0x900306);
    greeting->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* logout = RichLabel(&header, {612, 48, 30, 16}, {});
    logout->SetBkMode(CHtmlLabel::kTransparentMode);
    logout->SetLinkColors(0x0000CC, true, 0x0000CC, true);
    logout->SetHyperlink(ui::FromQString(QStringLiteral("注销")), "HHHH");
    auto* buttons = new CKbcBmp(&header);
    buttons->move(255, 40);
    buttons->SetImage("image\\cy.gif", ui::kPureBlue);
    buttons->SetSelected();
    for (int i = 1; i < 3; ++i) {
        auto* b = new CKbcBmp(&header);
        b->move(255 + 67 * i, 40);
        b->SetImage(i == 1 ? "image\\fx.gif" : "image\\fz.gif", ui::kPureBlue);
    }
    QMouseEvent move(QEvent::MouseMove, QPointF(8, 8), QPointF(8, 8), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(first, &move);  // the first link hovered: underlined
    Save(header.grab(QRect(0, 0, 847, 72)).toImage(), "rich_links_on_header.png");

    // Effects, markup and states.
    QWidget board;
    board.resize(620, 420);
    QPalette palette = board.palette();
    palette.setColor(QPalette::Window, QColor(233, 239, 246));
    board.setPalette(palette);
    board.setAutoFillBackground(true);
    const struct {
        background_effect::Effect effect;
        const char* name;
    } effects[] = {{background_effect::kSolid, "solid"},       {background_effect::kHGradient, "hgradient"},
                   {background_effect::kVGradient, "vgradient"}, {background_effect::k3HGradient, "3hgradient"},
                   {background_effect::kHCGradient, "hcgradient"}, {background_effect::kNoise, "noise"},
                   {background_effect::kMetal, "metal"},       {background_effect::kHardBump, "hardbump"},
                   {background_effect::kSoftBump, "softbump"}};
    for (int i = 0; i < 9; ++i) {
        auto* label = RichLabel(&board, {10 + (i % 3) * 203, 10 + (i / 3) * 52, 195, 44},
                                QStringLiteral("<b>%1</b> 效果 <a href=\"http://127.0.0.1/\">链接</a>")
                                    .arg(QString::fromLatin1(effects[i].name)));
        label->SetBkColor3(ui::Rgb(233, 240, 248), ui::Rgb(176, 199, 224), ui::Rgb(120, 160, 205));
        label->SetBkEffect(effects[i].effect, 6);
        label->SetAlign(CHtmlLabel::kAlignHCenter | CHtmlLabel::kAlignVCenter);
        label->SetRoundRegion(true, 6, 6);
        label->SetFrame(QColor(120, 150, 185), 1, 1);
    }
    auto* markup = RichLabel(&board, {10, 170, 400, 180},
                             QStringLiteral("<font face=\"WenQuanYi Micro Hei\" size=14 color=0x5E3A1D><b>今日市场</b></font><br>"
                                            "上证指数 <font color=0x0000CC>3,245.67 ▲1.2%</font>，"
                                            "深证成指 <font color=0x3C8C1A>10,876.54 ▼0.4%</font><br>"
                                            "<i>斜体</i> <u>下划线</u> <strike>删除线</strike> H<sub>2</sub>O x<sup>2</sup> "
                                            "<small>小字</small> <big>大字</big><hr>"
                                            "<table border=1 cellpadding=3 bgcolor=0xF8F2EC><tr><td>代码</td><td>名称</td></tr>"
                                            "<tr><td>600000</td><td bgcolor=0xDDEEFF>浦发银行</td></tr></table>"
                                            "<a href=\"http://127.0.0.1/\">官网</a> &middot; <a href=\"HHHH\">注销</a>"));
    markup->SetBkEffect(background_effect::kVGradient);
    markup->SetBkColor3(ui::Rgb(255, 255, 255), ui::Rgb(246, 249, 252), ui::Rgb(236, 242, 248));
    markup->SetMargins(8, 6);
    markup->SetFrame(QColor(194, 208, 224));
    auto* disabled = RichLabel(&board, {420, 170, 190, 44}, QStringLiteral("<b>禁用的标签（浮雕）</b>"));
    disabled->SetBkColor(ui::Rgb(212, 222, 234));
    disabled->SetAlign(CHtmlLabel::kAlignHCenter | CHtmlLabel::kAlignVCenter);
    disabled->setEnabled(false);
    auto* right = RichLabel(&board, {420, 222, 190, 40}, QStringLiteral("右对齐 <a href=\"x\">链接</a>"));
    right->SetBkColor(ui::Rgb(255, 255, 255));
    right->SetMargins(6, 0);
    right->SetAlign(CHtmlLabel::kAlignRight | CHtmlLabel::kAlignVCenter);
    auto* hovered = RichLabel(&board, {420, 270, 190, 40}, {});
    hovered->SetBkColor(ui::Rgb(255, 255, 255));
    hovered->SetLinkColors(0xC65A2E, false, 0xC55B2C, true);
    hovered->SetHyperlink(ui::FromQString(QStringLiteral("忘记密码了（悬停）")), "http://127.0.0.1/");
    hovered->SetAlign(CHtmlLabel::kAlignHCenter | CHtmlLabel::kAlignVCenter);
    board.show();
    const QPoint over = hovered->rect().center();
    QMouseEvent hoverMove(QEvent::MouseMove, QPointF(over), QPointF(over), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(hovered, &hoverMove);
    Save(board.grab().toImage(), "rich_labels.png");
}

// The money-flow chart at its panel size: empty before a query, then with both series.
void BarCharts() {
    CBarChart chart;
    chart.resize(741, 188);
    Save(chart.grab().toImage(), "bar_chart_empty.png");
    chart.SetData("30\t12.5\t0\t46\t8\t21\t3", "-12\t-0.7\t-25\t-4\t-18\t0.7\t-9",
                  "1201\t1202\t1203\t1204\t1205\t1206\t1207");
    chart.MarkHasData();
    Save(chart.grab().toImage(), "bar_chart_data.png");
}

// The web page control shows a page only where the browser engine can draw: under a real
// (or virtual) X server. Offscreen it loads pages but grabs blank, so it is skipped there.
void WebPageControl() {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        std::printf("web page control skipped: run under xvfb-run with QT_QPA_PLATFORM=xcb to include it\n");
        return;
    }
    SkinnedSurface window("newsbk.gif");
    window.skin().ShapeWindow(&window);
    window.setWindowFlags(Qt::FramelessWindowHint);
    auto* placeholder = new QWidget(&window);
    placeholder->setObjectName(QStringLiteral("1188"));
    placeholder->setGeometry(12, 44, 616, 424);
    CHtmlCtl view;
    view.CreateFromStatic(1188, &window);
    window.move(0, 0);
    window.show();
    QEventLoop loop;
    QObject::connect(&view, &QWebEngineView::loadFinished, &loop, &QEventLoop::quit);
    QTimer::singleShot(15000, &loop, &QEventLoop::quit);
    view.setHtml(QStringLiteral("<html><body style='font-family:WenQuanYi Micro Hei;color:#1d385b;margin:16px'>"
                                "<h3>信息提示</h3><ul><li><a href='#'>沪指放量上涨，券商板块领涨</a></li>"
                                "<li><a href='app:refresh'>应用命令链接（不会跳转）</a></li></ul></body></html>"));
    loop.exec();
    QTimer::singleShot(800, &loop, &QEventLoop::quit);  // let the page paint
    loop.exec();
    Save(QGuiApplication::primaryScreen()->grabWindow(0, 0, 0, window.width(), window.height()).toImage(),
         "web_page_control.png");
    view.setParent(nullptr);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: %s <output folder> [installation folder holding image/]\n", argv[0]);
        return 2;
    }
    QFont font(QStringLiteral("WenQuanYi Micro Hei"));
    font.setPixelSize(12);
    QApplication::setFont(font);
    g_out = QDir(QString::fromLocal8Bit(argv[1]));
    if (!g_out.exists() && !QDir().mkpath(g_out.path())) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    platform::SetProgramDirectoryForTesting(argc == 3 ? argv[2] : QUORVEL_SOURCE_DIR "/assets");

    Backgrounds();
    Buttons();
    TipWindows();
    LabelsOverSkin();
    StockSearchPopup();
    RichTextLabels();
    BarCharts();
    WebPageControl();
    std::printf("%d pictures written to %s\n", g_written, qPrintable(g_out.absolutePath()));
    return 0;
}
