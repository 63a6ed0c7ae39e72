#include "client/tools/tool_widgets.h"

#include <QLineEdit>

#include "client/panels/color_label.h"
#include "common/ui/kbc_bmp.h"
#include "common/ui/skin_place.h"

namespace tool_widgets {

CColorLabel* AddLabel(QWidget* parent, const QString& text, ui::ColorRef colour,
                      const skin::Area& area) {
    auto* label = new CColorLabel(parent);
    label->setObjectName(QString::fromUtf8(area.name));
    label->textColor = colour;
    QFont font = label->font();
    font.setPixelSize(kTextPixelSize);
    label->setFont(font);
    label->setText(text);
    ui::Place(label, area);
    return label;
}

CColorLabel* AddWrappingLabel(QWidget* parent, const QString& text, ui::ColorRef colour,
                              const skin::Area& area) {
    CColorLabel* label = AddLabel(parent, text, colour, area);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
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
