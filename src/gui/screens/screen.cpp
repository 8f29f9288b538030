#include "gui/screens/screen.h"

#include "core/report/safe_file.h"
#include "gui/common/flavour.h"
#include "gui/common/messages.h"
#include "gui/common/remembered.h"
#include "gui/report/datasheet_flow.h"
#include "gui/report/printing.h"
#include "gui/screens/screen_context.h"

#include <QAbstractButton>
#include <QDate>
#include <QDir>
#include <QTemporaryFile>
#include <QFileDialog>
#include <QKeySequence>
#include <QMessageBox>
#include <QShortcut>
#include <QShowEvent>

VnScreen::VnScreen(ScreenContext& context, QWidget* parent) : QDialog(parent), Context(context) {
    // the frame waits behind a screen, so the screen answers F1 itself
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this,
            [this] { Context.CmUserGuide(this); });
}

void VnScreen::AddPrintKey(QAbstractButton* print) {
    connect(new QShortcut(QKeySequence::Print, this), &QShortcut::activated, print, &QAbstractButton::click);
}

void VnScreen::RestoreSize() {
    if (sizeRestored_)
        return;
    sizeRestored_ = true;
    // a screen left smaller than its texts need, in another language or other units, grows again
    if (const std::optional<QRect> remembered = RememberedScreenPlace(objectName()))
        resize(remembered->size().expandedTo(sizeHint()));
}

void VnScreen::showEvent(QShowEvent* event) {
    if (!event->spontaneous() && !placed_) {
        placed_ = true;
        RestoreSize();
        // placed before the dialog centres itself, which it then leaves alone
        if (const std::optional<QRect> remembered = RememberedScreenPlace(objectName()))
            if (const std::optional<QRect> place = PlaceOnScreens(QRect(remembered->topLeft(), size())))
                setGeometry(*place);
    }
    QDialog::showEvent(event);
}

void VnScreen::hideEvent(QHideEvent* event) {
    if (!event->spontaneous() && placed_)
        RememberScreenPlace(objectName(), geometry());
    QDialog::hideEvent(event);
}

std::string VnScreen::DatasheetTitle() const {
    return TitleFromCaption(windowTitle().toStdString());
}

DatasheetFrame VnScreen::MakeDatasheetFrame() const {
    DatasheetFrame frame;
    frame.banner = flavour::Banner();
    frame.versionText = flavour::VersionText();
    frame.place = Context.GetSettings().Place;
    frame.reference = DatasheetReference();
    frame.date = Context.Today();
    frame.addNotes = AddNotes;
    return frame;
}

bool VnScreen::WriteDatasheet(const QString& fileName) {
    // built beside the target and renamed over it, so a failed write never leaves the
    // user with half a sheet in place of the file they had
    const auto writeSheet = [this](Textfile& file) { return WriteDatasheetInto(file); };
    std::string reason;
    return WriteWhole(fileName.toStdString(), writeSheet, reason);
}

bool VnScreen::WriteDatasheetInto(Textfile& file) {
    return ::WriteDatasheet(file, MakeDatasheetFrame(), DatasheetTitle(), DatasheetTitleBlankLines(),
                            DatasheetBody());
}

void VnScreen::CmPrint() {
    if (ListFileName.isEmpty())
        return;
    AddNotes = AskAddNotes(this);
    if (!WriteDatasheet(ListFileName)) {
        ShowWriteError(this, ListFileName);
        return;
    }
    Context.ProposePrintFile(windowTitle());
    Context.CountPrinting(1);
    const std::optional<TorqueChartData> chart = DatasheetChart();
    const PrintResult result =
        PrintListFile(this, Context.GetPrinter(), ListFileName, windowTitle(), chart ? &*chart : nullptr);
    Context.CountPrinting(-1);
    if (result == PrintResult::Failed)
        QMessageBox::warning(this, QStringLiteral("Print Error"),
                             QStringLiteral("'%1' not printed. Error encountered during print.").arg(windowTitle()));
}

void VnScreen::CmToFile() {
    SaveDatasheetToFile(this, [this](const QString& fileName, bool addNotes) {
        AddNotes = addNotes;
        return WriteDatasheet(fileName);
    });
}

void VnScreen::CmPdf() {
    QFileDialog dialog(this, Str(197));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(Str(196));
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString target = dialog.selectedFiles().first();
    AddNotes = AskAddNotes(this);
    // the sheet is built as for Print, in the list file, and drawn from its lines
    QTemporaryFile scratch(QDir::tempPath() + QStringLiteral("/vnsheet-XXXXXX.txt"));
    QString sheet = ListFileName;
    if (sheet.isEmpty() && scratch.open()) {
        sheet = scratch.fileName();
        scratch.close();
    }
    if (sheet.isEmpty() || !WriteDatasheet(sheet)) {
        ShowWriteError(this, sheet);
        return;
    }
    const std::optional<TorqueChartData> chart = DatasheetChart();
    QString error;
    if (!WriteDatasheetPdf(target, ReadDatasheetLines(sheet), chart ? &*chart : nullptr, windowTitle(), error))
        ShowWriteError(this, target);
}
