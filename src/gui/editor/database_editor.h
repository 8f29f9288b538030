// VnDBaseEditDlg: looks through and changes a valve torque database: the valve name,
// the pages with their factors, drawing number, data date and source, and the sizes of
// each page. Pages and sizes can be appended and deleted, and the database saved back
// or under a new name. Nothing reaches the file before Save; closing with changes that
// are not saved asks first. A size typed again offers to replace its torque, a double
// click takes a line back into the entry fields, and a status line says what was saved.
#pragma once

#include "core/data/database_edit.h"
#include "gui/screens/screen.h"

#include <memory>

class QComboBox;
class QLabel;
class QTimer;
class QLineEdit;
class QPushButton;
class ptEditNum;
class ptMultiListBox;

class VnDBaseEditDlg : public VnScreen {
    Q_OBJECT
public:
    static constexpr int kDialogId = 104;

    // Reads its own database from valveFile at once.
    VnDBaseEditDlg(ScreenContext& context, QWidget* parent, const std::string& valveFile);
    ~VnDBaseEditDlg() override;

    const TorqueDatabase& GetDatabase() const { return *Database; }
    // The screen holds something the file does not.
    bool HasUnsavedChanges();

public slots:
    void CmSave();
    void CmSaveAs();
    void CmBrowse();
    void CmAppendPage();
    void CmAppendSize();
    void CmDeletePage();
    void CmDeleteSize();
    // A line of the size list into the Size and Torque fields, to be changed and appended.
    void LoadSize(int row);
    // Close, Escape and the window's close box: asks about changes not saved.
    void reject() override;

private:
    void BuildControls();
    bool Imperial() const;
    // Everything from the database, showing the page at index page.
    void RefreshAll(int page = 0);
    void ShowPage(int index);
    void RenamePage(const QString& typed);
    void UpdateCaption();
    // The screen's fields into the database: valve name and the page on screen.
    void StoreFields();
    PageFields FieldTexts() const;
    bool HasPage() const;
    // The screen into the database, then the check that the file would read back;
    // a refusal is shown.
    bool ReadyToWrite();
    // Writes the database to target, which becomes its file. False, with a message, when
    // it was not written; the file on disk then stays as it was.
    bool WriteTo(const QString& target);
    // Save, Discard, Cancel: true when the caller may go on.
    bool AskToSave();
    QString StartFolder() const;
    // "Saved <file>" in the status line, for a few seconds.
    void ShowSaved();
    // Yes: replace the torque of line index; No: a second line; Cancel: nothing.
    int AskReplaceTorque(int index);

    std::unique_ptr<TorqueDatabase> Database;
    // What the file holds, as far as this screen knows.
    DatabaseContent Saved;
    // The file as opened did not read completely; saving over it would drop the rest.
    QString IncompleteFile;
    int CurrentPage = 0;
    // The page fields as ShowPage or the last store left them.
    PageFields Shown;

    QLineEdit* FileNameField = nullptr;
    QLineEdit* ValveNameEdit = nullptr;
    QComboBox* PageCombo = nullptr;
    QLineEdit* PageNrField = nullptr;
    ptEditNum* SizesField = nullptr;
    ptEditNum* SafetyEdit = nullptr;
    ptEditNum* SeatEdit = nullptr;
    ptEditNum* RunEdit = nullptr;
    QLineEdit* DataDateEdit = nullptr;
    QLineEdit* DrawingNrEdit = nullptr;
    QLineEdit* FromEdit = nullptr;
    ptMultiListBox* SizeList = nullptr;
    ptEditNum* SizeEdit = nullptr;
    ptEditNum* TorqueEdit = nullptr;
    QLabel* TorqueUnitLabel = nullptr;
    QPushButton* AppendSizeButton = nullptr;
    QPushButton* DeleteSizeButton = nullptr;
    QPushButton* DeletePageButton = nullptr;
    QLabel* StatusLine = nullptr;
    QTimer* StatusTimer = nullptr;
    QString Caption;
};
