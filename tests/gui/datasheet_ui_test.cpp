#include "core/report/print_layout.h"
#include "gui/app/application.h"
#include "gui/common/flavour.h"
#include "gui/report/datasheet_flow.h"
#include "gui/report/printing.h"
#include "gui/screens/screen.h"

#include <QApplication>
#include <QColor>
#include <QDialogButtonBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QPageLayout>
#include <QPainter>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <deque>
#include <functional>
#include <memory>

namespace {

// Plays the user in front of every modal window: each window that comes to the top
// gets the next answer in the queue. A window nobody expected, or one that stays up
// for too long, is closed and reported, so a test fails instead of hanging.
class ModalDriver : public QObject {
public:
    // Returns what went wrong, empty when the window was handled as expected.
    using Handler = std::function<QString(QWidget*)>;

    ModalDriver() {
        timer_.setInterval(20);
        connect(&timer_, &QTimer::timeout, this, &ModalDriver::Poll);
        timer_.start();
    }

    void Expect(Handler handler) { queue_.push_back(std::move(handler)); }

    // Everything expected came up and went as planned; clears for the next case.
    QString Finish() {
        QStringList problems = problems_;
        if (!queue_.empty())
            problems << QStringLiteral("%1 expected window(s) never came up").arg(queue_.size());
        queue_.clear();
        problems_.clear();
        return problems.join(QStringLiteral("; "));
    }

    static QString Describe(QWidget* w) {
        QString text = QString::fromLatin1(w->metaObject()->className()) + QStringLiteral(" '") + w->windowTitle() +
                       QLatin1Char('\'');
        if (auto* box = qobject_cast<QMessageBox*>(w))
            text += QStringLiteral(": ") + box->text();
        return text;
    }

private:
    static constexpr qint64 kGiveUpMs = 5000;

    static void Dismiss(QWidget* w) {
        if (auto* dialog = qobject_cast<QDialog*>(w))
            dialog->reject();
        else
            w->close();
    }

    void Poll() {
        QWidget* top = QApplication::activeModalWidget();
        if (!top || !top->isVisible()) {
            current_ = nullptr;
            return;
        }
        if (top != current_) {
            current_ = top;
            shownFor_.start();
            Handler handler;
            if (!queue_.empty()) {
                handler = std::move(queue_.front());
                queue_.pop_front();
            }
            QPointer<QWidget> target(top);
            // run outside this timer: the answer may open a window of its own
            QTimer::singleShot(0, this, [this, target, handler] {
                if (!target)
                    return;
                if (!handler) {
                    problems_ << QStringLiteral("unexpected ") + Describe(target);
                    Dismiss(target);
                    return;
                }
                const QString problem = handler(target);
                if (!problem.isEmpty()) {
                    problems_ << problem;
                    if (target && target->isVisible())
                        Dismiss(target);
                }
            });
            return;
        }
        if (shownFor_.elapsed() > kGiveUpMs) {
            problems_ << QStringLiteral("gave up waiting on ") + Describe(top);
            shownFor_.start();
            Dismiss(top);
        }
    }

    QTimer timer_;
    std::deque<Handler> queue_;
    QStringList problems_;
    QPointer<QWidget> current_;
    QElapsedTimer shownFor_;
};

struct SeenBox {
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// A message box: remembers it and presses one of its buttons.
ModalDriver::Handler Answer(QMessageBox::StandardButton button, SeenBox* seen = nullptr) {
    return [button, seen](QWidget* w) -> QString {
        auto* box = qobject_cast<QMessageBox*>(w);
        if (!box)
            return QStringLiteral("wanted a message box, got ") + ModalDriver::Describe(w);
        if (seen)
            *seen = {box->windowTitle(), box->text(), box->icon()};
        QAbstractButton* b = box->button(button);
        if (!b)
            return QStringLiteral("no such button on ") + ModalDriver::Describe(w);
        b->click();
        return {};
    };
}

// The To File dialog: types the name and presses Save. stayedOpen, when given, tells
// whether the dialog was still up afterwards (it is then cancelled); without it the
// dialog must have closed.
ModalDriver::Handler SaveAs(const QString& path, bool* stayedOpen = nullptr) {
    return [path, stayedOpen](QWidget* w) -> QString {
        auto* dialog = qobject_cast<QFileDialog*>(w);
        if (!dialog)
            return QStringLiteral("wanted the file dialog, got ") + ModalDriver::Describe(w);
        if (dialog->windowTitle() != QStringLiteral("Select textfile for output"))
            return QStringLiteral("file dialog titled ") + dialog->windowTitle();
        if (dialog->acceptMode() != QFileDialog::AcceptSave)
            return QStringLiteral("file dialog is not a save dialog");
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        auto* buttons = dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
        if (!name || !buttons)
            return QStringLiteral("file dialog without its name field or buttons");
        name->setText(path);
        QPushButton* save = buttons->button(QDialogButtonBox::Save);
        if (!save || !save->isEnabled())
            return QStringLiteral("Save is not available for ") + path;
        save->click();
        const bool open = dialog->isVisible();
        if (open)
            dialog->reject();
        if (stayedOpen)
            *stayedOpen = open;
        else if (open)
            return QStringLiteral("file dialog did not take ") + path;
        return {};
    };
}

ModalDriver::Handler CancelFileDialog() {
    return [](QWidget* w) -> QString {
        auto* dialog = qobject_cast<QFileDialog*>(w);
        if (!dialog)
            return QStringLiteral("wanted the file dialog, got ") + ModalDriver::Describe(w);
        dialog->reject();
        return {};
    };
}

// The print dialog: presses its print button, as a user who keeps the file set up.
// docName, when given, receives the document name the printer got.
ModalDriver::Handler AcceptPrint(const QString& pdf, QString* docName) {
    return [pdf, docName](QWidget* w) -> QString {
        auto* dialog = qobject_cast<QPrintDialog*>(w);
        if (!dialog)
            return QStringLiteral("wanted the print dialog, got ") + ModalDriver::Describe(w);
        if (docName)
            *docName = dialog->printer()->docName();
        if (dialog->printer()->outputFileName() != pdf)
            return QStringLiteral("the print dialog offers ") + dialog->printer()->outputFileName();
        auto* buttons = dialog->findChild<QDialogButtonBox*>();
        QPushButton* ok = buttons ? buttons->button(QDialogButtonBox::Ok) : nullptr;
        if (ok)
            ok->click();
        else
            dialog->accept();
        if (dialog->isVisible())
            return QStringLiteral("print dialog stayed open");
        return {};
    };
}

ModalDriver::Handler AcceptSetup() {
    return [](QWidget* w) -> QString {
        auto* buttons = w->findChild<QDialogButtonBox*>();
        QPushButton* ok = buttons ? buttons->button(QDialogButtonBox::Ok) : nullptr;
        if (!ok)
            return QStringLiteral("wanted the setup dialog, got ") + ModalDriver::Describe(w);
        ok->click();
        return {};
    };
}

// A calculation screen reduced to its datasheet.
class SheetScreen : public VnScreen {
public:
    SheetScreen(VnApp& app, int bodyLines) : VnScreen(app, nullptr), bodyLines_(bodyLines) {
        setWindowTitle(QStringLiteral("Torque Double Acting - Test range"));
    }

    QStringList Body() const {
        QStringList lines;
        for (const std::string& line : DatasheetBody())
            lines << QString::fromStdString(line);
        return lines;
    }

protected:
    std::vector<std::string> DatasheetBody() const override {
        std::vector<std::string> body;
        for (int i = 1; i <= bodyLines_; ++i)
            body.push_back("Body line " + std::to_string(i) + (i % 2 ? "   12.5 Nm" : ""));
        return body;
    }

private:
    int bodyLines_;
};

const QString kRule(65, QLatin1Char('_'));

QString Banner() {
    return flavour::kPneumatic ? QStringLiteral("VARNOX    -    PNEUMATIC ACTUATORS    -    COMPUTERISED DATA")
                               : QStringLiteral("VARNOX    -    ELECTRIC  ACTUATORS    -    COMPUTERISED DATA");
}

QString CompiledLine() {
    return flavour::kPneumatic ? QStringLiteral("Compiled with \"KAV 7.2\" - VARNOX'S Torque and Sizing Program.")
                               : QStringLiteral("Compiled with \"QU  4.2\" - VARNOX'S Torque and Sizing Program.");
}

// The whole sheet of the test screen as it must stand in the file.
QStringList ExpectedSheet(const QStringList& body, const QStringList& notes = {}) {
    QStringList sheet{kRule, QString(), Banner(), kRule};
    if (!notes.isEmpty())
        sheet << QString() << QString() << notes;
    sheet << QString() << QString() << QStringLiteral("TORQUE DOUBLE ACTING ") << QString(21, QLatin1Char('_'))
          << QString() << QString();
    sheet << body;
    while (sheet.size() < 53)
        sheet << QString();
    sheet << kRule << QString() << CompiledLine()
          << QStringLiteral("Rotterdam").leftJustified(53) + QStringLiteral("  06-12-2026") << kRule;
    return sheet;
}

// The lines of a file written by the program; every line must end in CR LF.
QStringList ReadSheet(const QString& path, QString* problem) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *problem = QStringLiteral("cannot open ") + path;
        return {};
    }
    const QByteArray bytes = file.readAll();
    if (!bytes.endsWith("\r\n"))
        *problem = QStringLiteral("last line has no CR LF");
    QStringList lines = QString::fromUtf8(bytes).split(QStringLiteral("\r\n"));
    lines.removeLast();
    for (const QString& line : lines)
        if (line.contains(QLatin1Char('\n')) || line.contains(QLatin1Char('\r')))
            *problem = QStringLiteral("a line ending other than CR LF");
    return lines;
}

// Compares line by line, so a failure names the first line that differs.
QString SheetDifference(const QStringList& actual, const QStringList& expected) {
    for (int i = 0; i < std::min(actual.size(), expected.size()); ++i)
        if (actual[i] != expected[i])
            return QStringLiteral("line %1 is '%2', expected '%3'").arg(i + 1).arg(actual[i], expected[i]);
    if (actual.size() != expected.size())
        return QStringLiteral("%1 lines, expected %2").arg(actual.size()).arg(expected.size());
    return {};
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int PdfPageCount(const QString& path) {
    const QString pdf = QString::fromLatin1(FileBytes(path));
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page[^s]"));
    int count = 0;
    for (auto it = page.globalMatch(pdf); it.hasNext(); it.next())
        ++count;
    return count;
}

QStringList NumberedLines(int count) {
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines << QStringLiteral("Sheet line %1").arg(i);
    return lines;
}

#define CHECK_SHEET(path, expected)                                                                                    \
    do {                                                                                                               \
        QString readProblem;                                                                                           \
        const QStringList actualSheet = ReadSheet(path, &readProblem);                                                 \
        QVERIFY2(readProblem.isEmpty(), qPrintable(readProblem));                                                      \
        const QString difference = SheetDifference(actualSheet, expected);                                             \
        QVERIFY2(difference.isEmpty(), qPrintable(difference));                                                        \
    } while (false)

#define CHECK_DIALOGS()                                                                                                \
    do {                                                                                                               \
        const QString dialogProblems = driver_->Finish();                                                              \
        QVERIFY2(dialogProblems.isEmpty(), qPrintable(dialogProblems));                                                \
    } while (false)

} // namespace

class DatasheetUiTest : public QObject {
    Q_OBJECT

    QTemporaryDir home_;
    std::unique_ptr<QTemporaryDir> work_;
    std::unique_ptr<ModalDriver> driver_;
    std::unique_ptr<VnApp> app_;

    QString Work(const QString& name) const { return work_->filePath(name); }

    void WriteNotes() {
        WriteFile(QDir::current().filePath(QStringLiteral("NOTES.TXT")),
                  "Valve in the cooling water line\r\n\r\nMounting bracket supplied by others\r\n");
    }

    // Print into a PDF file: the list file gets the sheet, the printer the pages.
    void PrintToPdf(SheetScreen& screen, const QString& pdf, QString* docName, int* printing = nullptr) {
        screen.SetListFileName(Work(QStringLiteral("LIST.TXT")));
        QPrinter& printer = app_->GetPrinter();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        driver_->Expect([this, pdf, docName, printing](QWidget* w) {
            if (printing)
                *printing = app_->PrintingCount;
            return AcceptPrint(pdf, docName)(w);
        });
        screen.CmPrint();
    }

private slots:
    void initTestCase() {
        QVERIFY(home_.isValid());
        QVERIFY(QDir::setCurrent(home_.path()));
        // the dialogs a user meets are Qt's own, whatever the desktop offers
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
        WriteFile(QString::fromLatin1(flavour::kSettingsFile), "PLACE = Rotterdam\r\n");
        driver_ = std::make_unique<ModalDriver>();
        app_ = std::make_unique<VnApp>();
        driver_->Expect(AcceptSetup());
        app_->InitMainWindow();
        CHECK_DIALOGS();
        QCOMPARE(QString::fromStdString(app_->GetSettings().Place), QStringLiteral("Rotterdam"));
        app_->SetToday([] { return DatasheetDate{6, 12, 2026}; });
    }

    void cleanupTestCase() {
        app_.reset();
        driver_.reset();
    }

    void init() {
        work_ = std::make_unique<QTemporaryDir>();
        QVERIFY(work_->isValid());
        QFile::remove(QStringLiteral("NOTES.TXT"));
    }

    void cleanup() {
        QFile::remove(QStringLiteral("NOTES.TXT"));
        // a failed test may leave expectations behind; the next one starts clean
        driver_->Finish();
        work_.reset();
    }

    void ToFileCreatesTheSheetAndLeavesTheListFileAlone() {
        SheetScreen screen(*app_, 5);
        const QString list = Work(QStringLiteral("LIST.TXT"));
        screen.SetListFileName(list);
        const QString target = Work(QStringLiteral("sheet.txt"));
        driver_->Expect(SaveAs(target));
        screen.CmToFile();
        CHECK_DIALOGS();
        CHECK_SHEET(target, ExpectedSheet(screen.Body()));

        QString problem;
        const QStringList lines = ReadSheet(target, &problem);
        QCOMPARE(lines.size(), 58);
        QVERIFY(lines[56].startsWith(QStringLiteral("Rotterdam ")));
        QVERIFY(lines[56].endsWith(QStringLiteral("06-12-2026")));
        QCOMPARE(lines[56].size(), 65);
        QVERIFY(!QFileInfo::exists(list));
    }

    void ToFileReplacesAnExistingFileOnlyAfterYes() {
        SheetScreen screen(*app_, 5);
        const QString target = Work(QStringLiteral("old.txt"));
        QByteArray old;
        for (int i = 0; i < 500; ++i)
            old += "old line " + QByteArray::number(i) + "\r\n";
        WriteFile(target, old);

        // No: the dialog stays up for another name; the user gives up
        bool stayedOpen = false;
        SeenBox question;
        driver_->Expect(SaveAs(target, &stayedOpen));
        driver_->Expect(Answer(QMessageBox::No, &question));
        screen.CmToFile();
        CHECK_DIALOGS();
        QVERIFY(stayedOpen);
        QVERIFY2(question.text.contains(QStringLiteral("old.txt")), qPrintable(question.text));
        QCOMPARE(FileBytes(target), old);

        driver_->Expect(SaveAs(target, &stayedOpen));
        driver_->Expect(Answer(QMessageBox::Yes));
        screen.CmToFile();
        CHECK_DIALOGS();
        QVERIFY(!stayedOpen);
        CHECK_SHEET(target, ExpectedSheet(screen.Body()));
    }

    void ToFileCancelledWritesNothing() {
        SheetScreen screen(*app_, 5);
        const QString existing = Work(QStringLiteral("keep.txt"));
        WriteFile(existing, "keep\r\n");
        const QStringList before = QDir(work_->path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
        const QStringList homeBefore = QDir::current().entryList(QDir::Files | QDir::NoDotAndDotDot);
        driver_->Expect(CancelFileDialog());
        screen.CmToFile();
        CHECK_DIALOGS();
        QCOMPARE(QDir(work_->path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot), before);
        QCOMPARE(QDir::current().entryList(QDir::Files | QDir::NoDotAndDotDot), homeBefore);
        QCOMPARE(FileBytes(existing), QByteArray("keep\r\n"));
    }

    void ToFileTakesALongPath() {
        QString folder = work_->path();
        for (const char* part : {"customer projects 2026", "Rotterdam harbour extension", "cooling water system",
                                 "butterfly valves DN 300 and up", "datasheets for approval"})
            folder += QLatin1Char('/') + QString::fromLatin1(part);
        QVERIFY(QDir().mkpath(folder));
        const QString target = folder + QStringLiteral("/torque double acting for valve 12-345.txt");
        QVERIFY(target.size() > 127);
        SheetScreen screen(*app_, 5);
        driver_->Expect(SaveAs(target));
        screen.CmToFile();
        CHECK_DIALOGS();
        CHECK_SHEET(target, ExpectedSheet(screen.Body()));
    }

    void NotesAreAddedAfterTheHeaderOnYes() {
        WriteNotes();
        SheetScreen screen(*app_, 5);
        const QString target = Work(QStringLiteral("with notes.txt"));
        SeenBox question;
        driver_->Expect(SaveAs(target));
        driver_->Expect(Answer(QMessageBox::Yes, &question));
        screen.CmToFile();
        CHECK_DIALOGS();
        QCOMPARE(question.caption, QStringLiteral("Datasheet"));
        QCOMPARE(question.text, QStringLiteral("Should the notes be added to the datasheet?"));
        CHECK_SHEET(target, ExpectedSheet(screen.Body(), {QStringLiteral("Valve in the cooling water line"), QString(),
                                                          QStringLiteral("Mounting bracket supplied by others")}));
    }

    void NotesAreLeftOutOnNo() {
        WriteNotes();
        SheetScreen screen(*app_, 5);
        const QString target = Work(QStringLiteral("without notes.txt"));
        driver_->Expect(SaveAs(target));
        driver_->Expect(Answer(QMessageBox::No));
        screen.CmToFile();
        CHECK_DIALOGS();
        CHECK_SHEET(target, ExpectedSheet(screen.Body()));
    }

    void NoNotesFileNoQuestion() {
        // notes in another folder do not count: the question looks in the current one
        WriteFile(Work(QStringLiteral("NOTES.TXT")), "elsewhere\r\n");
        SheetScreen screen(*app_, 5);
        const QString target = Work(QStringLiteral("plain.txt"));
        driver_->Expect(SaveAs(target));
        screen.CmToFile();
        CHECK_DIALOGS();
        CHECK_SHEET(target, ExpectedSheet(screen.Body()));
    }

    void PrintAsksForTheNotesToo() {
        WriteNotes();
        SheetScreen screen(*app_, 5);
        const QString pdf = Work(QStringLiteral("notes.pdf"));
        SeenBox question;
        driver_->Expect(Answer(QMessageBox::Yes, &question));
        PrintToPdf(screen, pdf, nullptr);
        CHECK_DIALOGS();
        QCOMPARE(question.text, QStringLiteral("Should the notes be added to the datasheet?"));
        CHECK_SHEET(screen.GetListFileName(),
                    ExpectedSheet(screen.Body(), {QStringLiteral("Valve in the cooling water line"), QString(),
                                                  QStringLiteral("Mounting bracket supplied by others")}));
    }

    void ToFileIntoAMissingFolderIsReported() {
        SheetScreen screen(*app_, 5);
        const QString target = Work(QStringLiteral("missing/sheet.txt"));
        SeenBox warning;
        driver_->Expect(SaveAs(target));
        driver_->Expect(Answer(QMessageBox::Ok, &warning));
        screen.CmToFile();
        CHECK_DIALOGS();
        QCOMPARE(warning.caption, QStringLiteral("An error occurred..."));
        QCOMPARE(warning.icon, QMessageBox::Warning);
        QCOMPARE(warning.text, QStringLiteral("The file %1 could not be written. Please check the folder and the "
                                              "free disk space.")
                                   .arg(target));
        QVERIFY(!QFileInfo::exists(Work(QStringLiteral("missing"))));

        // the flow itself reports nothing chosen
        driver_->Expect(SaveAs(target));
        driver_->Expect(Answer(QMessageBox::Ok));
        const QString chosen =
            SaveDatasheetToFile(&screen, [&screen](const QString& name, bool) { return screen.WriteDatasheet(name); });
        CHECK_DIALOGS();
        QVERIFY(chosen.isEmpty());
    }

    void ToFileBelowAPlainFileIsReported() {
        const QString plain = Work(QStringLiteral("plain"));
        WriteFile(plain, "not a folder\r\n");
        const QString target = plain + QStringLiteral("/sheet.txt");
        SheetScreen screen(*app_, 5);
        SeenBox warning;
        driver_->Expect(SaveAs(target));
        driver_->Expect(Answer(QMessageBox::Ok, &warning));
        screen.CmToFile();
        CHECK_DIALOGS();
        QCOMPARE(warning.caption, QStringLiteral("An error occurred..."));
        QVERIFY2(warning.text.startsWith(QStringLiteral("The file %1 could not be written.").arg(target)),
                 qPrintable(warning.text));
        QCOMPARE(FileBytes(plain), QByteArray("not a folder\r\n"));
    }

    void ToFileOntoAFolderOpensTheFolderInstead() {
        const QString folder = Work(QStringLiteral("sheets"));
        QVERIFY(QDir().mkpath(folder));
        SheetScreen screen(*app_, 5);
        bool stayedOpen = false;
        driver_->Expect(SaveAs(folder, &stayedOpen));
        screen.CmToFile();
        CHECK_DIALOGS();
        QVERIFY(stayedOpen);
        QVERIFY(QFileInfo(folder).isDir());
        QVERIFY(QDir(folder).isEmpty());
    }

    void PrintIntoAMissingFolderIsReported() {
        SheetScreen screen(*app_, 5);
        const QString list = Work(QStringLiteral("missing/LIST.TXT"));
        screen.SetListFileName(list);
        const QString pdf = Work(QStringLiteral("never.pdf"));
        app_->GetPrinter().setOutputFormat(QPrinter::PdfFormat);
        app_->GetPrinter().setOutputFileName(pdf);
        SeenBox warning;
        // no print dialog may follow the warning
        driver_->Expect(Answer(QMessageBox::Ok, &warning));
        screen.CmPrint();
        CHECK_DIALOGS();
        QCOMPARE(warning.caption, QStringLiteral("An error occurred..."));
        QVERIFY2(warning.text.startsWith(QStringLiteral("The file %1 could not be written.").arg(list)),
                 qPrintable(warning.text));
        QVERIFY(!QFileInfo::exists(pdf));
        QCOMPARE(app_->PrintingCount, 0);
    }

    void PrintWhenTheListFileIsAFolderIsReported() {
        SheetScreen screen(*app_, 5);
        const QString list = Work(QStringLiteral("LIST.TXT"));
        QVERIFY(QDir().mkpath(list));
        screen.SetListFileName(list);
        const QString pdf = Work(QStringLiteral("never.pdf"));
        app_->GetPrinter().setOutputFormat(QPrinter::PdfFormat);
        app_->GetPrinter().setOutputFileName(pdf);
        SeenBox warning;
        driver_->Expect(Answer(QMessageBox::Ok, &warning));
        screen.CmPrint();
        CHECK_DIALOGS();
        QVERIFY2(warning.text.startsWith(QStringLiteral("The file %1 could not be written.").arg(list)),
                 qPrintable(warning.text));
        QVERIFY(QFileInfo(list).isDir());
        QVERIFY(!QFileInfo::exists(pdf));
    }

    void PrintToPdf_data() {
        QTest::addColumn<int>("bodyLines");
        QTest::addColumn<int>("pages");
        // 10 lines above the body and 5 below; A4 or Letter takes 62 to 68 lines a page
        QTest::newRow("short sheet") << 5 << 1;
        QTest::newRow("75 lines") << 60 << 2;
        QTest::newRow("135 lines") << 120 << 3;
    }

    void PrintToPdf() {
        QFETCH(int, bodyLines);
        QFETCH(int, pages);
        SheetScreen screen(*app_, bodyLines);
        const QString pdf = Work(QStringLiteral("out.pdf"));
        QString docName;
        int printingWhileAsked = -1;
        PrintToPdf(screen, pdf, &docName, &printingWhileAsked);
        CHECK_DIALOGS();
        CHECK_SHEET(screen.GetListFileName(), ExpectedSheet(screen.Body()));
        QVERIFY(FileBytes(pdf).startsWith("%PDF"));
        QCOMPARE(PdfPageCount(pdf), pages);
        QCOMPARE(docName, QStringLiteral("Torque Double Acting - Test range"));
        QCOMPARE(app_->GetPrinter().docName(), screen.windowTitle());
        QCOMPARE(printingWhileAsked, 1);
        QCOMPARE(app_->PrintingCount, 0);
    }

    void PrintCancelledPrintsNothing() {
        SheetScreen screen(*app_, 5);
        screen.SetListFileName(Work(QStringLiteral("LIST.TXT")));
        const QString pdf = Work(QStringLiteral("cancelled.pdf"));
        app_->GetPrinter().setOutputFormat(QPrinter::PdfFormat);
        app_->GetPrinter().setOutputFileName(pdf);
        driver_->Expect([](QWidget* w) -> QString {
            auto* dialog = qobject_cast<QPrintDialog*>(w);
            if (!dialog)
                return QStringLiteral("wanted the print dialog, got ") + ModalDriver::Describe(w);
            dialog->reject();
            return {};
        });
        screen.CmPrint();
        CHECK_DIALOGS();
        QVERIFY(!QFileInfo::exists(pdf));
        QCOMPARE(app_->PrintingCount, 0);
    }

    void LinesArePlacedFromTheTopOfEachPage() {
        const QStringList lines = NumberedLines(58);
        const std::vector<PlacedLine> placed = PlaceDatasheetPage(lines, {0, 58});
        QCOMPARE(placed.size(), std::size_t(58));
        for (int i = 0; i < 58; ++i) {
            QCOMPARE(placed[i].text, lines[i]);
            QCOMPARE(placed[i].position, QPointF(75, 30 + 16 * i));
        }
        // the footer's place and date line
        QCOMPARE(placed[56].position.y(), 926.0);

        // a later page starts at the top again with its own lines, and stops at the sheet's end
        const QStringList longer = NumberedLines(65);
        const std::vector<PlacedLine> second = PlaceDatasheetPage(longer, {60, 10});
        QCOMPARE(second.size(), std::size_t(5));
        QCOMPARE(second.front().text, QStringLiteral("Sheet line 60"));
        QCOMPARE(second.front().position, QPointF(75, 30));
        QCOMPARE(second.back().text, QStringLiteral("Sheet line 64"));
        QCOMPARE(second.back().position, QPointF(75, 94));
    }

    void EachLineIsDrawnBelowItsTop() {
        // the position is the top of the line: its ink must stay within its own 16 units
        QImage image(600, 120, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            painter.setPen(Qt::black);
            DrawDatasheetPage(painter, {QStringLiteral("MMMMMMMMMM"), QString(), QStringLiteral("MMMMMMMMMM")}, {0, 3});
        }
        auto inkRows = [&image](int top, int bottom, int* left) {
            int rows = 0;
            for (int y = top; y < bottom; ++y) {
                bool ink = false;
                for (int x = 0; x < image.width(); ++x)
                    if (qGray(image.pixel(x, y)) < 128) {
                        ink = true;
                        *left = std::min(*left, x);
                    }
                rows += ink;
            }
            return rows;
        };
        int left = image.width();
        QCOMPARE(inkRows(0, 30, &left), 0);
        QVERIFY(inkRows(30, 46, &left) > 4);
        QCOMPARE(inkRows(46, 62, &left), 0);
        QVERIFY(inkRows(62, 78, &left) > 4);
        QCOMPARE(inkRows(78, image.height(), &left), 0);
        QVERIFY2(left >= 75 && left < 80, qPrintable(QString::number(left)));
    }

    void RenderedSheetPages() {
        // A4 without margins holds (1122.5 - 30) / 16 = 68 lines at 96 units an inch
        const QPageLayout a4(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0));
        const struct {
            int lines;
            int pages;
        } cases[] = {{58, 1}, {68, 1}, {69, 2}, {136, 2}, {137, 3}};
        for (const auto& c : cases) {
            const QString pdf = Work(QStringLiteral("render%1.pdf").arg(c.lines));
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            QVERIFY(printer.setPageLayout(a4));
            QVERIFY(RenderDatasheet(printer, NumberedLines(c.lines), 96, 96));
            QVERIFY(FileBytes(pdf).startsWith("%PDF"));
            QVERIFY2(PdfPageCount(pdf) == c.pages, qPrintable(QStringLiteral("%1 lines on %2 pages, expected %3")
                                                                  .arg(c.lines)
                                                                  .arg(PdfPageCount(pdf))
                                                                  .arg(c.pages)));
        }
    }
};

QTEST_MAIN(DatasheetUiTest)
#include "datasheet_ui_test.moc"
