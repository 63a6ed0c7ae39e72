#include "client/panels/panel_labels.h"

#include "client/panels/color_label.h"
#include "common/ui/skin_place.h"

namespace panel_look {
namespace {

constexpr int kLabelPixelSize = 12;
constexpr int kStockLabelPixelSize = 13;

}  // namespace

CColorLabel* AddLabel(QWidget* panel, int id, ui::ColorRef colour, const skin::Area& area) {
    auto* label = new CColorLabel(panel);
    label->setObjectName(QString::number(id));
    label->textColor = colour;
    QFont font = label->font();
    font.setPixelSize(kLabelPixelSize);
    label->setFont(font);
    ui::Place(label, area);
    return label;
}

CColorLabel* AddWrappingLabel(QWidget* panel, int id, ui::ColorRef colour, const skin::Area& area) {
    CColorLabel* label = AddLabel(panel, id, colour, area);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

CColorLabel* AddStockLabel(QWidget* panel, int id, const skin::Area& area) {
    CColorLabel* label = AddLabel(panel, id, kStockColour, area);
    QFont font = label->font();
    font.setPixelSize(kStockLabelPixelSize);
    label->setFont(font);
    return label;
}

}  // namespace panel_look
