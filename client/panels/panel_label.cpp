#include "client/panels/panel_label.h"

#include "client/panels/color_label.h"
#include "common/ui/skin_place.h"

CColorLabel* AddPanelLabel(QWidget* parent, int id, ui::ColorRef colour, const skin::Area& area,
                           int pixelSize) {
    auto* label = new CColorLabel(parent);
    if (id != 0) label->setObjectName(QString::number(id));
    label->textColor = colour;
    QFont font = label->font();
    font.setPixelSize(pixelSize);
    label->setFont(font);
    ui::Place(label, area);
    return label;
}

CColorLabel* AddWrappingPanelLabel(QWidget* parent, int id, ui::ColorRef colour, const skin::Area& area,
                                   int pixelSize) {
    CColorLabel* label = AddPanelLabel(parent, id, colour, area, pixelSize);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}
