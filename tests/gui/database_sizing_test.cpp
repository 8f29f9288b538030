// The database sizing screen of both programs, driven as a user does, on the shipped
// samples and on small files written here.
#include "core/data/torque_e.h"
#include "core/text/menu_table.h"
#include "gui/app/application.h"
#include "gui/app/client_area.h"
#include "gui/chart/chart_view.h"
#include "gui/common/flavour.h"
#include "gui/controls/multi_list_box.h"
#include "gui/controls/number_edit.h"
#include "gui/screens/database_sizing_screen.h"
#include "modal.h"
#include "test_files.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace {

const char* ActuatorSample() {
    return flavour::kPneumatic ? "varnox-rp.kav" : "varnox-em.qu";
}

QStringList RowTexts(ptMultiListBox* list, int row) {
    QStringList cells;
    for (int c = 0; c < list->GetNumColumns(); ++c)
        cells << list->Column[c]->GetString(row);
    return cells;
}

QStringList ColumnTexts(ptMultiListBox* list, int c) {
    QStringList cells;
    for (int r = 0; r < list->RowCount(); ++r)
        cells << list->Column[c]->GetString(r);
    return cells;
}

QStringList HeaderTexts(ptMultiListBox* list, int c) {
    QStringList lines;
    for (int k = 0; k < list->Header[c]->GetCount(); ++k)
        lines << list->Header[c]->GetString(k);
    return lines;
}

int SelectedRow(const ptListBox* column) {
    const QList<QListWidgetItem*> selected = column->selectedItems();
    return selected.size() == 1 ? column->row(selected.first()) : -1;
}

// The break demand the chart marks, written as the table writes torques.
QString ChartedBreak(const VnChartView* view) {
    if (!view->Chart())
        return {};
    for (const ChartMark& mark : view->Chart()->marks)
        if (mark.demand == Demand::Break)
            return QString::number(mark.torque, 'f', 0);
    return {};
}

// "RPS 120" -> 120; "---" -> -1.
int ActuatorSize(const QString& cell) {
    return cell == QLatin1String("---") ? -1 : cell.section(QLatin1Char(' '), -1).toInt();
}

// The sheet's lines without their CR LF.
QStringList SheetLines(const QString& path) {
    QStringList lines = QString::fromUtf8(ReadText(path)).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// A series with no sizes left (its one size line is blank) and one with a single size.
QByteArray SmallDatabase() {
    return CrLfLines({"Test valves", "2", //
                      "1",           "Empty series",
                      "DW-1",        "2025-01-01",
                      "1.2",         "0.6",
                      "0.3",         "Workshop",
                      "1",           "", //
                      "2",           "Single size",
                      "DW-2",        "2025-01-02",
                      "1.2",         "0.6",
                      "0.3",         "Workshop",
                      "1",           "62.5       100.0"});
}

// The second page carries the number 3: one page read, and the file counts as broken.
QByteArray BrokenDatabase() {
    return CrLfLines({"Broken valves",
                      "2", //
                      "1",
                      "First",
                      "DB-1",
                      "2025-01-01",
                      "1.2",
                      "0.6",
                      "0.3",
                      "Workshop",
                      "1",
                      "50 40", //
                      "3",
                      "Second",
                      "DB-2",
                      "2025-01-01",
                      "1.2",
                      "0.6",
                      "0.3",
                      "Workshop",
                      "1",
                      "80 60"});
}

// A name as long as the format allows.
const char* const kLongValveName =
    "Long valves of the cooling water system, wafer and lug bodies, every pressure class, DN 10 to 450";

// One series of 45 sizes, 10 Nm apart: more rows than a short sheet has room for.
QByteArray LongDatabase() {
    QByteArray out = CrLfLines(
        {kLongValveName, "1", "1", "Forty-five sizes", "DL-45", "2025-02-01", "1.0", "0.6", "0.3", "Workshop", "45"});
    for (int k = 1; k <= 45; ++k)
        out += QByteArray::number(k) + " " + QByteArray::number(k * 10) + "\r\n";
    return out;
}

// An actuator file that declares three records and holds one.
QByteArray ShortActuatorFile() {
    if (flavour::kPneumatic)
        return CrLfLines({"Short range", "3",     "",      "",      "",      "RPD",  "RPS",   "15",
                          "0.46",        "2.643", "1.996", "1.263", "2.603", "0.58", "1.301", "1.936",
                          "0",           "0.049", "0.893", "0.893", "-0.18", "5",    "2"});
    return CrLfLines({"Short range", "3", "", "", "", "EM 35", "35", "27", "1", "2", "3", "4", "5", "6", "7", "8"});
}

} // namespace

class DatabaseSizingTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QString savedDir_;
    std::unique_ptr<ModalAnswers> answers_;
    std::unique_ptr<VnApp> app_;

    // The program started in the test folder with the samples beside it.
    void Start(const char* units = "UNITS = METRIC", const char* pressure = "PRESSURE = 5.500000") {
        for (const char* name : {"varnox-rp.kav", "varnox-em.qu", "ball-valves", "butterfly-valves"})
            QFile::copy(QStringLiteral(VN_SAMPLES "/") + QLatin1String(name), QLatin1String(name));
        const QByteArray actuator = QByteArray("ACTUATOR = ") + ActuatorSample();
        WriteText(QString::fromLatin1(flavour::kSettingsFile),
                  CrLfLines({"LANGUAGE = UK", actuator.constData(), "VALVE = ball-valves", units, pressure,
                             "PLACE = Rotterdam"}));
        answers_ = std::make_unique<ModalAnswers>();
        answers_->ThenAccept();
        app_ = std::make_unique<VnApp>();
        app_->InitMainWindow();
        app_->SetToday([] { return DatasheetDate{6, 12, 2026}; });
    }

    std::unique_ptr<VnDatabaseSizingDialog> Open(const QString& valveFile = QStringLiteral("ball-valves"),
                                                 const char* actuatorFile = ActuatorSample()) {
        auto screen =
            std::make_unique<VnDatabaseSizingDialog>(*app_, app_->GetClient(), actuatorFile, valveFile.toStdString());
        screen->SetListFileName(QString::fromLatin1(flavour::kListFile));
        screen->show();
        screen->activateWindow();
        [&] { QVERIFY(QTest::qWaitForWindowActive(screen.get())); }();
        return screen;
    }

    static ptEditNum* Field(QWidget* screen, int id) {
        return screen->findChild<ptEditNum*>(QStringLiteral("edit%1").arg(id));
    }
    static QPushButton* Button(QWidget* screen, int id) {
        return screen->findChild<QPushButton*>(QStringLiteral("button%1").arg(id));
    }
    static QComboBox* List(QWidget* screen, int id) {
        return screen->findChild<QComboBox*>(QStringLiteral("list%1").arg(id));
    }
    static QStringList Info(QWidget* screen) {
        QStringList texts;
        for (int id : {135, 130, 131, 132, 133, 134})
            texts << screen->findChild<QLabel*>(QStringLiteral("info%1").arg(id))->text();
        return texts;
    }
    static QStringList Items(QComboBox* combo) {
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
        return items;
    }
    static void Click(QWidget* screen, int id) { QTest::mouseClick(Button(screen, id), Qt::LeftButton); }

    // Picks an item from the open list and confirms it, the same one included.
    static void Choose(QComboBox* combo, int index) {
        combo->showPopup();
        QAbstractItemView* view = combo->view();
        view->setCurrentIndex(combo->model()->index(index, 0));
        QTest::keyClick(view, Qt::Key_Return);
        QCOMPARE(combo->currentIndex(), index);
    }

    // Enters the field, types when given a value, and tabs out of it.
    static void EnterAndLeave(ptEditNum* field, const char* value = nullptr) {
        field->setFocus(Qt::TabFocusReason);
        QVERIFY(field->hasFocus());
        if (value) {
            field->selectAll();
            QTest::keyClicks(field, QString::fromLatin1(value));
        }
        QTest::keyClick(field, Qt::Key_Tab);
        QVERIFY(!field->hasFocus());
    }

    // The next file dialog: remembers its title and folder, then opens path.
    void ThenOpenFile(const QString& path, QString* title = nullptr, QString* folder = nullptr) {
        answers_->Then([path, title, folder](QWidget* w) {
            auto* dialog = qobject_cast<QFileDialog*>(w);
            QVERIFY(dialog);
            if (title)
                *title = dialog->windowTitle();
            if (folder)
                *folder = dialog->directory().absolutePath();
            dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(path);
            dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"))->button(QDialogButtonBox::Open)->click();
        });
    }

    QString ToFile(QWidget* screen, const QString& name) {
        const QString path = QDir::current().filePath(name);
        answers_->ThenChooseFile(path);
        Click(screen, 400);
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

    void OpensOnTheFirstPageOfTheDatabase() {
        Start();
        auto screen = Open();
        CheckAnswered();
        QCOMPARE(screen->windowTitle(),
                 flavour::kPneumatic
                     ? QStringLiteral("Database Sizing - Varnox RP rack and pinion, Ball valves")
                     : QStringLiteral("Database Sizing - Varnox EM electric quarter-turn, Ball valves"));
        QCOMPARE(screen->objectName(), flavour::kPneumatic ? QStringLiteral("dialog110") : QStringLiteral("dialog120"));
        QComboBox* pages = List(screen.get(), 114);
        QCOMPARE(
            Items(pages),
            (QStringList{"Floating ball, full bore, PTFE seats, PN40", "Floating ball, reduced bore, PTFE seats, PN16",
                         "Floating ball, metal seated, PN40", "Trunnion mounted ball, full bore, PN100"}));
        QCOMPARE(pages->currentIndex(), 0);
        QCOMPARE(Info(screen.get()),
                 (QStringList{"Ball valves", "1 of 4", "11", "VB-2140-C", "2024-03-18", "Bench test 2023"}));
        QCOMPARE(Field(screen.get(), 202)->text(), QStringLiteral("1.2"));
        QCOMPARE(Field(screen.get(), 107)->text(), QStringLiteral("0.6"));
        QCOMPARE(Field(screen.get(), 108)->text(), QStringLiteral("0.3"));
        QVERIFY(Field(screen.get(), 202)->isEnabled());
        QVERIFY(!Field(screen.get(), 107)->isEnabled());
        QVERIFY(!Field(screen.get(), 108)->isEnabled());
        QVERIFY(Button(screen.get(), 104) && Button(screen.get(), 211) && Button(screen.get(), 110) &&
                Button(screen.get(), 400) && Button(screen.get(), 120));
        // this screen's Close is 1, where the other screens have 2
        QCOMPARE(Button(screen.get(), 1)->text(), QStringLiteral("C&lose"));
        QVERIFY(!Button(screen.get(), 102) && !Button(screen.get(), 2));

        ptMultiListBox* list = screen->GetResultList();
        QCOMPARE(list->GetNumColumns(), 6);
        QCOMPARE(list->RowCount(), 0);
        if (flavour::kPneumatic) {
            QCOMPARE(Field(screen.get(), 105)->text(), QStringLiteral("5.5"));
            QCOMPARE(screen->findChild<QLabel*>(QStringLiteral("pressureUnit"))->text(), QStringLiteral("bar"));
            QCOMPARE(Items(List(screen.get(), 109)), (QStringList{"Fail Close", "Fail Open"}));
            QCOMPARE(List(screen.get(), 109)->currentIndex(), 0);
            const QList<QStringList> headers{{"Size"},
                                             {"Torque", "[Nm]"},
                                             {"Torque", "incl.SF"},
                                             {"Actuator", "Double Acting"},
                                             {"Actuator", "Spring Return"},
                                             {"Spring Set"}};
            for (int c = 0; c < 6; ++c)
                QCOMPARE(HeaderTexts(list, c), headers[c]);
        } else {
            QVERIFY(!Field(screen.get(), 105));
            QVERIFY(!List(screen.get(), 109));
            const QList<QStringList> headers{{"Size"},        {"Torque", "[Nm]"}, {"Break", "[Nm]"},
                                             {"Run", "[Nm]"}, {"Seat", "[Nm]"},   {"Actuator", "Type"}};
            for (int c = 0; c < 6; ++c)
                QCOMPARE(HeaderTexts(list, c), headers[c]);
        }
    }

    void ChoosingAPageFillsItsFieldsAndEmptiesTheTable() {
        Start();
        auto screen = Open();
        ptMultiListBox* list = screen->GetResultList();
        Click(screen.get(), 211);
        QCOMPARE(list->RowCount(), 11);
        if (flavour::kPneumatic)
            Field(screen.get(), 105)->setText(QStringLiteral("6"));

        Choose(List(screen.get(), 114), 3);
        QCOMPARE(Info(screen.get()),
                 (QStringList{"Ball valves", "4 of 4", "9", "VT-3100-B", "2024-09-12", "Field data 2024"}));
        QCOMPARE(Field(screen.get(), 202)->text(), QStringLiteral("1.3"));
        QCOMPARE(Field(screen.get(), 107)->text(), QStringLiteral("0.7"));
        QCOMPARE(Field(screen.get(), 108)->text(), QStringLiteral("0.5"));
        QCOMPARE(list->RowCount(), 0);
        QVERIFY(screen->RowRecords().empty());
        // the pressure goes back to the one of the settings
        if (flavour::kPneumatic)
            QCOMPARE(Field(screen.get(), 105)->text(), QStringLiteral("5.5"));

        // confirming the same page again takes its factors afresh
        Click(screen.get(), 211);
        Field(screen.get(), 202)->setText(QStringLiteral("2"));
        Choose(List(screen.get(), 114), 3);
        QCOMPARE(Field(screen.get(), 202)->text(), QStringLiteral("1.3"));
        QCOMPARE(list->RowCount(), 0);
        CheckAnswered();
    }

    void SizingFillsOneRowPerSize() {
        Start();
        auto screen = Open();
        ptMultiListBox* list = screen->GetResultList();
        Click(screen.get(), 211);
        CheckAnswered();
        QCOMPARE(ColumnTexts(list, 0),
                 (QStringList{"15", "20", "25", "32", "40", "50", "65", "80", "100", "125", "150"}));
        QCOMPARE(ColumnTexts(list, 1),
                 (QStringList{"8", "10", "14", "19", "28", "40", "62", "90", "150", "240", "360"}));
        if (flavour::kPneumatic) {
            QCOMPARE(ColumnTexts(list, 2),
                     (QStringList{"10", "12", "17", "23", "34", "48", "74", "108", "180", "288", "432"}));
            // worked by hand at 5.5 bar: 48 Nm needs 48.47 of size 52, 74.4 Nm the 74.55 of size 80
            QCOMPARE(ColumnTexts(list, 3), (QStringList{"RPD 15", "RPD 15", "RPD 23", "RPD 35", "RPD 52", "RPD 52",
                                                        "RPD 80", "RPD 120", "RPD 270", "RPD 400", "RPD 600"}));
            for (int r = 0; r < list->RowCount(); ++r) {
                QVERIFY(list->Column[4]->GetString(r).startsWith(QLatin1String("RPS ")));
                QVERIFY(list->Column[5]->GetString(r).toInt() > 0);
            }
        } else {
            QCOMPARE(RowTexts(list, 0), (QStringList{"15", "8", "10", "3", "6", "EM 35"}));
            QCOMPARE(RowTexts(list, 10), (QStringList{"150", "360", "432", "130", "259", "EM 650"}));
            QCOMPARE(screen->RowRecords().size(), std::size_t(11));
            QCOMPARE(screen->RowRecords().front(), 0);
            QCOMPARE(screen->RowRecords().back(), 6);
        }
        // Clear empties the table and what it remembered about it
        Click(screen.get(), 120);
        QCOMPARE(list->RowCount(), 0);
        QVERIFY(screen->RowRecords().empty());
    }

    // After Sizing the newest row is the selected one and the chart shows it; then the
    // chart follows the row the user picks, each with its own demands.
    void ChartFollowsTheRowsOfThePage() {
        Start();
        QSettings().setValue(QStringLiteral("chart/visible"), true);
        auto screen = Open();
        // where the screen has no room for both, the chart waits for the switch
        screen->findChild<QCheckBox*>(QStringLiteral("chartToggle"))->setChecked(true);
        ptMultiListBox* list = screen->GetResultList();
        VnChartView* view = screen->GetChartView();
        QVERIFY(view->isVisible());
        Click(screen.get(), 211);
        QCoreApplication::processEvents();
        const int newest = list->RowCount() - 1;
        QCOMPARE(newest, 10);
        for (int c = 0; c < list->GetNumColumns(); ++c)
            QCOMPARE(SelectedRow(list->Column[c]), newest);
        QCOMPARE(ChartedBreak(view), list->Column[2]->GetString(newest));
        QTest::keyClick(list->Column[1], Qt::Key_Home);
        QCOMPARE(SelectedRow(list->Column[4]), 0);
        QCOMPARE(ChartedBreak(view), list->Column[2]->GetString(0));
        QVERIFY(ChartedBreak(view) != list->Column[2]->GetString(newest));
        CheckAnswered();
    }

    void LargerTorquesNeverPickSmallerActuators() {
        Start();
        for (const char* file : {"ball-valves", "butterfly-valves"}) {
            auto screen = Open(QLatin1String(file));
            ptMultiListBox* list = screen->GetResultList();
            QComboBox* pages = List(screen.get(), 114);
            for (int p = 0; p < pages->count(); ++p) {
                Choose(pages, p);
                Click(screen.get(), 211);
                const TorqueDatabase* db = screen->GetDatabase();
                const ValvePage& page = db->pages[static_cast<std::size_t>(p)];
                QCOMPARE(list->RowCount(), page.SizeCount());
                // the samples list their sizes with rising torques
                const QList<int> actuatorColumns = flavour::kPneumatic ? QList<int>{3, 4} : QList<int>{5};
                for (int c : actuatorColumns) {
                    int last = 0;
                    for (int r = 0; r < list->RowCount(); ++r) {
                        const QString cell = list->Column[c]->GetString(r);
                        const QString where = QStringLiteral("%1 page %2 row %3 column %4: %5")
                                                  .arg(QLatin1String(file))
                                                  .arg(p + 1)
                                                  .arg(r)
                                                  .arg(c)
                                                  .arg(cell);
                        if (flavour::kPneumatic) {
                            const int size = ActuatorSize(cell);
                            // once nothing fits, nothing larger fits either
                            QVERIFY2(last >= 0 ? (size < 0 || size >= last) : size < 0, qPrintable(where));
                            last = size;
                        } else {
                            const int record = screen->RowRecords()[static_cast<std::size_t>(r)];
                            QVERIFY2(last >= 0 ? (record < 0 || record >= last) : record < 0, qPrintable(where));
                            last = record;
                        }
                    }
                }
                if (flavour::kPneumatic)
                    for (int r = 0; r < list->RowCount(); ++r)
                        QCOMPARE(list->Column[5]->GetString(r).isEmpty(), list->Column[4]->GetString(r) == "---");
            }
        }
        CheckAnswered();
    }

    void TheTrunnionDn400FindsNoActuator() {
        Start();
        auto screen = Open();
        Choose(List(screen.get(), 114), 3);
        Click(screen.get(), 211);
        ptMultiListBox* list = screen->GetResultList();
        QCOMPARE(list->RowCount(), 9);
        // 6500 Nm x 1.3 is beyond the largest actuator of either range
        if (flavour::kPneumatic) {
            QCOMPARE(RowTexts(list, 8), (QStringList{"400", "6500", "8450", "---", "---", ""}));
        } else {
            QCOMPARE(RowTexts(list, 8), (QStringList{"400", "6500", "8450", "4225", "5915", "---"}));
            QCOMPARE(screen->RowRecords().back(), -1);
        }
        QVERIFY(list->Column[flavour::kPneumatic ? 3 : 5]->GetString(7) != QLatin1String("---"));
        CheckAnswered();
    }

    void ImperialUnitsChangeOnlyTheShownTorques() {
        Start();
        QStringList metric[6];
        {
            auto screen = Open();
            Click(screen.get(), 211);
            for (int c = 0; c < 6; ++c)
                metric[c] = ColumnTexts(screen->GetResultList(), c);
        }
        // the same 5.5 bar, in psi
        app_->GetSettings().Units = Settings::Imperial;
        app_->GetSettings().Pressure = 79.75f;
        auto screen = Open();
        ptMultiListBox* list = screen->GetResultList();
        Click(screen.get(), 211);
        CheckAnswered();
        QCOMPARE(HeaderTexts(list, 1), (QStringList{"Torque", "[in.lb]"}));
        QCOMPARE(list->RowCount(), 11);
        // 8 Nm is 70.8 in.lb; 9.6 Nm with the safety factor is 84.96 in.lb
        QCOMPARE(RowTexts(list, 0).mid(0, 3), (QStringList{"15", "71", "85"}));
        QCOMPARE(ColumnTexts(list, 0), metric[0]);
        if (flavour::kPneumatic) {
            QCOMPARE(screen->findChild<QLabel*>(QStringLiteral("pressureUnit"))->text(), QStringLiteral("psi"));
            QCOMPARE(Field(screen.get(), 105)->text(), QStringLiteral("79.75"));
            for (int c : {3, 4, 5})
                QCOMPARE(ColumnTexts(list, c), metric[c]);
        } else {
            QCOMPARE(HeaderTexts(list, 4), (QStringList{"Seat", "[in.lb]"}));
            // 432 Nm: break 3823, run 129.6 -> 1147, seat 259.2 -> 2294 in.lb
            QCOMPARE(RowTexts(list, 10), (QStringList{"150", "3186", "3823", "1147", "2294", "EM 650"}));
            QCOMPARE(ColumnTexts(list, 5), metric[5]);
        }
    }

    void LeavingAChangedFieldEmptiesTheTable() {
        Start();
        auto screen = Open();
        ptMultiListBox* list = screen->GetResultList();
        Click(screen.get(), 211);
        EnterAndLeave(Field(screen.get(), 202));
        QCOMPARE(list->RowCount(), 11);
        EnterAndLeave(Field(screen.get(), 202), "1.2");
        QCOMPARE(list->RowCount(), 11);
        EnterAndLeave(Field(screen.get(), 202), "1.5");
        QCOMPARE(list->RowCount(), 0);
        Click(screen.get(), 211);
        QCOMPARE(list->Column[2]->GetString(0), QStringLiteral("12")); // 8 Nm x 1.5
        if (flavour::kPneumatic) {
            EnterAndLeave(Field(screen.get(), 105), "6");
            QCOMPARE(list->RowCount(), 0);
        }
        CheckAnswered();
    }

    void OnlyAnotherFailActionEmptiesTheTable() {
        if (!flavour::kPneumatic)
            QSKIP("the electric screen has no fail action");
        Start();
        auto screen = Open();
        ptMultiListBox* list = screen->GetResultList();
        QComboBox* action = List(screen.get(), 109);
        Click(screen.get(), 211);
        const QStringList failClose = ColumnTexts(list, 4) + ColumnTexts(list, 5);
        Choose(action, 0);
        QCOMPARE(list->RowCount(), 11);
        Choose(action, 1);
        QCOMPARE(list->RowCount(), 0);
        Click(screen.get(), 211);
        QCOMPARE(list->RowCount(), 11);
        QVERIFY(ColumnTexts(list, 4) + ColumnTexts(list, 5) != failClose);
        Choose(action, 1);
        QCOMPARE(list->RowCount(), 11);
        CheckAnswered();
    }

    void SelectValveReadsAnotherDatabase() {
        Start();
        QDir().mkpath(QStringLiteral("valves"));
        QFile::copy(QStringLiteral("ball-valves"), QStringLiteral("valves/ball-valves"));
        QFile::copy(QStringLiteral("butterfly-valves"), QStringLiteral("valves/butterfly-valves"));
        const QString folder = QDir::current().absoluteFilePath(QStringLiteral("valves"));
        auto screen = Open(QStringLiteral("valves/ball-valves"));
        ptMultiListBox* list = screen->GetResultList();
        Click(screen.get(), 211);

        // Cancel changes nothing
        answers_->ThenReject();
        Click(screen.get(), 104);
        QCOMPARE(list->RowCount(), 11);

        QString title;
        QString startedIn;
        ThenOpenFile(folder + QStringLiteral("/butterfly-valves"), &title, &startedIn);
        Click(screen.get(), 104);
        CheckAnswered();
        QCOMPARE(title, QStringLiteral("Select Valve File"));
        QCOMPARE(startedIn, folder);
        QVERIFY(screen->windowTitle().endsWith(QLatin1String(", Butterfly valves")));
        QCOMPARE(List(screen.get(), 114)->count(), 4);
        QCOMPARE(List(screen.get(), 114)->currentText(), QStringLiteral("Concentric, EPDM liner, wafer, PN16"));
        QCOMPARE(Info(screen.get()),
                 (QStringList{"Butterfly valves", "1 of 4", "13", "VF-0416-W", "2024-02-20", "Bench test 2022"}));
        QCOMPARE(Field(screen.get(), 107)->text(), QStringLiteral("1.0"));
        QCOMPARE(Field(screen.get(), 108)->text(), QStringLiteral("0.2"));
        QCOMPARE(list->RowCount(), 0);
        Click(screen.get(), 211);
        QCOMPARE(list->RowCount(), 13);

        // a file that does not read cleanly leaves the database in use as it was
        WriteText(QStringLiteral("valves/broken"), BrokenDatabase());
        const QString caption = screen->windowTitle();
        startedIn.clear();
        ThenOpenFile(folder + QStringLiteral("/broken"), nullptr, &startedIn);
        answers_->ThenMessage(QMessageBox::Ok);
        Click(screen.get(), 104);
        CheckAnswered();
        QCOMPARE(startedIn, folder); // the folder of the file now in use
        QCOMPARE(answers_->Captions.value(0), QStringLiteral("An error occurred..."));
        QCOMPARE(answers_->Texts.value(0),
                 QStringLiteral("There was an error during reading the Valve file, Continuing with old file."));
        QCOMPARE(screen->windowTitle(), caption);
        QCOMPARE(screen->GetDatabase()->valveName, std::string("Butterfly valves"));
        QCOMPARE(List(screen.get(), 114)->count(), 4);
        QCOMPARE(list->RowCount(), 13);
        Click(screen.get(), 211);
        QCOMPARE(list->RowCount(), 13);
        CheckAnswered();
    }

    void DataThatDidNotReadIsRefused() {
        Start();
        {
            // no valve file
            auto screen = Open(QStringLiteral("gone-valves"));
            QVERIFY(screen->windowTitle().endsWith(QLatin1String(", ***")));
            QCOMPARE(List(screen.get(), 114)->count(), 0);
            QCOMPARE(Info(screen.get()), QStringList(6));
            answers_->ThenMessage(QMessageBox::Ok);
            Click(screen.get(), 211);
            CheckAnswered();
            QCOMPARE(answers_->Captions.value(0), QStringLiteral("An error occurred..."));
            QCOMPARE(answers_->Texts.value(0),
                     QStringLiteral("There was an error during reading the Valve File. The "
                                    "file could not be opened or the file is not available."));
            QCOMPARE(screen->GetResultList()->RowCount(), 0);
            // without a page the sheet names no series, no source and no drawing
            const QStringList lines = SheetLines(ToFile(screen.get(), QStringLiteral("none.txt")));
            CheckAnswered();
            QVERIFY(lines.value(10).startsWith(QLatin1String("Actuator        = ")));
            QVERIFY(!lines.join(QLatin1Char('\n')).contains(QLatin1String("SIZING DATA FOR:")));
            QCOMPARE(lines.value(50), QStringLiteral("       5) Valve torque is from: "));
            QCOMPARE(lines.value(56), QStringLiteral("Rotterdam").leftJustified(53) + QStringLiteral("  06-12-2026"));
        }
        answers_->Texts.clear();
        {
            // a valve file that breaks off after its first page: its pages are not offered
            WriteText(QStringLiteral("broken"), BrokenDatabase());
            auto screen = Open(QStringLiteral("broken"));
            QVERIFY(screen->windowTitle().endsWith(QLatin1String(", ***")));
            QCOMPARE(List(screen.get(), 114)->count(), 0);
            answers_->ThenMessage(QMessageBox::Ok);
            Click(screen.get(), 211);
            CheckAnswered();
            QVERIFY(answers_->Texts.value(0).startsWith(
                QLatin1String("There was an error during reading the Valve File.")));
        }
        answers_->Texts.clear();
        {
            // an actuator file that ends early has records, but is not sized with
            WriteText(QStringLiteral("short.act"), ShortActuatorFile());
            auto screen = Open(QStringLiteral("ball-valves"), "short.act");
            QCOMPARE(screen->windowTitle(), QStringLiteral("Database Sizing - ***, Ball valves"));
            answers_->ThenMessage(QMessageBox::Ok);
            Click(screen.get(), 211);
            QCOMPARE(screen->GetResultList()->RowCount(), 0);
            CheckAnswered();
            QCOMPARE(answers_->Texts.value(0),
                     QStringLiteral("There was an error during reading the Actuator file. The file could not be "
                                    "opened or the file is not available."));
        }
    }

    void PressureOutsideTheRangeSizesNothing() {
        if (!flavour::kPneumatic)
            QSKIP("the electric screen has no pressure");
        Start();
        auto screen = Open();
        Click(screen.get(), 211);
        Field(screen.get(), 105)->setText(QStringLiteral("1.5"));
        answers_->ThenMessage(QMessageBox::Ok);
        Click(screen.get(), 211);
        CheckAnswered();
        QCOMPARE(answers_->Texts.value(0), QStringLiteral("Pressure too low"));
        QCOMPARE(screen->GetResultList()->RowCount(), 0);
        QCOMPARE(Field(screen.get(), 105)->text(), QStringLiteral("1.5"));
    }

    void PagesWithNoSizeAndWithOneSize() {
        Start();
        WriteText(QStringLiteral("small"), SmallDatabase());
        auto screen = Open(QStringLiteral("small"));
        ptMultiListBox* list = screen->GetResultList();
        QCOMPARE(Info(screen.get()).mid(1, 2), (QStringList{"1 of 2", "0"}));
        Click(screen.get(), 211);
        QCOMPARE(list->RowCount(), 0);
        Choose(List(screen.get(), 114), 1);
        Click(screen.get(), 211);
        QCOMPARE(list->RowCount(), 1);
        // 120 Nm: more than size 120 gives at 5.5 bar (111.6), so size 180
        QCOMPARE(RowTexts(list, 0).mid(0, 4), flavour::kPneumatic ? (QStringList{"62.5", "100", "120", "RPD 180"})
                                                                  : (QStringList{"62.5", "100", "120", "36"}));
        CheckAnswered();
    }

    void Datasheet_data() {
        QTest::addColumn<bool>("imperial");
        QTest::addColumn<QString>("expected");
        const QString kind = flavour::kPneumatic ? QStringLiteral("pneumatic") : QStringLiteral("electric");
        QTest::newRow("metric") << false << QStringLiteral("sheet_db_%1_metric.txt").arg(kind);
        QTest::newRow("imperial") << true << QStringLiteral("sheet_db_%1_imperial.txt").arg(kind);
    }

    void Datasheet() {
        QFETCH(bool, imperial);
        QFETCH(QString, expected);
        Start(imperial ? "UNITS = IMPERIAL" : "UNITS = METRIC",
              imperial ? "PRESSURE = 79.750000" : "PRESSURE = 5.500000");
        auto screen = Open();
        Choose(List(screen.get(), 114), 3);
        Click(screen.get(), 211);
        const QString path = ToFile(screen.get(), QStringLiteral("sheet.txt"));
        CheckAnswered();
        const QStringList lines = SheetLines(path);
        QCOMPARE(lines, SheetLines(QStringLiteral(VN_TEST_DATA "/") + expected));
        // what the sheet promises whatever its table: the notes on line 47, the drawing in the footer
        QVERIFY(lines.value(46).startsWith(QLatin1String("Note:  1) Safety factor included 1.3")));
        QCOMPARE(lines.value(50), QStringLiteral("       5) Valve torque is from: Field data 2024"));
        QVERIFY(lines.value(56).endsWith(QLatin1String(" VT-3100-B 06-12-2026")));
        QCOMPARE(lines.size(), 58);
        // the screen prints into the list file again afterwards
        QCOMPARE(screen->GetListFileName(), QString::fromLatin1(flavour::kListFile));
    }

    void LongPageKeepsEveryRowAndItsNotesFollowTheTable() {
        Start();
        WriteText(QStringLiteral("long"), LongDatabase());
        auto screen = Open(QStringLiteral("long"));
        // the caption keeps the whole name, however long
        QVERIFY(screen->windowTitle().size() > 127);
        QVERIFY(screen->windowTitle().endsWith(QLatin1String(kLongValveName)));
        Click(screen.get(), 211);
        QCOMPARE(screen->GetResultList()->RowCount(), 45);
        const QStringList lines = SheetLines(ToFile(screen.get(), QStringLiteral("long.txt")));
        CheckAnswered();
        const int notes = lines.indexOf(QRegularExpression(QStringLiteral("Note:  1\\).*")));
        // a table this long is not padded: one empty line and the notes
        QVERIFY(notes > 47);
        QVERIFY(lines[notes - 1].isEmpty());
        QVERIFY(lines[notes - 2].startsWith(QLatin1String("45 ")));
        if (!flavour::kPneumatic) {
            QCOMPARE(screen->RowRecords().size(), std::size_t(45));
            // every row ends with the torques of its own actuator, the ones past 40 too
            const TorqueE data(ActuatorSample());
            for (int k = 1; k <= 45; ++k) {
                const QString row = lines[notes - 2 - 45 + k];
                QVERIFY2(row.startsWith(QString::number(k) + QLatin1Char(' ')), qPrintable(row));
                const int index = screen->RowRecords()[static_cast<std::size_t>(k - 1)];
                const QString suffix = index < 0 ? QStringLiteral("---         ---")
                                                 : QStringLiteral("%1  %2")
                                                       .arg(data.Item(index).breakSeatTorque, -10)
                                                       .arg(data.Item(index).runTorque);
                QVERIFY2(row.endsWith(suffix), qPrintable(row));
            }
        }
    }

    void OpensFromTheMenu() {
        Start();
        QPointer<VnDatabaseSizingDialog> seen;
        int rows = -1;
        answers_->Then([&](QWidget* w) {
            seen = qobject_cast<VnDatabaseSizingDialog*>(w);
            if (!seen)
                return;
            QTest::mouseClick(Button(w, 211), Qt::LeftButton);
            rows = seen->GetResultList()->RowCount();
            QTest::mouseClick(Button(w, 1), Qt::LeftButton);
        });
        app_->GetClient()->Command(flavour::kPneumatic ? cmd::DatabaseSizing : cmd::ElectricDatabaseSizing);
        CheckAnswered();
        QCOMPARE(rows, 11);
        QVERIFY(!seen); // destroyed after its modal run
    }
};

QTEST_MAIN(DatabaseSizingTest)
#include "database_sizing_test.moc"
