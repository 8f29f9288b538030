// The sized valve list as the list screen's table: the cells as the core wrote them, a
// row that did not size shaded with its status in bold, and a sort that takes the number
// columns as numbers. The rows stay in the list's order; the sort is a view on top.
#pragma once

#include "lists/list_sizing.h"

#include <QAbstractTableModel>
#include <QCollator>
#include <QSortFilterProxyModel>

#include <string>
#include <vector>

class ValveListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // A number cell as a double; invalid for an empty or other cell and in text columns.
    static constexpr int NumberRole = Qt::UserRole + 1;

    explicit ValveListModel(QObject* parent = nullptr);

    // Replaces the whole table with a sized list.
    void SetList(std::vector<std::string> header, std::vector<CellKind> kinds, bool decimalComma,
                 std::vector<SizedRow> rows);

    const std::vector<SizedRow>& Rows() const { return rows_; }
    bool IsNumberColumn(int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    const std::string* Cell(const QModelIndex& index) const;

    std::vector<std::string> header_;
    std::vector<CellKind> kinds_;
    bool decimalComma_ = false;
    std::vector<SizedRow> rows_;
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
