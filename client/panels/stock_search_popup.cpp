#include "client/panels/stock_search_popup.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QTreeView>

#include <algorithm>
#include <utility>
#include <vector>

#include "client/core/code_search.h"
#include "client/panels/stock_list_model.h"

namespace {

// The list fills the pop-up but for a thin margin.
constexpr int kListMargin = 3;

}  // namespace

CStockSearchPopup::CStockSearchPopup(std::string directoryFile)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                           Qt::WindowDoesNotAcceptFocus),
      directoryFile_(std::move(directoryFile)),
      model_(new CStockListModel(this)),
      list_(new QTreeView(this)) {
    setObjectName(QString::number(kDialogId));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    // Only honoured where the window system composites; elsewhere the pop-up is opaque.
    setWindowOpacity(kAlpha / 255.0);
    resize(kWidth, kHeight);

    list_->setObjectName(QString::number(kListId));
    list_->setGeometry(kListMargin, kListMargin, kWidth - 2 * kListMargin, kHeight - 2 * kListMargin);
    list_->setModel(model_);
    list_->setRootIsDecorated(false);
    list_->setItemsExpandable(false);
    list_->setUniformRowHeights(true);
    list_->setAllColumnsShowFocus(true);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setFocusPolicy(Qt::NoFocus);
    list_->header()->setStretchLastSection(false);
    list_->header()->setSectionsMovable(false);
    // The selection looks the same whether or not the list has the focus (it never has).
    QPalette palette = list_->palette();
    for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText}) {
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    }
    list_->setPalette(palette);
    ApplyColumnWidths();

    connect(list_, &QAbstractItemView::doubleClicked, this, &CStockSearchPopup::OnDoubleClicked);
    connect(list_, &QAbstractItemView::pressed, this, [this] { keyHighlight_ = false; });
}

CStockSearchPopup::~CStockSearchPopup() = default;

void CStockSearchPopup::SetDirectory(CStockDirectory directory) {
    model_->SetDirectory(std::move(directory));
    directoryLoaded_ = true;
    keyHighlight_ = false;
}

std::size_t CStockSearchPopup::DirectorySize() {
    EnsureDirectory();
    return model_->Directory().Size();
}

void CStockSearchPopup::EnsureDirectory() {
    if (directoryLoaded_) return;
    SetDirectory(LoadStockDirectory(directoryFile_));
}

void CStockSearchPopup::ApplyColumnWidths() {
    QHeaderView* header = list_->header();
    for (int column = 0; column < CStockListModel::kColumnCount; ++column) {
        if (header->sectionSize(column) != kColumnWidths[column]) header->resizeSection(column, kColumnWidths[column]);
    }
}

std::string CStockSearchPopup::ShowMatches(const std::string& text, QPoint screenPos, QObject* owner) {
    EnsureDirectory();
    std::vector<std::size_t> matches = MatchStocks(model_->Directory(), text);
    const std::string first = matches.empty() ? std::string() : model_->Directory().Code(matches.front());
    model_->SetRows(std::move(matches));
    keyHighlight_ = false;
    ApplyColumnWidths();
    // Moved and shown in place rather than hidden and shown again, which would flicker.
    setGeometry(screenPos.x(), screenPos.y(), kWidth, kHeight);
    if (!isVisible()) show();
    owner_ = owner;
    return first;
}

int CStockSearchPopup::SelectedRow() const {
    const QModelIndexList rows = list_->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.front().row();
}

std::string CStockSearchPopup::GetChosenCode() const {
    const int row = SelectedRow();
    return row < 0 ? std::string() : model_->Directory().Code(model_->DirectoryIndex(row));
}

void CStockSearchPopup::MoveHighlight(int step) {
    const int count = model_->rowCount();
    if (count == 0 || step == 0) return;
    const int current = SelectedRow();
    int row = current < 0 ? (step > 0 ? 0 : count - 1) : current + step;
    row = std::clamp(row, 0, count - 1);
    const QModelIndex index = model_->index(row, 0);
    list_->selectionModel()->setCurrentIndex(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    list_->scrollTo(index);
    keyHighlight_ = true;
}

std::string CStockSearchPopup::HighlightedCode() const {
    return keyHighlight_ ? GetChosenCode() : std::string();
}

void CStockSearchPopup::Hide() {
    hide();
}

void CStockSearchPopup::OnDoubleClicked(const QModelIndex&) {
    emit StockPicked(owner_, GetChosenCode());
}
