#include "gui/controls/multi_list_box.h"

#include "core/tables/table_copy.h"
#include "gui/common/messages.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMenu>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QTimer>

#include <algorithm>

namespace {

// Headers read as a band above the data; the selection shows the same in every column,
// whichever of them has the focus.
const char* const kHeaderStyle = "QListWidget { background: #ececec; color: black; border: none;"
                                 " border-right: 1px solid #d0d0d0; border-bottom: 1px solid #b8b8b8; }"
                                 "QListWidget::item { padding: 0px 2px; }";
const char* const kColumnStyle = "QListWidget { background: white; color: black; border: none;"
                                 " border-right: 1px solid #e6e6e6;"
                                 " selection-background-color: #2f65ca; selection-color: white; }";

// What a line needs: the style's own size of the item, which holds the margins an elided
// text would lose, and the list's frame.
int LineNeed(ptListBox* list, int row) {
    const QMargins frame = list->contentsMargins();
    return list->sizeHintForIndex(list->model()->index(row, 0)).width() + frame.left() + frame.right();
}

// The line that needs the most room. A thousand rows are sized by their characters'
// advances rather than one style query each.
int WidestLine(ptListBox* list) {
    const QFontMetrics metrics(list->font());
    int widest = -1;
    int widestAdvance = -1;
    for (int row = 0; row < list->count(); ++row) {
        int advance = 0;
        for (QChar c : list->item(row)->text())
            advance += metrics.horizontalAdvance(c);
        if (advance > widestAdvance) {
            widest = row;
            widestAdvance = advance;
        }
    }
    return widest;
}

void StripList(ptListBox* list, const QFont& font) {
    list->setFrameShape(QFrame::NoFrame);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setUniformItemSizes(true);
    list->setFont(font);
}

} // namespace

ptMultiListBox::ptMultiListBox(QWidget* parent, int controlId, int numColumns)
    : QWidget(parent), NumColumns(std::clamp(numColumns, 0, kMaxColumns)) {
    setProperty("controlId", controlId);
    setObjectName(QStringLiteral("multiList%1").arg(controlId));
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);

    QFont small = QApplication::font();
    small.setPointSize(8);
    std::fill(std::begin(ColumnWidth), std::end(ColumnWidth), 1.0f);

    for (int i = 0; i < NumColumns; ++i) {
        ptListBox* header = new ptListBox(this, kHeaderId);
        header->setObjectName(QStringLiteral("header%1").arg(i));
        StripList(header, small);
        header->setSelectionMode(QAbstractItemView::NoSelection);
        header->setFocusPolicy(Qt::NoFocus);
        header->setEnabled(false);
        header->setStyleSheet(kHeaderStyle);
        Header[i] = header;
        connect(header, &ptListBox::lineAdded, this, &ptMultiListBox::HeaderChanged);
        connect(header, &ptListBox::lineInserted, this, &ptMultiListBox::HeaderChanged);

        ptListBox* column = new ptListBox(this, kFirstColumnId + i);
        column->setObjectName(QStringLiteral("column%1").arg(i));
        StripList(column, small);
        column->setSelectionMode(QAbstractItemView::SingleSelection);
        // One scroll step is one line, so the scroll value is the first visible line.
        column->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
        column->setStyleSheet(kColumnStyle);
        Column[i] = column;

        connect(column, &ptListBox::lineAdded, this, &ptMultiListBox::OnLineAdded);
        connect(column, &ptListBox::lineInserted, this, &ptMultiListBox::OnLineAdded);
        connect(column, &ptListBox::lineAdded, this, &ptMultiListBox::ContentChanged);
        connect(column, &ptListBox::lineInserted, this, &ptMultiListBox::ContentChanged);
        connect(column, &QListWidget::itemSelectionChanged, this, [this, i] { OnUserSelection(i); });
        connect(column, &QListWidget::itemDoubleClicked, this,
                [this, column](QListWidgetItem* line) { emit doubleClicked(column->row(line)); });
        // the list's own Copy would take one cell; the table answers Copy and Select All itself
        column->installEventFilter(this);
        column->viewport()->installEventFilter(this);
        // The wheel or the keys scroll one column; the others follow so the rows stay aligned.
        connect(column->verticalScrollBar(), &QScrollBar::valueChanged, this, [this, i] {
            if (!Syncing)
                SyncTopIndex(i);
        });
    }
    if (NumColumns > 0)
        setFocusProxy(Column[0]);

    ScrollBar = new QScrollBar(Qt::Vertical, this);
    ScrollBar->setObjectName(QStringLiteral("scrollBar"));
    ScrollBar->setProperty("controlId", kScrollBarId);
    SetScrollRange(0, 0);

    SideScrollBar = new QScrollBar(Qt::Horizontal, this);
    SideScrollBar->setObjectName(QStringLiteral("sideScrollBar"));
    // out of the tab order, so Tab still goes from the table to the buttons
    SideScrollBar->setFocusPolicy(Qt::NoFocus);
    SideScrollBar->hide();
    connect(SideScrollBar, &QScrollBar::valueChanged, this, &ptMultiListBox::LayoutColumns);
}

void ptMultiListBox::ClearList() {
    EndWholeTable();
    CompletedRow = -1;
    {
        QScopedValueRollback<bool> guard(Syncing, true);
        for (int i = 0; i < NumColumns; ++i)
            Column[i]->clear();
    }
    SetScrollRange(0, -1);
    ContentChanged();
    emit cleared();
}

int ptMultiListBox::SetSelIndex(int n) {
    EndWholeTable();
    CompletedRow = -1; // an explicit choice wins over a row completed before it
    n = std::max(n, 0);
    bool everyColumn = true;
    {
        QScopedValueRollback<bool> guard(Syncing, true);
        // Every column is asked, also after one lacked the line.
        for (int i = 0; i < NumColumns; ++i) {
            if (n < Column[i]->count()) {
                Column[i]->setCurrentRow(n);
                Column[i]->scrollToItem(Column[i]->item(n));
            } else {
                everyColumn = false;
            }
        }
    }
    if (!everyColumn)
        return -1;
    SelIndex = n;
    SetScrollRange(0, RowCount() - 1);
    ScrollBar->setValue(n);
    return n;
}

void ptMultiListBox::SyncTopIndex(int c) {
    if (c < 0 || c >= NumColumns)
        return;
    QScopedValueRollback<bool> guard(Syncing, true);
    const int top = Column[c]->verticalScrollBar()->value();
    for (int i = 0; i < NumColumns; ++i) {
        if (i == c)
            continue;
        // scrollToItem lays out pending lines first, so the scroll range is current.
        if (top < Column[i]->count())
            Column[i]->scrollToItem(Column[i]->item(top), QAbstractItemView::PositionAtTop);
        else
            Column[i]->scrollToBottom();
    }
}

void ptMultiListBox::SetHeader(int column, const QString& title, const QString& unit) {
    SetHeaderLines(column, title, unit.isEmpty() ? QString() : QLatin1Char('[') + unit + QLatin1Char(']'));
}

void ptMultiListBox::SetHeaderLines(int column, const QString& line1, const QString& line2) {
    if (column < 0 || column >= NumColumns)
        return;
    Header[column]->clear();
    Header[column]->InsertString(line1, 0);
    if (!line2.isEmpty())
        Header[column]->InsertString(line2, 1);
    SetHeaderTip(column, HeaderTip[column]);
}

void ptMultiListBox::SetHeaderTip(int column, const QString& tip) {
    if (column < 0 || column >= NumColumns)
        return;
    HeaderTip[column] = tip;
    Header[column]->setToolTip(tip);
    // the lines answer for the list below them; without a tip of their own they would hide it
    for (int k = 0; k < Header[column]->count(); ++k)
        Header[column]->item(k)->setToolTip(tip);
}

void ptMultiListBox::AddRow(const QStringList& cells) {
    EndWholeTable();
    for (int i = 0; i < NumColumns; ++i)
        Column[i]->AddString(i < cells.size() ? cells[i] : QString());
}

void ptMultiListBox::AddRow(const std::vector<std::string>& cells) {
    QStringList row;
    for (const std::string& cell : cells)
        row << QString::fromStdString(cell);
    AddRow(row);
}

int ptMultiListBox::RowCount() const {
    return NumColumns > 0 ? Column[0]->count() : 0;
}

std::vector<TableColumn> ptMultiListBox::Columns() const {
    std::vector<TableColumn> table;
    const int rows = RowCount();
    for (int i = 0; i < NumColumns; ++i) {
        TableColumn column;
        for (int k = 0; k < Header[i]->GetCount(); ++k)
            column.header.push_back(Header[i]->GetString(k).toStdString());
        for (int r = 0; r < rows; ++r)
            column.cells.push_back(Column[i]->GetString(r).toStdString());
        table.push_back(std::move(column));
    }
    return table;
}

void ptMultiListBox::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    LayoutColumns();
}

void ptMultiListBox::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    LayoutColumns();
}

QSize ptMultiListBox::sizeHint() const {
    if (NeedsStale)
        MeasureColumns();
    int width = kListScrollBarWidth;
    for (int need : Needs)
        width += std::max(need, kMinColumnWidth);
    return {width, QWidget::sizeHint().height()};
}

void ptMultiListBox::LayoutColumns() {
    if (NeedsStale) {
        const std::vector<int> before = Needs;
        MeasureColumns();
        if (Needs != before)
            updateGeometry();
    }
    const std::vector<float> factors(ColumnWidth, ColumnWidth + NumColumns);
    const std::vector<ColumnRect> rects = FitColumns(ColumnLayout(width(), height(), factors), Needs);
    const int shown = width() - kListScrollBarWidth;
    const int tableWidth = rects.empty() ? 0 : rects.back().x + rects.back().width;
    const bool sideways = tableWidth > shown;
    int shift = 0;
    int barHeight = 0;
    if (sideways) {
        const QSignalBlocker quiet(SideScrollBar);
        SideScrollBar->setRange(0, tableWidth - shown);
        SideScrollBar->setPageStep(std::max(shown, 1));
        SideScrollBar->setGeometry(0, height() - kListScrollBarWidth, std::max(shown, 0), kListScrollBarWidth);
        shift = SideScrollBar->value();
        barHeight = kListScrollBarWidth;
    }
    SideScrollBar->setVisible(sideways);
    for (std::size_t i = 0; i < rects.size(); ++i) {
        const ColumnRect& data = rects[i];
        const ColumnRect header = HeaderRect(data);
        Header[i]->setGeometry(header.x - shift, header.y, header.width, header.height);
        Column[i]->setGeometry(data.x - shift, data.y, data.width, std::max(data.height - barHeight, 0));
    }
    const ColumnRect bar = ScrollBarRect(width(), height());
    ScrollBar->setGeometry(bar.x, bar.y, bar.width, bar.height);
}

void ptMultiListBox::ContentChanged() {
    NeedsStale = true;
    if (LayoutPending)
        return;
    LayoutPending = true;
    QTimer::singleShot(0, this, [this] {
        LayoutPending = false;
        LayoutColumns();
    });
}

void ptMultiListBox::HeaderChanged() {
    // the window around may want to know at once, before it is shown
    NeedsStale = true;
    updateGeometry();
    ContentChanged();
}

void ptMultiListBox::MeasureColumns() const {
    NeedsStale = false;
    Needs.assign(NumColumns, 0);
    for (int i = 0; i < NumColumns; ++i) {
        Header[i]->ensurePolished();
        Column[i]->ensurePolished();
        for (int k = 0; k < Header[i]->count(); ++k)
            Needs[i] = std::max(Needs[i], LineNeed(Header[i], k));
        const int widest = WidestLine(Column[i]);
        if (widest >= 0)
            Needs[i] = std::max(Needs[i], LineNeed(Column[i], widest));
    }
}

void ptMultiListBox::OnLineAdded(int index, int controlId) {
    // The last cell completes a row; that row becomes the selection.
    if (NumColumns == 0 || controlId != kFirstColumnId + NumColumns - 1)
        return;
    if (CompletedRow < 0)
        QTimer::singleShot(0, this, [this] { ApplyCompletedRow(); });
    CompletedRow = std::max(index, 0);
}

void ptMultiListBox::ApplyCompletedRow() const {
    if (CompletedRow < 0)
        return;
    auto* self = const_cast<ptMultiListBox*>(this);
    const int row = CompletedRow;
    CompletedRow = -1;
    self->SetSelIndex(row);
    self->SyncTopIndex(NumColumns - 1);
}

int ptMultiListBox::PendingRow() const {
    if (CompletedRow < 0)
        return -1;
    for (int i = 0; i < NumColumns; ++i)
        if (CompletedRow >= Column[i]->count())
            return -1;
    return CompletedRow;
}

void ptMultiListBox::OnUserSelection(int c) {
    if (Syncing)
        return;
    const QList<QListWidgetItem*> selected = Column[c]->selectedItems();
    if (selected.isEmpty())
        return;
    const int row = Column[c]->row(selected.first());
    SetSelIndex(row);
    SyncTopIndex(c);
    emit selectionChanged(row);
}

void ptMultiListBox::SetScrollRange(int min, int max) {
    ScrollMin = min;
    ScrollMax = max;
    // A QScrollBar cannot hold max < min; the members keep the range as the table sees it.
    ScrollBar->setRange(min, std::max(min, max));
}

void ptMultiListBox::CopySelection() {
    if (WholeTable)
        CopyTable();
    else
        CopyRow();
}

void ptMultiListBox::CopyRow() {
    const int row = GetSelIndex();
    if (row < 0 || row >= RowCount())
        return;
    QGuiApplication::clipboard()->setText(QString::fromStdString(CopiedRow(Columns(), static_cast<std::size_t>(row))));
}

void ptMultiListBox::CopyTable() {
    QGuiApplication::clipboard()->setText(QString::fromStdString(CopiedTable(Columns())));
}

void ptMultiListBox::SelectWholeTable() {
    ApplyCompletedRow();
    QScopedValueRollback<bool> guard(Syncing, true);
    for (int i = 0; i < NumColumns; ++i) {
        Column[i]->setSelectionMode(QAbstractItemView::MultiSelection);
        Column[i]->selectAll();
    }
    WholeTable = true;
}

void ptMultiListBox::EndWholeTable() {
    if (!WholeTable)
        return;
    WholeTable = false;
    {
        QScopedValueRollback<bool> guard(Syncing, true);
        for (int i = 0; i < NumColumns; ++i) {
            Column[i]->clearSelection();
            Column[i]->setSelectionMode(QAbstractItemView::SingleSelection);
        }
    }
    if (SelIndex < RowCount())
        SetSelIndex(SelIndex);
}

void ptMultiListBox::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    QAction* row = menu.addAction(Str(200));
    row->setObjectName(QStringLiteral("copyRow"));
    row->setEnabled(RowCount() > 0);
    QAction* table = menu.addAction(Str(201));
    table->setObjectName(QStringLiteral("copyTable"));
    connect(row, &QAction::triggered, this, &ptMultiListBox::CopyRow);
    connect(table, &QAction::triggered, this, &ptMultiListBox::CopyTable);
    menu.exec(event->globalPos());
    event->accept();
}

bool ptMultiListBox::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::ShortcutOverride || type == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool copy = key->matches(QKeySequence::Copy);
        const bool selectAll = key->matches(QKeySequence::SelectAll);
        if (copy || selectAll) {
            // taken here, before any shortcut of the window or the list's own handling
            event->accept();
            if (type == QEvent::KeyPress) {
                if (copy)
                    CopySelection();
                else
                    SelectWholeTable();
            }
            return true;
        }
        if (type == QEvent::KeyPress) {
            // Delete takes one line: with the whole table shown selected it only ends that
            if (key->key() == Qt::Key_Delete && key->modifiers() == Qt::NoModifier && !WholeTable)
                emit deletePressed();
            else if (key->key() != Qt::Key_Control && key->key() != Qt::Key_Shift)
                EndWholeTable();
        }
    } else if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) {
        // a click picks one row again, also the right click that opens the context menu
        EndWholeTable();
    }
    return QWidget::eventFilter(watched, event);
}
