// Draws every skin picture of the client and the repair tool into a folder as GIF89a
// files (normally assets/image), and, when a second folder is given, the application
// icon as PNG files in the hicolor theme's layout below it (normally
// assets/share/icons). The output is deterministic, so regenerating without changes
// leaves the committed files untouched. Sizes and frames come from the skin's geometry
// table (common/skin), which the windows read too.
//
//   skin_gen <picture folder> [<icon folder>]
#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "common/skin/about_layout.h"
#include "common/skin/button_sizes.h"
#include "common/skin/login_layout.h"
#include "common/skin/main_layout.h"
#include "common/skin/page_layout.h"
#include "common/skin/panel_layouts.h"
#include "common/skin/repair_layout.h"
#include "common/skin/skin_pictures.h"
#include "common/skin/tip_layout.h"
#include "common/ui/product_mark.h"
#include "tools/skin_gen/gif_writer.h"
#include "tools/skin_gen/palette_quantizer.h"
#include "tools/skin_gen/skin_backgrounds.h"
#include "tools/skin_gen/skin_buttons.h"

namespace {

using skin_gen::ButtonStyle;

const QColor kBlueKey(0, 0, 255);  // COLORREF 0xFF0000
const QColor kRedKey(255, 0, 0);   // COLORREF 0x0000FF

struct Background {
    const skin::Picture* picture;
    std::function<QImage()> draw;
};

struct Strip {
    const char* file;
    QSize frame;
    ButtonStyle style;
    const char* caption;  // UTF-8
    QColor key;
};

QSize Q(skin::Size size) { return QSize(size.w, size.h); }

const QSize kLoginAction = Q(skin::buttons::kLoginAction);
const QSize kTitle = Q(skin::buttons::kTitle);
const QSize kPage = Q(skin::buttons::kPage);
const QSize kTab = Q(skin::buttons::kTab);
const QSize kAction = Q(skin::buttons::kAction);
const QSize kWideAction = Q(skin::buttons::kWideAction);
const QSize kTip = Q(skin::buttons::kSmall);
const QSize kViewInfo = Q(skin::buttons::kViewInfo);

const std::vector<Strip>& Strips() {
    static const std::vector<Strip> strips = {
        // Login window.
        {"dl.gif", kLoginAction, ButtonStyle::kPrimary, "登陆", kBlueKey},
        {"dl2.gif", kLoginAction, ButtonStyle::kSecondary, "游客登陆", kBlueKey},
        // Title buttons of the login and main windows.
        {"zxh.gif", kTitle, ButtonStyle::kTitleMinimise, "", kBlueKey},
        {"gb.gif", kTitle, ButtonStyle::kTitleClose, "", kBlueKey},
        {"cd.gif", kTitle, ButtonStyle::kTitleMenu, "", kBlueKey},
        // Main window pages.
        {"cy.gif", kPage, ButtonStyle::kHeaderTab, "常用", kBlueKey},
        {"fx.gif", kPage, ButtonStyle::kHeaderTab, "分析", kBlueKey},
        {"fz.gif", kPage, ButtonStyle::kHeaderTab, "辅助", kBlueKey},
        // Evaluation page.
        {"zhpc.gif", kTab, ButtonStyle::kTab, "综合评测", kBlueKey},
        {"yjyc.gif", kTab, ButtonStyle::kTab, "业绩预测", kBlueKey},
        {"zlpc.gif", kTab, ButtonStyle::kTab, "主力评测", kBlueKey},
        {"cwpc.gif", kTab, ButtonStyle::kTab, "仓位评测", kBlueKey},
        {"dkpc.gif", kTab, ButtonStyle::kTab, "多空评测", kBlueKey},
        {"zcpc.gif", kTab, ButtonStyle::kTab, "支撑评测", kBlueKey},
        {"ylpc.gif", kTab, ButtonStyle::kTab, "压力评测", kBlueKey},
        {"rdpc.gif", kTab, ButtonStyle::kTab, "热度评测", kBlueKey},
        {"gxpc.gif", kTab, ButtonStyle::kTab, "股性评测", kBlueKey},
        {"jgpc.gif", kTab, ButtonStyle::kTab, "机构评测", kBlueKey},
        {"topeyes-s.gif", kTab, ButtonStyle::kTab, "TOPEYES-S", kBlueKey},
        {"topeyes-h.gif", kTab, ButtonStyle::kTab, "TOPEYES-H", kBlueKey},
        // Analysis page.
        {"rmhy.gif", kTab, ButtonStyle::kTab, "热门行业", kBlueKey},
        {"hyrg.gif", kTab, ButtonStyle::kTab, "行业热股", kBlueKey},
        {"ssbk.gif", kTab, ButtonStyle::kTab, "所属版块", kBlueKey},
        {"cwfx.gif", kTab, ButtonStyle::kTab, "财务分析", kBlueKey},
        // Tools page.
        {"dyxc.gif", kTab, ButtonStyle::kTab, "第一现场", kBlueKey},
        {"zxjl.gif", kTab, ButtonStyle::kTab, "在线交流", kBlueKey},
        {"sjjs.gif", kTab, ButtonStyle::kTab, "数据计算", kBlueKey},
        {"mrss.gif", kTab, ButtonStyle::kTab, "明日是谁", kBlueKey},
        {"hdjr.gif", kTab, ButtonStyle::kTab, "老黄历", kBlueKey},
        // Query and action buttons of the panels.
        {"botton.gif", kAction, ButtonStyle::kPrimary, "查询", kBlueKey},
        {"ljfx.gif", kWideAction, ButtonStyle::kPrimary, "立即分析", kBlueKey},
        {"ljtj.gif", kAction, ButtonStyle::kPrimary, "提交", kBlueKey},
        {"sx.gif", kAction, ButtonStyle::kSecondary, "刷新", kBlueKey},
        {"qrjs.gif", kWideAction, ButtonStyle::kPrimary, "确认计算", kBlueKey},
        {"bcsj.gif", kWideAction, ButtonStyle::kSecondary, "保存数据", kBlueKey},
        // Tip window, news pop-up and about window.
        {"tipok.gif", kTip, ButtonStyle::kPrimary, "确定", kRedKey},
        {"tipcancel.gif", kTip, ButtonStyle::kSecondary, "取消", kRedKey},
        {"viewinfo.gif", kViewInfo, ButtonStyle::kPrimary, "查看详细", kRedKey},
        {"newsclose.gif", kTip, ButtonStyle::kSecondary, "关闭", kRedKey},
    };
    return strips;
}

const std::vector<Background>& Backgrounds() {
    static const std::vector<Background> backgrounds = {
        {&skin::login::kPicture, skin_gen::DrawLoginBackground},
        {&skin::main_window::kPicture, skin_gen::DrawMainBackground},
        {&skin::page::kPicture, skin_gen::DrawPageBackground},
        {&skin::comprehensive::kPicture, skin_gen::DrawComprehensiveBackground},
        {&skin::detail::kPicture, skin_gen::DrawDetailBackground},
        {&skin::tip::kPicture, skin_gen::DrawTipBackground},
        {&skin::news_popup::kPicture, skin_gen::DrawNewsPopupBackground},
        {&skin::news_list::kPicture, skin_gen::DrawNewsListBackground},
        {&skin::about::kPicture, skin_gen::DrawAboutBackground},
        {&skin::repair::kPicture, skin_gen::DrawRepairBackground},
        {&skin::advert::kPictures[0], [] { return skin_gen::DrawAdvertisement(1); }},
        {&skin::advert::kPictures[1], [] { return skin_gen::DrawAdvertisement(2); }},
        {&skin::advert::kPictures[2], [] { return skin_gen::DrawAdvertisement(3); }},
    };
    return backgrounds;
}

bool WriteGif(const QImage& picture, const QString& path, const QColor& key) {
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    std::vector<std::uint32_t> pixels;
    pixels.reserve(static_cast<std::size_t>(rgb.width()) * rgb.height());
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        pixels.insert(pixels.end(), row, row + rgb.width());
    }
    const skin_gen::IndexedPicture indexed = skin_gen::Quantize(pixels, {key.rgb() & 0xFFFFFF});
    const std::string bytes = skin_gen::EncodeGif(rgb.width(), rgb.height(), indexed.palette, indexed.indices);
    QFile file(path);
    if (bytes.empty() || !file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    return file.write(bytes.data(), static_cast<qint64>(bytes.size())) == static_cast<qint64>(bytes.size());
}

// Every picture of the geometry table has a drawing, at the table's size.
bool CheckBackgrounds() {
    bool ok = true;
    for (const skin::Picture* picture : skin::AllPictures()) {
        const auto drawn = std::find_if(Backgrounds().begin(), Backgrounds().end(),
                                        [&](const Background& b) { return b.picture == picture; });
        if (drawn == Backgrounds().end()) {
            std::fprintf(stderr, "no drawing for %s\n", picture->file);
            ok = false;
        }
    }
    return ok;
}

bool WriteIcons(const QDir& folder) {
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QString dir = folder.filePath(QStringLiteral("hicolor/%1x%1/apps").arg(size));
        if (!QDir().mkpath(dir) || !ui::DrawProductIcon(size).save(dir + QStringLiteral("/quorvel.png"), "PNG")) {
            std::fprintf(stderr, "cannot write the %dx%d icon\n", size, size);
            return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: %s <picture folder> [<icon folder>]\n", argv[0]);
        return 2;
    }
    if (!CheckBackgrounds()) return 1;
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.exists() && !QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    int failures = 0;
    for (const Background& background : Backgrounds()) {
        const skin::Picture& picture = *background.picture;
        const QImage art = background.draw();
        if (art.size() != Q(picture.size)) {
            std::fprintf(stderr, "%s drawn at %dx%d, the table says %dx%d\n", picture.file, art.width(),
                         art.height(), picture.size.w, picture.size.h);
            ++failures;
        } else if (!WriteGif(art, folder.filePath(QString::fromLatin1(picture.file)), Qt::black)) {
            std::fprintf(stderr, "cannot write %s\n", picture.file);
            ++failures;
        }
    }
    for (const Strip& strip : Strips()) {
        const QImage picture =
            skin_gen::DrawButtonStrip(strip.frame, strip.style, QString::fromUtf8(strip.caption), strip.key);
        if (!WriteGif(picture, folder.filePath(QString::fromLatin1(strip.file)), strip.key)) {
            std::fprintf(stderr, "cannot write %s\n", strip.file);
            ++failures;
        }
    }
    std::printf("%zu pictures written to %s\n", Backgrounds().size() + Strips().size(),
                folder.absolutePath().toLocal8Bit().constData());
    if (argc == 3) {
        const QDir icons(QString::fromLocal8Bit(argv[2]));
        if (WriteIcons(icons)) {
            std::printf("icons written to %s\n", icons.absolutePath().toLocal8Bit().constData());
        } else {
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
