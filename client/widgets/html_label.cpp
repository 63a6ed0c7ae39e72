#include "client/widgets/html_label.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QImageReader>
#include <QLabel>
#include <QMouseEvent>
#include <QMovie>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <QTextOption>

#include <cmath>

#include "client/widgets/background_effect.h"
#include "common/platform/paths.h"
#include "common/ui/desktop_shell.h"
#include "common/ui/shell_facade.h"
#include "common/ui/text.h"

namespace {

QString Hex6(ui::ColorRef colour) {
    return QStringLiteral("0x") + QStringLiteral("%1").arg(colour & 0xFFFFFF, 6, 16, QLatin1Char('0')).toUpper();
}

QString LinkRule(ui::ColorRef colour, bool underline) {
    return QStringLiteral("color:%1; text-decoration:%2")
        .arg(Hex6(colour), underline ? QStringLiteral("underline") : QStringLiteral("none"));
}

QRegion RoundedRegion(const QRect& rect, int rx, int ry) {
    QPainterPath path;
    path.addRoundedRect(QRectF(rect), rx, ry);
    return QRegion(path.toFillPolygon().toPolygon());
}

}  // namespace

CHtmlLabel::CHtmlLabel(QWidget* parent) : CHtmlLabel(parent, ui::DefaultShell()) {}

CHtmlLabel::CHtmlLabel(QWidget* parent, ui::ShellFacade& shell) : QFrame(parent), shell_(&shell) {
    setMouseTracking(true);
    textColor_ = ui::FromQColor(palette().color(QPalette::WindowText));
    bkColor_ = bkMidColor_ = bkEndColor_ = ui::FromQColor(palette().color(QPalette::Button));
    styleSheet_[QStringLiteral("body")] = QStringLiteral("font-size: 10pt; color:black; font-family:Verdana");
    styleSheet_[QStringLiteral("a:link")] = QStringLiteral("text-decoration:none; color:blue");
    styleSheet_[QStringLiteral("a:hover")] = QStringLiteral("text-decoration:underline; color:blue");
    SetLinkColors(ui::kPureBlue, false, ui::kPureBlue, true);
    UpdateBodyStyle();
    Rebuild();
}

CHtmlLabel::~CHtmlLabel() = default;

CHtmlLabel* CHtmlLabel::CreateFromStatic(int controlId, QWidget* parent) {
    if (!parent) return nullptr;
    QWidget* placeholder = parent->findChild<QWidget*>(QString::number(controlId), Qt::FindDirectChildrenOnly);
    if (!placeholder) return nullptr;
    auto* label = new CHtmlLabel(parent);
    label->setGeometry(placeholder->geometry());
    label->setObjectName(placeholder->objectName());
    label->SetFont(placeholder->font());
    label->setEnabled(placeholder->isEnabled());
    if (auto* staticLabel = qobject_cast<QLabel*>(placeholder)) {
        label->SetStaticAlignment(staticLabel->alignment());
    }
    label->setVisible(!placeholder->isHidden());
    delete placeholder;
    return label;
}

void CHtmlLabel::SetText(const std::string& html) { SetText(ui::ToQString(html)); }

void CHtmlLabel::SetText(const QString& html) {
    text_ = html;
    Rebuild();
}

void CHtmlLabel::SetHyperlink(const std::string& text, const std::string& url, bool notify) {
    StopAnimations();
    std::string safeUrl;
    for (char c : url) safeUrl += c == '"' ? std::string("%22") : std::string(1, c);
    const char* pattern = notify ? "<a msg=\"%1\">%2</a>" : "<a href=\"%1\">%2</a>";
    SetText(QString::fromLatin1(pattern).arg(ui::ToQString(safeUrl), ui::ToQString(text)));
}

void CHtmlLabel::SetTextColor(ui::ColorRef color) {
    textColor_ = color;
    Rebuild();
}

void CHtmlLabel::SetBkColor(ui::ColorRef color) { SetBkColor3(color, color, color); }

void CHtmlLabel::SetBkColor3(ui::ColorRef bk, ui::ColorRef mid, ui::ColorRef end) {
    bkColor_ = bk;
    bkMidColor_ = mid;
    bkEndColor_ = end;
    InvalidateBackground();
}

void CHtmlLabel::SetBkMode(BkMode mode) {
    bkMode_ = mode;
    InvalidateBackground();
}

void CHtmlLabel::SetBkEffect(background_effect::Effect effect, int granularity) {
    bkEffect_ = effect;
    bkGranularity_ = granularity;
    InvalidateBackground();
}

void CHtmlLabel::SetMargins(int x, int y) {
    marginX_ = x;
    marginY_ = y;
    update();
}

void CHtmlLabel::SetAlign(Align align) {
    align_ = align;
    update();
}

void CHtmlLabel::SetStaticAlignment(Qt::Alignment alignment) {
    staticAlignment_ = alignment;
    update();
}

CHtmlLabel::Align CHtmlLabel::EffectiveAlign() const {
    Align horizontal = Horizontal(align_);
    Align vertical = Vertical(align_);
    if (horizontal == kAlignFromStatic) {
        horizontal = (staticAlignment_ & Qt::AlignHCenter)  ? kAlignHCenter
                     : (staticAlignment_ & Qt::AlignRight) ? kAlignRight
                                                            : kAlignLeft;
    }
    if (vertical == kAlignFromStatic) vertical = (staticAlignment_ & Qt::AlignVCenter) ? kAlignVCenter : kAlignTop;
    return horizontal | vertical;
}

void CHtmlLabel::SetImageZoom(int widthPercent, int heightPercent) {
    zoomWidth_ = widthPercent;
    zoomHeight_ = heightPercent;
    // The size of the last image named in the text, when it can be read.
    QSize imageSize;
    static const QRegularExpression kFile(QStringLiteral("file\\s*=\\s*\"?([^\"\\s>]+)"),
                                          QRegularExpression::CaseInsensitiveOption);
    QString lastFile;
    for (auto it = kFile.globalMatch(text_); it.hasNext();) lastFile = it.next().captured(1);
    if (!lastFile.isEmpty()) {
        lastFile.replace(u'\\', u'/');
        if (QDir::isRelativePath(lastFile)) {
            lastFile = QDir(ui::ToQString(platform::ProgramDirectory())).filePath(lastFile);
        }
        imageSize = QImageReader(lastFile).size();
    }
    const auto part = [&](const char* name, int percent, int clientExtent, int margin, int own) {
        if (percent == 0) return QStringLiteral(" %1=%2").arg(QLatin1String(name)).arg(clientExtent - 2 * margin - 1);
        if (own > 0) return QStringLiteral(" %1=%2").arg(QLatin1String(name)).arg(own * percent / 100);
        return QStringLiteral(" %1=%2%").arg(QLatin1String(name)).arg(percent);
    };
    text_ += part("width", widthPercent, width(), marginX_, imageSize.width());
    text_ += part("height", heightPercent, height(), marginY_, imageSize.height());
    text_ += u'>';
    Rebuild();
}

void CHtmlLabel::SetFont(const QFont& font) { setFont(font); }

void CHtmlLabel::SetLinkColors(ui::ColorRef normalColor, bool normalUnderline, ui::ColorRef hoverColor,
                               bool hoverUnderline) {
    styleSheet_[QStringLiteral("a:link")] = LinkRule(normalColor, normalUnderline);
    styleSheet_[QStringLiteral("a:hover")] = LinkRule(hoverColor, hoverUnderline);
    Rebuild();
}

void CHtmlLabel::SetRoundRegion(bool enable, int radiusX, int radiusY) {
    roundRegion_ = enable;
    radiusX_ = radiusX;
    radiusY_ = radiusY;
    if (enable) {
        setMask(RoundedRegion(rect(), radiusX_, radiusY_));
    } else {
        clearMask();
    }
    update();
}

void CHtmlLabel::SetFrame(const QBrush& brush, int width, int height) {
    frameBrush_ = brush;
    frameWidth_ = width;
    frameHeight_ = height;
    update();
}

QString CHtmlLabel::StyleRule(const QString& selector) const {
    const auto it = styleSheet_.find(selector);
    return it == styleSheet_.end() ? QString() : it->second;
}

void CHtmlLabel::UpdateBodyStyle() {
    const QFont f = font();
    const int points = f.pointSize() > 0 ? f.pointSize() : std::max(1, f.pixelSize() * 72 / 96);
    QString rule = QStringLiteral("font-size:%1pt; color:%2; font-family:%3; font-weight:%4")
                       .arg(points)
                       .arg(Hex6(ui::FromQColor(palette().color(QPalette::WindowText))))
                       .arg(f.family())
                       .arg(f.weight());
    if (f.italic()) rule += QStringLiteral("; font-style:italic");
    styleSheet_[QStringLiteral("body")] = rule;
}

void CHtmlLabel::Rebuild() {
    QString source = text_;
    if (textColor_ != kNoColor) {
        source = QStringLiteral("<font color=%1>").arg(Hex6(textColor_)) + source + QStringLiteral("</font>");
    }
    html_subset::Options options;
    options.linkStyle = StyleRule(QStringLiteral("a:link"));
    options.hoverStyle = StyleRule(QStringLiteral("a:hover"));
    options.hoverIndex = hoverLink_;
    options.imageFolder = ui::ToQString(platform::ProgramDirectory());
    html_subset::Result result = html_subset::Translate(source, options);

    const bool sameImages = [&] {
        if (result.images.size() != movies_.size()) return false;
        for (std::size_t i = 0; i < movies_.size(); ++i) {
            if (movies_[i]->fileName() != result.images[i]) return false;
        }
        return true;
    }();
    document_.setDefaultFont(font());
    document_.setDocumentMargin(0);
    document_.setDefaultStyleSheet(QStringLiteral("body {%1}").arg(
        html_subset::CssDeclarations(StyleRule(QStringLiteral("body")))));
    document_.setHtml(QStringLiteral("<body>") + result.html + QStringLiteral("</body>"));
    links_ = std::move(result.links);
    if (!sameImages) {
        StopAnimations();
        for (const QString& image : result.images) {
            QImageReader reader(image);
            if (!reader.supportsAnimation() || reader.imageCount() == 1) continue;
            auto movie = std::make_unique<QMovie>(image);
            movies_.push_back(std::move(movie));
        }
        StartAnimations();
    } else {
        for (const auto& movie : movies_) {
            document_.addResource(QTextDocument::ImageResource, QUrl(movie->fileName()), movie->currentPixmap());
        }
    }
    if (hoverLink_ >= static_cast<int>(links_.size())) hoverLink_ = -1;
    update();
}

void CHtmlLabel::StartAnimations() {
    for (const auto& movie : movies_) {
        QMovie* m = movie.get();
        connect(m, &QMovie::frameChanged, this, [this, m] {
            document_.addResource(QTextDocument::ImageResource, QUrl(m->fileName()), m->currentPixmap());
            document_.markContentsDirty(0, document_.characterCount());
            update();
        });
        m->start();
    }
}

void CHtmlLabel::StopAnimations() {
    for (const auto& movie : movies_) movie->stop();
    movies_.clear();
}

void CHtmlLabel::InvalidateBackground() {
    background_ = QPixmap();
    update();
}

void CHtmlLabel::LayoutDocument(QTextDocument& document, int availableWidth) const {
    const Align horizontal = Horizontal(EffectiveAlign());
    QTextOption option = document.defaultTextOption();
    option.setAlignment(horizontal == kAlignRight     ? Qt::AlignRight
                        : horizontal == kAlignHCenter ? Qt::AlignHCenter
                                                      : Qt::AlignLeft);
    document.setDefaultTextOption(option);
    document.setTextWidth(std::max(1, availableWidth));
    if (horizontal == kAlignRight || horizontal == kAlignHCenter) {
        const int natural = static_cast<int>(std::ceil(document.idealWidth()));
        if (natural < availableWidth) document.setTextWidth(natural + 1);
    }
}

QRect CHtmlLabel::TextRect() {
    const QRect client = rect();
    LayoutDocument(document_, client.width() - 2 * marginX_ - 1);
    const QSize size(static_cast<int>(std::ceil(document_.size().width())),
                     static_cast<int>(std::ceil(document_.size().height())));
    const Align align = EffectiveAlign();
    int x = marginX_;
    switch (Horizontal(align)) {
        case kAlignRight: x = client.width() - marginX_ - size.width(); break;
        case kAlignHCenter: x = (client.width() - size.width()) / 2; break;
        default: break;
    }
    int y = marginY_;
    switch (Vertical(align)) {
        case kAlignBottom: y = client.height() - marginY_ - size.height(); break;
        case kAlignVCenter: y = (client.height() - size.height()) / 2; break;
        default: break;
    }
    return QRect(QPoint(x, y), size);
}

int CHtmlLabel::LinkAt(const QPoint& point) {
    const QRect textRect = TextRect();
    if (!textRect.contains(point)) return -1;
    const QString anchor = document_.documentLayout()->anchorAt(QPointF(point - textRect.topLeft()));
    return html_subset::LinkIndexOfAnchor(anchor);
}

QPixmap CHtmlLabel::RenderText(const QRect& textRect, const QColor* single) {
    QImage image(textRect.size().expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        document_.drawContents(&painter);
        if (single) {
            painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
            painter.fillRect(image.rect(), *single);
        }
    }
    return QPixmap::fromImage(image);
}

void CHtmlLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect client = rect();
    QRegion shape = roundRegion_ ? RoundedRegion(client, radiusX_, radiusY_) : QRegion(client);
    painter.setClipRegion(shape);
    if (bkMode_ != kTransparentMode && bkEffect_ != background_effect::kTransparent) {
        if (background_.isNull() || background_.size() != client.size()) {
            background_ = QPixmap::fromImage(background_effect::Paint(
                client.size(), bkEffect_, ui::ToQColor(bkColor_), ui::ToQColor(bkMidColor_),
                ui::ToQColor(bkEndColor_), bkGranularity_));
            ++backgroundBuilds_;
        }
        painter.drawPixmap(0, 0, background_);
    }

    const QRect textRect = TextRect();
    if (isEnabled()) {
        painter.drawPixmap(textRect.topLeft(), RenderText(textRect, nullptr));
    } else {
        // Embossed: a highlight copy one pixel down and right, the shadow copy in place.
        const QColor highlight = palette().color(QPalette::Light);
        const QColor shadow = palette().color(QPalette::Dark);
        painter.drawPixmap(textRect.topLeft() + QPoint(1, 1), RenderText(textRect, &highlight));
        painter.drawPixmap(textRect.topLeft(), RenderText(textRect, &shadow));
    }

    if (frameBrush_.style() != Qt::NoBrush) {
        painter.setClipping(false);
        const QRegion inner = roundRegion_
                                  ? RoundedRegion(client.adjusted(frameWidth_, frameHeight_, -frameWidth_, -frameHeight_),
                                                  radiusX_, radiusY_)
                                  : QRegion(client.adjusted(frameWidth_, frameHeight_, -frameWidth_, -frameHeight_));
        const QRegion frame = shape.subtracted(inner);
        for (const QRect& r : frame) painter.fillRect(r, frameBrush_);
    }
}

void CHtmlLabel::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    if (roundRegion_) setMask(RoundedRegion(rect(), radiusX_, radiusY_));
    background_ = QPixmap();
}

void CHtmlLabel::SetHoverLink(int index) {
    if (index == hoverLink_) return;
    hoverLink_ = index;
    emit linkHovered(index < 0 ? kNoLink : index);
    if (index >= 0 && !links_[index].href.isEmpty()) {
        setCursor(Qt::PointingHandCursor);
    } else {
        unsetCursor();
    }
    Rebuild();
}

void CHtmlLabel::mouseMoveEvent(QMouseEvent* event) {
    SetHoverLink(LinkAt(event->position().toPoint()));
    QFrame::mouseMoveEvent(event);
}

void CHtmlLabel::leaveEvent(QEvent* event) {
    SetHoverLink(-1);
    QFrame::leaveEvent(event);
}

void CHtmlLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) pressedLink_ = LinkAt(event->position().toPoint());
    QFrame::mousePressEvent(event);
}

void CHtmlLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QFrame::mouseReleaseEvent(event);
        return;
    }
    const int index = LinkAt(event->position().toPoint());
    const int pressed = pressedLink_;
    pressedLink_ = -1;
    if (index >= 0 && index == pressed && index < static_cast<int>(links_.size())) {
        const html_subset::Link link = links_[index];
        if (!link.href.isEmpty()) {
            emit linkClicked(index, link.href);
            if (link.href != QLatin1String(kNoNavigationUrl)) shell_->OpenUrl(ui::FromQString(link.href));
        } else if (!link.message.isEmpty()) {
            emit notifyLinkClicked(link.message);
        }
    }
    if (rect().contains(event->position().toPoint())) emit clicked();
}

void CHtmlLabel::changeEvent(QEvent* event) {
    QFrame::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange) {
        UpdateBodyStyle();
        Rebuild();
    } else if (event->type() == QEvent::EnabledChange) {
        update();
    }
}
