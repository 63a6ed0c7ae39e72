#include "client/panels/news_popup.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTimerEvent>

#include "client/core/news_time.h"
#include "client/core/online_flag.h"
#include "client/data/news_info.h"
#include "client/panels/color_label.h"
#include "common/platform/log.h"
#include "common/platform/paths.h"
#include "common/skin/panel_layouts.h"
#include "common/ui/kbc_bmp.h"
#include "common/ui/query_runner.h"
#include "common/ui/shell_facade.h"
#include "common/ui/skin_place.h"
#include "common/ui/text.h"
#include "common/ui/window_system.h"

namespace {

constexpr ui::ColorRef kTitleColor = 0x665745;    // RGB(69, 87, 102)
constexpr ui::ColorRef kSummaryColor = 0x856423;  // RGB(35, 100, 133)

template <typename W>
W* Named(W* widget, int id) {
    widget->setObjectName(QString::number(id));
    return widget;
}

}  // namespace

CNewsPopup::CNewsPopup(std::string programDirectory, DocumentSource& documents, const OnlineFlag& online,
                       ui::ShellFacade& shell)
    : CNewsPopup(std::move(programDirectory), documents, online, shell, Timings{}) {}

CNewsPopup::CNewsPopup(std::string programDirectory, DocumentSource& documents, const OnlineFlag& online,
                       ui::ShellFacade& shell, const Timings& timings)
    : QDialog(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      programDirectory_(std::move(programDirectory)),
      documents_(documents),
      online_(online),
      shell_(shell),
      timings_(timings) {
    namespace layout = skin::news_popup;
    setObjectName(QString::number(kDialogId));
    setAttribute(Qt::WA_ShowWithoutActivating);
    resize(layout::kSize.w, layout::kSize.h);
    title_ = Named(new CColorLabel(this), kIdTitle);
    ui::Place(title_, layout::kTitle);
    summary_ = Named(new CColorLabel(this), kIdSummary);
    ui::Place(summary_, layout::kSummary);
    summary_->setWordWrap(true);
    summary_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    view_ = Named(new CKbcBmp(this), kIdView);
    ui::Place(view_, layout::kViewButton);
    close_ = Named(new CKbcBmp(this), kIdClose);
    ui::Place(close_, layout::kCloseButton);
    connect(view_, &CKbcBmp::clicked, this, &CNewsPopup::View);
    connect(close_, &CKbcBmp::clicked, this, &CNewsPopup::Close);
}

bool CNewsPopup::Initialise() {
    if (!skin_.Load(platform::JoinPath(programDirectory_, "image\\news.gif")) || !skin_.ShapeWindow(this))
        return false;
    close_->SetImage("image\\newsclose.gif", ui::kPureRed);
    view_->SetImage("image\\viewinfo.gif", ui::kPureRed);
    QFont font = title_->font();
    font.setPixelSize(12);
    title_->setFont(font);
    // Small enough for a whole summary (240 bytes and "......") on the card.
    font.setPixelSize(11);
    summary_->setFont(font);
    return true;
}

void CNewsPopup::Start() { checkTimer_.start(timings_.firstCheckMs, this); }

void CNewsPopup::timerEvent(QTimerEvent* event) {
    if (!online_.IsOnline()) return;  // the timers keep running and do nothing
    if (event->timerId() == checkTimer_.timerId())
        CheckNews();
    else if (event->timerId() == slideTimer_.timerId())
        SlideStep();
    else
        QDialog::timerEvent(event);
}

void CNewsPopup::CheckNews() {
    checkTimer_.stop();
    const std::string lastTime = ReadNewsTime(programDirectory_);
    ui::RunQuery(
        this, [&documents = documents_, lastTime] { return CNewsInfo::Fetch(lastTime, documents); },
        [this](const CNewsInfo& news) {
            if (!news.HasNewNews()) {
                WaitForNextCheck();
                return;
            }
            ShowItem(news.Time(), news.Title(), news.Summary(), news.Link());
        });
}

void CNewsPopup::ShowItem(const std::string& time, const std::string& title, const std::string& summary,
                          const std::string& link) {
    title_->textColor = kTitleColor;
    summary_->textColor = kSummaryColor;
    // A title longer than its line ends in an ellipsis; the whole of it is the tool tip.
    const QString fullTitle = ui::ToQString(title);
    title_->setText(title_->fontMetrics().elidedText(fullTitle, Qt::ElideRight, title_->width()));
    title_->setToolTip(fullTitle);
    summary_->setText(ui::ToQString(summary));
    title_->RedrawOnParent();
    summary_->RedrawOnParent();
    link_ = link;
    // Saved before the item shows, so that neither the next check nor the next start
    // shows it again.
    if (!SaveNewsTime(programDirectory_, time))
        platform::Log(platform::LogLevel::Warning, "quorvel.ui", "cannot save the news time in config.xml");
    if (title.empty() || summary.empty()) {
        WaitForNextCheck();
        return;
    }
    if (ui::CompositorManagesWindows() && notify_ && notify_(title, summary)) {
        WaitForNextCheck();
        return;
    }
    slideOffset_ = 0;  // every new item slides in from the bottom edge
    slideTimer_.start(timings_.slideStepMs, this);
}

void CNewsPopup::SlideStep() {
    QScreen* screen = QGuiApplication::primaryScreen();
    const QRect work = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    show();
    if (height() < slideOffset_) {
        slideTimer_.stop();
        WaitForNextCheck();
        return;
    }
    slideOffset_ += timings_.slideStepPx;
    move(work.x() + work.width() - width(), work.y() + work.height() - slideOffset_);
    raise();
    update();
}

void CNewsPopup::WaitForNextCheck() { checkTimer_.start(timings_.checkMs, this); }

// Viewing or closing ends a slide under way, so the window stays hidden.
void CNewsPopup::View() {
    shell_.OpenUrl(link_);
    slideTimer_.stop();
    WaitForNextCheck();
    hide();
}

void CNewsPopup::Close() {
    slideTimer_.stop();
    WaitForNextCheck();
    hide();
}

void CNewsPopup::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    skin_.Draw(painter);
}
