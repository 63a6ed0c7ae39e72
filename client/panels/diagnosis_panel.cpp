#include "client/panels/diagnosis_panel.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

#include "client/core/gbk.h"
#include "client/panels/color_label.h"
#include "client/panels/stock_code_keys.h"
#include "client/panels/tip.h"
#include "common/skin/diagnosis_layout.h"
#include "common/ui/kbc_bmp.h"
#include "common/ui/skin_place.h"
#include "common/ui/text.h"

namespace {

constexpr ui::ColorRef kStockColour = ui::Rgb(204, 0, 0);
constexpr ui::ColorRef kPromptColour = ui::Rgb(29, 56, 91);
constexpr int kLabelPixelSize = 12;
constexpr int kStockLabelPixelSize = 13;

}  // namespace

CDiagnosisPanel::CDiagnosisPanel(int dialogId, std::string panelCode, PanelServices services,
                                 const EntryLayout& layout, QWidget* parent)
    : QWidget(parent), panelCode_(std::move(panelCode)), services_(services) {
    setObjectName(QString::number(dialogId));
    resize(skin::diagnosis::kSize.w, skin::diagnosis::kSize.h);

    AddLabel(kPromptId, kPromptColour, layout.prompt)->setText(QStringLiteral("输入评测股票代码："));

    edit_ = new QLineEdit(this);
    edit_->setObjectName(QString::number(kCodeEditId));
    ui::Place(edit_, layout.edit);

    queryButton_ = new CKbcBmp(this);
    queryButton_->setObjectName(QString::number(kQueryButtonId));
    queryButton_->setText(QStringLiteral("查询"));
    ui::Place(queryButton_, layout.button);
    queryButton_->SetImage("image\\botton.gif", ui::kPureBlue);

    stockLabel_ = AddLabel(kStockLabelId, kStockColour, layout.stockLabel);
    QFont stockFont = stockLabel_->font();
    stockFont.setPixelSize(kStockLabelPixelSize);
    stockLabel_->setFont(stockFont);

    auto* keys = new CStockCodeKeys(edit_, &services_.popup);
    connect(keys, &CStockCodeKeys::QueryRequested, this, &CDiagnosisPanel::Query);
    connect(queryButton_, &CKbcBmp::clicked, this, &CDiagnosisPanel::Query);
    // Only typing opens the pop-up: a code put in by a pick, Enter or a page button does not.
    connect(edit_, &QLineEdit::textEdited, this, &CDiagnosisPanel::OnCodeEdited);
    connect(&services_.popup, &CStockSearchPopup::StockPicked, this, &CDiagnosisPanel::OnStockPicked);
}

CColorLabel* CDiagnosisPanel::AddLabel(int id, ui::ColorRef colour, const skin::Area& area) {
    auto* label = new CColorLabel(this);
    label->setObjectName(QString::number(id));
    label->textColor = colour;
    QFont font = label->font();
    font.setPixelSize(kLabelPixelSize);
    label->setFont(font);
    ui::Place(label, area);
    return label;
}

CColorLabel* CDiagnosisPanel::AddWrappingLabel(int id, ui::ColorRef colour, const skin::Area& area) {
    CColorLabel* label = AddLabel(id, colour, area);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

void CDiagnosisPanel::Activate() {
    queryCode_ = services_.currentCode.Get();
    SetCode(queryCode_);
}

void CDiagnosisPanel::Query() {
    if (ui::QueryRunning(this)) return;
    StartQuery();
}

std::string CDiagnosisPanel::BeginQuery() {
    services_.popup.Hide();
    queryCode_ = ui::FromQString(edit_->text());
    return queryCode_;
}

void CDiagnosisPanel::Accept(const std::string& code, const std::string& name) {
    services_.currentCode.Set(code);
    stockLabel_->setText(ui::ToQString(code + " " + name));
}

void CDiagnosisPanel::Reject(RecordStatus status) {
    ShowTip(this, Gbk(status == RecordStatus::FetchFailed ? "连接服务器失败,请稍后再试!"
                                                           : "找不到该股票或该股票无评测内容！"));
}

void CDiagnosisPanel::EndQuery() {
    update();
    edit_->setFocus();
    edit_->selectAll();
}

void CDiagnosisPanel::SetCode(const std::string& code) { edit_->setText(ui::ToQString(code)); }

void CDiagnosisPanel::OnCodeEdited() {
    const QPoint under = edit_->mapToGlobal(QPoint(0, edit_->height()));
    services_.popup.ShowMatches(ui::FromQString(edit_->text()), under, this);
    edit_->setFocus();
}

void CDiagnosisPanel::OnStockPicked(QObject* owner, const std::string& code) {
    if (owner != this || code.empty()) return;
    queryCode_ = code;
    SetCode(code);
}

void CDiagnosisPanel::keyPressEvent(QKeyEvent* event) {
    // Esc never closes a panel. Enter in the edit is taken by its key helper; elsewhere
    // on the panel it queries here.
    switch (event->key()) {
        case Qt::Key_Escape:
            event->accept();
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            event->accept();
            Query();
            return;
        default:
            break;
    }
    QWidget::keyPressEvent(event);
}

void CDiagnosisPanel::mousePressEvent(QMouseEvent* event) {
    QWidget::mousePressEvent(event);
    services_.popup.Hide();
}
