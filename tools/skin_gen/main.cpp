// Draws every skin picture of the client and the repair tool into a folder as GIF89a
// files (normally assets/image). The output is deterministic, so regenerating without
// changes leaves the committed files untouched.
//
//   skin_gen <output folder>
#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>
#include <functional>
#include <vector>

#include "tools/skin_gen/gif_writer.h"
#include "tools/skin_gen/palette_quantizer.h"
#include "tools/skin_gen/skin_backgrounds.h"
#include "tools/skin_gen/skin_buttons.h"

namespace {

using skin_gen::ButtonStyle;

const QColor kBlueKey(0, 0, 255);  // COLORREF 0xFF0000
const QColor kRedKey(255, 0, 0);   // COLORREF 0x0000FF

struct Background {
    const char* file;
    std::function<QImage()> draw;
};

struct Strip {
    const char* file;
    QSize frame;
    ButtonStyle style;
    const char* caption;  // UTF-8
    QColor key;
};

const QSize kTab(64, 24);
const QSize kAction(60, 21);
const QSize kWideAction(72, 21);
const QSize kTip(44, 20);

const std::vector<Strip>& Strips() {
    static const std::vector<Strip> strips = {
        // Login window.
        {"dl.gif", {90, 28}, ButtonStyle::kPrimary, "登陆", kBlueKey},
        {"dl2.gif", {90, 28}, ButtonStyle::kSecondary, "游客登陆", kBlueKey},
        // Title buttons of the login and main windows.
        {"zxh.gif", {22, 18}, ButtonStyle::kTitleMinimise, "", kBlueKey},
        {"gb.gif", {22, 18}, ButtonStyle::kTitleClose, "", kBlueKey},
        {"cd.gif", {22, 18}, ButtonStyle::kTitleMenu, "", kBlueKey},
        // Main window pages.
        {"cy.gif", {64, 26}, ButtonStyle::kHeaderTab, "常用", kBlueKey},
        {"fx.gif", {64, 26}, ButtonStyle::kHeaderTab, "分析", kBlueKey},
        {"fz.gif", {64, 26}, ButtonStyle::kHeaderTab, "辅助", kBlueKey},
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
        {"viewinfo.gif", {64, 20}, ButtonStyle::kPrimary, "查看详细", kRedKey},
        {"newsclose.gif", kTip, ButtonStyle::kSecondary, "关闭", kRedKey},
    };
    return strips;
}

const std::vector<Background>& Backgrounds() {
    static const std::vector<Background> backgrounds = {
        {"login.gif", skin_gen::DrawLoginBackground},
        {"main.gif", skin_gen::DrawMainBackground},
        {"bg_mid.gif", skin_gen::DrawPageBackground},
        {"bg_mid2.gif", skin_gen::DrawComprehensiveBackground},
        {"bg_midall.gif", skin_gen::DrawDetailBackground},
        {"tipbg.gif", skin_gen::DrawTipBackground},
        {"news.gif", skin_gen::DrawNewsPopupBackground},
        {"newsbk.gif", skin_gen::DrawNewsListBackground},
        {"about.gif", skin_gen::DrawAboutBackground},
        {"updatebk.gif", skin_gen::DrawRepairBackground},
        {"ad_1.gif", [] { return skin_gen::DrawAdvertisement(1); }},
        {"ad_2.gif", [] { return skin_gen::DrawAdvertisement(2); }},
        {"ad_3.gif", [] { return skin_gen::DrawAdvertisement(3); }},
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

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.exists() && !QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    int failures = 0;
    for (const Background& background : Backgrounds()) {
        if (!WriteGif(background.draw(), folder.filePath(QString::fromLatin1(background.file)), Qt::black)) {
            std::fprintf(stderr, "cannot write %s\n", background.file);
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
    return failures == 0 ? 0 : 1;
}
