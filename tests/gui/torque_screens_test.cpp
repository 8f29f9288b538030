// The torque tables and the double-acting sizing screen of the pneumatic program,
// driven as a user does, against a small range whose torques are worked out by hand.
#include "core/text/menu_table.h"
#include "gui/app/application.h"
#include "gui/app/client_area.h"
#include "gui/common/flavour.h"
#include "gui/controls/multi_list_box.h"
#include "gui/controls/number_edit.h"
#include "gui/screens/double_acting_sizing_screen.h"
#include "gui/screens/double_acting_torque_screen.h"
#include "gui/screens/spring_return_torque_screen.h"
#include "modal.h"
#include "test_files.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Double-acting torque 20p - 50, 50p - 12 and 100p. Spring units estimated as
// trunc(0.5p + 0.5), trunc(p + 0.7) and trunc(0.5p + 0.5), at most 6, 12 and 4.
QByteArray Range() {
    QByteArray out = CrLfLines({"Test range", "3", "", "", ""});
    out += CrLfLines(
        {"DA", "SR", "10", "50", "20", "10", "8", "30", "5", "12", "6", "0", "0.1", "0.5", "0.5", "0", "6", "2"});
    out += CrLfLines(
        {"DA", "SR", "20", "12", "50", "25", "20", "70", "10", "30", "15", "0", "0.2", "1", "1", "0.2", "12", "2"});
    out += CrLfLines(
        {"DA", "SR", "30", "0", "100", "4", "3", "10", "30", "5", "2", "0", "0.3", "0.5", "0.5", "0", "4", "1"});
    return out;
}

QStringList Row(ptMultiListBox* list, int row) {
    QStringList cells;
    for (int c = 0; c < list->GetNumColumns(); ++c)
        cells << list->Column[c]->GetString(row);
    return cells;
}

QList<QStringList> Rows(ptMultiListBox* list) {
    QList<QStringList> rows;
    for (int r = 0; r < list->RowCount(); ++r)
        rows << Row(list, r);
    return rows;
}

QStringList Header(ptMultiListBox* list, int column) {
    QStringList lines;
    for (int k = 0; k < list->Header[column]->GetCount(); ++k)
        lines << list->Header[column]->GetString(k);
    return lines;
}

ptEditNum* Field(QWidget* screen, int id) {
    return screen->findChild<ptEditNum*>(QStringLiteral("edit%1").arg(id));
}

QPushButton* Button(QWidget* screen, int id) {
    return screen->findChild<QPushButton*>(QStringLiteral("button%1").arg(id));
}

QLabel* Label(QWidget* screen, int id) {
    for (QLabel* label : screen->findChildren<QLabel*>())
        if (label->property("controlId").toInt() == id)
            return label;
    return nullptr;
}

void Click(QWidget* screen, int id) {
    QPushButton* button = Button(screen, id);
    QVERIFY2(button, qPrintable(QString::number(id)));
    QTest::mouseClick(button, Qt::LeftButton);
}

// The lines of a text file with CR LF endings.
QStringList SheetLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {QStringLiteral("cannot open ") + path};
    QStringList lines = QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace

class TorqueScreensTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QString savedDir_;
    std::unique_ptr<VnApp> app_;
    std::unique_ptr<ModalAnswers> answers_;

    // The program started in the test folder on the test range.
    void Start(const char* units, const char* pressure, const QByteArray& range = Range()) {
        WriteText(QStringLiteral("range.kav"), range);
        WriteText(QStringLiteral("valves"), "");
        WriteText(
            QString::fromLatin1(flavour::kSettingsFile),
            CrLfLines({"LANGUAGE = UK", "ACTUATOR = range.kav", "VALVE = valves", units, pressure, "PLACE = Delft"}));
        answers_ = std::make_unique<ModalAnswers>();
        answers_->ThenAccept();
        app_ = std::make_unique<VnApp>();
        app_->InitMainWindow();
        app_->SetToday([] { return DatasheetDate{6, 12, 2026}; });
    }

    template <class Screen> std::unique_ptr<Screen> Open() {
        auto screen = std::make_unique<Screen>(*app_, app_->GetClient(), "range.kav");
        screen->SetListFileName(QStringLiteral("LIST_KAV.TXT"));
        screen->show();
        screen->activateWindow();
        if (!QTest::qWaitForWindowActive(screen.get()))
            qWarning("screen did not become active");
        return screen;
    }

    // Focus into the field, new text, focus out to the Close button: what the change rule sees.
    static void Retype(QWidget* screen, int id, const char* value) {
        ptEditNum* field = Field(screen, id);
        // after a message box the screen need not be the active window again
        screen->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(screen));
        field->setFocus();
        QCOMPARE(QApplication::focusWidget(), field);
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, QString::fromLatin1(value));
        Button(screen, 2)->setFocus();
    }

    static void Size(QWidget* screen, const char* torque) {
        Retype(screen, 203, torque);
        Click(screen, 102);
    }

    // To File into a new file of the test folder; the path of the sheet.
    QString ToFile(QWidget* screen, const QString& name) {
        const QString path = QDir::current().filePath(name);
        answers_->Then([path](QWidget* w) {
            auto* dialog = qobject_cast<QFileDialog*>(w);
            QVERIFY(dialog);
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Select textfile for output"));
            dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(path);
            dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"))->button(QDialogButtonBox::Save)->click();
        });
        Click(screen, 400);
        return path;
    }

    void CheckSheet(const QString& written, const char* expectedName) {
        const QStringList actual = SheetLines(written);
        const QStringList expected = SheetLines(QStringLiteral(VN_TEST_DATA "/") + expectedName);
        for (int i = 0; i < std::min(actual.size(), expected.size()); ++i)
            QVERIFY2(actual[i] == expected[i],
                     qPrintable(QStringLiteral("line %1: '%2', expected '%3'").arg(i + 1).arg(actual[i], expected[i])));
        QCOMPARE(actual.size(), expected.size());
    }

    void CheckNoDialogsLeft() {
        QCOMPARE(answers_->Unexpected, 0);
        QVERIFY(answers_->AllAnswered());
    }

private slots:
    void initTestCase() { QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs); }
    void init() { savedDir_ = EnterWorkFolder(dir_); }
    void cleanup() {
        app_.reset();
        answers_.reset();
        QDir::setCurrent(savedDir_);
    }

    void DoubleActingTableIsFullOnOpeningAndFollowsThePressure() {
        if (!flavour::kPneumatic)
            QSKIP("pneumatic screen");
        Start("UNITS = METRIC", "PRESSURE = 6.000000");
        auto screen = Open<VnTorDouble>();
        ptMultiListBox* list = screen->GetResultList();
        QCOMPARE(screen->property("dialogId").toInt(), 102);
        QCOMPARE(screen->windowTitle(), QStringLiteral("Torque Double Acting - Test range"));
        QCOMPARE(Label(screen.get(), 106)->text(), QStringLiteral("bar"));
        QCOMPARE(Header(list, 0), QStringList{"Actuator"});
        QCOMPARE(Header(list, 1), (QStringList{"Torque", "[Nm]"}));
        QVERIFY(!Button(screen.get(), 120)); // no Clear on this screen
        QCOMPARE(Rows(list), (QList<QStringList>{{"DA 10", "70"}, {"DA 20", "288"}, {"DA 30", "600"}}));

        // 2 bar is the lowest pressure accepted; torques are not clamped
        Retype(screen.get(), 105, "2");
        QCOMPARE(list->RowCount(), 0);
        Click(screen.get(), 102);
        QCOMPARE(Rows(list), (QList<QStringList>{{"DA 10", "-10"}, {"DA 20", "88"}, {"DA 30", "200"}}));

        // leaving the field with the same value keeps the table
        Retype(screen.get(), 105, "2.0");
        QCOMPARE(list->RowCount(), 3);

        // a rejected pressure leaves an empty table, not the last one (the field is set
        // without a focus change, so the change rule keeps out of it)
        answers_->ThenMessage(QMessageBox::Ok);
        Field(screen.get(), 105)->setText(QStringLiteral("10.01"));
        Click(screen.get(), 102);
        QCOMPARE(list->RowCount(), 0);
        answers_->ThenMessage(QMessageBox::Ok);
        Retype(screen.get(), 105, "");
        Click(screen.get(), 102);
        QCOMPARE(answers_->Texts, (QStringList{"Pressure too high", "Pressure too low"}));
        QCOMPARE(answers_->Captions, (QStringList{"An error occurred...", "An error occurred..."}));

        Retype(screen.get(), 105, "10");
        Click(screen.get(), 102);
        QCOMPARE(Row(list, 0), (QStringList{"DA 10", "150"}));
        CheckNoDialogsLeft();
    }

    void DoubleActingOpenedAtTooHighAPressureShowsOneMessageAndNoTable() {
        if (!flavour::kPneumatic)
            QSKIP("pneumatic screen");
        Start("UNITS = METRIC", "PRESSURE = 12.000000");
        answers_->ThenMessage(QMessageBox::Ok);
        auto screen = Open<VnTorDouble>();
        QCOMPARE(answers_->Texts, QStringList{"Pressure too high"});
        QCOMPARE(screen->GetResultList()->RowCount(), 0);
        CheckNoDialogsLeft();
    }

    void DoubleActingInImperialUnits() {
        if (!flavour::kPneumatic)
            QSKIP("pneumatic screen");
        // 87 psi is 6 bar; torques are shown in in.lb
        Start("UNITS = IMPERIAL", "PRESSURE = 87.000000");
        auto screen = Open<VnTorDouble>();
        ptMultiListBox* list = screen->GetResultList();
        QCOMPARE(Label(screen.get(), 106)->text(), QStringLiteral("psi"));
        QCOMPARE(Header(list, 1), (QStringList{"Torque", "[in.lb]"}));
        QCOMPARE(Rows(list), (QList<QStringList>{{"DA 10", "620"}, {"DA 20", "2549"}, {"DA 30", "5310"}}));

        // 29 psi is 2 bar and passes; 28.9 psi does not
        Retype(screen.get(), 105, "29");
        Click(screen.get(), 102);
        QCOMPARE(Row(list, 0), (QStringList{"DA 10", "-89"}));
        answers_->ThenMessage(QMessageBox::Ok);
        Retype(screen.get(), 105, "28.9");
        Click(screen.get(), 102);
        QCOMPARE(answers_->Texts, QStringList{"Pressure too low"});
        QCOMPARE(list->RowCount(), 0);
        CheckNoDialogsLeft();
    }

    void SpringReturnTableWithTheSpringOffset() {
        if (!flavour::kPneumatic)
            QSKIP("pneumatic screen");
        Start("UNITS = METRIC", "PRESSURE = 6.000000");
        auto screen = Open<VnTorSpringRetDlg>();
        QWidget* s = screen.get();
        ptMultiListBox* list = screen->GetResultList();
        QCOMPARE(screen->property("dialogId").toInt(), 103);
        QCOMPARE(screen->windowTitle(), QStringLiteral("Torque Spring Return - Test range"));
        QCOMPARE(Header(list, 0), QStringList{"Actuator"});
        QCOMPARE(Header(list, 1), (QStringList{"Air Start", "[Nm]"}));
        QCOMPARE(Header(list, 2), (QStringList{"Air End", "[Nm]"}));
        QCOMPARE(Header(list, 3), (QStringList{"Spring Start", "[Nm]"}));
        QCOMPARE(Header(list, 4), (QStringList{"Spring End", "[Nm]"}));
        QCOMPARE(Header(list, 5), (QStringList{"Spring", "Set"}));
        QVERIFY(!Button(s, 120));

        // nothing is calculated on opening
        QCOMPARE(Label(s, 104)->text(), QStringLiteral("Added"));
        QCOMPARE(Field(s, 101)->text(), QStringLiteral("0"));
        QCOMPARE(list->RowCount(), 0);

        Click(s, 102);
        const QList<QStringList> estimated{{"SR 10", "139", "157", "30", "24", "6"},
                                           {"SR 20", "230", "320", "150", "120", "12"},
                                           {"SR 30", "15", "24", "12", "9", "3"}};
        QCOMPARE(Rows(list), estimated);

        // two units less; the smallest actuators stop at one unit
        Click(s, 18);
        Click(s, 18);
        QCOMPARE(Label(s, 104)->text(), QStringLiteral("Removed"));
        QCOMPARE(Field(s, 101)->text(), QStringLiteral("2"));
        QCOMPARE(screen->GetSpringOffset(), -2);
        QCOMPARE(Rows(list), (QList<QStringList>{{"SR 10", "163", "169", "10", "8", "2"},
                                                 {"SR 20", "290", "350", "100", "80", "8"},
                                                 {"SR 30", "25", "28", "4", "3", "1"}}));

        // a rejected pressure keeps the rows of the last good one
        answers_->ThenMessage(QMessageBox::Ok);
        Retype(s, 105, "1.5");
        QCOMPARE(list->RowCount(), 0); // the change rule emptied it
        Retype(s, 105, "6");
        Click(s, 102);
        QCOMPARE(list->RowCount(), 3);
        Field(s, 105)->setText(QStringLiteral("1.5")); // no focus change: only the check acts
        Click(s, 18);
        QCOMPARE(answers_->Texts, QStringList{"Pressure too low"});
        QCOMPARE(screen->GetSpringOffset(), -3);
        QCOMPARE(Row(list, 0), (QStringList{"SR 10", "163", "169", "10", "8", "2"}));

        // the offset typed while "Removed 3" is shown counts with its own sign
        Retype(s, 101, "3");
        QCOMPARE(screen->GetSpringOffset(), 3);
        QCOMPARE(Label(s, 104)->text(), QStringLiteral("Added"));
        QCOMPARE(Field(s, 101)->text(), QStringLiteral("3"));
        QCOMPARE(Row(list, 0), (QStringList{"SR 10", "163", "169", "10", "8", "2"})); // until the next Calculate

        // typing a negative offset and pressing a button while the field keeps the focus
        ptEditNum* offset = Field(s, 101);
        offset->setFocus();
        offset->selectAll();
        QTest::keyClick(offset, Qt::Key_Backspace);
        QTest::keyClicks(offset, QStringLiteral("-2"));
        QCOMPARE(screen->GetSpringOffset(), -2);
        Field(s, 105)->setText(QStringLiteral("6"));
        Button(s, 17)->click();
        QCOMPARE(QApplication::focusWidget(), offset);
        QCOMPARE(screen->GetSpringOffset(), -1);
        QCOMPARE(Label(s, 104)->text(), QStringLiteral("Removed"));
        QCOMPARE(offset->text(), QStringLiteral("1"));
        QCOMPARE(Row(list, 0), (QStringList{"SR 10", "151", "163", "20", "16", "4"}));
        Field(s, 105)->setFocus();

        // the buttons keep the offset within 100 either way
        for (int i = 0; i < 105; ++i)
            Button(s, 17)->click();
        QCOMPARE(screen->GetSpringOffset(), 100);
        QCOMPARE(Field(s, 101)->text(), QStringLiteral("100"));
        QCOMPARE(Rows(list), (QList<QStringList>{{"SR 10", "103", "139", "60", "48", "12"},
                                                 {"SR 20", "50", "230", "300", "240", "24"},
                                                 {"SR 30", "10", "22", "16", "12", "4"}}));
        for (int i = 0; i < 205; ++i)
            Button(s, 18)->click();
        QCOMPARE(screen->GetSpringOffset(), -100);
        QCOMPARE(Field(s, 101)->text(), QStringLiteral("100"));
        QCOMPARE(Label(s, 104)->text(), QStringLiteral("Removed"));
        QCOMPARE(Row(list, 2), (QStringList{"SR 30", "25", "28", "4", "3", "1"}));

        // back to the estimate: at 2 bar the air torque of the last actuator is spent
        Retype(s, 101, "0");
        Retype(s, 105, "2");
        Click(s, 102);
        QCOMPARE(Rows(list), (QList<QStringList>{{"SR 10", "43", "49", "10", "8", "2"},
                                                 {"SR 20", "70", "100", "50", "40", "4"},
                                                 {"SR 30", "0", "0", "4", "3", "1"}}));
        CheckNoDialogsLeft();
    }

    void SpringReturnInImperialUnits() {
        if (!flavour::kPneumatic)
            QSKIP("pneumatic screen");
        Start("UNITS = IMPERIAL", "PRESSURE = 87.000000");
        auto screen = Open<VnTorSpringRetDlg>();
        ptMultiListBox* list = screen->GetResultList();
        QCOMPARE(Header(list, 3), (QStringList{"Spring Start", "[in.lb]"}));
        QCOMPARE(Header(list, 5), (QStringList{"Spring", "Set"}));
        Click(screen.get(), 102);
        // the torques of 6 bar times 8.85; the spring sets stay
        QCOMPARE(Rows(list), (QList<QStringList>{{"SR 10", "1230", "1389", "266", "212", "6"},
                                                 {"SR 20", "2036", "2832", "1328", "1062", "12"},
                                                 {"SR 30", "133", "212", "106", "80", "3"}}));
        CheckNoDialogsLeft();
    }

    void DoubleActingSizingAppendsRows() {
        if (!flavour::kPneumatic)
            QSKIP("pneumatic screen");
        Start("UNITS = METRIC", "PRESSURE = 6.000000");
        auto screen = Open<VnSizDoubleActingDlg>();
        QWidget* s = screen.get();
        ptMultiListBox* list = screen->GetResultList();
        QCOMPARE(screen->property("dialogId").toInt(), 200);
        QCOMPARE(screen->windowTitle(), QStringLiteral("Sizing Double Acting - Test range"));
        QCOMPARE(Field(s, 202)->text(), QStringLiteral("1.2"));
        QCOMPARE(Label(s, 201)->text(), QStringLiteral("Nm"));
        QCOMPARE(Header(list, 0), (QStringList{"Torque", "[Nm]"}));
        QCOMPARE(Header(list, 1), (QStringList{"Torque", "incl.SF"}));
        QCOMPARE(Header(list, 2), QStringList{"Actuator"});

        // 50 x 1.2 = 60 is met by 70 Nm, 100 x 1.2 = 120 only by 288 Nm
        Size(s, "50");
        QCOMPARE(Field(s, 203)->text(), QString());
        Size(s, "100");
        QCOMPARE(Rows(list), (QList<QStringList>{{"50", "60", "DA 10"}, {"100", "120", "DA 20"}}));

        // Return in the torque field sizes too
        Retype(s, 203, "");
        Field(s, 203)->setFocus();
        QTest::keyClicks(Field(s, 203), QStringLiteral("20"));
        QTest::keyClick(Field(s, 203), Qt::Key_Return);
        QCOMPARE(Row(list, 2), (QStringList{"20", "24", "DA 10"}));
        QCOMPARE(Field(s, 203)->text(), QString());
        Click(s, 120);
        Size(s, "50");
        Size(s, "100");

        // nothing typed: no row and no message
        Click(s, 102);
        QCOMPARE(list->RowCount(), 2);

        // a new safety factor empties the table; leaving it unchanged does not
        Retype(s, 202, "1.2");
        QCOMPARE(list->RowCount(), 2);
        Retype(s, 202, "1");
        QCOMPARE(list->RowCount(), 0);

        // equal is enough; nothing strong enough still gives a row
        Size(s, "70");
        Size(s, "70.1");
        Size(s, "600.5");
        Size(s, "1234567890");
        QCOMPARE(Rows(list), (QList<QStringList>{{"70", "70", "DA 10"},
                                                 {"70.1", "70", "DA 20"},
                                                 {"600.5", "600", "---"},
                                                 {"123456789", "1234567936", "---"}}));
        QCOMPARE(Field(s, 203)->text(), QString());

        // a double-click puts the torque back without sizing it
        emit list->doubleClicked(1);
        QCOMPARE(Field(s, 203)->text(), QStringLiteral("70.1"));
        QCOMPARE(list->RowCount(), 4);
        QWidget* cells = list->Column[2]->viewport();
        const QPoint firstRow = list->Column[2]->visualItemRect(list->Column[2]->item(0)).center();
        QTest::mouseClick(cells, Qt::LeftButton, {}, firstRow);
        QTest::mouseDClick(cells, Qt::LeftButton, {}, firstRow);
        QCOMPARE(Field(s, 203)->text(), QStringLiteral("70"));
        QCOMPARE(list->RowCount(), 4);

        // a rejected pressure keeps the rows and the torque typed
        answers_->ThenMessage(QMessageBox::Ok);
        Field(s, 105)->setText(QStringLiteral("1.99"));
        Click(s, 102);
        QCOMPARE(answers_->Texts, QStringList{"Pressure too low"});
        QCOMPARE(list->RowCount(), 4);
        QCOMPARE(Field(s, 203)->text(), QStringLiteral("70"));

        Click(s, 120);
        QCOMPARE(list->RowCount(), 0);
        CheckNoDialogsLeft();
    }

    void DoubleActingSizingInImperialUnits() {
        if (!flavour::kPneumatic)
            QSKIP("pneumatic screen");
        Start("UNITS = IMPERIAL", "PRESSURE = 87.000000");
        auto screen = Open<VnSizDoubleActingDlg>();
        QWidget* s = screen.get();
        ptMultiListBox* list = screen->GetResultList();
        QCOMPARE(Label(s, 201)->text(), QStringLiteral("in.lb"));
        QCOMPARE(Header(list, 0), (QStringList{"Torque", "[in.lb]"}));
        Retype(s, 202, "1");
        // 70 Nm are 619.5 in.lb: the actuator is chosen in Nm, column 2 stays in in.lb
        Size(s, "619");
        Size(s, "620");
        QCOMPARE(Rows(list), (QList<QStringList>{{"619", "619", "DA 10"}, {"620", "620", "DA 20"}}));
        CheckNoDialogsLeft();
    }

    void DatasheetsMetric() {
        if (!flavour::kPneumatic)
            QSKIP("pneumatic screen");
        Start("UNITS = METRIC", "PRESSURE = 6.000000");
        {
            auto screen = Open<VnTorDouble>();
            CheckSheet(ToFile(screen.get(), QStringLiteral("da.txt")), "sheet_tor_double_metric.txt");
            QCOMPARE(screen->GetListFileName(), QStringLiteral("LIST_KAV.TXT"));
        }
        {
            auto screen = Open<VnTorSpringRetDlg>();
            Click(screen.get(), 18);
            CheckSheet(ToFile(screen.get(), QStringLiteral("sr.txt")), "sheet_tor_spring_metric.txt");
        }
        {
            auto screen = Open<VnSizDoubleActingDlg>();
            Size(screen.get(), "50");
            Size(screen.get(), "100");
            Size(screen.get(), "601");
            CheckSheet(ToFile(screen.get(), QStringLiteral("siz.txt")), "sheet_siz_da_metric.txt");
        }
        CheckNoDialogsLeft();
    }

    void DatasheetsImperial() {
        if (!flavour::kPneumatic)
            QSKIP("pneumatic screen");
        Start("UNITS = IMPERIAL", "PRESSURE = 87.000000");
        {
            auto screen = Open<VnTorDouble>();
            CheckSheet(ToFile(screen.get(), QStringLiteral("da.txt")), "sheet_tor_double_imperial.txt");
        }
        {
            auto screen = Open<VnTorSpringRetDlg>();
            Click(screen.get(), 17);
            CheckSheet(ToFile(screen.get(), QStringLiteral("sr.txt")), "sheet_tor_spring_imperial.txt");
        }
        {
            auto screen = Open<VnSizDoubleActingDlg>();
            Size(screen.get(), "500");
            Size(screen.get(), "531");
            CheckSheet(ToFile(screen.get(), QStringLiteral("siz.txt")), "sheet_siz_da_imperial.txt");
        }
        CheckNoDialogsLeft();
    }

    void FrameCommandsOpenTheScreens() {
        Start("UNITS = METRIC", "PRESSURE = 6.000000");
        VnClient* client = app_->GetClient();
        if (!flavour::kPneumatic) {
            // no such screens here: the commands open nothing
            for (int command : {cmd::TorqueDoubleActing, cmd::TorqueSpringReturn, cmd::SizingDoubleActing})
                client->Command(command);
            CheckNoDialogsLeft();
            return;
        }
        const struct {
            int command;
            int dialog;
            int rows;
        } cases[] = {
            {cmd::TorqueDoubleActing, 102, 3}, {cmd::TorqueSpringReturn, 103, 0}, {cmd::SizingDoubleActing, 200, 0}};
        for (const auto& c : cases) {
            int dialog = 0;
            int rows = -1;
            QString listFile;
            answers_->Then([&](QWidget* w) {
                auto* screen = qobject_cast<VnTorSizDlg*>(w);
                QVERIFY(screen);
                dialog = screen->property("dialogId").toInt();
                rows = screen->GetResultList()->RowCount();
                listFile = screen->GetListFileName();
                Click(screen, 2);
            });
            client->Command(c.command);
            QCOMPARE(dialog, c.dialog);
            QCOMPARE(rows, c.rows);
            QCOMPARE(listFile, QStringLiteral("LIST_KAV.TXT"));
        }
        CheckNoDialogsLeft();

        // a range without records is refused before the screen shows
        WriteText(QStringLiteral("range.kav"), CrLfLines({"Empty range", "0", "", "", ""}));
        for (int command : {cmd::TorqueDoubleActing, cmd::TorqueSpringReturn, cmd::SizingDoubleActing}) {
            answers_->ThenMessage(QMessageBox::Ok);
            client->Command(command);
        }
        QCOMPARE(answers_->Texts, QStringList(3, QStringLiteral("No data was loaded, Try again...")));
        CheckNoDialogsLeft();
    }
};

QTEST_MAIN(TorqueScreensTest)
#include "torque_screens_test.moc"
