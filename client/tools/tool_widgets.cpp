#include "client/tools/tool_widgets.h"

#include <QLineEdit>

#include "client/panels/color_label.h"
#include "client/panels/panel_label.h"
#include "common/ui/kbc_bmp.h"
#include "common/ui/skin_place.h"

namespace tool_widgets {

namespace {

CColorLabel* NameAndFill(CColorLabel* label, const skin::Area& area, const QString& text) {
    label->setObjectName(QString::fromUtf8(area.name));
    label->setText(text);
    return label;
}

}  // namespace

CColorLabel* AddLabel(QWidget* parent, const QString& text, ui::ColorRef colour,
                      const skin::Area& area) {
    return NameAndFill(AddPanelLabel(parent, 0, colour, area), area, text);
}

CColorLabel* AddWrappingLabel(QWidget* parent, const QString& text, ui::ColorRef colour,
                              const skin::Area& area) {
    return NameAndFill(AddWrappingPanelLabel(parent, 0, colour, area), area, text);
}

QLineEdit* AddEdit(QWidget* parent, const QString& name, const skin::Rect& rect) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setGeometry(ui::ToQRect(rect));
    return edit;
}

QLineEdit* AddEdit(QWidget* parent, const QString& name, const skin::Area& area) {
    return AddEdit(parent, name, area.rect);
}

CKbcBmp* AddImageButton(QWidget* parent, const QString& name, const QString& text,
                        const skin::Area& area, const char* picture) {
    auto* button = new CKbcBmp(parent);
    button->setObjectName(name);
    button->setText(text);
    ui::Place(button, area);
    button->SetImage(picture, ui::kPureBlue);
    return button;
}

}  // namespace tool_widgets
