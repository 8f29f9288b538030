// The valve database editor of both programs, driven as a user does; what it wrote is
// read back with the database reader.
#include "core/data/read_status.h"
#include "core/report/file_faults.h"
#include "core/text/menu_table.h"
#include "gui/app/application.h"
#include "gui/app/client_area.h"
#include "gui/common/flavour.h"
#include "gui/controls/multi_list_box.h"
#include "gui/controls/number_edit.h"
#include "gui/editor/database_editor.h"
#include "modal.h"
#include "test_files.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

const char* ActuatorSample() {
    return flavour::kPneumatic ? "varnox-rp.kav" : "varnox-em.qu";
}

// The first page reads; the second carries the number 3, so the file counts as broken.
QByteArray BrokenDatabase() {
    return CrLfLines({"Broken valves", "2",        "1",   "First",    "DB-1", "2025-01-01", "1.2",  "0.6",
                      "0.3",           "Workshop", "1",   "50 40",    "3",    "Second",     "DB-2", "2025-01-01",
                      "1.2",           "0.6",      "0.3", "Workshop", "1",    "80 60"});
}

template <typename T> T* Control(QWidget* screen, int id) {
    for (T* w : screen->findChildren<T*>())
        if (w->property("controlId").toInt() == id)
            return w;
    return nullptr;
}

QStringList Column(ptMultiListBox* list, int c) {
    QStringList cells;
    for (int r = 0; r < list->RowCount(); ++r)
        cells << list->Column[c]->GetString(r);
    return cells;
}

QStringList Items(QComboBox* combo) {
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

} // namespace

class DatabaseEditorTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QString savedDir_;
    std::unique_ptr<ModalAnswers> answers_;
    std::unique_ptr<VnApp> app_;

    void Start(const char* units = "UNITS = METRIC") {
        for (const char* name : {"varnox-rp.kav", "varnox-em.qu", "ball-valves", "butterfly-valves"})
            QFile::copy(QStringLiteral(VN_SAMPLES "/") + QLatin1String(name), QLatin1String(name));
        const QByteArray actuator = QByteArray("ACTUATOR = ") + ActuatorSample();
        WriteText(QString::fromLatin1(flavour::kSettingsFile),
                  CrLfLines({"LANGUAGE = UK", actuator.constData(), "VALVE = ball-valves", units, "PRESSURE = 5.500000",
                             "PLACE = Rotterdam"}));
        answers_ = std::make_unique<ModalAnswers>();
        answers_->ThenAccept();
        app_ = std::make_unique<VnApp>();
        app_->InitMainWindow();
    }

    std::unique_ptr<VnDBaseEditDlg> Open(const QString& valveFile = QStringLiteral("ball-valves")) {
        auto screen = std::make_unique<VnDBaseEditDlg>(*app_, app_->GetClient(), valveFile.toStdString());
        screen->show();
        screen->activateWindow();
        [&] { QVERIFY(QTest::qWaitForWindowActive(screen.get())); }();
        return screen;
    }

    static void Click(QWidget* screen, int id) {
        QPushButton* button = Control<QPushButton>(screen, id);
        QVERIFY2(button, qPrintable(QString::number(id)));
        QTest::mouseClick(button, Qt::LeftButton);
    }
    static QString Text(QWidget* screen, int id) { return Control<QLineEdit>(screen, id)->text(); }
    static QComboBox* Pages(QWidget* screen) { return Control<QComboBox>(screen, 114); }
    static ptMultiListBox* Sizes(QWidget* screen) { return Control<ptMultiListBox>(screen, 103); }

    // Picks a page from the open list, as a user confirms an entry.
    static void Choose(QWidget* screen, int index) {
        QComboBox* combo = Pages(screen);
        combo->showPopup();
        QAbstractItemView* view = combo->view();
        view->setCurrentIndex(combo->model()->index(index, 0));
        QTest::keyClick(view, Qt::Key_Return);
        QCOMPARE(combo->currentIndex(), index);
    }

    // Replaces the text of a field by typing.
    static void Type(QLineEdit* field, const QString& text) {
        field->setFocus();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, text);
    }

    // Types each text into the field with that control number.
    static void Fill(QWidget* screen, const QList<QPair<int, QString>>& texts) {
        for (const auto& [id, text] : texts)
            Type(Control<QLineEdit>(screen, id), text);
    }
    static QStringList Texts(QWidget* screen, const QList<int>& ids) {
        QStringList texts;
        for (int id : ids)
            texts << Text(screen, id);
        return texts;
    }

    static void AppendSize(QWidget* screen, const char* size, const char* torque) {
        Type(Control<QLineEdit>(screen, 141), QString::fromLatin1(size));
        Type(Control<QLineEdit>(screen, 203), QString::fromLatin1(torque));
        Click(screen, 110);
    }

    static void SelectSize(QWidget* screen, int row) {
        ptListBox* column = Sizes(screen)->Column[0];
        const QRect where = column->visualItemRect(column->item(row));
        QTest::mouseClick(column->viewport(), Qt::LeftButton, {}, where.center());
        QCOMPARE(Sizes(screen)->GetSelIndex(), row);
    }

    QString SaveAs(QWidget* screen, const QString& name) {
        const QString path = QDir::current().absoluteFilePath(name);
        answers_->ThenChooseFile(path);
        Click(screen, 104);
        return path;
    }

    void CheckAnswered() {
        QVERIFY(answers_->AllAnswered());
        QCOMPARE(answers_->Unexpected, 0);
    }

private slots:
    void initTestCase() { QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs); }
    void init() { savedDir_ = EnterWorkFolder(dir_); }
    void cleanup() {
        app_.reset();
        answers_.reset();
        QDir::setCurrent(savedDir_);
    }

    void ShowsTheFirstPageOfTheSettingsFile() {
        Start();
        auto screen = Open();
        CheckAnswered();
        QCOMPARE(screen->objectName(), QStringLiteral("dialog104"));
        QCOMPARE(screen->windowTitle(), QStringLiteral("Database Sizing - Ball valves"));
        QCOMPARE(
            Items(Pages(screen.get())),
            (QStringList{"Floating ball, full bore, PTFE seats, PN40", "Floating ball, reduced bore, PTFE seats, PN16",
                         "Floating ball, metal seated, PN40", "Trunnion mounted ball, full bore, PN100"}));
        QCOMPARE(Texts(screen.get(), {105, 118, 115, 119, 202, 107, 108, 106, 140, 113}),
                 (QStringList{"ball-valves", "Ball valves", "1 of 4", "11", "1.2", "0.6", "0.3", "2024-03-18",
                              "VB-2140-C", "Bench test 2023"}));
        ptMultiListBox* list = Sizes(screen.get());
        QCOMPARE(list->Header[0]->GetString(0), QStringLiteral("Size"));
        QCOMPARE(list->Header[1]->GetString(0), QStringLiteral("Torque"));
        QCOMPARE(list->Header[1]->GetString(1), QStringLiteral("Nm"));
        QCOMPARE(Column(list, 0).mid(0, 2), (QStringList{"15.00", "20.00"}));
        QCOMPARE(Column(list, 1).mid(9), (QStringList{"240.0", "360.0"}));
        QCOMPARE(list->GetSelIndex(), 10);
        const QList<QPair<int, QString>> buttons{{116, "Browse"},   {111, "&Delete page"}, {112, "De&lete size"},
                                                 {117, "&Save"},    {109, "&Append page"}, {110, "A&ppend size"},
                                                 {104, "Save &As"}, {1, "&Close"}};
        for (const auto& [id, text] : buttons)
            QCOMPARE(Control<QPushButton>(screen.get(), id)->text(), text);

        Choose(screen.get(), 3);
        QCOMPARE(Texts(screen.get(), {115, 140}), (QStringList{"4 of 4", "VT-3100-B"}));
        QCOMPARE(Column(list, 1).last(), QStringLiteral("6500.0"));
        // looking around is no change
        QVERIFY(!screen->HasUnsavedChanges());

        // a long name shows its end
        QDir().mkpath(QStringLiteral("a folder with a rather long name/valves"));
        QFile::copy(QStringLiteral("ball-valves"),
                    QStringLiteral("a folder with a rather long name/valves/ball-valves"));
        const QString deepName =
            QDir::current().absoluteFilePath(QStringLiteral("a folder with a rather long name/valves/ball-valves"));
        auto deep = Open(deepName);
        QCOMPARE(Text(deep.get(), 105), QStringLiteral("...") + deepName.right(40));
        CheckAnswered();
    }

    void EditsReachTheFileOnSave() {
        Start();
        auto screen = Open();
        // rename the second page by typing into the list
        Choose(screen.get(), 1);
        QLineEdit* pageName = Pages(screen.get())->lineEdit();
        Type(pageName, QStringLiteral("Reduced bore, PN16"));
        Type(Control<QLineEdit>(screen.get(), 107), QStringLiteral("0.65"));
        // another page in between keeps both the typed name and the factor
        Choose(screen.get(), 0);
        QCOMPARE(Pages(screen.get())->itemText(1), QStringLiteral("Reduced bore, PN16"));
        Choose(screen.get(), 1);
        QCOMPARE(Text(screen.get(), 107), QStringLiteral("0.65"));

        // delete the third size of the second page
        SelectSize(screen.get(), 2);
        Click(screen.get(), 112);
        QCOMPARE(Text(screen.get(), 119), QStringLiteral("11"));
        QCOMPARE(Column(Sizes(screen.get()), 0).mid(1, 2), (QStringList{"20.00", "32.00"}));

        // delete the first page: the others move up
        Choose(screen.get(), 0);
        Click(screen.get(), 111);
        QCOMPARE(Pages(screen.get())->count(), 3);
        QCOMPARE(Text(screen.get(), 115), QStringLiteral("1 of 3"));
        QCOMPARE(Pages(screen.get())->currentText(), QStringLiteral("Reduced bore, PN16"));

        // append a page with two sizes
        Click(screen.get(), 109);
        QCOMPARE(Texts(screen.get(), {115, 119, 202, 140}), (QStringList{"4 of 4", "0", "0.0", ""}));
        QTest::keyClicks(Pages(screen.get())->lineEdit(), QStringLiteral("Segment ball, PN25"));
        Fill(screen.get(),
             {{202, "1.3"}, {107, "0.7"}, {108, "0.4"}, {140, "VS-2500"}, {106, "2026-01-15"}, {113, "Bench 2026"}});
        // an empty field appends nothing
        AppendSize(screen.get(), "50", "");
        QCOMPARE(Sizes(screen.get())->RowCount(), 0);
        AppendSize(screen.get(), "50", "55.5");
        AppendSize(screen.get(), "80", "120");
        QCOMPARE(Text(screen.get(), 119), QStringLiteral("2"));
        QCOMPARE(Column(Sizes(screen.get()), 0), (QStringList{"50.00", "80.00"}));
        QCOMPARE(Column(Sizes(screen.get()), 1), (QStringList{"55.5", "120.0"}));
        QCOMPARE(Sizes(screen.get())->GetSelIndex(), 1);
        QVERIFY(Text(screen.get(), 141).isEmpty());
        // Return in the torque field appends as well
        Fill(screen.get(), {{141, "100"}, {203, "180"}});
        QTest::keyClick(Control<QLineEdit>(screen.get(), 203), Qt::Key_Return);
        QVERIFY(screen->isVisible());
        QCOMPARE(Text(screen.get(), 119), QStringLiteral("3"));

        Type(Control<QLineEdit>(screen.get(), 118), QStringLiteral("Ball valves 2026"));
        QTest::keyClick(Control<QLineEdit>(screen.get(), 118), Qt::Key_Tab);
        QCOMPARE(screen->windowTitle(), QStringLiteral("Database Sizing - Ball valves 2026"));

        Click(screen.get(), 117);
        CheckAnswered();
        QVERIFY(!screen->HasUnsavedChanges());
        TorqueDatabase db("ball-valves");
        QCOMPARE(db.status, int(ReadComplete));
        QCOMPARE(db.valveName, std::string("Ball valves 2026"));
        QCOMPARE(db.GetPageCount(), 4);
        for (int k = 0; k < 4; ++k)
            QCOMPARE(db.pages[k].number, k + 1);
        QCOMPARE(db.pages[0].name, std::string("Reduced bore, PN16"));
        QCOMPARE(db.pages[0].seatFactor, 0.65f);
        QCOMPARE(db.pages[0].SizeCount(), 11);
        QCOMPARE(db.pages[0].sizes[2].size, 32.0f);
        QCOMPARE(db.pages[1].name, std::string("Floating ball, metal seated, PN40"));
        const ValvePage& added = db.pages[3];
        QCOMPARE(added.name + "|" + added.drawingNr + "|" + added.dataDate + "|" + added.from,
                 std::string("Segment ball, PN25|VS-2500|2026-01-15|Bench 2026"));
        QCOMPARE(added.safetyFactor, 1.3f);
        QCOMPARE(added.runFactor, 0.4f);
        QCOMPARE(added.SizeCount(), 3);
        QCOMPARE(added.sizes[0].torque, 55.5f);
        QCOMPARE(added.sizes[2].size, 100.0f);

        // Save As: the copy takes further saves, the first file stays as it was
        const QByteArray first = ReadText(QStringLiteral("ball-valves"));
        Type(Control<QLineEdit>(screen.get(), 113), QStringLiteral("Bench 2027"));
        const QString copy = SaveAs(screen.get(), QStringLiteral("ball-valves-2027"));
        CheckAnswered();
        QCOMPARE(answers_->Captions.value(0), QStringLiteral("Enter or Selecr Valve File"));
        QCOMPARE(Text(screen.get(), 105), QStringLiteral("...") + copy.right(40));
        QCOMPARE(TorqueDatabase(copy.toStdString()).pages[3].from, std::string("Bench 2027"));
        // the editor starts over on the copy: its first page, the page list read anew
        QCOMPARE(Pages(screen.get())->currentIndex(), 0);
        QCOMPARE(Pages(screen.get())->count(), 4);
        QCOMPARE(Text(screen.get(), 115), QStringLiteral("1 of 4"));
        Choose(screen.get(), 1);
        Click(screen.get(), 111);
        Click(screen.get(), 117);
        CheckAnswered();
        QCOMPARE(TorqueDatabase(copy.toStdString()).GetPageCount(), 3);
        QCOMPARE(ReadText(QStringLiteral("ball-valves")), first);
    }

    void APageWithoutSizesIsNotWritten() {
        Start();
        const QByteArray before = ReadText(QStringLiteral("ball-valves"));
        const QStringList files = QDir().entryList(QDir::Files);
        auto screen = Open();
        Click(screen.get(), 109);
        QTest::keyClicks(Pages(screen.get())->lineEdit(), QStringLiteral("Empty series"));
        Choose(screen.get(), 0);
        answers_->ThenMessage(QMessageBox::Ok);
        Click(screen.get(), 117);
        CheckAnswered();
        QCOMPARE(answers_->Captions.value(0), QStringLiteral("An error occurred..."));
        QCOMPARE(answers_->Texts.value(0), QStringLiteral("The page 5 \"Empty series\" has no sizes. Append a size to "
                                                          "it or delete it, then save again."));
        QCOMPARE(ReadText(QStringLiteral("ball-valves")), before);
        // the page in question is shown, ready for its sizes
        QCOMPARE(Text(screen.get(), 115), QStringLiteral("5 of 5"));

        // Save As refuses before it asks for a name
        answers_->ThenMessage(QMessageBox::Ok);
        Click(screen.get(), 104);
        CheckAnswered();
        QCOMPARE(answers_->Texts.size(), 2);
        QCOMPARE(QDir().entryList(QDir::Files), files);

        AppendSize(screen.get(), "25", "12");
        Click(screen.get(), 117);
        CheckAnswered();
        TorqueDatabase db("ball-valves");
        QCOMPARE(db.status, int(ReadComplete));
        QCOMPARE(db.pages[4].name, std::string("Empty series"));

        // nor a database without pages
        const QByteArray saved = ReadText(QStringLiteral("ball-valves"));
        for (int k = 0; k < 5; ++k)
            Click(screen.get(), 111);
        QCOMPARE(Pages(screen.get())->count(), 0);
        QVERIFY(!Control<QPushButton>(screen.get(), 111)->isEnabled());
        answers_->ThenMessage(QMessageBox::Ok);
        Click(screen.get(), 117);
        CheckAnswered();
        QCOMPARE(answers_->Texts.value(2), QStringLiteral("The valve database has no pages. Append a page with at "
                                                          "least one size, then save again."));
        QCOMPARE(ReadText(QStringLiteral("ball-valves")), saved);
    }

    void ImperialShowsAndTakesInLb() {
        Start("UNITS = IMPERIAL");
        auto screen = Open();
        ptMultiListBox* list = Sizes(screen.get());
        QCOMPARE(list->Header[1]->GetString(1), QStringLiteral("in.lb"));
        QCOMPARE(Control<QLabel>(screen.get(), 201)->text(), QStringLiteral("in.lb"));
        // 8 Nm and 360 Nm
        QCOMPARE(Column(list, 1).first(), QStringLiteral("70.8"));
        QCOMPARE(Column(list, 1).last(), QStringLiteral("3186.0"));
        AppendSize(screen.get(), "200", "8850");
        QCOMPARE(Column(list, 1).last(), QStringLiteral("8850.0"));
        Click(screen.get(), 117);
        CheckAnswered();
        // the file holds Nm, the untouched sizes as they were
        TorqueDatabase db("ball-valves");
        QCOMPARE(db.pages[0].SizeCount(), 12);
        QVERIFY(qAbs(db.pages[0].sizes[11].torque - 1000.0f) < 0.001f);
        QCOMPARE(db.pages[0].sizes[0].torque, 8.0f);
        QVERIFY(ReadText(QStringLiteral("ball-valves")).contains("\r\n15.0       8.0\r\n20.0       10.0\r\n"));
    }

    void ClosingAsksAboutChangesNotSaved() {
        Start();
        const QByteArray before = ReadText(QStringLiteral("ball-valves"));
        {
            // nothing changed: no question
            auto screen = Open();
            Choose(screen.get(), 2);
            Click(screen.get(), 1);
            QVERIFY(!screen->isVisible());
            CheckAnswered();
        }
        {
            auto screen = Open();
            Type(Control<QLineEdit>(screen.get(), 202), QStringLiteral("1.4"));
            answers_->ThenMessage(QMessageBox::Cancel);
            Click(screen.get(), 1);
            CheckAnswered();
            QVERIFY(screen->isVisible());
            QCOMPARE(answers_->Captions.value(0), QStringLiteral("Database Sizing - Ball valves"));
            QCOMPARE(answers_->Texts.value(0),
                     QStringLiteral("The valve database has changes that are not saved. Do you want to save them?"));
            // the same question on Escape
            answers_->ThenMessage(QMessageBox::Discard);
            QTest::keyClick(screen.get(), Qt::Key_Escape);
            CheckAnswered();
            QVERIFY(!screen->isVisible());
            QCOMPARE(ReadText(QStringLiteral("ball-valves")), before);
        }
        {
            // a value typed back to what it was is no change
            auto screen = Open();
            Type(Control<QLineEdit>(screen.get(), 202), QStringLiteral("1.4"));
            Type(Control<QLineEdit>(screen.get(), 202), QStringLiteral("1.2"));
            Click(screen.get(), 1);
            QVERIFY(!screen->isVisible());
            CheckAnswered();
        }
        {
            auto screen = Open();
            Click(screen.get(), 109);
            // Save refused: the editor stays open with its pages
            answers_->ThenMessage(QMessageBox::Save);
            answers_->ThenMessage(QMessageBox::Ok);
            Click(screen.get(), 1);
            CheckAnswered();
            QVERIFY(screen->isVisible());
            QCOMPARE(Pages(screen.get())->count(), 5);
            Click(screen.get(), 111);
            Choose(screen.get(), 3);
            SelectSize(screen.get(), 0);
            Click(screen.get(), 112);
            answers_->ThenMessage(QMessageBox::Save);
            Click(screen.get(), 1);
            CheckAnswered();
            QVERIFY(!screen->isVisible());
        }
        TorqueDatabase db("ball-valves");
        QCOMPARE(db.status, int(ReadComplete));
        QCOMPARE(db.pages[3].SizeCount(), 8);
        QCOMPARE(db.pages[3].sizes[0].size, 65.0f);
    }

    void BrowseTakesOnlyAFileThatReads() {
        Start();
        WriteText(QStringLiteral("broken"), BrokenDatabase());
        auto screen = Open();
        const QString folder = QDir::currentPath();

        answers_->ThenChooseFile(QDir(folder).filePath(QStringLiteral("butterfly-valves")));
        Click(screen.get(), 116);
        CheckAnswered();
        QCOMPARE(answers_->Captions.value(0), QStringLiteral("Select Valve File"));
        QCOMPARE(screen->windowTitle(), QStringLiteral("Database Sizing - Butterfly valves"));
        QCOMPARE(Text(screen.get(), 115), QStringLiteral("1 of 4"));
        QCOMPARE(Text(screen.get(), 119), QStringLiteral("13"));
        QVERIFY(Text(screen.get(), 105).endsWith(QLatin1String("butterfly-valves")));

        answers_->ThenChooseFile(QDir(folder).filePath(QStringLiteral("broken")));
        answers_->ThenMessage(QMessageBox::Ok);
        Click(screen.get(), 116);
        CheckAnswered();
        QCOMPARE(answers_->Captions.value(2), QStringLiteral("An error occurred..."));
        QCOMPARE(answers_->Texts.value(0),
                 QStringLiteral("There was an error during reading the Valve file, Continuing with old file."));
        QCOMPARE(screen->GetDatabase().valveName, std::string("Butterfly valves"));
        QCOMPARE(screen->windowTitle(), QStringLiteral("Database Sizing - Butterfly valves"));
        QCOMPARE(Pages(screen.get())->count(), 4);

        // with changes not saved, the question comes first; Cancel goes no further
        Type(Control<QLineEdit>(screen.get(), 113), QStringLiteral("Other source"));
        answers_->ThenMessage(QMessageBox::Cancel);
        Click(screen.get(), 116);
        CheckAnswered();
        QCOMPARE(Text(screen.get(), 113), QStringLiteral("Other source"));
    }

    void AFailedSaveLeavesTheFile() {
        Start();
        const QByteArray before = ReadText(QStringLiteral("ball-valves"));
        auto screen = Open();
        Type(Control<QLineEdit>(screen.get(), 140), QStringLiteral("CHANGED"));

        // the temporary file cannot be made
        file_faults::FailCreate(true);
        answers_->ThenMessage(QMessageBox::Ok);
        Click(screen.get(), 117);
        file_faults::Reset();
        CheckAnswered();
        QCOMPARE(answers_->Captions.value(0), QStringLiteral("An error occurred..."));
        QVERIFY(answers_->Texts.value(0).startsWith(QLatin1String("The file ball-valves could not be written.")));
        QCOMPARE(ReadText(QStringLiteral("ball-valves")), before);
        QVERIFY(screen->HasUnsavedChanges());

        // a folder that does not exist: the database keeps its file
        const QString missing = QDir::current().absoluteFilePath(QStringLiteral("gone/ball-valves"));
        answers_->ThenChooseFile(missing);
        answers_->ThenMessage(QMessageBox::Ok);
        Click(screen.get(), 104);
        CheckAnswered();
        QCOMPARE(answers_->Captions.value(2), QStringLiteral("An error occurred..."));
        QVERIFY(answers_->Texts.value(1).contains(missing));
        QVERIFY(!QFile::exists(missing));
        QCOMPARE(Text(screen.get(), 105), QStringLiteral("ball-valves"));

        // the file's name now belongs to a folder
        QVERIFY(QFile::rename(QStringLiteral("ball-valves"), QStringLiteral("kept")));
        QVERIFY(QDir().mkdir(QStringLiteral("ball-valves")));
        answers_->ThenMessage(QMessageBox::Ok);
        Click(screen.get(), 117);
        CheckAnswered();
        QVERIFY(QFileInfo(QStringLiteral("ball-valves")).isDir());
        QCOMPARE(ReadText(QStringLiteral("kept")), before);
        QCOMPARE(answers_->Texts.size(), 3);
    }

    void OpenAndSaveChangesNoByte_data() {
        QTest::addColumn<QString>("source");
        QTest::newRow("ball") << QStringLiteral(VN_SAMPLES "/ball-valves");
        QTest::newRow("butterfly") << QStringLiteral(VN_SAMPLES "/butterfly-valves");
        // sizes, torques and factors that one decimal would round
        QTest::newRow("precise") << QStringLiteral(VN_TEST_DATA "/db_edit_precise");
    }

    void OpenAndSaveChangesNoByte() {
        QFETCH(QString, source);
        Start();
        QFile::remove(QStringLiteral("valves"));
        QVERIFY(QFile::copy(source, QStringLiteral("valves")));
        const QByteArray before = ReadText(QStringLiteral("valves"));
        auto screen = Open(QStringLiteral("valves"));
        // every page shown and every field visited
        for (int p = 0; p < Pages(screen.get())->count(); ++p) {
            Choose(screen.get(), p);
            for (int id : {202, 107, 108, 106, 140, 113}) {
                Control<QLineEdit>(screen.get(), id)->setFocus();
                QTest::keyClick(Control<QLineEdit>(screen.get(), id), Qt::Key_End);
            }
        }
        QVERIFY(!screen->HasUnsavedChanges());
        Click(screen.get(), 117);
        const QString copy = SaveAs(screen.get(), QStringLiteral("copy"));
        CheckAnswered();
        QCOMPARE(ReadText(QStringLiteral("valves")), before);
        QCOMPARE(ReadText(copy), before);
    }

    void AFileThatReadPartlyIsNotOverwrittenUnasked() {
        Start();
        WriteText(QStringLiteral("broken"), BrokenDatabase());
        auto screen = Open(QStringLiteral("broken"));
        QCOMPARE(Pages(screen.get())->count(), 1);
        answers_->ThenMessage(QMessageBox::No);
        Click(screen.get(), 117);
        CheckAnswered();
        QVERIFY(answers_->Texts.value(0).startsWith(QLatin1String("The file ")));
        QVERIFY(answers_->Texts.value(0).endsWith(QLatin1String(" did not read completely. Saving replaces it with "
                                                                "what the editor holds. Save anyway?")));
        QCOMPARE(ReadText(QStringLiteral("broken")), BrokenDatabase());

        // another name needs no question
        const QString copy = SaveAs(screen.get(), QStringLiteral("repaired"));
        CheckAnswered();
        QCOMPARE(TorqueDatabase(copy.toStdString()).status, int(ReadComplete));
        QCOMPARE(ReadText(QStringLiteral("broken")), BrokenDatabase());
    }

    void OpensFromTheMenu() {
        Start();
        QPointer<VnDBaseEditDlg> seen;
        QString caption;
        answers_->Then([&](QWidget* w) {
            seen = qobject_cast<VnDBaseEditDlg*>(w);
            if (!seen)
                return;
            caption = w->windowTitle();
            Click(w, 1);
        });
        const int command = flavour::kPneumatic ? cmd::DatabaseEdit : cmd::ElectricDatabaseEdit;
        app_->GetClient()->Command(command);
        CheckAnswered();
        QCOMPARE(caption, QStringLiteral("Database Sizing - Ball valves"));
        QVERIFY(!seen); // destroyed after its modal run

        // the file check: no editor for a valve file that is gone
        QFile::remove(QStringLiteral("ball-valves"));
        answers_->ThenMessage(QMessageBox::Ok);
        app_->GetClient()->Command(command);
        CheckAnswered();
        QVERIFY(answers_->Texts.value(0).startsWith(QLatin1String("The selected files from your settings")));
    }
};

QTEST_MAIN(DatabaseEditorTest)
#include "database_editor_test.moc"
