#include "client/panels/skin_page.h"

#include <QKeyEvent>
#include <QPainter>

#include "common/platform/paths.h"
#include "common/skin/page_layout.h"
#include "common/ui/color.h"
#include "common/ui/kbc_bmp.h"
#include "common/ui/skin_place.h"

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

    // The buttons take the row's slots in order; a page has at most skin::page::kMaxButtons.
    for (const ButtonSpec& spec : specs_) {
        auto* button = new CKbcBmp(this);
        button->setObjectName(QString::number(spec.id));
        button->setGeometry(ui::ToQRect(skin::page::ButtonSlot(static_cast<int>(buttons_.size()))));
        button->SetImage(spec.picture, ui::kPureBlue);
        const int id = spec.id;
        connect(button, &CKbcBmp::clicked, this, [this, id] { SelectButton(id); });
        buttons_.push_back(button);
    }
    ui::Place(placeholder_, skin::page::kPanelArea);
    CreatePanels();
    if (!PanelsReady()) return false;
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

QRect CSkinPage::PanelArea() const {
    return placeholder_->geometry();
}

void CSkinPage::AddPanel(int buttonId, QWidget* panel) {
    panel->move(PanelArea().topLeft());
    panel->hide();
    panels_[buttonId] = panel;
}

QWidget* CSkinPage::Panel(int buttonId) const {
    const auto it = panels_.find(buttonId);
    return it == panels_.end() ? nullptr : it->second;
}

void CSkinPage::SelectButton(int id) {
    for (auto& [buttonId, panel] : panels_) panel->hide();
    ActivatePanel(id);
    if (QWidget* panel = Panel(id)) panel->show();
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

// Esc inside a page belongs to the page: it hides a search pop-up and never closes a panel,
// so the main window's Esc shortcut (exit) must not take it. Claiming the shortcut
// override delivers Esc to the focused control as an ordinary key press instead.
bool CSkinPage::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        event->accept();
        return true;
    }
    return QWidget::event(event);
}
