#include "client/panels/pending_panel.h"

#include "client/panels/color_label.h"
#include "common/skin/diagnosis_layout.h"

namespace {
constexpr ui::ColorRef kTextColour = ui::Rgb(29, 56, 91);
constexpr int kMargin = 40;
}  // namespace

CPendingPanel::CPendingPanel(int dialogId, const char* description, QWidget* parent)
    : QWidget(parent) {
    setObjectName(QString::number(dialogId));
    resize(skin::diagnosis::kSize.w, skin::diagnosis::kSize.h);
    description_ = new CColorLabel(this);
    description_->textColor = kTextColour;
    QFont font = description_->font();
    font.setPixelSize(14);
    description_->setFont(font);
    description_->setWordWrap(true);
    description_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    description_->setText(QString::fromUtf8(description));
    description_->setGeometry(kMargin, kMargin, width() - 2 * kMargin, height() - 2 * kMargin);
}
