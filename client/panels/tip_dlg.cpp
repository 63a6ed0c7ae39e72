#include "client/panels/tip_dlg.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>

#include "client/panels/color_label.h"
#include "common/platform/paths.h"
#include "common/skin/tip_layout.h"
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
    ui::Place(label_, skin::tip::kMessage);
    label_->setAlignment(Qt::AlignCenter);
    label_->setWordWrap(true);
    okCentre_->setText(QStringLiteral("确定"));
    okLeft_->setText(QStringLiteral("确定"));
    cancel_->setText(QStringLiteral("取消"));
    connect(okCentre_, &QAbstractButton::clicked, this, &CTipDlg::accept);
    connect(okLeft_, &QAbstractButton::clicked, this, &CTipDlg::accept);
    connect(cancel_, &QAbstractButton::clicked, this, &CTipDlg::reject);
    ui::DragByAnyPoint(this);
}

void CTipDlg::SetMessage(const std::string& message, int ask) {
    message_ = message;
    ask_ = ask;
}

int CTipDlg::DoModal() {
    if (auto answer = ui::ModalHook::Answer({"CTipDlg", kCaption, message_, ask_ != 0})) {
        return *answer;
    }
    if (!InitDialog()) return ui::kIdCancel;
    return exec();
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

    // The buttons stand in the layout's button row, centred across the window.
    const int top = skin::tip::kButtonRow.rect.y;
    const int gap = skin::tip::kButtonGap;
    if (ask_ != 0) {
        cancel_->SetImage("image\\tipcancel.gif", kButtonKey);
        okLeft_->SetImage("image\\tipok.gif", kButtonKey);
        const int pairWidth = okLeft_->width() + gap + cancel_->width();
        const int left = (width() - pairWidth) / 2;
        okLeft_->move(left, top);
        cancel_->move(left + okLeft_->width() + gap, top);
        okLeft_->show();
        cancel_->show();
        okCentre_->hide();
    } else {
        okCentre_->SetImage("image\\tipok.gif", kButtonKey);
        okCentre_->move((width() - okCentre_->width()) / 2, top);
        okCentre_->show();
        okLeft_->hide();
        cancel_->hide();
    }

    label_->textColor = ui::Rgb(204, 10, 10);
    label_->setText(ui::ToQString(message_));
    update();
    return true;
}

void CTipDlg::accept() { done(ui::kIdOk); }

void CTipDlg::reject() { done(ui::kIdCancel); }

void CTipDlg::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    background_.Draw(painter);
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
