// Every save the user can trigger, on a disk that fails: a write that breaks off midway,
// one that cannot start, and a finished file that cannot replace the old one. Each
// shows a message and leaves the previous file byte for byte.
#include "core/report/file_faults.h"
#include "core/text/menu_table.h"
#include "gui/app/application.h"
#include "gui/app/main_frame.h"
#include "gui/app/note_dialog.h"
#include "gui/common/flavour.h"
#include "gui/editor/database_editor.h"
#include "gui/screens/screen.h"
#include "modal.h"
#include "test_files.h"

#include <QDir>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstring>

namespace {

class SheetScreen : public VnScreen {
public:
    SheetScreen(VnApp& app) : VnScreen(app, nullptr) { setWindowTitle(QStringLiteral("Test Sheet - range")); }

protected:
    std::vector<std::string> DatasheetBody() const override { return {"a body line"}; }
};

void Inject(int kind) {
    switch (kind) {
    case 0:
        file_faults::FailWritesAfter(5);
        break;
    case 1:
        file_faults::FailCreate(true);
        break;
    default:
        file_faults::FailRename(true);
        break;
    }
}

const char* KindName(int kind) {
    static const char* names[] = {"midway", "create", "rename"};
    return names[kind];
}

bool IsWriteError(const QString& text, const QString& name) {
    return text.contains(QStringLiteral("could not be written")) && text.contains(name);
}

} // namespace

class FileFaultsUiTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QString saved_;
    std::unique_ptr<VnApp> app_;
    std::unique_ptr<ModalAnswers> answers_;

    void Start() {
        WriteText(QString::fromLatin1(flavour::kSettingsFile), CrLfLines({"PLACE = Old place"}));
        answers_ = std::make_unique<ModalAnswers>();
        answers_->ThenAccept();
        app_ = std::make_unique<VnApp>();
        app_->InitMainWindow();
    }

private slots:
    void initTestCase() { QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs); }
    void init() { saved_ = EnterWorkFolder(dir_); }
    void cleanup() {
        file_faults::Reset();
        app_.reset();
        answers_.reset();
        QDir::setCurrent(saved_);
    }

    void SettingsFromSetup() {
        for (int kind = 0; kind < 3; ++kind) {
            Start();
            const QByteArray before = ReadText(QString::fromLatin1(flavour::kSettingsFile));
            Inject(kind);
            answers_->ThenAccept();
            answers_->ThenMessage(QMessageBox::Ok);
            app_->GetFrame()->Command(cmd::Setup);
            file_faults::Reset();
            QVERIFY2(IsWriteError(answers_->Texts.value(0), QString::fromLatin1(flavour::kSettingsFile)),
                     KindName(kind));
            QCOMPARE(answers_->Captions.value(0), QStringLiteral("An error occurred..."));
            QCOMPARE(ReadText(QString::fromLatin1(flavour::kSettingsFile)), before);
            cleanup();
            init();
        }
    }

    void Notes() {
        for (int kind = 0; kind < 3; ++kind) {
            WriteText(QStringLiteral("NOTES.TXT"), "Old note\r\n");
            ModalAnswers answers;
            answers.ThenMessage(QMessageBox::Ok);
            VnNoteInputDialog dialog(nullptr);
            dialog.show();
            dialog.findChild<QPlainTextEdit*>(QStringLiteral("noteText"))->setPlainText(QStringLiteral("New note"));
            Inject(kind);
            dialog.accept();
            file_faults::Reset();
            QVERIFY2(IsWriteError(answers.Texts.value(0), QStringLiteral("NOTES.TXT")), KindName(kind));
            // and says why, in the system's words
            const QString reason = QString::fromLocal8Bit(std::strerror(kind == 0 ? ENOSPC : EACCES));
            QVERIFY2(answers.Texts.value(0).endsWith(QStringLiteral("\n\n") + reason),
                     qPrintable(answers.Texts.value(0)));
            QVERIFY(dialog.isVisible()); // the typed note is still there to save again
            QCOMPARE(ReadText(QStringLiteral("NOTES.TXT")), QByteArray("Old note\r\n"));
        }
    }

    void ToFileAndPrint() {
        Start();
        app_->SetToday([] { return DatasheetDate{6, 12, 2026}; });
        SheetScreen screen(*app_);
        screen.SetListFileName(QDir::current().filePath(QStringLiteral("LIST.TXT")));
        for (int kind = 0; kind < 3; ++kind) {
            WriteText(QStringLiteral("sheet.txt"), "old sheet\r\n");
            WriteText(QStringLiteral("LIST.TXT"), "old list\r\n");
            Inject(kind);
            answers_->ThenChooseFile(QDir::current().filePath(QStringLiteral("sheet.txt")));
            answers_->ThenMessage(QMessageBox::Yes); // replace the existing file?
            answers_->ThenMessage(QMessageBox::Ok);
            screen.CmToFile();
            QVERIFY2(IsWriteError(answers_->Texts.value(answers_->Texts.size() - 1), QStringLiteral("sheet.txt")),
                     KindName(kind));
            QCOMPARE(ReadText(QStringLiteral("sheet.txt")), QByteArray("old sheet\r\n"));

            // Print builds the list file first; when that fails nothing is printed
            answers_->ThenMessage(QMessageBox::Ok);
            screen.CmPrint();
            file_faults::Reset();
            QVERIFY2(IsWriteError(answers_->Texts.last(), QStringLiteral("LIST.TXT")), KindName(kind));
            QCOMPARE(ReadText(QStringLiteral("LIST.TXT")), QByteArray("old list\r\n"));
            QVERIFY(answers_->AllAnswered());
        }
        QCOMPARE(answers_->Unexpected, 0);
        QVERIFY(QDir().entryList({QStringLiteral("*.~*")}).isEmpty());
    }

    void ValveDatabaseSaveAndSaveAs() {
        Start();
        QFile::copy(QStringLiteral(VN_SAMPLES "/ball-valves"), QStringLiteral("valves"));
        const QByteArray before = ReadText(QStringLiteral("valves"));
        for (int kind = 0; kind < 3; ++kind) {
            VnDBaseEditDlg editor(*app_, nullptr, "valves");
            editor.show();
            editor.CmAppendPage(); // an unsaved change
            editor.CmDeletePage();
            Inject(kind);
            answers_->ThenMessage(QMessageBox::Ok);
            editor.CmSave();
            QVERIFY2(IsWriteError(answers_->Texts.last(), QStringLiteral("valves")), KindName(kind));
            answers_->ThenChooseFile(QDir::current().filePath(QStringLiteral("copy")));
            answers_->ThenMessage(QMessageBox::Ok);
            editor.CmSaveAs();
            file_faults::Reset();
            QVERIFY2(IsWriteError(answers_->Texts.last(), QStringLiteral("copy")), KindName(kind));
            QCOMPARE(ReadText(QStringLiteral("valves")), before);
            QVERIFY(!QFile::exists(QStringLiteral("copy")));
            editor.done(QDialog::Accepted);
        }
    }
};

QTEST_MAIN(FileFaultsUiTest)
#include "file_faults_ui_test.moc"
