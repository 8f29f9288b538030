// VnValveListDlg: Sizing > Valve List. Opens a valve list (CSV), sizes every row with the
// program's actuator range and valve database, and shows the result in a table that sorts
// by any column. The sized list goes out as CSV, a workbook or JSON, and as one datasheet
// per tag: a PDF with a page per tag, or a text file per tag in a folder.
#pragma once

#include "core/data/torque_database.h"
#include "gui/common/flavour.h"
#include "gui/screens/screen.h"
#include "lists/list_job.h"
#include "lists/list_sizing.h"
#include "lists/list_package.h"
#include "lists/list_summary.h"
#include "page/package_render.h"

#include <QString>

#include <memory>
#include <string>

class QCheckBox;
class QComboBox;
class QContextMenuEvent;
class QLabel;
class QModelIndex;
class QPushButton;
class VnChartView;
class QTableView;
class QTableWidget;
class QTabWidget;
class ValveListModel;
class ValveListSortModel;

class VnValveListDlg : public VnScreen {
    Q_OBJECT
public:
    static constexpr int kDialog = 240;

    // Reads the actuator file and the valve database; a database that cannot be used
    // leaves the rows that name a series to say so.
    VnValveListDlg(ScreenContext& context, QWidget* parent, const std::string& actuatorFile, const std::string& valveFile);
    ~VnValveListDlg() override;

    bool HasActuatorData() const override { return ActuatorData && ActuatorData->HasItems(); }

    // Sizes the list into the table. When the list's columns need the user's word, or its
    // numbers do not show their decimal mark, it asks and sizes again. False when it could
    // not be read or was cancelled; the table then keeps what it showed.
    bool OpenList(const QString& fileName);
    // Writes the sized list; the kind follows the name's suffix. False when cancelled or
    // not written (the old file then stays).
    bool ExportList(const QString& fileName);
    // One PDF with a page per tag, or a text file per tag in folder.
    // The list's datasheet package: a cover, the summary with its index, the bill of
    // materials and a page per row.
    bool WritePdfDatasheets(const QString& fileName);
    // Shows the package's first tag page as it will be printed; false with no list.
    bool PreviewPackage();
    bool WriteTextDatasheets(const QString& folder);

    QTableView* Table() const { return table_; }
    VnChartView* ChartView() const { return chart_; }
    // The selected rows as tab-separated text, in the order shown; every row and the header
    // line when all are selected, or when whole is set.
    QString CopiedRows(bool whole) const;
    void CopyRows(bool whole) const;
    ValveListModel* Model() const { return model_; }
    // The progress window shows once work takes longer than this; tests show it at once.
    void SetProgressDelay(int milliseconds) { progressDelay_ = milliseconds; }

    // Writes the list back as it came, with the cells edited: false when the user declines
    // or it could not be written (the list then stays as it was).
    bool SaveList();
    // Reads the open list afresh (F5), after asking when edits would be lost.
    bool Reload();
    // Opens the list of the last session again, read afresh, when it is still there.
    void ReopenLast();

public slots:
    void CmOpen();
    void CmColumns();
    void CmValveDatabases();
    void CmProject();
    PackageInputs MakePackageInputs() const;
    static PaperKind Paper();
    void CmExport();
    void CmPdfDatasheets();
    void CmTextDatasheets();

protected:
    void showEvent(QShowEvent* event) override;
    void reject() override;

private:
    std::unique_ptr<ListSizer> MakeSizer(const std::vector<ColumnChoice>& columns) const;
    // Reads the databases added for lists (a file that no longer reads cleanly stays out).
    void LoadAddedDatabases(const QStringList& files);
    QPushButton* AddButton(int controlId, int textId);
    void ShowSummary(const QString& fileName, const ListJobResult& result);
    // The summary of the rows as they stand, and on its tab.
    ListSummary Summary() const;
    void ShowListSummary();
    // OpenList without the question about edits.
    bool SizeAndShow(const QString& fileName);
    // Sizes a row again once the user changed one of its own cells.
    void CellEdited(int row, int column, const QString& text);
    // True when there are no edits to lose, or the user lets them go.
    bool MayDiscardEdits();
    void RememberRecent(const QString& fileName);
    // The sheet choice of a workbook with more than one sheet; hidden for any other list.
    void ShowSheets();
    void FillRecent();
    // Asks which decimal mark a list uses; false when the user cancels.
    bool AskDecimalMark(const QString& reason);

    void ShowWritten(const QString& text);
    // Says so when no row has a sheet (every row is an error); false then.
    bool CheckSheets();
    // The folder the file dialogs start in: the open list's, or the working folder.
    QString StartFolder() const;
    // The chart of the row at a table index; an error row has none.
    void ShowChart(const QModelIndex& index);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:

    std::unique_ptr<::ActuatorData> ActuatorData;
    std::unique_ptr<TorqueDatabase> Database;
    // the valve databases added for lists, after the settings' one
    std::vector<std::unique_ptr<TorqueDatabase>> added_;
    std::unique_ptr<ListSizer> sizer_; // the sizer of the list shown; null before one is open
    QString listFile_;
    std::vector<std::string> header_; // the header line of the list shown
    ValveListModel* model_ = nullptr;
    ValveListSortModel* sorted_ = nullptr;
    QTableView* table_ = nullptr;
    QLabel* fileLabel_ = nullptr;
    QLabel* summary_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QTableWidget* summaryTable_ = nullptr; // the list's summary: what to order, air, margins
    QLabel* written_ = nullptr;
    QLabel* account_ = nullptr;
    QComboBox* decimal_ = nullptr;
    QComboBox* sheet_ = nullptr; // a workbook's sheets, shown when it has more than one
    QLabel* sheetLabel_ = nullptr;
    std::string sheetChoice_;    // the sheet to read; empty: the first
    QPushButton* columns_ = nullptr;
    QPushButton* databases_ = nullptr;
    QPushButton* project_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* recent_ = nullptr;
    QPushButton* export_ = nullptr;
    QPushButton* datasheets_ = nullptr;
    VnChartView* chart_ = nullptr;
    QCheckBox* chartToggle_ = nullptr;
    int progressDelay_ = 500;
    bool sizedOnce_ = false;
};
