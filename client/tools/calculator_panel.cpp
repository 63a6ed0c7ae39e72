#include "client/tools/calculator_panel.h"

#include <QComboBox>
#include <QLineEdit>

#include "client/core/calculator_file.h"
#include "client/core/calculator_note.h"
#include "client/core/gbk.h"
#include "client/panels/color_label.h"
#include "client/panels/tip.h"
#include "client/panels/panel_label.h"
#include "client/tools/tool_widgets.h"
#include "common/platform/log.h"
#include "common/skin/tools_layout.h"
#include "common/ui/kbc_bmp.h"
#include "common/ui/skin_place.h"
#include "common/ui/text.h"

namespace layout = skin::tools::calculator;
using tool_widgets::AddLabel;

namespace {

constexpr const char* kCaptions[kTradeFieldCount] = {
    "股票代码", "购买价", "购买数量", "保本价", "卖出价", "卖出数量", "本次盈亏", "买入时间", "卖出时间"};
constexpr const char* kFieldNames[kTradeFieldCount] = {
    "code", "buy_price", "buy_quantity", "break_even", "sell_price", "sell_quantity", "profit",
    "buy_time", "sell_time"};

bool IsComputed(std::size_t field) {
    return field == static_cast<std::size_t>(TradeField::BreakEven) ||
           field == static_cast<std::size_t>(TradeField::Profit);
}

void MarkReadOnly(QLineEdit* edit) {
    edit->setReadOnly(true);
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, QColor(0xF1, 0xF4, 0xF8));
    edit->setPalette(palette);
}

}  // namespace

CCalculatorPanel::CCalculatorPanel(QWidget* parent) : CToolPanel(kDialogId, parent) {
    for (std::size_t column = 0; column < kTradeFieldCount; ++column) {
        const skin::Area caption{kFieldNames[column], layout::Caption(static_cast<int>(column))};
        AddLabel(this, QString::fromUtf8(kCaptions[column]), panel_look::kPromptColour, caption)
            ->setAlignment(Qt::AlignCenter);
        for (std::size_t row = 0; row < kTradeRowCount; ++row) {
            QLineEdit* edit = tool_widgets::AddEdit(
                this, QStringLiteral("row%1_%2").arg(row).arg(QString::fromUtf8(kFieldNames[column])),
                layout::Field(static_cast<int>(row), static_cast<int>(column)));
            if (IsComputed(column)) MarkReadOnly(edit);
            fields_[row][column] = edit;
        }
    }

    AddLabel(this, QStringLiteral("单位：0.01元，股"), panel_look::kCaptionColour, layout::kUnitNote);
    calculateButton_ = tool_widgets::AddImageButton(this, QStringLiteral("calculate"), QStringLiteral("确认计算"),
                                                    layout::kCalculateButton, "image\\qrjs.gif");
    saveButton_ = tool_widgets::AddImageButton(this, QStringLiteral("save"), QStringLiteral("保存数据"),
                                               layout::kSaveButton, "image\\bcsj.gif");
    AddLabel(this, QStringLiteral("总盈亏"), panel_look::kPromptColour, layout::kTotalCaption);
    total_ = tool_widgets::AddEdit(this, QStringLiteral("total"), layout::kTotal);
    MarkReadOnly(total_);

    AddLabel(this, QStringLiteral("费率方案"), panel_look::kPromptColour, layout::kScheduleCaption);
    schedule_ = new QComboBox(this);
    schedule_->setObjectName(QStringLiteral("schedule"));
    schedule_->insertItem(kCurrentItem, QStringLiteral("现行费率"));
    schedule_->insertItem(kClassicItem, QStringLiteral("经典费率（旧规则）"));
    ui::Place(schedule_, layout::kSchedule);
    AddLabel(this, QStringLiteral("佣金费率"), panel_look::kPromptColour, layout::kRateCaption);
    rate_ = tool_widgets::AddEdit(this, QStringLiteral("commission_rate"), layout::kRate);
    AddLabel(this, QStringLiteral("%"), panel_look::kPromptColour, layout::kRateUnit);
    AddLabel(this, QStringLiteral("最低佣金"), panel_look::kPromptColour, layout::kMinimumCaption);
    minimum_ = tool_widgets::AddEdit(this, QStringLiteral("minimum_commission"), layout::kMinimum);
    AddLabel(this, QStringLiteral("元（0 为不设最低）"), panel_look::kPromptColour, layout::kMinimumUnit);
    note_ = tool_widgets::AddWrappingLabel(this, QString(), panel_look::kCaptionColour, layout::kNote);

    ShowSheet(LoadCalculatorSheet());

    connect(calculateButton_, &CKbcBmp::clicked, this, &CCalculatorPanel::Calculate);
    connect(saveButton_, &CKbcBmp::clicked, this, &CCalculatorPanel::Save);
    connect(schedule_, &QComboBox::currentIndexChanged, this, &CCalculatorPanel::ShowScheduleState);
    connect(rate_, &QLineEdit::textChanged, this, &CCalculatorPanel::ShowScheduleState);
    connect(minimum_, &QLineEdit::textChanged, this, &CCalculatorPanel::ShowScheduleState);
}

QLineEdit* CCalculatorPanel::Field(std::size_t row, TradeField field) const {
    return fields_.at(row).at(static_cast<std::size_t>(field));
}

void CCalculatorPanel::Calculate() {
    CalculatorSheet sheet = ReadSheet();
    ::Calculate(sheet);
    ShowSheet(sheet);
}

bool CCalculatorPanel::Save() {
    if (SaveCalculatorSheet(ReadSheet())) return true;
    platform::Log(platform::LogLevel::Warning, "quorvel.ui",
                  "the calculator rows could not be saved to " + std::string(kCalculatorFileName));
    ShowTip(this, Gbk("数据保存失败，请确认程序目录可以写入!"));
    return false;
}

CalculatorSheet CCalculatorPanel::ReadSheet() const {
    CalculatorSheet sheet;
    for (std::size_t row = 0; row < kTradeRowCount; ++row)
        for (std::size_t field = 0; field < kTradeFieldCount; ++field)
            sheet.rows[row].fields[field] = ui::FromQString(fields_[row][field]->text());
    sheet.total = ui::FromQString(total_->text());
    sheet.schedule = schedule_->currentIndex() == kClassicItem ? FeeSchedule::Classic : FeeSchedule::Current;
    sheet.commissionPercent = ui::FromQString(rate_->text());
    sheet.minimumCommission = ui::FromQString(minimum_->text());
    return sheet;
}

void CCalculatorPanel::ShowSheet(const CalculatorSheet& sheet) {
    for (std::size_t row = 0; row < kTradeRowCount; ++row)
        for (std::size_t field = 0; field < kTradeFieldCount; ++field)
            fields_[row][field]->setText(ui::ToQString(sheet.rows[row].fields[field]));
    total_->setText(ui::ToQString(sheet.total));
    {
        const QSignalBlocker blockSchedule(schedule_), blockRate(rate_), blockMinimum(minimum_);
        schedule_->setCurrentIndex(sheet.schedule == FeeSchedule::Classic ? kClassicItem : kCurrentItem);
        rate_->setText(ui::ToQString(sheet.commissionPercent));
        minimum_->setText(ui::ToQString(sheet.minimumCommission));
    }
    ShowScheduleState();
}

void CCalculatorPanel::ShowScheduleState() {
    const CalculatorSheet sheet = ReadSheet();
    const bool current = sheet.schedule == FeeSchedule::Current;
    rate_->setEnabled(current);
    minimum_->setEnabled(current);
    note_->setText(ui::ToQString(ScheduleNote(sheet)));
    note_->RedrawOnParent();
}
