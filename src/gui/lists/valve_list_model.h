// The sized valve list as the list screen's table: the cells as the core wrote them, a
// row that did not size shaded with its status in bold, and a sort that takes the number
// columns as numbers. The rows stay in the list's order; the sort is a view on top.
#pragma once

#include "lists/list_sizing.h"

#include <QAbstractTableModel>
#include <QCollator>
#include <QSortFilterProxyModel>

#include <set>
#include <string>
#include <utility>
#include <vector>

class ValveListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // A number cell as a double; invalid for an empty or other cell and in text columns.
    static constexpr int NumberRole = Qt::UserRole + 1;

    explicit ValveListModel(QObject* parent = nullptr);

    // Replaces the whole table with a sized list; its first ownColumns columns are the
    // list's own, which the user may edit.
    void SetList(std::vector<std::string> header, std::vector<CellKind> kinds, bool decimalComma,
                 std::vector<SizedRow> rows, std::size_t ownColumns = 0);

    const std::vector<SizedRow>& Rows() const { return rows_; }
    // For sizing edited rows again in place; RowsChanged then shows them.
    std::vector<SizedRow>& EditableRows() { return rows_; }
    void RowsChanged(const std::vector<std::size_t>& rows);
    bool IsNumberColumn(int column) const;

    // The cells edited since the list was opened or saved, marked in the table.
    void MarkEdited(int row, int column);
    void ClearEdited();
    bool HasEdits() const { return !edited_.empty(); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // An edit of one of the list's own cells is handed on, not stored: the screen sizes the
    // row again.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

signals:
    void CellEdited(int row, int column, const QString& text);

private:
    const std::string* Cell(const QModelIndex& index) const;

    std::vector<std::string> header_;
    std::vector<CellKind> kinds_;
    bool decimalComma_ = false;
    std::vector<SizedRow> rows_;
    std::size_t ownColumns_ = 0;
    std::set<std::pair<int, int>> edited_;
};

// Numbers before blanks and texts in number columns; texts in the order a reader
// expects, digits by their value ("FV-9" before "FV-10").
class ValveListSortModel : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit ValveListSortModel(QObject* parent = nullptr);

protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
    QCollator collator_;
};
