// The multi-column result table of the screens: one list per column under a two-line
// header, moved as one by a shared selection and a single scroll bar at the right.
// A screen puts it where its table goes and fills it row by row; a row counts as
// complete, and is selected, when its last cell arrives. A column is never narrower
// than its header and cells: it borrows from columns with room to spare, and when
// there is none the table scrolls sideways. Ctrl+C copies the selected row, Ctrl+A then
// Ctrl+C the whole table with its headers, and the context menu offers both.
#pragma once

#include "core/report/table_text.h"
#include "core/tables/result_table_layout.h"
#include "gui/controls/list_box.h"

#include <QScrollBar>
#include <QWidget>

#include <string>
#include <utility>
#include <vector>

class ptMultiListBox : public QWidget {
    Q_OBJECT
public:
    static constexpr int kHeaderId = 2250;
    static constexpr int kFirstColumnId = 2000;
    static constexpr int kScrollBarId = 2051;

    ptMultiListBox(QWidget* parent, int controlId, int numColumns);

    int GetNumColumns() const { return NumColumns; }
    // A row completed since control last returned counts as selected already; asking
    // must not lay out every column, as a screen may ask once per row it adds.
    int GetSelIndex() const {
        const int pending = PendingRow();
        return pending >= 0 ? pending : SelIndex;
    }
    std::pair<int, int> ScrollRange() const {
        ApplyCompletedRow();
        return {ScrollMin, ScrollMax};
    }

    // Empties the data columns; the headers stay.
    void ClearList();
    // Selects line n (n < 0 means 0) in every column. -1 when a column has no such line;
    // the table's selection and scroll bar then stay as they were.
    int SetSelIndex(int n);
    // Gives every column the first visible line of column c.
    void SyncTopIndex(int c);

    // Replaces the header of a column: title, then "[unit]" when a unit is given.
    void SetHeader(int column, const QString& title, const QString& unit = {});
    // Both header lines as they stand (a second line that is a word, not a unit).
    void SetHeaderLines(int column, const QString& line1, const QString& line2 = {});
    // What the column holds, shown when the pointer rests on its header.
    void SetHeaderTip(int column, const QString& tip);
    // One cell per column; missing cells are empty so the row still completes.
    void AddRow(const QStringList& cells);
    // A row of texts as the core's row builders make them.
    void AddRow(const std::vector<std::string>& cells);
    int RowCount() const;

    // The table as the datasheets want it; rows are the lines of the first column.
    std::vector<TableColumn> Columns() const;

    // As wide as every column's texts need, with the scroll bar.
    QSize sizeHint() const override;

    // The selected row, or the whole table after Select All, onto the clipboard as
    // tab-separated text. Nothing is copied while there is no row to copy.
    void CopySelection();
    void CopyRow();
    void CopyTable();
    // Select All: every row is shown selected, and Copy takes the whole table, until the
    // user picks a row or the table changes.
    void SelectWholeTable();
    bool WholeTableSelected() const { return WholeTable; }

    ptListBox* Header[kMaxColumns] = {};
    ptListBox* Column[kMaxColumns] = {};
    float ColumnWidth[kMaxColumns];
    QScrollBar* ScrollBar = nullptr;
    // Shown only while the columns are wider than the table.
    QScrollBar* SideScrollBar = nullptr;
    int SelIndex = 0;

signals:
    void selectionChanged(int row);
    void doubleClicked(int row);
    // The table was emptied.
    void cleared();
    // The Delete key in the table; a screen that removes lines listens.
    void deletePressed();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void LayoutColumns();
    // The texts changed: measure them again and lay out once control returns.
    void ContentChanged();
    void HeaderChanged();
    void MeasureColumns() const;
    void OnLineAdded(int index, int controlId);
    void OnUserSelection(int c);
    void SetScrollRange(int min, int max);
    // Selects and shows the last completed row. A screen that fills a thousand rows in
    // one go would otherwise lay out and scroll every column once per row; the row is
    // selected when control returns to the event loop, or when the scroll bar or the
    // whole table is wanted.
    void ApplyCompletedRow() const;
    // The completed row still to be selected, -1 when none is or a column lacks it.
    int PendingRow() const;
    // Back from Select All to the one selected row.
    void EndWholeTable();

    int NumColumns;
    int ScrollMin = 0;
    int ScrollMax = 0;
    // Set while the table moves its own columns, so their signals are not taken for the user's.
    bool Syncing = false;
    mutable int CompletedRow = -1;
    // Pixels each column needs to show its texts uncut.
    mutable std::vector<int> Needs;
    mutable bool NeedsStale = true;
    bool LayoutPending = false;
    bool WholeTable = false;
    QString HeaderTip[kMaxColumns];
};
