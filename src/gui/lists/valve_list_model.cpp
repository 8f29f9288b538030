#include "gui/lists/valve_list_model.h"

#include "gui/common/messages.h"

#include <QBrush>
#include <QColor>
#include <QFont>

namespace {

// Light enough that black text stays readable, and apart from white and from each other
// when the screen or a print is grey.
QColor NoFitShade() {
    return QColor(255, 226, 150);
}

QColor ErrorShade() {
    return QColor(246, 178, 178);
}

// An actuator fits but a check does not pass: it stays on the row for the engineer to decide.
QColor CheckFailedShade() {
    return QColor(206, 222, 250);
}

// A sized row with a warning: paler than a row that did not size.
QColor WarningShade() {
    return QColor(255, 246, 214);
}

} // namespace

ValveListModel::ValveListModel(QObject* parent) : QAbstractTableModel(parent) {}

void ValveListModel::SetList(std::vector<std::string> header, std::vector<CellKind> kinds, bool decimalComma,
                             std::vector<SizedRow> rows, std::size_t ownColumns) {
    beginResetModel();
    header_ = std::move(header);
    kinds_ = std::move(kinds);
    decimalComma_ = decimalComma;
    rows_ = std::move(rows);
    ownColumns_ = ownColumns;
    edited_.clear();
    endResetModel();
}

void ValveListModel::RowsChanged(const std::vector<std::size_t>& rows) {
    for (std::size_t r : rows) {
        const int row = static_cast<int>(r);
        emit dataChanged(index(row, 0), index(row, columnCount() - 1));
        emit headerDataChanged(Qt::Vertical, row, row);
    }
}

void ValveListModel::MarkEdited(int row, int column) {
    edited_.emplace(row, column);
    emit dataChanged(index(row, column), index(row, column));
}

void ValveListModel::ClearEdited() {
    edited_.clear();
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

Qt::ItemFlags ValveListModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && static_cast<std::size_t>(index.column()) < ownColumns_)
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool ValveListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    const std::string* cell = Cell(index);
    if (role != Qt::EditRole || !cell || static_cast<std::size_t>(index.column()) >= ownColumns_)
        return false;
    if (value.toString().toStdString() != *cell)
        emit CellEdited(index.row(), index.column(), value.toString());
    return true;
}

bool ValveListModel::IsNumberColumn(int column) const {
    return column >= 0 && static_cast<std::size_t>(column) < kinds_.size() &&
           kinds_[static_cast<std::size_t>(column)] == CellKind::Number;
}

int ValveListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ValveListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(header_.size());
}

const std::string* ValveListModel::Cell(const QModelIndex& index) const {
    if (!index.isValid() || index.row() >= rowCount())
        return nullptr;
    const SizedRow& row = rows_[static_cast<std::size_t>(index.row())];
    const auto column = static_cast<std::size_t>(index.column());
    return column < row.cells.size() ? &row.cells[column] : nullptr;
}

QVariant ValveListModel::data(const QModelIndex& index, int role) const {
    const std::string* cell = Cell(index);
    if (!cell)
        return {};
    const SizedRow& row = rows_[static_cast<std::size_t>(index.row())];
    const bool statusColumn = index.column() == columnCount() - 1;
    const bool warningsColumn = index.column() == columnCount() - 2;
    const bool edited = edited_.count({index.row(), index.column()}) > 0;
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return QString::fromStdString(*cell);
    case Qt::ToolTipRole:
        if (edited)
            return Str(265);
        // a reason or the warnings may be longer than their column
        if ((statusColumn && row.status != RowStatus::Ok) || (warningsColumn && !row.warnings.empty()))
            return QString::fromStdString(*cell);
        return {};
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignVCenter |
                                   (IsNumberColumn(index.column()) ? Qt::AlignRight : Qt::AlignLeft));
    case Qt::BackgroundRole:
        if (row.status == RowStatus::Ok)
            return row.warnings.empty() ? QVariant() : QVariant(QBrush(WarningShade()));
        return QBrush(row.status == RowStatus::NoFit         ? NoFitShade()
                      : row.status == RowStatus::CheckFailed ? CheckFailedShade()
                                                             : ErrorShade());
    case Qt::ForegroundRole:
        // the shades are light: the text stays dark whatever the desktop's colours
        return row.status == RowStatus::Ok && row.warnings.empty() ? QVariant() : QVariant(QBrush(Qt::black));
    case Qt::FontRole:
        if (edited) {
            QFont marked;
            marked.setItalic(true);
            marked.setUnderline(true);
            return marked;
        }
        if (statusColumn && row.status != RowStatus::Ok) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    case NumberRole: {
        float value = 0;
        if (IsNumberColumn(index.column()) && ParseListNumber(*cell, decimalComma_ ? DecimalMark::Comma : DecimalMark::Point, value))
            return static_cast<double>(value);
        return {};
    }
    default:
        return {};
    }
}

QVariant ValveListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || section < 0)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (orientation == Qt::Horizontal)
        return static_cast<std::size_t>(section) < header_.size()
                   ? QString::fromStdString(header_[static_cast<std::size_t>(section)])
                   : QVariant();
    // the tag heads its row, so it stays in sight while the table scrolls to the results;
    // a row without one is known by its line in the file
    if (section >= rowCount())
        return {};
    const SizedRow& row = rows_[static_cast<std::size_t>(section)];
    return row.tag.empty() ? QStringLiteral("#%1").arg(row.line) : QString::fromStdString(row.tag);
}

ValveListSortModel::ValveListSortModel(QObject* parent) : QSortFilterProxyModel(parent) {
    collator_.setNumericMode(true);
    collator_.setCaseSensitivity(Qt::CaseInsensitive);
}

bool ValveListSortModel::lessThan(const QModelIndex& left, const QModelIndex& right) const {
    const QVariant a = left.data(ValveListModel::NumberRole);
    const QVariant b = right.data(ValveListModel::NumberRole);
    if (a.isValid() && b.isValid())
        return a.toDouble() < b.toDouble();
    if (a.isValid() != b.isValid())
        return a.isValid();
    return collator_.compare(left.data().toString(), right.data().toString()) < 0;
}
