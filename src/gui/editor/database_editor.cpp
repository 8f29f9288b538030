#include "gui/editor/database_editor.h"

#include "gui/common/messages.h"
#include "gui/common/remembered.h"
#include "gui/controls/multi_list_box.h"
#include "gui/controls/number_edit.h"
#include "gui/screens/screen_context.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

namespace {

QString FromStd(const std::string& text) {
    return QString::fromStdString(text);
}

std::string ToStd(const QString& text) {
    return text.toStdString();
}

const QString kValveFilter = QStringLiteral("Valve Files (*);;All Files (*)");

bool SameFile(const QString& a, const QString& b) {
    return !a.isEmpty() && !b.isEmpty() && QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

} // namespace

VnDBaseEditDlg::VnDBaseEditDlg(ScreenContext& context, QWidget* parent, const std::string& valveFile)
    : VnScreen(context, parent), Database(std::make_unique<TorqueDatabase>(valveFile)) {
    setObjectName(QStringLiteral("dialog%1").arg(kDialogId));
    setProperty("dialogId", kDialogId);
    setWindowTitle(tr("Database Edit"));
    Saved = ContentOf(*Database);
    // only a file that holds more than was read has anything to lose
    if (Database->status != 0 && QFileInfo::exists(FromStd(valveFile)))
        IncompleteFile = QFileInfo(FromStd(valveFile)).absoluteFilePath();
    BuildControls();
    RefreshAll();
    // not the page's name: a key pressed at once would rename the page
    SizeList->setFocus();
}

VnDBaseEditDlg::~VnDBaseEditDlg() = default;

bool VnDBaseEditDlg::Imperial() const {
    return Context.GetSettings().Units == Settings::Imperial;
}

bool VnDBaseEditDlg::HasPage() const {
    return CurrentPage >= 0 && CurrentPage < Database->GetPageCount();
}

void VnDBaseEditDlg::RefreshAll(int page) {
    Caption = FromStd(EditorCaption(ToStd(Str(98)), ToStd(Str(27)), Database->valveName));
    setWindowTitle(Caption);
    const QString file = FromStd(Database->GetFileName());
    FileNameField->setText(FromStd(ShownFileName(Database->GetFileName())));
    FileNameField->setToolTip(file);
    ValveNameEdit->setText(FromStd(Database->valveName));
    PageCombo->clear();
    for (const ValvePage& p : Database->pages)
        PageCombo->addItem(FromStd(p.name));
    page = std::clamp(page, 0, std::max(Database->GetPageCount() - 1, 0));
    if (PageCombo->count() > 0)
        PageCombo->setCurrentIndex(page);
    ShowPage(page);
}

void VnDBaseEditDlg::ShowPage(int index) {
    CurrentPage = index;
    const bool any = HasPage();
    for (QWidget* w : std::initializer_list<QWidget*>{PageCombo, SafetyEdit, SeatEdit, RunEdit, DataDateEdit,
                                                      DrawingNrEdit, FromEdit, SizeEdit, TorqueEdit, AppendSizeButton,
                                                      DeleteSizeButton, DeletePageButton})
        w->setEnabled(any);
    SizeList->ClearList();
    if (!any) {
        CurrentPage = 0;
        for (QLineEdit* field : {PageNrField, static_cast<QLineEdit*>(SizesField), static_cast<QLineEdit*>(SafetyEdit),
                                 static_cast<QLineEdit*>(SeatEdit), static_cast<QLineEdit*>(RunEdit), DataDateEdit,
                                 DrawingNrEdit, FromEdit})
            field->clear();
        Shown = FieldTexts();
        return;
    }
    const ValvePage& page = Database->pages[static_cast<std::size_t>(index)];
    if (PageCombo->currentIndex() != index)
        PageCombo->setCurrentIndex(index);
    PageNrField->setText(FromStd(PageNumberText(index, Database->GetPageCount(), ToStd(Str(100)))));
    SizesField->SetValue(page.SizeCount());
    SafetyEdit->SetValue(page.safetyFactor);
    SeatEdit->SetValue(page.seatFactor);
    RunEdit->SetValue(page.runFactor);
    DataDateEdit->setText(FromStd(page.dataDate));
    DrawingNrEdit->setText(FromStd(page.drawingNr));
    FromEdit->setText(FromStd(page.from));
    Shown = FieldTexts();
    const bool imperial = Imperial();
    for (const ValveSize& pair : page.sizes)
        SizeList->AddRow({FromStd(SizeText(pair.size)), FromStd(TorqueText(pair.torque, imperial))});
}

void VnDBaseEditDlg::RenamePage(const QString& typed) {
    if (!HasPage())
        return;
    Database->pages[static_cast<std::size_t>(CurrentPage)].name =
        FieldText(ToStd(typed), TorqueDatabase::kPageNameChars);
    // the entry follows the typing; putting it back resets the caret, which is kept
    QLineEdit* line = PageCombo->lineEdit();
    const int caret = line->cursorPosition();
    PageCombo->setItemText(CurrentPage, typed);
    line->setCursorPosition(caret);
}

void VnDBaseEditDlg::UpdateCaption() {
    Caption = FromStd(EditorCaption(ToStd(Str(98)), ToStd(Str(27)),
                                    FieldText(ToStd(ValveNameEdit->text()), TorqueDatabase::kValveNameChars)));
    setWindowTitle(Caption);
}

PageFields VnDBaseEditDlg::FieldTexts() const {
    return {ToStd(DrawingNrEdit->text()), ToStd(DataDateEdit->text()), ToStd(FromEdit->text()),
            ToStd(SafetyEdit->text()),    ToStd(SeatEdit->text()),     ToStd(RunEdit->text())};
}

void VnDBaseEditDlg::StoreFields() {
    Database->valveName = FieldText(ToStd(ValveNameEdit->text()), TorqueDatabase::kValveNameChars);
    if (!HasPage())
        return;
    const PageFields now = FieldTexts();
    ApplyPageFields(Database->pages[static_cast<std::size_t>(CurrentPage)], Shown, now);
    Shown = now;
}

bool VnDBaseEditDlg::HasUnsavedChanges() {
    StoreFields();
    return !SameContent(Saved, *Database);
}

bool VnDBaseEditDlg::ReadyToWrite() {
    StoreFields();
    int badPage = -1;
    switch (CheckBeforeWrite(*Database, badPage)) {
    case WriteCheck::Ready:
        return true;
    case WriteCheck::NoPages:
        ShowError(this, Str(134));
        return false;
    case WriteCheck::PageWithoutSizes:
        break;
    }
    const QString name = FromStd(Database->pages[static_cast<std::size_t>(badPage)].name);
    ShowError(this,
              Str(132).replace(QStringLiteral("%i"), QString::number(badPage + 1)).replace(QStringLiteral("%s"), name));
    // there, so the sizes can be added at once
    ShowPage(badPage);
    return false;
}

bool VnDBaseEditDlg::WriteTo(const QString& target) {
    if (SameFile(target, IncompleteFile)) {
        QMessageBox ask(QMessageBox::Warning, Caption, QString(Str(135)).replace(QStringLiteral("%s"), target),
                        QMessageBox::Yes | QMessageBox::No, this);
        ask.setDefaultButton(QMessageBox::No);
        if (ask.exec() != QMessageBox::Yes)
            return false;
    }
    const bool renamed = !SameFile(target, FromStd(Database->GetFileName()));
    if (Database->Write(renamed ? ToStd(target) : std::string()) != 1) {
        ShowWriteError(this, target);
        return false;
    }
    Saved = ContentOf(*Database);
    if (SameFile(target, IncompleteFile))
        IncompleteFile.clear();
    FileNameField->setText(FromStd(ShownFileName(Database->GetFileName())));
    FileNameField->setToolTip(FromStd(Database->GetFileName()));
    UpdateCaption();
    ShowSaved();
    return true;
}

void VnDBaseEditDlg::ShowSaved() {
    StatusLine->setText(Str(205).replace(QStringLiteral("%s"), FromStd(ShownFileName(Database->GetFileName()))));
    StatusTimer->start();
}

void VnDBaseEditDlg::CmSave() {
    if (ReadyToWrite())
        WriteTo(FromStd(Database->GetFileName()));
}

void VnDBaseEditDlg::CmSaveAs() {
    if (!ReadyToWrite())
        return;
    const QString chosen = QFileDialog::getSaveFileName(this, Str(102), StartFolder(), kValveFilter);
    // the editor starts over on the file it now stands for: first page, pages listed anew
    if (!chosen.isEmpty() && WriteTo(chosen))
        RefreshAll();
}

QString VnDBaseEditDlg::StartFolder() const {
    const QString current = FromStd(Database->GetFileName());
    return current.isEmpty() ? QDir::currentPath() : QFileInfo(current).absolutePath();
}

bool VnDBaseEditDlg::AskToSave() {
    if (!HasUnsavedChanges())
        return true;
    QMessageBox ask(QMessageBox::Question, Caption, Str(133),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    ask.setDefaultButton(QMessageBox::Save);
    ask.setEscapeButton(QMessageBox::Cancel);
    switch (ask.exec()) {
    case QMessageBox::Save:
        return ReadyToWrite() && WriteTo(FromStd(Database->GetFileName()));
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

void VnDBaseEditDlg::reject() {
    if (AskToSave())
        VnScreen::reject();
}

void VnDBaseEditDlg::CmBrowse() {
    if (!AskToSave())
        return;
    const QString chosen = QFileDialog::getOpenFileName(
        this, Str(23), RememberedFolder(dialog_folder::SelectValve, StartFolder()), kValveFilter);
    if (chosen.isEmpty())
        return;
    RememberFolder(dialog_folder::SelectValve, chosen);
    auto fresh = std::make_unique<TorqueDatabase>(ToStd(chosen));
    if (!fresh->IsUsable()) {
        ShowError(this, Str(101));
        return;
    }
    Database = std::move(fresh);
    Saved = ContentOf(*Database);
    IncompleteFile.clear();
    RefreshAll();
}

void VnDBaseEditDlg::CmAppendPage() {
    StoreFields();
    const int index = AppendPage(*Database);
    PageCombo->addItem(QString());
    PageCombo->setCurrentIndex(index);
    ShowPage(index);
    // the new page wants its name first
    PageCombo->setFocus();
}

void VnDBaseEditDlg::CmDeletePage() {
    if (!HasPage())
        return;
    StoreFields();
    DeletePageAndRenumber(*Database, CurrentPage);
    RefreshAll();
}

void VnDBaseEditDlg::CmAppendSize() {
    if (!HasPage())
        return;
    StoreFields();
    const std::string size = ToStd(SizeEdit->text());
    const std::string torque = ToStd(TorqueEdit->text());
    int index = -1;
    const int same = SameSizeIndex(*Database, CurrentPage, size, torque);
    switch (same < 0 ? QMessageBox::No : AskReplaceTorque(same)) {
    case QMessageBox::Yes:
        index = ReplaceSizeTorque(*Database, CurrentPage, same, torque, Imperial());
        break;
    case QMessageBox::No:
        index = AppendSize(*Database, CurrentPage, size, torque, Imperial());
        break;
    default:
        return;
    }
    if (index < 0)
        return;
    ShowPage(CurrentPage);
    SizeList->SetSelIndex(index);
    SizeEdit->clear();
    TorqueEdit->clear();
    SizeEdit->setFocus();
}

int VnDBaseEditDlg::AskReplaceTorque(int index) {
    const ValveSize& line =
        Database->pages[static_cast<std::size_t>(CurrentPage)].sizes[static_cast<std::size_t>(index)];
    QMessageBox ask(QMessageBox::Question, Caption,
                    Str(206).replace(QStringLiteral("%s"), FromStd(SizeText(line.size))),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, this);
    ask.setDefaultButton(QMessageBox::Yes);
    ask.setEscapeButton(QMessageBox::Cancel);
    return ask.exec();
}

void VnDBaseEditDlg::LoadSize(int row) {
    if (row < 0 || row >= SizeList->RowCount())
        return;
    SizeEdit->setText(SizeList->Column[0]->GetString(row));
    TorqueEdit->setText(SizeList->Column[1]->GetString(row));
    // the torque is what a user comes to change
    TorqueEdit->setFocus();
    TorqueEdit->selectAll();
}

void VnDBaseEditDlg::CmDeleteSize() {
    if (!HasPage())
        return;
    const int row = SizeList->Column[0]->currentRow();
    if (row < 0 || row >= SizeList->RowCount() || SizeList->Column[0]->selectedItems().isEmpty())
        return;
    StoreFields();
    Database->DeleteSize(CurrentPage, row);
    ShowPage(CurrentPage);
    // the line that took its place, so that pressing again removes the next one down
    SizeList->SetSelIndex(std::min(row, SizeList->RowCount() - 1));
}
