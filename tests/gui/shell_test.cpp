// The application shell driven as a user would: start-up, menus, the data guard and
// file check, setup, language catalogues, notes and the about box.
#include "core/text/load_string.h"
#include "core/text/menu_table.h"
#include "gui/app/about_dialog.h"
#include "gui/app/application.h"
#include "gui/app/client_area.h"
#include "gui/app/language.h"
#include "gui/app/main_frame.h"
#include "gui/app/note_dialog.h"
#include "gui/app/setup_dialog.h"
#include "gui/app/style.h"
#include "gui/common/flavour.h"
#include "gui/common/messages.h"
#include "gui/controls/number_edit.h"
#include "gui/screens/screen.h"
#include "modal.h"
#include "test_files.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QStyleOption>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray SettingsText(const char* actuator, const char* valve, const char* language = "UK") {
    return QByteArray("LANGUAGE = ") + language + "\r\nACTUATOR = " + actuator + "\r\nVALVE = " + valve +
           "\r\nUNITS = METRIC\r\nPRESSURE = 5.500000\r\nPLACE = Delft\r\n";
}

const char* ActuatorSample() {
    return flavour::kPneumatic ? "varnox-rp.kav" : "varnox-em.qu";
}

// A screen that only records that it was shown.
class MinimalScreen : public VnScreen {
public:
    MinimalScreen(VnApp& app, QWidget* parent, bool hasData, int* shown)
        : VnScreen(app, parent), hasData_(hasData), shown_(shown) {}
    bool HasActuatorData() const override { return hasData_; }
    int exec() override {
        ++*shown_;
        lastListFile = GetListFileName();
        return QDialog::Rejected;
    }
    static inline QString lastListFile;

private:
    bool hasData_;
    int* shown_;
};

int GuardedCommand() {
    return flavour::kPneumatic ? cmd::TorqueDoubleActing : cmd::ElectricSizing;
}

} // namespace

class ShellTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QString savedDir_;

    // Starts the program in the test folder, answering the start-up setup with OK.
    std::unique_ptr<VnApp> Start(ModalAnswers& answers) {
        answers.ThenAccept();
        auto app = std::make_unique<VnApp>();
        app->InitMainWindow();
        return app;
    }

    void CopySamples() {
        for (const char* name : {"varnox-rp.kav", "varnox-em.qu", "ball-valves"})
            QFile::copy(QStringLiteral(VN_SAMPLES "/") + name, QDir::current().filePath(name));
    }

private slots:
    void init() {
        QVERIFY(dir_.isValid());
        savedDir_ = EnterWorkFolder(dir_);
    }
    void cleanup() {
        QDir::setCurrent(savedDir_);
        SetStringLookup({});
    }

    void StartWithoutSettingsShowsDefaultsAndWritesTheFile() {
        WriteText(QStringLiteral("NOTES.TXT"), "left from the last run\r\n");
        ModalAnswers answers;
        answers.Then([](QWidget* w) {
            auto* setup = qobject_cast<VnSetup*>(w);
            QVERIFY(setup);
            auto* language = setup->findChild<QComboBox*>(QStringLiteral("language"));
            QCOMPARE(language->currentText(), QStringLiteral("English"));
            QVERIFY(!language->isEnabled());
            QCOMPARE(setup->findChild<QLineEdit*>(QStringLiteral("actuatorFile"))->text(), QString());
            QCOMPARE(setup->findChild<QComboBox*>(QStringLiteral("units"))->currentText(), QStringLiteral("Metric"));
            auto* pressure = setup->findChild<ptEditNum*>(QStringLiteral("pressure"));
            QCOMPARE(pressure != nullptr, flavour::kPneumatic);
            if (pressure)
                QCOMPARE(pressure->text(), QStringLiteral("4.0"));
            setup->accept();
        });
        VnApp app;
        app.InitMainWindow();
        QVERIFY(answers.AllAnswered());
        QCOMPARE(answers.Unexpected, 0);
        QVERIFY(!QFile::exists(QStringLiteral("NOTES.TXT")));
        const QByteArray written = ReadText(QString::fromLatin1(flavour::kSettingsFile));
        QVERIFY(
            written.contains("LANGUAGE = UK\r\nACTUATOR = \r\nVALVE = \r\nUNITS = METRIC\r\nPRESSURE = 4.000000\r\n"));
        QCOMPARE(app.GetFrame()->windowTitle(), QString::fromStdString(LoadString(flavour::kCaptionString)));
        QVERIFY(!app.GetFrame()->windowIcon().isNull());
    }

    void StartWithMissingFilesShowsThemEmptyAndCancelKeepsTheFile() {
        const QByteArray original = SettingsText("gone.kav", "gone-valves");
        WriteText(QString::fromLatin1(flavour::kSettingsFile), original);
        ModalAnswers answers;
        answers.Then([](QWidget* w) {
            auto* setup = qobject_cast<VnSetup*>(w);
            QVERIFY(setup);
            QCOMPARE(setup->findChild<QLineEdit*>(QStringLiteral("actuatorFile"))->text(), QString());
            QCOMPARE(setup->findChild<QLineEdit*>(QStringLiteral("valveFile"))->text(), QString());
            setup->reject();
        });
        VnApp app;
        app.InitMainWindow();
        QVERIFY(answers.AllAnswered());
        QCOMPARE(ReadText(QString::fromLatin1(flavour::kSettingsFile)), original);
        QCOMPARE(app.GetSettings().Place, std::string("Delft"));
    }

    void MenusMatchTheDefinition() {
        ModalAnswers answers;
        auto app = Start(answers);
        QMenuBar* bar = app->GetFrame()->menuBar();
        QStringList titles;
        for (QAction* a : bar->actions())
            titles << a->text();
        if (flavour::kPneumatic)
            QCOMPARE(titles, (QStringList{"&File", "&Torque", "&Sizing", "&Database", "&Engineering", "&Help"}));
        else
            QCOMPARE(titles, (QStringList{"&File", "&Sizing", "&Database", "&Engineering", "&Help"}));

        // File: Setup, Note, separator, Print Setup, separator, Exit
        QMenu* file = bar->actions().at(0)->menu();
        QStringList items;
        for (QAction* a : file->actions())
            items << (a->isSeparator() ? QStringLiteral("-") : a->text() + "=" + a->property("command").toString());
        QCOMPARE(items, (QStringList{"&Setup=10114", "&Note=10113", "-", "P&rint Setup...=24338", "-", "E&xit=24310"}));
        QCOMPARE(file->actions().last()->shortcut(), QKeySequence(QStringLiteral("Alt+F4")));

        struct Hint {
            int command;
            const char* text;
        };
        const Hint hints[] = {{cmd::Setup, "Application Setup of standard settings"},
                              {cmd::Note, "Changes the note which is printed in the datasheet"},
                              {cmd::PrintSetup, "Setup this document print characteristics"},
                              {cmd::Exit, "Quits Sizing & Engineering"},
                              {cmd::About, "About the Sizing & Engineering application"},
                              {cmd::HotLine, "Calculation of the distance for hotline actuators"},
                              {cmd::Torsion, "Calculation for torsion"}};
        for (const Hint& h : hints) {
            QAction* action = app->GetFrame()->FindCommand(h.command);
            QVERIFY2(action, qPrintable(QString::number(h.command)));
            QCOMPARE(action->statusTip(), QString::fromUtf8(h.text));
        }
        if (flavour::kPneumatic) {
            QCOMPARE(app->GetFrame()->FindCommand(cmd::SizingSpringReturn)->statusTip(),
                     QStringLiteral("Enter the spring return sizing screen"));
            QCOMPARE(app->GetFrame()->FindCommand(cmd::ActuatorSpeed)->statusTip(),
                     QStringLiteral("Calulation of the actuator speed"));
            QVERIFY(!app->GetFrame()->FindCommand(cmd::ElectricSizing));
        } else {
            QCOMPARE(app->GetFrame()->FindCommand(cmd::ElectricSizing)->text(), QStringLiteral("&Actuator Sizing"));
            QCOMPARE(app->GetFrame()->FindCommand(cmd::ElectricDatabaseSizing)->statusTip(),
                     QStringLiteral("Enter the database sizing screen"));
            for (int pneumaticOnly : {cmd::TorqueDoubleActing, cmd::ActuatorSpeed, cmd::AirTank})
                QVERIFY(!app->GetFrame()->FindCommand(pneumaticOnly));
        }
        // the conversions sub-menu, with its literal ampersands
        QCOMPARE(app->GetFrame()->FindCommand(cmd::ConvertTorque3)->text(), QStringLiteral("&3  Kg.m && lb.in"));
        QCOMPARE(app->GetFrame()->FindCommand(cmd::ConvertPressure)->statusTip(), QString());

        // hovering an item puts its hint in the status bar
        QAction* note = app->GetFrame()->FindCommand(cmd::Note);
        note->showStatusText(app->GetFrame());
        QCOMPARE(app->GetFrame()->statusBar()->currentMessage(), note->statusTip());
    }

    void DataGuardComesBeforeTheFileCheck() {
        CopySamples();
        WriteText(QString::fromLatin1(flavour::kSettingsFile), SettingsText("", "ball-valves"));
        ModalAnswers answers;
        auto app = Start(answers);
        VnClient* client = app->GetClient();

        // no actuator file: the guarded commands say no data was loaded
        answers.ThenMessage(QMessageBox::Ok);
        client->Command(GuardedCommand());
        QCOMPARE(answers.Texts.value(0), QStringLiteral("No data was loaded, Try again..."));
        QCOMPARE(answers.Captions.value(0), QStringLiteral("An error occurred..."));

        // the tools have no guard, only the file check
        answers.ThenMessage(QMessageBox::Ok);
        client->Command(cmd::Torsion);
        QCOMPARE(answers.Texts.value(1), QString::fromStdString(LoadString(113)));
        QCOMPARE(answers.Unexpected, 0);
    }

    void FileCheckEmptiesMissingNamesAndDiscardsTheScreen() {
        CopySamples();
        WriteText(QString::fromLatin1(flavour::kSettingsFile), SettingsText(ActuatorSample(), "ball-valves"));
        ModalAnswers answers;
        auto app = Start(answers);
        VnClient* client = app->GetClient();
        int shown = 0;
        client->SetScreen(GuardedCommand(), VnClient::Check::DataGuard,
                          [&](VnClient& c) { return std::make_unique<MinimalScreen>(c.App(), &c, true, &shown); });

        // both files there: the screen runs with the list file name
        client->Command(GuardedCommand());
        QCOMPARE(shown, 1);
        QCOMPARE(MinimalScreen::lastListFile, QString::fromLatin1(flavour::kListFile));

        // the valve file goes: message 113, the name emptied in memory only
        QFile::remove(QStringLiteral("ball-valves"));
        answers.ThenMessage(QMessageBox::Ok);
        client->Command(GuardedCommand());
        QCOMPARE(shown, 1);
        QCOMPARE(answers.Texts.value(0), QString::fromStdString(LoadString(113)));
        QCOMPARE(app->GetSettings().ValveFile, std::string());
        QCOMPARE(app->GetSettings().ActuatorFile, std::string(ActuatorSample()));
        QVERIFY(ReadText(QString::fromLatin1(flavour::kSettingsFile)).contains("VALVE = ball-valves"));

        // a screen without records is refused before any file check
        client->SetScreen(GuardedCommand(), VnClient::Check::DataGuard,
                          [&](VnClient& c) { return std::make_unique<MinimalScreen>(c.App(), &c, false, &shown); });
        answers.ThenMessage(QMessageBox::Ok);
        client->Command(GuardedCommand());
        QCOMPARE(answers.Texts.value(1), QStringLiteral("No data was loaded, Try again..."));
        QCOMPARE(shown, 1);
    }

    void ConversionWindowsAreKeptOnePerCommand() {
        ModalAnswers answers;
        auto app = Start(answers);
        VnClient* client = app->GetClient();
        int made = 0;
        client->SetConversion(cmd::ConvertPressure, 0, [&made](VnClient& c) {
            ++made;
            auto* w = new QWidget(&c, Qt::Tool);
            return w;
        });
        client->Command(cmd::ConvertPressure);
        client->Command(cmd::ConvertPressure);
        QCOMPARE(made, 1);
        QWidget* first = client->ConversionWindow(0);
        QVERIFY(first && first->isVisible());
        first->close();
        client->Command(cmd::ConvertPressure);
        QCOMPARE(made, 1);
        QCOMPARE(client->ConversionWindow(0), first);
        QVERIFY(first->isVisible());
        // a language change closes every conversion window and empties the slots
        app->ApplyLanguage(nullptr);
        QCOMPARE(client->ConversionWindow(0), nullptr);
        client->Command(cmd::ConvertPressure);
        QCOMPARE(made, 2);
    }

    void PrintSetupFollowsTheDefaultPrinter() {
        ModalAnswers answers;
        auto app = Start(answers);
        QAction* setup = app->GetFrame()->FindCommand(cmd::PrintSetup);
        QMenu* file = app->GetFrame()->menuBar()->actions().at(0)->menu();
        emit file->aboutToShow();
        QCOMPARE(setup->isEnabled(), app->HasDefaultPrinter());
    }

    void SetupConvertsThePressureAndChecksIt() {
        if (!flavour::kPneumatic)
            QSKIP("the electric setup has no pressure");
        SetupValues values;
        values.Pressure = 4.0f;
        VnSetup setup(nullptr, true, values, nullptr);
        setup.show();
        auto* units = setup.findChild<QComboBox*>(QStringLiteral("units"));
        auto* pressure = setup.findChild<ptEditNum*>(QStringLiteral("pressure"));
        auto* unit = setup.findChild<QLabel*>(QStringLiteral("pressureUnit"));
        QCOMPARE(unit->text(), QStringLiteral("bar"));
        units->setCurrentIndex(1);
        emit units->activated(1);
        QCOMPARE(pressure->text(), QStringLiteral("58.0"));
        QCOMPARE(unit->text(), QStringLiteral("psi"));
        units->setCurrentIndex(0);
        emit units->activated(0);
        QCOMPARE(pressure->text(), QStringLiteral("4.0"));

        ModalAnswers answers;
        struct Case {
            const char* typed;
            const char* shown;
            bool message;
        } cases[] = {{"1.5", "4.0", true}, {"20", "4.0", true}, {"10", "10", false}, {"2", "2", false}};
        for (const Case& c : cases) {
            if (c.message)
                answers.ThenMessage(QMessageBox::Ok);
            pressure->setFocus();
            pressure->clear();
            QTest::keyClicks(pressure, QString::fromLatin1(c.typed));
            emit pressure->focusOut();
            QCOMPARE(pressure->text(), QString::fromLatin1(c.shown));
        }
        QCOMPARE(answers.Texts.size(), 2);
        QCOMPARE(answers.Texts.value(0), QString::fromStdString(LoadString(26)));
        setup.accept();
        QCOMPARE(setup.Values().Pressure, 2.0f);
        QVERIFY(VnSetup::PressureAccepted(29.0f, 1));
        QVERIFY(VnSetup::PressureAccepted(145.0f, 1));
        QVERIFY(!VnSetup::PressureAccepted(145.5f, 1));
    }

    void SetupOkRewritesTheSettings() {
        CopySamples();
        WriteText(QString::fromLatin1(flavour::kSettingsFile), SettingsText(ActuatorSample(), "ball-valves"));
        ModalAnswers answers;
        auto app = Start(answers);
        answers.Then([](QWidget* w) {
            auto* setup = qobject_cast<VnSetup*>(w);
            QVERIFY(setup);
            auto* units = setup->findChild<QComboBox*>(QStringLiteral("units"));
            units->setCurrentIndex(1);
            emit units->activated(1);
            setup->findChild<QLineEdit*>(QStringLiteral("place"))->setText(QStringLiteral("Schiedam"));
            setup->accept();
        });
        app->GetFrame()->Command(cmd::Setup);
        const QByteArray written = ReadText(QString::fromLatin1(flavour::kSettingsFile));
        QVERIFY(written.contains("UNITS = IMPERIAL"));
        QVERIFY(written.contains("PLACE = Schiedam"));
        // the electric program keeps the pressure as it was
        QVERIFY(written.contains(flavour::kPneumatic ? "PRESSURE = 79.750000" : "PRESSURE = 5.500000"));
    }

    void MissingCatalogueKeepsEnglishAndSaysSo() {
        WriteText(QString::fromLatin1(flavour::kSettingsFile), SettingsText("", "", "D"));
        ModalAnswers answers;
        answers.ThenMessage(QMessageBox::Ok);
        auto app = Start(answers);
        QCOMPARE(answers.Texts.value(0),
                 QStringLiteral("I could not find language module SIZ_D.qm. Please select another language."));
        QCOMPARE(app->StringModule(), nullptr);
        QCOMPARE(QString::fromStdString(LoadString(13)), QStringLiteral("Torque"));
    }

    void CatalogueSuppliesStringsMenusAndCaptionFromTheStart() {
        QVERIFY(QFile::copy(QStringLiteral(VN_TEST_CATALOGUE), QStringLiteral("SIZ_D.qm")));
        WriteText(QString::fromLatin1(flavour::kSettingsFile), SettingsText("", "", "D"));
        ModalAnswers answers;
        // the start-up setup cancelled: the language of the settings holds all the same
        answers.ThenReject();
        auto app = std::make_unique<VnApp>();
        app->InitMainWindow();
        QVERIFY(app->StringModule());
        QCOMPARE(QString::fromStdString(LoadString(13)), QStringLiteral("Drehmoment"));
        // a number the catalogue lacks is empty
        QCOMPARE(QString::fromStdString(LoadString(14)), QString());
        QCOMPARE(app->GetFrame()->menuBar()->actions().at(0)->text(), QStringLiteral("&Datei"));
        QVERIFY(app->GetFrame()->windowTitle().contains(QStringLiteral("Auslegung")));
        QCOMPARE(app->GetFrame()->FindCommand(cmd::Setup)->statusTip(), Str(cmd::Setup));

        // confirming the language in Setup puts the catalogue's menu up
        answers.Then([](QWidget* w) {
            auto* language = w->findChild<QComboBox*>(QStringLiteral("language"));
            QVERIFY(language->isEnabled()); // this catalogue lets the list be switched
            QCOMPARE(language->itemText(0), QStringLiteral("Englisch"));
            QCOMPARE(language->currentIndex(), 2);
            qobject_cast<QDialog*>(w)->accept();
        });
        app->GetFrame()->Command(cmd::Setup);
        QCOMPARE(app->GetFrame()->menuBar()->actions().at(0)->text(), QStringLiteral("&Datei"));
        QCOMPARE(app->GetFrame()->menuBar()->actions().last()->text(), QStringLiteral("&Hilfe"));
        QVERIFY(app->GetFrame()->windowTitle().startsWith(QStringLiteral("Varnox ")));
        QVERIFY(app->GetFrame()->windowTitle().contains(QStringLiteral("Auslegung")));

        // and back to English
        app->LoadLanguage(0);
        QCOMPARE(app->StringModule(), nullptr);
        QCOMPARE(app->GetFrame()->menuBar()->actions().at(0)->text(), QStringLiteral("&File"));
        QCOMPARE(QString::fromStdString(LoadString(13)), QStringLiteral("Torque"));
    }

    void AboutBoxWithAndWithoutCatalogueKeys() {
        VnAboutDlg own(nullptr, nullptr);
        const QString version = flavour::kPneumatic ? QStringLiteral("Version 7.2") : QStringLiteral("Version 4.2");
        QCOMPARE(own.VersionLine()->text(), version);
        QVERIFY(own.LegalNotice()->text().contains(QStringLiteral("Copyright")));
        QCOMPARE(own.SpecialBuild()->text(), QString());

        std::unique_ptr<LanguageModule> module = LanguageModule::Load(QStringLiteral(VN_TEST_CATALOGUE));
        QVERIFY(module);
        VnAboutDlg translated(nullptr, module.get());
        QCOMPARE(translated.VersionLine()->text(), QStringLiteral("Pruefpaket ") + version + " 1.0-test");
        QCOMPARE(translated.SpecialBuild()->text(), QStringLiteral("Testbau"));
        // this catalogue carries no legal notice of its own
        QCOMPARE(translated.LegalNotice()->text(), QString());
    }

    void NotesRoundTrip() {
        {
            VnNoteInputDialog dialog(nullptr);
            auto* edit = dialog.findChild<QPlainTextEdit*>(QStringLiteral("noteText"));
            QCOMPARE(edit->toPlainText(), QString());
            edit->setPlainText(QStringLiteral("Project 4711\n\nCustomer: Delta Works"));
            dialog.accept();
        }
        QCOMPARE(ReadText(QStringLiteral("NOTES.TXT")), QByteArray("Project 4711\r\n\r\nCustomer: Delta Works\r\n"));
        {
            VnNoteInputDialog dialog(nullptr);
            auto* edit = dialog.findChild<QPlainTextEdit*>(QStringLiteral("noteText"));
            QCOMPARE(edit->toPlainText(), QStringLiteral("Project 4711\n\nCustomer: Delta Works\n"));
            dialog.accept();
        }
        QCOMPARE(ReadText(QStringLiteral("NOTES.TXT")), QByteArray("Project 4711\r\n\r\nCustomer: Delta Works\r\n"));
        {
            VnNoteInputDialog dialog(nullptr);
            dialog.findChild<QPlainTextEdit*>(QStringLiteral("noteText"))->setPlainText(QStringLiteral("changed"));
            dialog.reject();
        }
        QCOMPARE(ReadText(QStringLiteral("NOTES.TXT")), QByteArray("Project 4711\r\n\r\nCustomer: Delta Works\r\n"));
        {
            // a line too long for a datasheet continues on the next line
            VnNoteInputDialog dialog(nullptr);
            dialog.findChild<QPlainTextEdit*>(QStringLiteral("noteText"))->setPlainText(QString(150, QLatin1Char('x')));
            dialog.accept();
        }
        QCOMPARE(ReadText(QStringLiteral("NOTES.TXT")), QByteArray(99, 'x') + "\r\n" + QByteArray(51, 'x') + "\r\n");
        {
            VnNoteInputDialog dialog(nullptr);
            dialog.findChild<QPlainTextEdit*>(QStringLiteral("noteText"))->clear();
            dialog.accept();
        }
        QVERIFY(QFile::exists(QStringLiteral("NOTES.TXT")));
        QCOMPARE(ReadText(QStringLiteral("NOTES.TXT")), QByteArray());
    }

    void DialogButtonsCarryTheirNumbers() {
        auto number = [](QWidget* dialog, int id) {
            for (QPushButton* b : dialog->findChildren<QPushButton*>())
                if (b->property("controlId").toInt() == id)
                    return b->text();
            return QStringLiteral("<none>");
        };
        VnSetup setup(nullptr, flavour::kPneumatic, SetupValues{}, nullptr);
        VnNoteInputDialog note(nullptr);
        for (QWidget* dialog : std::initializer_list<QWidget*>{&setup, &note}) {
            QCOMPARE(number(dialog, 1), QStringLiteral("OK"));
            QCOMPARE(number(dialog, 2), QStringLiteral("Cancel"));
        }
        VnAboutDlg about(nullptr, nullptr);
        QCOMPARE(number(&about, 1), QStringLiteral("OK"));
    }

    void OvertypeFlipsOncePerInsertPress() {
        ModalAnswers answers;
        auto app = Start(answers);
        auto* indicator = app->GetFrame()->findChild<QLabel*>(QStringLiteral("indicatorOvertype"));
        QVERIFY(indicator);
        // a field inside a group inside a dialog: the key is passed up through all of them
        QDialog dialog(app->GetClient());
        auto* group = new QWidget(&dialog);
        auto* field = new ptEditNum(group, 105, 0);
        dialog.show();
        const QString off = indicator->text();
        QTest::keyClick(field, Qt::Key_Insert);
        QCOMPARE(indicator->text(), QStringLiteral("OVR"));
        QTest::keyClick(field, Qt::Key_Insert);
        QCOMPARE(indicator->text(), off);
        QTest::keyClick(&dialog, Qt::Key_Insert);
        QCOMPARE(indicator->text(), QStringLiteral("OVR"));
    }

    void StyleDrawsTheOverflowArrowsAndLeavesOtherIconsToThePlatform() {
        VnStyle style;
        auto picture = [&style](QStyle::StandardPixmap which, Qt::LayoutDirection direction) {
            QStyleOption option;
            option.direction = direction;
            const QIcon icon = style.standardIcon(which, &option);
            return icon.pixmap(16, 16).toImage();
        };
        const QImage right = picture(QStyle::SP_ToolBarHorizontalExtensionButton, Qt::LeftToRight);
        const QImage left = picture(QStyle::SP_ToolBarHorizontalExtensionButton, Qt::RightToLeft);
        const QImage down = picture(QStyle::SP_ToolBarVerticalExtensionButton, Qt::LeftToRight);
        auto inked = [](const QImage& image, const QRect& area) {
            for (int y = area.top(); y <= area.bottom(); ++y)
                for (int x = area.left(); x <= area.right(); ++x)
                    if (qAlpha(image.pixel(x, y)) > 0)
                        return true;
            return false;
        };
        QVERIFY(inked(right, right.rect()));
        QVERIFY(!inked(right, QRect(0, 0, 16, 3))); // the arrows point along the row, not down
        QVERIFY(inked(down, QRect(0, 0, 16, 5)) && !inked(down, QRect(0, 0, 3, 16)));
        QCOMPARE(left, right.mirrored(true, false));
        QVERIFY(!style.standardIcon(QStyle::SP_MessageBoxWarning).isNull());
    }

    void NotesThatCannotBeWrittenSaySoAndKeepTheDialogOpen() {
        QDir().mkdir(QStringLiteral("NOTES.TXT")); // a folder where the file should be
        ModalAnswers answers;
        answers.ThenMessage(QMessageBox::Ok);
        VnNoteInputDialog dialog(nullptr);
        dialog.show();
        dialog.findChild<QPlainTextEdit*>(QStringLiteral("noteText"))->setPlainText(QStringLiteral("text"));
        dialog.accept();
        QVERIFY(answers.Texts.value(0).contains(QStringLiteral("NOTES.TXT")));
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.result(), 0);
    }
};

QTEST_MAIN(ShellTest)
#include "shell_test.moc"
