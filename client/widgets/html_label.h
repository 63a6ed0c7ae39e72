#pragma once
// CHtmlLabel: a static control that draws a short piece of HTML-subset text, chiefly
// hyperlinks, with link colours per state, a hand cursor over links and a background
// that is either the parent's pixels (transparent mode) or a painted effect.
//
// A click on an `href` link opens it through the label's shell facade, except the URL
// "HHHH", which opens nothing (the dialog handles such a click itself through clicked()).
#include <QBrush>
#include <QFrame>
#include <QPixmap>
#include <QTextDocument>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "client/widgets/background_effect.h"
#include "client/widgets/html_subset.h"
#include "common/ui/color.h"

class QMovie;
namespace ui {
class ShellFacade;
}

class CHtmlLabel : public QFrame {
    Q_OBJECT
public:
    static constexpr ui::ColorRef kNoColor = 0xFFFFFFFF;  // textColor -1: no colour wrap
    static constexpr int kLinkHoverMessage = 0x8064;
    static constexpr int kNoLink = -2;
    static constexpr char kNoNavigationUrl[] = "HHHH";

    // The background: the parent's pixels, or painted with the background effect.
    enum class BkMode { kTransparentMode = 1, kPaintedMode = 2 };
    using enum BkMode;

    // Alignment: one horizontal value (bits 0-1) combined with one vertical value (bits
    // 2-3) by `|`. A part left out (kAlignFromStatic for both) is taken from the static
    // control's alignment.
    enum class Align {
        kAlignFromStatic = 0,
        kAlignLeft = 1, kAlignRight = 2, kAlignHCenter = 3,
        kAlignTop = 4, kAlignBottom = 8, kAlignVCenter = 12
    };
    using enum Align;
    friend constexpr Align operator|(Align a, Align b) {
        return static_cast<Align>(static_cast<int>(a) | static_cast<int>(b));
    }
    static constexpr Align Horizontal(Align align) { return static_cast<Align>(static_cast<int>(align) & 3); }
    static constexpr Align Vertical(Align align) { return static_cast<Align>(static_cast<int>(align) & 12); }

    // A label without a shell of its own opens links with the desktop's.
    explicit CHtmlLabel(QWidget* parent = nullptr);
    CHtmlLabel(QWidget* parent, ui::ShellFacade& shell);
    ~CHtmlLabel() override;

    // The shell that opens the links clicked from now on.
    void SetShell(ui::ShellFacade& shell) { shell_ = &shell; }

    // Replaces the placeholder with objectName `controlId` in `parent` by a label at the
    // same place, with its id, font, enabled state and (for a QLabel) its alignment as
    // the static style. nullptr when there is no such placeholder.
    static CHtmlLabel* CreateFromStatic(int controlId, QWidget* parent);

    // Text, given as GBK bytes like every text of the program (QString overloads too).
    void SetText(const std::string& html);
    void SetText(const QString& html);
    // "<a href=\"url\">text</a>", or "<a msg=\"url\">text</a>" when `notify` is set.
    void SetHyperlink(const std::string& text, const std::string& url, bool notify = false);

    void SetTextColor(ui::ColorRef color);  // kNoColor: the text keeps its own colours
    void SetBkColor(ui::ColorRef color);    // all three background colours
    void SetBkColor3(ui::ColorRef bk, ui::ColorRef mid, ui::ColorRef end);
    void SetBkMode(BkMode mode);
    void SetBkEffect(background_effect::Effect effect, int granularity = 5);
    void SetMargins(int x, int y);
    void SetAlign(Align align);
    void SetImageZoom(int widthPercent, int heightPercent);
    void SetFont(const QFont& font);
    void SetLinkColors(ui::ColorRef normalColor, bool normalUnderline, ui::ColorRef hoverColor,
                       bool hoverUnderline);
    void SetRoundRegion(bool enable, int radiusX = 10, int radiusY = 10);
    void SetFrame(const QBrush& brush, int width = 1, int height = 1);
    // The static style's alignment, used for the parts SetAlign leaves out.
    void SetStaticAlignment(Qt::Alignment alignment);

    const QString& Text() const { return text_; }
    // A rule of the label's style sheet ("body", "a:link", "a:hover"); "" when none.
    QString StyleRule(const QString& selector) const;
    const std::vector<html_subset::Link>& Links() const { return links_; }
    int HoverLink() const { return hoverLink_; }
    // Index of the link at a point of the label, -1 for none.
    int LinkAt(const QPoint& point);
    // The painted background last built; null when it must be built afresh.
    const QPixmap& CachedBackground() const { return background_; }
    int BackgroundBuilds() const { return backgroundBuilds_; }
    Align EffectiveAlign() const;
    bool HasAnimation() const { return !movies_.empty(); }

signals:
    void clicked();                                 // any left click on the label
    void linkHovered(int index);                    // kNoLink when leaving all links
    void linkClicked(int index, const QString& url);
    void notifyLinkClicked(const QString& message);  // a click on a `msg` link

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void Rebuild();               // the document from the text and styles
    void InvalidateBackground();  // drop the cached background and repaint
    void UpdateBodyStyle();
    void SetHoverLink(int index);
    void StartAnimations();
    void StopAnimations();
    QRect TextRect();             // where the laid-out document is drawn
    void LayoutDocument(QTextDocument& document, int availableWidth) const;
    QPixmap RenderText(const QRect& textRect, const QColor* single);

    QString text_;
    ui::ColorRef textColor_;
    ui::ColorRef bkColor_, bkMidColor_, bkEndColor_;
    ui::ShellFacade* shell_;
    BkMode bkMode_ = kPaintedMode;
    background_effect::Effect bkEffect_ = background_effect::kSolid;
    int bkGranularity_ = 5;
    int marginX_ = 0, marginY_ = 0;
    Align align_ = kAlignFromStatic;
    Qt::Alignment staticAlignment_ = Qt::AlignLeft | Qt::AlignTop;
    int zoomWidth_ = 100, zoomHeight_ = 100;
    std::map<QString, QString> styleSheet_;
    bool roundRegion_ = false;
    int radiusX_ = 10, radiusY_ = 10;
    QBrush frameBrush_;
    int frameWidth_ = 1, frameHeight_ = 1;

    QTextDocument document_;
    std::vector<html_subset::Link> links_;
    int hoverLink_ = -1;
    int pressedLink_ = -1;
    QPixmap background_;
    int backgroundBuilds_ = 0;
    std::vector<std::unique_ptr<QMovie>> movies_;
};
