#include "client/panels/tip_dlg.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

#include "client/panels/color_label.h"
#include "client/panels/tip_message_fit.h"
#include "common/platform/paths.h"
#include "common/skin/tip_layout.h"
#include "common/ui/centre_stretch.h"
#include "common/ui/color.h"
#include "common/ui/dialog_units.h"
#include "common/ui/kbc_bmp.h"
#include "common/ui/main_window.h"
#include "common/ui/modal_hook.h"
#include "common/ui/skin_place.h"
#include "common/ui/text.h"
#include "common/ui/window_drag.h"

namespace {

constexpr char kCaption[] = "Quorvel";
constexpr ui::ColorRef kButtonKey = 255;  // pure red
constexpr int kTextMargin = 8;    // blank pixels each side of the message
constexpr int kMaxWidth = 360;    // the widest a long message makes the window
constexpr int kTipGap = 6;        // between a tip and one already open

QRect TemplateLabelRect() { return ui::ToQRect(skin::tip::kMessage.rect); }

CKbcBmp* MakeButton(QWidget* parent, int id) {
    auto* button = new CKbcBmp(parent);
    button->setObjectName(QString::number(id));
    button->hide();
    return button;
}

}  // namespace

CTipDlg::CTipDlg(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::FramelessWindowHint),
      label_(new CColorLabel(this)),
      okCentre_(MakeButton(this, kIdOkCentre)),
      okLeft_(MakeButton(this, kIdOkLeft)),
      cancel_(MakeButton(this, kIdCancel)) {
    setObjectName(QString::number(kDialogId));
    setWindowTitle(QString::fromLatin1(kCaption));
    setModal(true);
    resize(ui::DluSize(87, 50));
    label_->setObjectName(QString::number(kIdMessage));
    label_->setGeometry(TemplateLabelRect());
    label_->setAlignment(Qt::AlignCenter);
    label_->setWordWrap(true);
    label_->setContentsMargins(kTextMargin, 0, kTextMargin, 0);
    okCentre_->setText(QStringLiteral("确定"));
    okLeft_->setText(QStringLiteral("确定"));
    cancel_->setText(QStringLiteral("取消"));
    connect(okCentre_, &QAbstractButton::clicked, this, &CTipDlg::accept);
    connect(okLeft_, &QAbstractButton::clicked, this, &CTipDlg::accept);
    connect(cancel_, &QAbstractButton::clicked, this, &CTipDlg::reject);
    ui::DragByAnyPoint(this);
}

void CTipDlg::SetMessage(const std::string& message, Style style) {
    message_ = message;
    style_ = style;
}

std::optional<int> CTipDlg::HookAnswer() const {
    return ui::ModalHook::Answer({"CTipDlg", kCaption, message_, style_ == kQuestion});
}

int CTipDlg::DoModal() {
    if (auto answer = HookAnswer()) return *answer;
    if (!InitDialog()) return ui::kIdCancel;
    return exec();
}

bool CTipDlg::Open(std::function<void(int)> answered) {
    if (auto answer = HookAnswer()) {
        answered(*answer);
        return false;
    }
    if (!InitDialog()) {
        answered(ui::kIdCancel);
        return false;
    }
    connect(this, &QDialog::finished, this, [answered = std::move(answered)](int result) { answered(result); });
    setModal(false);
    setWindowModality(Qt::NonModal);
    show();
    raise();
    activateWindow();
    return true;
}

bool CTipDlg::InitDialog() {
    if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance())) {
        setWindowIcon(app->windowIcon());
    }
    const std::string picture = platform::JoinPath(platform::ProgramDirectory(), "image\\tipbg.gif");
    if (!background_.Load(picture) || !background_.ShapeWindow(this)) {
        showMinimized();
        ui::CloseMainWindow();
        return false;
    }

    label_->textColor = ui::Rgb(204, 10, 10);
    label_->setText(ui::ToQString(message_));
    PlaceButtons(FitToMessage());
    StepAwayFromOpenTips();
    update();
    return true;
}

// A tip opened while another is still up (a failed query and the network warning, say)
// stands just below the lowest one, or above the highest when the screen has no room
// below, so neither message hides the other.
void CTipDlg::StepAwayFromOpenTips() {
    const CTipDlg* lowest = nullptr;
    const CTipDlg* highest = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        auto* tip = qobject_cast<CTipDlg*>(window);
        if (!tip || tip == this || !tip->isVisible()) continue;
        if (!lowest || tip->geometry().bottom() > lowest->geometry().bottom()) lowest = tip;
        if (!highest || tip->y() < highest->y()) highest = tip;
    }
    if (!lowest) return;
    const int left = lowest->geometry().center().x() - width() / 2;
    int top = lowest->geometry().bottom() + 1 + kTipGap;
    const QScreen* screen = lowest->screen();
    if (screen && top + height() > screen->availableGeometry().bottom() + 1)
        top = highest->y() - kTipGap - height();
    move(left, top);
}

int CTipDlg::FitToMessage() {
    const TipTemplate tip{background_.Size(), TemplateLabelRect(), kTextMargin, kMaxWidth};
    const TipFit fit = FitTipToMessage(tip, label_->fontMetrics(), label_->text());
    label_->setGeometry(fit.label);
    face_ = ui::StretchFromCentre(background_.Bitmap(), fit.window);
    if (fit.window != tip.window) {
        setFixedSize(face_.size());
        if (const auto region = CSkinImage::RegionOf(face_)) setMask(*region);
    }
    return fit.extraHeight;
}

// The buttons stand in the layout's button row, centred across the window; a window
// grown for a long message keeps them at their distance from its bottom.
void CTipDlg::PlaceButtons(int extraHeight) {
    const int buttonTop = skin::tip::kButtonRow.rect.y + extraHeight;
    const int kButtonGap = skin::tip::kButtonGap;
    if (style_ == kQuestion) {
        cancel_->SetImage("image\\tipcancel.gif", kButtonKey);
        okLeft_->SetImage("image\\tipok.gif", kButtonKey);
        const int pairWidth = okLeft_->width() + kButtonGap + cancel_->width();
        const int left = (width() - pairWidth) / 2;
        okLeft_->move(left, buttonTop);
        cancel_->move(left + okLeft_->width() + kButtonGap, buttonTop);
        okLeft_->show();
        cancel_->show();
        okCentre_->hide();
    } else {
        okCentre_->SetImage("image\\tipok.gif", kButtonKey);
        okCentre_->move((width() - okCentre_->width()) / 2, buttonTop);
        okCentre_->show();
        okLeft_->hide();
        cancel_->hide();
    }
}

void CTipDlg::accept() { done(ui::kIdOk); }

void CTipDlg::reject() { done(ui::kIdCancel); }

void CTipDlg::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), face_);
}

void CTipDlg::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            accept();
            return;
        case Qt::Key_Escape:
            reject();
            return;
        default:
            QDialog::keyPressEvent(event);
    }
}
