#include "gui/lists/valve_list_screen.h"

#include "core/report/datasheet_frame.h"
#include "core/tables/table_copy.h"
#include "core/text/text_util.h"
#include "gui/chart/chart_view.h"
#include "gui/common/dialog_buttons.h"
#include "gui/common/messages.h"
#include "gui/lists/list_columns_dialog.h"
#include "gui/lists/project_dialog.h"
#include "gui/lists/valve_databases_dialog.h"
#include "gui/lists/valve_list_model.h"
#include "gui/lists/work_progress.h"
#include "gui/report/datasheet_flow.h"
#include "gui/screens/screen_context.h"
#include "lists/list_account.h"
#include "lists/list_datasheet.h"
#include "lists/list_edit.h"
#include "lists/list_job.h"
#include "lists/list_summary.h"
#include "lists/list_writers.h"
#include "lists/workbook_reader.h"
#include "page/package_render.h"
#include "page/page_render.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QImage>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPageSize>
#include <QPixmap>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QSettings>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <numeric>

namespace {

// Control numbers of the screen.
constexpr int kOpenButton = 241;
constexpr int kExportButton = 242;
constexpr int kDatasheetsButton = 243;
constexpr int kTable = 244;
constexpr int kSummary = 245;
constexpr int kSummaryTable = 255;
constexpr int kListName = 246;
constexpr int kWritten = 247;
constexpr int kAccount = 248;
constexpr int kDecimal = 249;
constexpr int kColumnsButton = 250;
constexpr int kDatabasesButton = 251;
constexpr int kRecentButton = 252;
constexpr int kSaveButton = 253;
constexpr int kSheet = 254;
constexpr int kProjectButton = 256;
// lists offered under Recent
constexpr int kRecentLists = 6;
const QString kRecentKey = QStringLiteral("lists/recent");
constexpr int kCloseButton = 2;

// A status column may carry a long reason; past this the tool tip shows it whole.
constexpr int kWidestColumn = 320;

// A string's %s and %i filled in order.
QString Filled(QString text, const QStringList& values) {
    static const QRegularExpression conversion(QStringLiteral("%[is]"));
    qsizetype from = 0;
    for (const QString& value : values) {
        const QRegularExpressionMatch m = conversion.match(text, from);
        if (!m.hasMatch())
            break;
        text.replace(m.capturedStart(), m.capturedLength(), value);
        from = m.capturedStart() + value.size();
    }
    return text;
}

std::string LocalName(const QString& fileName) {
    return QFile::encodeName(fileName).toStdString();
}

// A name without a suffix takes the one of the filter chosen in the save dialog.
QString WithSuffix(const QString& fileName, const QString& filter) {
    if (!QFileInfo(fileName).suffix().isEmpty())
        return fileName;
    static const QRegularExpression pattern(QStringLiteral("\\*(\\.\\w+)"));
    const QRegularExpressionMatch m = pattern.match(filter);
    return m.hasMatch() ? fileName + m.captured(1) : fileName;
}

} // namespace

VnValveListDlg::VnValveListDlg(ScreenContext& context, QWidget* parent, const std::string& actuatorFile,
                               const std::string& valveFile)
    : VnScreen(context, parent), ActuatorData(std::make_unique<::ActuatorData>(actuatorFile)),
      Database(std::make_unique<TorqueDatabase>(valveFile)), model_(new ValveListModel(this)),
      sorted_(new ValveListSortModel(this)) {
    setObjectName(QStringLiteral("dialog%1").arg(kDialog));
    setProperty("dialogId", kDialog);
    setWindowTitle(Str(138) + QStringLiteral(" - ") + QString::fromStdString(ActuatorData->GetTitle()));
    setSizeGripEnabled(true);

    auto* layout = new QVBoxLayout(this);
    auto label = [this, layout](int id) {
        auto* text = new QLabel(this);
        text->setProperty("controlId", id);
        text->setObjectName(QStringLiteral("label%1").arg(id));
        // file names and counts, never markup
        text->setTextFormat(Qt::PlainText);
        text->setWordWrap(true);
        text->setTextInteractionFlags(Qt::TextSelectableByMouse);
        layout->addWidget(text);
        return text;
    };
    fileLabel_ = label(kListName);
    fileLabel_->setText(Str(152));
    summary_ = label(kSummary);
    QFont bold = summary_->font();
    bold.setBold(true);
    summary_->setFont(bold);
    summary_->hide();
    // how the list was read: the same account vnsize gives
    account_ = label(kAccount);
    account_->hide();

    sorted_->setSourceModel(model_);
    table_ = new QTableView(this);
    table_->setProperty("controlId", kTable);
    table_->setObjectName(QStringLiteral("table%1").arg(kTable));
    table_->setModel(sorted_);
    // the list's own cells are edited in place: a double-click or F2
    table_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    connect(model_, &ValveListModel::CellEdited, this, &VnValveListDlg::CellEdited);
    connect(new QShortcut(QKeySequence::Refresh, this), &QShortcut::activated, this, [this] { Reload(); });
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setWordWrap(false);
    table_->setTextElideMode(Qt::ElideRight);
    table_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    table_->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    // rows of one height need no measuring, however long the list
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    table_->horizontalHeader()->setHighlightSections(false);
    table_->horizontalHeader()->setSectionsMovable(true);
    table_->horizontalHeader()->setStretchLastSection(true);
    // the list's own order until a header is clicked
    table_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    table_->setSortingEnabled(true);
    table_->setMinimumSize(480, 200);
    // the chart of the selected row beside the table, as in the sizing screens
    chart_ = new VnChartView(this);
    // the list, and beside it on a tab of its own the summary a reviewer reads
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("tabs"));
    tabs_->addTab(table_, Str(138));
    summaryTable_ = new QTableWidget(this);
    summaryTable_->setProperty("controlId", kSummaryTable);
    summaryTable_->setObjectName(QStringLiteral("table%1").arg(kSummaryTable));
    summaryTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    summaryTable_->verticalHeader()->hide();
    summaryTable_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    summaryTable_->verticalHeader()->setDefaultSectionSize(summaryTable_->fontMetrics().height() + 6);
    summaryTable_->horizontalHeader()->setStretchLastSection(true);
    tabs_->addTab(summaryTable_, Str(362));
    auto* panes = new QHBoxLayout;
    panes->addWidget(tabs_, 1);
    panes->addWidget(chart_, 0);
    layout->addLayout(panes, 1);
    // Ctrl+C copies the selected rows as tab-separated text, Ctrl+A then Ctrl+C the whole list
    connect(new QShortcut(QKeySequence::Copy, table_), &QShortcut::activated, this, [this] { CopyRows(false); });
    connect(table_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { ShowChart(current); });
    chartToggle_ = new QCheckBox(Str(190), this);
    chartToggle_->setObjectName(QStringLiteral("chartToggle"));
    chartToggle_->setChecked(QSettings().value(QStringLiteral("chart/visible"), true).toBool());
    chart_->setVisible(chartToggle_->isChecked());
    connect(chartToggle_, &QCheckBox::toggled, this, [this](bool on) {
        chart_->setVisible(on);
        QSettings().setValue(QStringLiteral("chart/visible"), on);
        ShowChart(table_->currentIndex());
    });
    written_ = label(kWritten);
    written_->hide();

    auto* buttons = new QHBoxLayout;
    layout->addLayout(buttons);
    QPushButton* open = AddButton(kOpenButton, 139);
    open->setDefault(true);
    connect(open, &QPushButton::clicked, this, &VnValveListDlg::CmOpen);
    recent_ = AddButton(kRecentButton, 267);
    recent_->setMenu(new QMenu(recent_));
    connect(recent_->menu(), &QMenu::aboutToShow, this, &VnValveListDlg::FillRecent);
    save_ = AddButton(kSaveButton, 262);
    save_->setEnabled(false);
    connect(save_, &QPushButton::clicked, this, &VnValveListDlg::SaveList);
    columns_ = AddButton(kColumnsButton, 160);
    connect(columns_, &QPushButton::clicked, this, &VnValveListDlg::CmColumns);
    project_ = AddButton(kProjectButton, 179);
    connect(project_, &QPushButton::clicked, this, &VnValveListDlg::CmProject);
    databases_ = AddButton(kDatabasesButton, 171);
    connect(databases_, &QPushButton::clicked, this, &VnValveListDlg::CmValveDatabases);
    LoadAddedDatabases(VnValveDatabasesDlg::Remembered());
    decimal_ = new QComboBox(this);
    decimal_->setProperty("controlId", kDecimal);
    decimal_->setObjectName(QStringLiteral("list%1").arg(kDecimal));
    decimal_->addItems({Str(162), Str(163), Str(164)});
    auto* decimalLabel = new QLabel(Str(161), this);
    decimalLabel->setBuddy(decimal_);
    // another mark reads the open list again
    connect(decimal_, &QComboBox::activated, this, [this] {
        if (!listFile_.isEmpty())
            OpenList(listFile_);
    });
    export_ = AddButton(kExportButton, 140);
    connect(export_, &QPushButton::clicked, this, &VnValveListDlg::CmExport);
    datasheets_ = AddButton(kDatasheetsButton, 141);
    auto* kinds = new QMenu(datasheets_);
    QAction* pdf = kinds->addAction(Str(142), this, &VnValveListDlg::CmPdfDatasheets);
    pdf->setObjectName(QStringLiteral("pdfDatasheets"));
    QAction* preview = kinds->addAction(Str(199), this, [this] { PreviewPackage(); });
    preview->setObjectName(QStringLiteral("previewPackage"));
    QAction* text = kinds->addAction(Str(143), this, &VnValveListDlg::CmTextDatasheets);
    text->setObjectName(QStringLiteral("textDatasheets"));
    datasheets_->setMenu(kinds);
    buttons->addWidget(open);
    buttons->addWidget(recent_);
    buttons->addWidget(save_);
    for (QPushButton* button : {export_, datasheets_}) {
        button->setEnabled(false);
        buttons->addWidget(button);
    }
    sheet_ = new QComboBox(this);
    sheet_->setProperty("controlId", kSheet);
    sheet_->setObjectName(QStringLiteral("list%1").arg(kSheet));
    sheetLabel_ = new QLabel(Str(268), this);
    sheetLabel_->setBuddy(sheet_);
    // another sheet of the workbook is another list
    connect(sheet_, &QComboBox::activated, this, [this] {
        const std::string chosen = sheet_->currentText().toStdString();
        if (listFile_.isEmpty() || chosen == sheetChoice_)
            return;
        const std::string shown = sheetChoice_;
        sheetChoice_ = chosen;
        if (!OpenList(listFile_))
            sheetChoice_ = shown;
    });
    // how the list is read, above the table
    auto* reading = new QHBoxLayout;
    reading->addWidget(sheetLabel_);
    reading->addWidget(sheet_);
    sheetLabel_->hide();
    sheet_->hide();
    reading->addWidget(decimalLabel);
    reading->addWidget(decimal_);
    reading->addWidget(columns_);
    reading->addWidget(databases_);
    reading->addWidget(project_);
    columns_->setEnabled(false);
    project_->setEnabled(false);
    reading->addStretch(1);
    layout->insertLayout(layout->indexOf(account_) + 1, reading);
    buttons->addStretch(1);
    buttons->addWidget(chartToggle_);
    QPushButton* close = AddButton(kCloseButton, 154);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(close);
}

VnValveListDlg::~VnValveListDlg() = default;

QString VnValveListDlg::CopiedRows(bool whole) const {
    const QAbstractItemModel* shown = table_->model();
    std::vector<int> rows;
    for (const QModelIndex& index : table_->selectionModel()->selectedRows())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    whole = whole || (!rows.empty() && static_cast<int>(rows.size()) == shown->rowCount());
    if (whole) {
        rows.resize(static_cast<std::size_t>(shown->rowCount()));
        std::iota(rows.begin(), rows.end(), 0);
    }
    std::vector<TableColumn> columns;
    for (int c = 0; c < shown->columnCount(); ++c) {
        TableColumn column;
        column.header = {shown->headerData(c, Qt::Horizontal).toString().toStdString()};
        for (int r : rows)
            column.cells.push_back(shown->index(r, c).data().toString().toStdString());
        columns.push_back(std::move(column));
    }
    QStringList lines;
    if (whole && !columns.empty()) {
        // one header line: a list's columns have no unit line
        std::vector<TableColumn> header = columns;
        for (TableColumn& column : header)
            column.cells = column.header;
        lines << QString::fromStdString(CopiedRow(header, 0));
    }
    for (std::size_t r = 0; r < rows.size(); ++r)
        lines << QString::fromStdString(CopiedRow(columns, r));
    return lines.join(QLatin1Char('\n'));
}

void VnValveListDlg::CopyRows(bool whole) const {
    const QString text = CopiedRows(whole);
    if (!text.isEmpty())
        QApplication::clipboard()->setText(text);
}

void VnValveListDlg::contextMenuEvent(QContextMenuEvent* event) {
    if (!table_->geometry().contains(table_->parentWidget()->mapFrom(this, event->pos())) || !sizer_) {
        VnScreen::contextMenuEvent(event);
        return;
    }
    QMenu menu(this);
    menu.addAction(Str(200), this, [this] { CopyRows(false); });
    menu.addAction(Str(201), this, [this] { CopyRows(true); });
    menu.exec(event->globalPos());
}

void VnValveListDlg::ShowChart(const QModelIndex& index) {
    const QModelIndex source = sorted_->mapToSource(index);
    const std::vector<SizedRow>& rows = model_->Rows();
    if (!sizer_ || chart_->isHidden() || !source.isValid() || source.row() >= static_cast<int>(rows.size())) {
        chart_->ClearChart();
        return;
    }
    const std::optional<TorqueChartData> chart = ListRowChart(*sizer_, rows[static_cast<std::size_t>(source.row())]);
    if (chart)
        chart_->SetChart(*chart);
    else
        chart_->ClearChart();
}

QPushButton* VnValveListDlg::AddButton(int controlId, int textId) {
    auto* button = new QPushButton(Str(textId), this);
    button->setProperty("controlId", controlId);
    button->setObjectName(QStringLiteral("button%1").arg(controlId));
    button->setAutoDefault(false);
    return button;
}

void VnValveListDlg::showEvent(QShowEvent* event) {
    if (!sizedOnce_) {
        sizedOnce_ = true;
        // a list is wide: take most of the room the desktop has, before the dialog
        // centres itself
        if (const QScreen* shown = screen()) {
            const QSize room = QSize(1400, 900).boundedTo(shown->availableGeometry().size() * 0.9);
            // the chart stands beside the table only where both fit; the switch shows it later
            if (!chart_->isHidden() && table_->minimumWidth() + chart_->sizeHint().width() + 60 > room.width()) {
                const QSignalBlocker quiet(chartToggle_);
                chartToggle_->setChecked(false);
                chart_->hide();
            }
            resize(room);
        }
    }
    VnScreen::showEvent(event);
}

std::unique_ptr<ListSizer> VnValveListDlg::MakeSizer(const std::vector<ColumnChoice>& columns) const {
    const Settings& settings = Context.GetSettings();
    ListSettings list;
    list.imperial = settings.Units == Settings::Imperial;
    list.pressure = settings.Pressure;
    list.pressureSource = ValueSource::Settings;
    list.settingsFile = flavour::kSettingsFile;
    list.decimal = static_cast<DecimalChoice>(std::max(decimal_->currentIndex(), 0));
    list.sheet = sheetChoice_;
    list.columns = columns;
    // an unusable database is still handed over: the rows that name a series then say why
    ValveDatabases databases{Database.get()};
    for (const auto& database : added_)
        databases.push_back(database.get());
    return std::make_unique<ListSizer>(*ActuatorData, std::move(databases), list);
}

QString VnValveListDlg::StartFolder() const {
    return listFile_.isEmpty() ? QDir::currentPath() : QFileInfo(listFile_).absolutePath();
}

void VnValveListDlg::CmOpen() {
    const QString chosen = QFileDialog::getOpenFileName(
        this, Str(144), StartFolder(), QStringLiteral("Valve Lists (*.csv *.txt *.xlsx);;All Files (*)"));
    if (chosen.isEmpty())
        return;
    // a new list shows its own decimal mark and its first sheet; the last one's are no guide
    const int shown = decimal_->currentIndex();
    const std::string sheet = sheetChoice_;
    decimal_->setCurrentIndex(0);
    sheetChoice_.clear();
    if (!OpenList(chosen)) {
        decimal_->setCurrentIndex(shown);
        sheetChoice_ = sheet;
    }
}

void VnValveListDlg::LoadAddedDatabases(const QStringList& files) {
    added_.clear();
    for (const QString& file : files) {
        auto database = std::make_unique<TorqueDatabase>(LocalName(file));
        if (database->IsUsable())
            added_.push_back(std::move(database));
    }
}

void VnValveListDlg::CmValveDatabases() {
    QStringList added;
    for (const auto& database : added_)
        added << QFile::decodeName(QByteArray::fromStdString(database->GetFileName()));
    VnValveDatabasesDlg dialog(QString::fromStdString(Database->GetFileName()), added, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    VnValveDatabasesDlg::Remember(dialog.Added());
    LoadAddedDatabases(dialog.Added());
    if (!listFile_.isEmpty())
        OpenList(listFile_);
}

void VnValveListDlg::CmColumns() {
    if (!sizer_ || header_.empty())
        return;
    std::vector<ColumnChoice> choices;
    if (VnListColumnsDlg::Ask(this, header_, sizer_->Columns(), QString(), choices))
        OpenList(listFile_);
}

bool VnValveListDlg::AskDecimalMark(const QString& reason) {
    QMessageBox box(QMessageBox::Question, Str(20), reason, QMessageBox::Cancel, this);
    box.setTextFormat(Qt::PlainText);
    QPushButton* point = box.addButton(Str(163), QMessageBox::AcceptRole);
    QPushButton* comma = box.addButton(Str(164), QMessageBox::AcceptRole);
    box.exec();
    if (box.clickedButton() != point && box.clickedButton() != comma)
        return false;
    decimal_->setCurrentIndex(box.clickedButton() == point ? 1 : 2);
    return true;
}

bool VnValveListDlg::OpenList(const QString& fileName) {
    return MayDiscardEdits() && SizeAndShow(fileName);
}

bool VnValveListDlg::SizeAndShow(const QString& fileName) {
    const std::vector<std::string> header = ReadListHeader(LocalName(fileName), sheetChoice_);
    std::vector<ColumnChoice> choices = VnListColumnsDlg::Remembered(header);
    std::unique_ptr<ListSizer> sizer;
    std::vector<SizedRow> rows;
    ListJobResult result;
    const auto bytes = static_cast<unsigned long long>(std::max<qint64>(QFileInfo(fileName).size(), 0));
    for (;;) {
        sizer = MakeSizer(choices);
        rows.clear();
        {
            WorkProgress progress(this, Str(148), bytes, progressDelay_);
            result = SizeListFile(
                LocalName(fileName), *sizer, [](const ListSizer&) { return true; },
                [&](SizedRow&& row, unsigned long long read) {
                    rows.push_back(std::move(row));
                    return progress.Step(read);
                });
        }
        if (result.cancelled)
            return false;
        const QString reason = QString::fromStdString(result.message);
        // the user's word settles what the list itself cannot
        if (result.fault == ListFault::Columns && !header.empty() &&
            VnListColumnsDlg::Ask(this, header, sizer->Columns(), reason, choices))
            continue;
        if (result.fault == ListFault::Decimal && AskDecimalMark(reason))
            continue;
        break;
    }
    if (!result.ok) {
        ShowError(this, Filled(Str(153), {QDir::toNativeSeparators(fileName)}) + QStringLiteral("\n\n") +
                            QString::fromStdString(result.message));
        return false;
    }
    model_->SetList(sizer->OutputHeader(), sizer->OutputKinds(), sizer->Format().decimalComma, std::move(rows),
                    sizer->AddedFrom());
    sizer_ = std::move(sizer);
    listFile_ = fileName;
    header_ = header;
    save_->setEnabled(false);
    RememberRecent(fileName);
    ShowSheets();
    // the first row is selected, so the chart has something to show
    table_->setCurrentIndex(sorted_->index(0, 0));
    ShowChart(table_->currentIndex());
    ShowSummary(fileName, result);
    written_->hide();
    for (QPushButton* button : {export_, datasheets_, columns_, project_})
        button->setEnabled(true);

    table_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    sorted_->sort(-1);
    table_->resizeColumnsToContents();
    for (int c = 0; c < model_->columnCount(); ++c)
        table_->setColumnWidth(c, std::min(table_->columnWidth(c), kWidestColumn));
    table_->scrollToTop();
    return true;
}

void VnValveListDlg::ShowSheets() {
    std::vector<std::string> sheets;
    std::string message;
    const bool several = sizer_->Format().workbook && ReadWorkbookSheets(LocalName(listFile_), sheets, message) &&
                         sheets.size() > 1;
    sheet_->clear();
    for (const std::string& sheet : sheets)
        sheet_->addItem(QString::fromStdString(sheet));
    sheet_->setCurrentText(QString::fromStdString(sizer_->Format().sheet));
    sheetChoice_ = sizer_->Format().workbook ? sizer_->Format().sheet : std::string();
    sheet_->setVisible(several);
    sheetLabel_->setVisible(several);
}

void VnValveListDlg::CellEdited(int row, int column, const QString& text) {
    if (!sizer_)
        return;
    const std::vector<std::size_t> sized =
        EditListCell(*sizer_, model_->EditableRows(), static_cast<std::size_t>(row), static_cast<std::size_t>(column),
                     text.toStdString());
    if (sized.empty())
        return;
    model_->MarkEdited(row, column);
    model_->RowsChanged(sized);
    save_->setEnabled(true);
    ShowSummary(listFile_, CountRows(model_->Rows()));
    ShowChart(table_->currentIndex());
}

bool VnValveListDlg::MayDiscardEdits() {
    if (!model_->HasEdits())
        return true;
    return QMessageBox::question(this, Str(20), Str(266), QMessageBox::Yes | QMessageBox::No, QMessageBox::No) ==
           QMessageBox::Yes;
}

bool VnValveListDlg::SaveList() {
    if (!sizer_ || !model_->HasEdits())
        return false;
    // a workbook keeps styles and other sheets that a list of cells does not: it is saved as
    // a new workbook, beside it, never over it
    const bool workbook = sizer_->Format().workbook;
    QString file = listFile_;
    if (workbook) {
        const QFileInfo list(listFile_);
        file = QFileDialog::getSaveFileName(this, Str(269), list.dir().filePath(list.completeBaseName() +
                                                                                 QStringLiteral(" (edited).xlsx")),
                                            QStringLiteral("Excel Workbooks (*.xlsx)"));
        if (file.isEmpty())
            return false;
        file = WithSuffix(file, QStringLiteral("(*.xlsx)"));
        if (QFileInfo(file).canonicalFilePath() == list.canonicalFilePath()) {
            ShowError(this, Filled(Str(159), {QDir::toNativeSeparators(file)}));
            return false;
        }
    }
    const QString shown = QDir::toNativeSeparators(file);
    if (!workbook && QMessageBox::question(this, Str(20), Filled(Str(263), {shown}), QMessageBox::Yes | QMessageBox::No,
                                           QMessageBox::No) != QMessageBox::Yes)
        return false;
    // the list as it came, its own columns only: the sizing's columns are the export's
    const std::string target = LocalName(file);
    const ListFileKind kind = workbook ? ListFileKind::Xlsx : ListFileKind::Csv;
    std::unique_ptr<ListWriter> writer = MakeListWriter(kind, target, sizer_->Format());
    bool ok = writer->Begin(sizer_->InputHeader(), std::vector<CellKind>(sizer_->AddedFrom(), CellKind::Text));
    for (std::size_t r = 0; ok && r < model_->Rows().size(); ++r)
        ok = writer->Row(OwnCells(*sizer_, model_->Rows()[r]));
    if (!ok || !writer->Commit()) {
        ShowWriteError(this, shown, QString::fromStdString(writer->Error()));
        return false;
    }
    model_->ClearEdited();
    save_->setEnabled(false);
    QString written = Filled(Str(155), {shown});
    if (workbook) {
        // the list shown is now the one saved
        written += QLatin1Char('\n') + Str(264);
        listFile_ = file;
        sheetChoice_.clear();
        RememberRecent(file);
    }
    ShowWritten(written);
    return true;
}

bool VnValveListDlg::Reload() {
    return !listFile_.isEmpty() && MayDiscardEdits() && SizeAndShow(listFile_);
}

void VnValveListDlg::reject() {
    if (MayDiscardEdits())
        VnScreen::reject();
}

void VnValveListDlg::RememberRecent(const QString& fileName) {
    QSettings settings;
    QStringList recent = settings.value(kRecentKey).toStringList();
    const QString full = QFileInfo(fileName).absoluteFilePath();
    recent.removeAll(full);
    recent.prepend(full);
    while (recent.size() > kRecentLists)
        recent.removeLast();
    settings.setValue(kRecentKey, recent);
}

void VnValveListDlg::FillRecent() {
    QMenu* menu = recent_->menu();
    menu->clear();
    for (const QString& file : QSettings().value(kRecentKey).toStringList())
        if (QFileInfo::exists(file))
            menu->addAction(QDir::toNativeSeparators(file), this, [this, file] { OpenList(file); });
}

void VnValveListDlg::ReopenLast() {
    const QStringList recent = QSettings().value(kRecentKey).toStringList();
    if (!recent.isEmpty() && QFileInfo::exists(recent.first()))
        OpenList(recent.first());
}

void VnValveListDlg::ShowSummary(const QString& fileName, const ListJobResult& result) {
    fileLabel_->setText(QDir::toNativeSeparators(fileName));
    QString counts = Filled(Str(151), {QString::number(result.rows), QString::number(result.sized),
                                       QString::number(result.noFit), QString::number(result.errors)});
    if (sizer_->HasChecks() || result.checkFailed > 0)
        counts += QStringLiteral("   ") + Filled(Str(178), {QString::number(result.checkFailed)});
    summary_->setText(counts + QStringLiteral("   ") + Filled(Str(158), {QString::number(result.warned)}));
    summary_->show();
    ShowListSummary();
    QStringList account;
    for (const std::string& line : AccountLines(AccountOf(*sizer_)))
        account << QString::fromStdString(line);
    account_->setText(account.join(QLatin1Char('\n')));
    account_->show();
}

ListSummary VnValveListDlg::Summary() const {
    SummaryTally tally(*sizer_);
    for (const SizedRow& row : model_->Rows())
        tally.Add(row);
    return tally.Result();
}

void VnValveListDlg::ShowListSummary() {
    const SummaryTable table = MakeSummaryTable(Summary(), *sizer_);
    summaryTable_->clear();
    summaryTable_->setColumnCount(static_cast<int>(table.header.size()));
    summaryTable_->setRowCount(static_cast<int>(table.rows.size()));
    QStringList header;
    for (const std::string& name : table.header)
        header << QString::fromStdString(name);
    summaryTable_->setHorizontalHeaderLabels(header);
    for (std::size_t r = 0; r < table.rows.size(); ++r)
        for (std::size_t c = 0; c < table.rows[r].size(); ++c) {
            auto* item = new QTableWidgetItem(QString::fromStdString(table.rows[r][c]));
            if (c == SummaryTable::kValueColumn)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            summaryTable_->setItem(static_cast<int>(r), static_cast<int>(c), item);
        }
    summaryTable_->resizeColumnsToContents();
}

void VnValveListDlg::ShowWritten(const QString& text) {
    written_->setText(text);
    written_->show();
}

void VnValveListDlg::CmExport() {
    if (!sizer_)
        return;
    QString filter;
    const QString chosen = QFileDialog::getSaveFileName(
        this, Str(145), StartFolder(),
        QStringLiteral("CSV Files (*.csv);;Excel Workbooks (*.xlsx);;JSON Files (*.json)"), &filter);
    if (!chosen.isEmpty())
        ExportList(WithSuffix(chosen, filter));
}

bool VnValveListDlg::ExportList(const QString& fileName) {
    if (!sizer_)
        return false;
    // the sized list over the list itself would leave nothing to size again from
    const QFileInfo replaced(fileName), list(listFile_);
    if (replaced.exists() && replaced.canonicalFilePath() == list.canonicalFilePath()) {
        ShowError(this, Filled(Str(159), {QDir::toNativeSeparators(fileName)}));
        return false;
    }
    const std::string target = LocalName(fileName);
    // an abandoned writer takes its temporary file with it: a cancel leaves no file
    std::unique_ptr<ListWriter> writer = MakeListWriter(ListFileKindOf(target), target, sizer_->Format());
    const std::vector<SizedRow>& rows = model_->Rows();
    // a workbook's Assumptions sheet: the list, the day, the data files and how it was read
    const DatasheetDate today = Context.Today();
    std::vector<std::string> assumptions = {
        "list: " + LocalName(QDir::toNativeSeparators(listFile_)),
        Format("sized: %04d-%02d-%02d", today.year, today.month, today.day),
        "actuator range: " + Context.GetSettings().ActuatorFile};
    std::string databases = Database->GetFileName();
    for (const auto& database : added_)
        databases += ", " + database->GetFileName();
    assumptions.push_back("valve databases: " + databases);
    for (const std::string& line : AccountLines(AccountOf(*sizer_)))
        assumptions.push_back(line);
    bool ok = BeginSizedList(*writer, *sizer_, assumptions);
    {
        WorkProgress progress(this, Filled(Str(149), {QFileInfo(fileName).fileName()}), rows.size(), progressDelay_);
        for (std::size_t r = 0; ok && r < rows.size(); ++r) {
            if (!progress.Step(r))
                return false;
            ok = WriteSizedRow(*writer, rows[r]);
        }
    }
    if (!ok || !FinishSizedList(*writer, *sizer_, Summary())) {
        ShowWriteError(this, QDir::toNativeSeparators(fileName), QString::fromStdString(writer->Error()));
        return false;
    }
    QString written = Filled(Str(155), {QDir::toNativeSeparators(fileName)});
    if (writer->CutCells() > 0)
        written += QLatin1Char('\n') + Filled(Str(170), {QString::number(writer->CutCells())});
    ShowWritten(written);
    return true;
}

bool VnValveListDlg::CheckSheets() {
    const std::vector<SizedRow>& rows = model_->Rows();
    if (std::any_of(rows.begin(), rows.end(), [](const SizedRow& row) { return row.status != RowStatus::Error; }))
        return true;
    ShowError(this, Str(157));
    return false;
}

void VnValveListDlg::CmProject() {
    ProjectData data = VnProjectDlg::Remembered(listFile_);
    VnProjectDlg::Ask(this, listFile_, data);
}

PackageInputs VnValveListDlg::MakePackageInputs() const {
    PackageInputs inputs;
    inputs.project = VnProjectDlg::Remembered(listFile_);
    inputs.listFile = QFileInfo(listFile_).fileName().toStdString();
    inputs.actuatorFile = Context.GetSettings().ActuatorFile;
    inputs.valveFiles.push_back(Database->GetFileName());
    for (const auto& database : added_)
        inputs.valveFiles.push_back(database->GetFileName());
    inputs.assumptions = AccountLines(AccountOf(*sizer_));
    inputs.date = Context.Today();
    inputs.program = PackageProgram();
    const DatasheetFrame frame = MakeDatasheetFrame();
    inputs.place = frame.place;
    // the notes block's lines without the blank lines that open it on a text sheet
    for (const std::string& line : NotesBlockLines(frame.addNotes, frame.notesFile))
        if (!line.empty() || !inputs.notes.empty())
            inputs.notes.push_back(line);
    while (!inputs.notes.empty() && inputs.notes.back().empty())
        inputs.notes.pop_back();
    return inputs;
}

PaperKind VnValveListDlg::Paper() {
    // the paper of the printer the user prints on, when there is one; else the locale's
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (!printer.isNull())
        return printer.defaultPageSize().id() == QPageSize::Letter ? PaperKind::Letter : PaperKind::A4;
    return DefaultPaper();
}

bool VnValveListDlg::PreviewPackage() {
    const std::vector<SizedRow>& rows = model_->Rows();
    if (!sizer_ || rows.empty())
        return false;
    PackageSource source = MakePackageSource(*sizer_, rows, MakePackageInputs(), chartToggle_->isChecked());
    const PaperKind paper = Paper();
    const int pages = PlanPackage(source, paper);
    const int firstTagPage = pages - static_cast<int>(source.tagCount) + 1;
    const QImage image = RenderTagPageImage(source.frame, source.tagAt(0), firstTagPage, pages, paper, 96);
    QDialog preview(this);
    preview.setObjectName(QStringLiteral("packagePreview"));
    preview.setWindowTitle(Str(382) + QStringLiteral(" - ") + QString::fromStdString(rows.front().tag));
    auto* layout = new QVBoxLayout(&preview);
    auto* scroll = new QScrollArea(&preview);
    auto* page = new QLabel(scroll);
    page->setObjectName(QStringLiteral("page"));
    page->setPixmap(QPixmap::fromImage(image));
    scroll->setWidget(page);
    scroll->setMinimumSize(std::min(image.width() + 24, 840), 600);
    layout->addWidget(scroll);
    layout->addWidget(OkCancelButtons(&preview, Str(154)));
    preview.exec();
    return !image.isNull();
}

void VnValveListDlg::CmPdfDatasheets() {
    if (!sizer_ || !CheckSheets())
        return;
    const QString chosen =
        QFileDialog::getSaveFileName(this, Str(146), StartFolder(), QStringLiteral("PDF Files (*.pdf)"));
    if (chosen.isEmpty())
        return;
    AddNotes = AskAddNotes(this);
    WritePdfDatasheets(WithSuffix(chosen, QStringLiteral("(*.pdf)")));
}

bool VnValveListDlg::WritePdfDatasheets(const QString& fileName) {
    if (!sizer_)
        return false;
    const std::vector<SizedRow>& rows = model_->Rows();
    // the package: a cover, the summary with its index, then each row's page as it is drawn
    PackageSource source = MakePackageSource(*sizer_, rows, MakePackageInputs(), chartToggle_->isChecked());
    WorkProgress progress(this, Str(150), rows.size(), progressDelay_);
    QString error;
    const bool written = WritePackagePdf(fileName, source, Paper(), error,
                                         [&](std::size_t done) { return progress.Step(done); });
    if (!written) {
        if (!error.isEmpty())
            ShowWriteError(this, QDir::toNativeSeparators(fileName));
        return false;
    }
    ShowWritten(Filled(Str(155), {QDir::toNativeSeparators(fileName)}));
    return true;
}

void VnValveListDlg::CmTextDatasheets() {
    if (!sizer_ || !CheckSheets())
        return;
    const QString folder = QFileDialog::getExistingDirectory(this, Str(147), StartFolder());
    if (folder.isEmpty())
        return;
    AddNotes = AskAddNotes(this);
    WriteTextDatasheets(folder);
}

bool VnValveListDlg::WriteTextDatasheets(const QString& folder) {
    if (!sizer_)
        return false;
    std::string error;
    std::vector<std::string> files;
    bool stopped = false;
    {
        WorkProgress progress(this, Str(150), model_->Rows().size(), progressDelay_);
        files = WriteListDatasheets(LocalName(folder), *sizer_, model_->Rows(), MakeDatasheetFrame(), error,
                                    [&](std::size_t done) {
                                        stopped = !progress.Step(done);
                                        return !stopped;
                                    });
    }
    if (!error.empty()) {
        ShowWriteError(this, QString::fromStdString(error));
        return false;
    }
    // a stop keeps the sheets already written, each of them whole, and says how many
    ShowWritten(Filled(Str(156), {QString::number(files.size()), QDir::toNativeSeparators(folder)}));
    return !stopped;
}
