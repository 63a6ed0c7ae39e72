#include "client/panels/skin_page.h"

#include <QPainter>

#include "common/platform/paths.h"
#include "common/ui/color.h"
#include "common/ui/kbc_bmp.h"

namespace {
constexpr int kRowLeft = 14;  // pixels
constexpr int kRowTop = 6;
constexpr int kButtonGap = 2;
constexpr int kPanelGap = 6;
}  // namespace

CSkinPage::CSkinPage(int dialogId, std::vector<ButtonSpec> buttons, int initialButton,
                     QWidget* parent)
    : QWidget(parent), specs_(std::move(buttons)), initialButton_(initialButton) {
    setObjectName(QString::number(dialogId));
    placeholder_ = new QWidget(this);
    placeholder_->setObjectName(QString::number(kPlaceholderId));
    placeholder_->hide();
}

bool CSkinPage::Initialise() {
    if (!background_.Load(platform::JoinPath(platform::ProgramDirectory(), "image\\bg_mid.gif")))
        return false;
    if (!background_.ShapeWindow(this)) return false;

    int x = kRowLeft;
    int rowBottom = kRowTop;
    for (const ButtonSpec& spec : specs_) {
        auto* button = new CKbcBmp(this);
        button->setObjectName(QString::number(spec.id));
        button->move(x, kRowTop);
        button->SetImage(spec.picture, ui::kPureBlue);
        x += button->width() + kButtonGap;
        rowBottom = std::max(rowBottom, kRowTop + button->height());
        const int id = spec.id;
        connect(button, &CKbcBmp::clicked, this, [this, id] { SelectButton(id); });
        buttons_.push_back(button);
    }
    placeholder_->setGeometry(kRowLeft, rowBottom + kPanelGap, width() - 2 * kRowLeft,
                              height() - rowBottom - kPanelGap - kRowTop);
    SelectButton(initialButton_);
    initialised_ = true;
    update();
    return true;
}

int CSkinPage::SelectedButton() const {
    for (CKbcBmp* button : buttons_)
        if (button->IsSelected()) return button->objectName().toInt();
    return 0;
}

QRect CSkinPage::PanelArea() const { return placeholder_->geometry(); }

void CSkinPage::SelectButton(int id) {
    for (CKbcBmp* button : buttons_) {
        if (button->objectName().toInt() == id)
            button->SetSelected();
        else
            button->ClearSelected();
    }
}

void CSkinPage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    background_.Draw(painter);
}
