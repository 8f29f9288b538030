// The comforts a desktop user expects, driven as a user does: copying from a table, the
// names the save and print dialogs propose, windows and folders remembered from one start
// to the next, F1 for the guide, tips in the user's language and the kinder database
// editor. What a program keeps between starts goes to a temporary settings folder.
#include "by_id.h"
#include "core/text/menu_table.h"
#include "gui/app/application.h"
#include "gui/app/client_area.h"
#include "gui/app/main_frame.h"
#include "gui/app/program.h"
#include "gui/common/flavour.h"
#include "gui/controls/multi_list_box.h"
#include "gui/editor/database_editor.h"
#include "gui/tools/torsion_dialog.h"
#include "modal.h"
#include "test_files.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

namespace {

void ClickRow(ptMultiListBox* table, int row, bool twice = false) {
    ptListBox* column = table->Column[0];
    const QPoint at = column->visualItemRect(column->item(row)).center();
    // a user's double click starts with a plain click on the same line
    QTest::mouseClick(column->viewport(), Qt::LeftButton, {}, at);
    if (twice)
        QTest::mouseDClick(column->viewport(), Qt::LeftButton, {}, at);
}

// Both centres within the few pixels a window frame may add.
bool SameCentre(const QRect& a, const QRect& b) {
    return (a.center() - b.center()).manhattanLength() <= 4;
}

void Activate(QWidget* window) {
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
}

} // namespace

// Takes the file URLs that the program hands to the desktop.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> Urls;
public slots:
    void Open(const QUrl& url) { Urls << url; }
};

class ComfortsTest : public QObject {
    Q_OBJECT

    QTemporaryDir settings_;
    QTemporaryDir dir_;
    QString savedDir_;
    std::unique_ptr<ModalAnswers> answers_;
    std::unique_ptr<VnApp> app_;

    void Start(const char* language = "UK") {
        if (!QFile::exists(QStringLiteral("ball-valves")))
            for (const char* name : {"varnox-rp.kav", "varnox-em.qu", "ball-valves"})
                QFile::copy(QStringLiteral(VN_SAMPLES "/") + QLatin1String(name), QLatin1String(name));
        if (qstrcmp(language, "D") == 0)
            QFile::copy(QStringLiteral(VN_CATALOGUES "/SIZ_D.qm"), QStringLiteral("SIZ_D.qm"));
        const QByteArray actuator =
            QByteArray("ACTUATOR = ") + (flavour::kPneumatic ? "varnox-rp.kav" : "varnox-em.qu");
        const QByteArray languageLine = QByteArray("LANGUAGE = ") + language;
        WriteText(QString::fromLatin1(flavour::kSettingsFile),
                  CrLfLines({languageLine.constData(), actuator.constData(), "VALVE = ball-valves", "UNITS = METRIC",
                             "PRESSURE = 5.500000", "PLACE = Rotterdam"}));
        answers_ = std::make_unique<ModalAnswers>();
        answers_->ThenAccept();
        app_ = std::make_unique<VnApp>();
        app_->InitMainWindow();
    }

    // The program ends; the next Start is the next session.
    void Stop() {
        app_.reset();
        answers_.reset();
    }

    void CheckAnswered() {
        QVERIFY(answers_->AllAnswered());
        QCOMPARE(answers_->Unexpected, 0);
    }

    VnClient* Client() { return app_->GetClient(); }

    // The torsion tool, in both programs, with two rows: 100 and 250 Nm on the same shaft.
    std::unique_ptr<VnTorsionDialog> TorsionWithRows() {
        auto screen = std::make_unique<VnTorsionDialog>(*app_, Client());
        screen->show();
        for (const char* torque : {"100", "250"}) {
            Type(screen.get(), 203, QString::fromLatin1(torque));
            Type(screen.get(), 105, QStringLiteral("20"));
            Type(screen.get(), 202, QStringLiteral("500"));
            Press(screen.get(), 102);
        }
        return screen;
    }

private slots:
    void initTestCase() {
        QVERIFY(settings_.isValid() && dir_.isValid());
        QStandardPaths::setTestModeEnabled(true);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_.path());
        SetProgramNames();
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    }

    void init() {
        savedDir_ = EnterWorkFolder(dir_);
        QSettings().clear();
    }

    void cleanup() {
        Stop();
        QDir::setCurrent(savedDir_);
    }

    void TablesCopyTheSelectedRowOrTheWholeTable() {
        Start();
        auto screen = TorsionWithRows();
        ptMultiListBox* table = ById<ptMultiListBox>(screen.get(), 103);
        QCOMPARE(table->RowCount(), 2);
        QClipboard* clipboard = QGuiApplication::clipboard();
        auto row = [table](int r) {
            QStringList cells;
            for (int c = 0; c < table->GetNumColumns(); ++c)
                cells << table->Column[c]->GetString(r);
            return cells.join(QLatin1Char('\t'));
        };

        // Ctrl+C: the selected row, every column, one value per cell
        ClickRow(table, 0);
        QTest::keyClick(table->Column[0], Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(clipboard->text(), row(0));
        QVERIFY(clipboard->text().startsWith(QStringLiteral("100\t20\t500\t")));

        // Ctrl+A, Ctrl+C: both header lines, then every row
        const QString header = QStringLiteral("Torque\tDiameter\tLength\tStress\tDeflection\n"
                                              "[Nm]\t[mm]\t[mm]\t[N/mm^2]\t[Degrees]\n");
        QTest::keyClick(table->Column[0], Qt::Key_A, Qt::ControlModifier);
        QVERIFY(table->WholeTableSelected());
        QTest::keyClick(table->Column[0], Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(clipboard->text(), header + row(0) + QLatin1Char('\n') + row(1));
        // a click picks one row again
        ClickRow(table, 1);
        QVERIFY(!table->WholeTableSelected());
        QTest::keyClick(table->Column[0], Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(clipboard->text(), row(1));

        // the context menu offers both
        clipboard->clear();
        QStringList offered;
        QTimer::singleShot(0, this, [&offered] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu);
            for (QAction* action : menu->actions())
                offered << action->text();
            menu->findChild<QAction*>(QStringLiteral("copyTable"))->trigger();
            menu->close();
        });
        const QPoint at = table->Column[0]->mapTo(table, QPoint(4, 4));
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, table->mapToGlobal(at));
        QApplication::sendEvent(table, &event);
        QCOMPARE(offered, (QStringList{"Copy row", "Copy table"}));
        QCOMPARE(clipboard->text(), header + row(0) + QLatin1Char('\n') + row(1));
    }

    void ToFileProposesTheTitleAndRemembersItsFolder() {
        QDir().mkpath(QStringLiteral("sheets"));
        const QString sheets = QDir::current().absoluteFilePath(QStringLiteral("sheets"));
        Start();
        {
            auto screen = TorsionWithRows();
            QString proposed;
            QString folder;
            answers_->Then([&](QWidget* w) {
                auto* dialog = qobject_cast<QFileDialog*>(w);
                QVERIFY(dialog);
                proposed = dialog->selectedFiles().value(0);
                folder = dialog->directory().absolutePath();
                // a name without a suffix while Text Files is chosen
                dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(sheets + "/sheet");
                dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Save)->click();
            });
            Press(screen.get(), 400);
            CheckAnswered();
            QCOMPARE(folder, QDir::current().absolutePath());
            QCOMPARE(proposed, QDir::current().absoluteFilePath(QStringLiteral("Calculations for Shaft Torsion.txt")));
            QVERIFY(QFile::exists(QStringLiteral("sheets/sheet.txt")));
        }
        Stop();

        // the next start opens To File where it was last used; All Files adds no suffix
        Start();
        auto screen = TorsionWithRows();
        QString folder;
        answers_->Then([&](QWidget* w) {
            auto* dialog = qobject_cast<QFileDialog*>(w);
            QVERIFY(dialog);
            folder = dialog->directory().absolutePath();
            QTest::keyClick(dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo")), Qt::Key_Down);
            dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(QStringLiteral("plain"));
            dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Save)->click();
        });
        Press(screen.get(), 400);
        CheckAnswered();
        QCOMPARE(folder, sheets);
        QVERIFY(QFile::exists(QStringLiteral("sheets/plain")));
        QVERIFY(!QFile::exists(QStringLiteral("sheets/plain.txt")));
    }

    void PrintingToAFileProposesTheTitleAsPdf() {
        Start();
        auto screen = TorsionWithRows();
        screen->SetListFileName(QDir::current().filePath(QStringLiteral("LIST.TXT")));
        QPrinter& printer = app_->GetPrinter();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName({});
        QStringList offered;
        auto offer = [&] {
            answers_->Then([&offered](QWidget* w) {
                auto* dialog = qobject_cast<QPrintDialog*>(w);
                QVERIFY(dialog);
                offered << dialog->printer()->outputFileName();
                dialog->reject();
            });
            // Ctrl+P is the Print button
            Activate(screen.get());
            QTest::keyClick(screen.get(), Qt::Key_P, Qt::ControlModifier);
        };
        offer();
        // a name the user gave stays
        printer.setOutputFileName(QDir::current().filePath(QStringLiteral("mine.pdf")));
        offer();
        CheckAnswered();
        QCOMPARE(offered,
                 (QStringList{QDir::current().absoluteFilePath(QStringLiteral("Calculations for Shaft Torsion.pdf")),
                              QDir::current().filePath(QStringLiteral("mine.pdf"))}));
    }

    void WindowsOpenWhereTheyWereLeft() {
        // kept under this program's own name, apart from the other program's
        QCOMPARE(QCoreApplication::applicationName(), QString::fromLatin1(flavour::kProgramName));
        Start();
        VnFrame* frame = app_->GetFrame();
        QVERIFY(frame->isMaximized()); // the first start fills the screen
        frame->showNormal();
        const QRect framePlace(40, 30, 640, 460);
        frame->setGeometry(framePlace);
        QRect screenPlace;
        {
            VnTorsionDialog screen(*app_, Client());
            screen.show();
            QVERIFY(SameCentre(screen.frameGeometry(), frame->frameGeometry()));
            screen.setGeometry(QRect(120, 90, screen.width() + 40, screen.height() + 20));
            screenPlace = screen.geometry();
            screen.close();
        }
        Stop();

        Start();
        frame = app_->GetFrame();
        QVERIFY(!frame->isMaximized());
        QCOMPARE(frame->geometry(), framePlace);
        {
            VnTorsionDialog screen(*app_, Client());
            screen.show();
            QCOMPARE(screen.geometry(), screenPlace);
        }
        Stop();

        // a place off every screen (a monitor that has gone) opens centred instead
        {
            QSettings settings;
            settings.setValue(QStringLiteral("frame/geometry"), QRect(5000, 4000, 640, 460));
            settings.setValue(QStringLiteral("frame/maximized"), false);
            settings.setValue(QStringLiteral("screens/dialog109"), QRect(-3000, 200, screenPlace.width(), 300));
        }
        Start();
        frame = app_->GetFrame();
        QCOMPARE(frame->size(), framePlace.size());
        QVERIFY(SameCentre(frame->geometry(), frame->screen()->availableGeometry()));
        VnTorsionDialog screen(*app_, Client());
        screen.show();
        QVERIFY(SameCentre(screen.frameGeometry(), frame->frameGeometry()));
    }

    void F1OpensTheUserGuideInTheBrowser() {
        Start();
        VnFrame* frame = app_->GetFrame();
        // Help: the guide before About, with its own hint
        QAction* guide = frame->FindCommand(flavour::kPneumatic ? cmd::UserGuide : cmd::ElectricUserGuide);
        QVERIFY(guide);
        QMenu* help = frame->menuBar()->actions().last()->menu();
        QCOMPARE(help->actions().first(), guide);
        QCOMPARE(help->actions().last()->text(), QStringLiteral("&About..."));
        QCOMPARE(guide->shortcut(), QKeySequence(QKeySequence::HelpContents));
        QCOMPARE(guide->statusTip(), QStringLiteral("Opens the user guide in your web browser"));

        UrlCatcher browser;
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &browser, "Open");
        Activate(frame);
        const QString root = QDir::current().absolutePath();

        // installed: the page beside the program's bin folder
        QDir().mkpath(QStringLiteral("usr/bin"));
        QDir().mkpath(QStringLiteral("usr/share/doc/vnsizing"));
        WriteText(QStringLiteral("usr/share/doc/vnsizing/user-guide.html"), "<html></html>");
        app_->SetProgramFolder(root + QStringLiteral("/usr/bin"));
        QTest::keyClick(frame, Qt::Key_F1);
        QCOMPARE(browser.Urls.value(0),
                 QUrl::fromLocalFile(root + QStringLiteral("/usr/share/doc/vnsizing/user-guide.html")));

        // a build tree without the rendered page: the guide's source is rendered for the browser
        QDir().mkpath(QStringLiteral("build/src"));
        QDir().mkpath(QStringLiteral("build/packaging/doc"));
        WriteText(QStringLiteral("build/packaging/doc/user-guide.md"),
                  "# Trial guide\n\n[TOC]\n\nPress **F1**.\n\n![A screen](images/screen.png)\n");
        app_->SetProgramFolder(root + QStringLiteral("/build/src"));
        QTest::keyClick(frame, Qt::Key_F1);
        QCOMPARE(browser.Urls.size(), 2);
        const QString page = QString::fromUtf8(ReadText(browser.Urls[1].toLocalFile()));
        QVERIFY(page.contains(QStringLiteral("Trial guide")));
        QVERIFY(!page.contains(QStringLiteral("[TOC]")));
        QVERIFY(page.contains(QUrl::fromLocalFile(root + QStringLiteral("/build/packaging/doc/")).toString()));

        // no guide anywhere: the message says where the program looked
        app_->SetProgramFolder(root + QStringLiteral("/elsewhere/bin"));
        answers_->ThenMessage(QMessageBox::Ok);
        QTest::keyClick(frame, Qt::Key_F1);
        CheckAnswered();
        QCOMPARE(browser.Urls.size(), 2);
        const QString text = answers_->Texts.value(0);
        QVERIFY2(text.startsWith(QStringLiteral("The user guide was not found.")), qPrintable(text));
        for (const char* place : {"/elsewhere/share/doc/vnsizing/user-guide.html",
                                  "/elsewhere/packaging/doc/user-guide.html", "/elsewhere/packaging/doc/user-guide.md"})
            QVERIFY2(text.contains(root + QLatin1String(place)), qPrintable(text));
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    }

    void TipsSayUnitRangeAndMeaningInTheUsersLanguage() {
        Start("D");
        VnTorsionDialog screen(*app_, Client());
        QCOMPARE(ById<QLineEdit>(&screen, 105)->toolTip(), QStringLiteral("Der Wellendurchmesser in mm, über 0"));
        ptMultiListBox* table = ById<ptMultiListBox>(&screen, 103);
        QCOMPARE(table->Header[3]->toolTip(),
                 QStringLiteral("Spannung: die Schubspannung an der Oberfläche der Welle"));
        // the header's lines carry it too, so it shows wherever the pointer rests
        QCOMPARE(table->Header[3]->item(0)->toolTip(), table->Header[3]->toolTip());
    }

    void DatabaseEditorAsksSaysAndTakesKeys() {
        Start();
        VnDBaseEditDlg editor(*app_, Client(), "ball-valves");
        editor.show();
        Activate(&editor);
        ptMultiListBox* sizes = ById<ptMultiListBox>(&editor, 103);
        // the focus is in the size list, where a key renames nothing
        QVERIFY(sizes->isAncestorOf(QApplication::focusWidget()));

        // a double click takes a line back into the entry fields
        ClickRow(sizes, 2, true);
        QCOMPARE(ById<QLineEdit>(&editor, 141)->text(), QStringLiteral("25.00"));
        QCOMPARE(ById<QLineEdit>(&editor, 203)->text(), QStringLiteral("14.0"));

        // the same size again: Yes replaces its torque, No adds a second line, Cancel nothing
        Type(&editor, 203, QStringLiteral("15"));
        answers_->ThenMessage(QMessageBox::Yes);
        Press(&editor, 110);
        Type(&editor, 141, QStringLiteral("25"));
        Type(&editor, 203, QStringLiteral("16"));
        answers_->ThenMessage(QMessageBox::No);
        Press(&editor, 110);
        Type(&editor, 141, QStringLiteral("25"));
        Type(&editor, 203, QStringLiteral("17"));
        answers_->ThenMessage(QMessageBox::Cancel);
        Press(&editor, 110);
        CheckAnswered();
        QCOMPARE(answers_->Texts.value(0), QStringLiteral("The size 25.00 is already on this page. Replace its torque? "
                                                          "No adds a second line with the same size."));
        QCOMPARE(answers_->Captions.value(0), editor.windowTitle());
        QCOMPARE(sizes->RowCount(), 12);
        QCOMPARE(sizes->Column[1]->GetString(2), QStringLiteral("15.0"));
        QCOMPARE(sizes->Column[0]->GetString(11) + QLatin1Char(' ') + sizes->Column[1]->GetString(11),
                 QStringLiteral("25.00 16.0"));
        QCOMPARE(ById<QLineEdit>(&editor, 203)->text(), QStringLiteral("17")); // Cancel keeps the typing

        // the Delete key in the list removes the selected line
        ClickRow(sizes, 11);
        QTest::keyClick(sizes->Column[0], Qt::Key_Delete);
        QCOMPARE(sizes->RowCount(), 11);

        // Ctrl+S saves, and the status line says so
        auto* status = editor.findChild<QLabel*>(QStringLiteral("statusLine"));
        QVERIFY(status && status->text().isEmpty());
        Activate(&editor);
        QTest::keyClick(&editor, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(status->text(), QStringLiteral("Saved ball-valves"));
        TorqueDatabase saved("ball-valves");
        QCOMPARE(saved.pages[0].SizeCount(), 11);
        QCOMPARE(saved.pages[0].sizes[2].torque, 15.0f);
        QTRY_VERIFY_WITH_TIMEOUT(status->text().isEmpty(), 8000);

        // Ctrl+Shift+S is Save As
        answers_->ThenReject();
        QTest::keyClick(&editor, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        CheckAnswered();
        QCOMPARE(answers_->Unexpected, 0);
    }
};

QTEST_MAIN(ComfortsTest)
#include "comforts_test.moc"
