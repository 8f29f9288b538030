// The valve list screen of both programs on the shipped sample list: its rows against the
// sizing screens, the sort, every way out (CSV, workbook, JSON, PDF, text sheets), and a
// cancel or a failed write that must leave the files as they were.
#include "core/report/file_faults.h"
#include "gui/app/application.h"
#include "gui/app/client_area.h"
#include "gui/chart/chart_view.h"
#include "gui/common/flavour.h"
#include "gui/common/messages.h"
#include "gui/controls/multi_list_box.h"
#include "gui/controls/number_edit.h"
#include "gui/lists/valve_databases_dialog.h"
#include "gui/lists/valve_list_model.h"
#include "gui/lists/project_dialog.h"
#include "gui/lists/valve_list_screen.h"
#include "gui/screens/double_acting_sizing_screen.h"
#include "gui/screens/spring_return_sizing_screen.h"
#include "lists/list_reader.h"
#include "modal.h"
#include "test_files.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QAbstractButton>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTableWidget>
#include <QTest>

namespace {

const char* ActuatorSample() {
    return flavour::kPneumatic ? "varnox-rp.kav" : "varnox-em.qu";
}

int Column(const QAbstractItemModel* model, const char* name) {
    for (int c = 0; c < model->columnCount(); ++c)
        if (model->headerData(c, Qt::Horizontal).toString() == QLatin1String(name))
            return c;
    return -1;
}

const SizedRow* RowOf(const VnValveListDlg& screen, const char* tag) {
    for (const SizedRow& row : screen.Model()->Rows())
        if (row.tag == tag)
            return &row;
    return nullptr;
}

QString Cell(const SizedRow& row, int column) {
    return QString::fromStdString(row.cells.at(static_cast<std::size_t>(column)));
}

// Cancels a progress window as soon as it shows.
class CancelOnShow : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (auto* progress = qobject_cast<QProgressDialog*>(watched); progress && event->type() == QEvent::Show)
            QTimer::singleShot(0, progress, &QProgressDialog::cancel);
        return false;
    }
};

} // namespace

class ValveListTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QString savedDir_;
    std::unique_ptr<ModalAnswers> answers_;
    std::unique_ptr<VnApp> app_;

    std::unique_ptr<VnValveListDlg> OpenSample() {
        for (const char* name : {ActuatorSample(), "ball-valves", "project-valves.csv"})
            QFile::copy(QStringLiteral(VN_SAMPLES "/") + QLatin1String(name), QLatin1String(name));
        WriteText(QString::fromLatin1(flavour::kSettingsFile),
                  CrLfLines({"LANGUAGE = UK", (QByteArray("ACTUATOR = ") + ActuatorSample()).constData(),
                             "VALVE = ball-valves", "UNITS = METRIC", "PRESSURE = 5.500000", "PLACE = Delft"}));
        answers_ = std::make_unique<ModalAnswers>();
        answers_->ThenAccept();
        app_ = std::make_unique<VnApp>();
        app_->InitMainWindow();
        app_->SetToday([] { return DatasheetDate{6, 12, 2026}; });
        auto screen = std::make_unique<VnValveListDlg>(*app_, app_->GetClient(), ActuatorSample(), "ball-valves");
        // a slow machine must not show a progress window that no answer waits for
        screen->SetProgressDelay(60000);
        screen->show();
        answers_->ThenChooseFile(QDir::current().filePath(QStringLiteral("project-valves.csv")));
        Click(screen.get(), 241);
        return screen;
    }
    static void Click(QWidget* screen, int id) {
        QTest::mouseClick(screen->findChild<QPushButton*>(QStringLiteral("button%1").arg(id)), Qt::LeftButton);
    }
    // The rows that have a datasheet: all but the errors.
    static long Sheets(const VnValveListDlg& screen) {
        const auto& rows = screen.Model()->Rows();
        return std::count_if(rows.begin(), rows.end(), [](const SizedRow& r) { return r.status != RowStatus::Error; });
    }

    // The first row of a sizing screen fed with the inputs the list gave a row.
    static QStringList ScreenRow(VnApp& app, const SizedRow& row) {
        std::unique_ptr<VnTorSizDlg> screen;
        if (flavour::kPneumatic && row.doubleActing)
            screen = std::make_unique<VnSizDoubleActingDlg>(app, nullptr, ActuatorSample());
        else
            screen = std::make_unique<VnSizSpringReturnDlg>(app, nullptr, ActuatorSample());
        screen->show();
        auto set = [&](int id, float value) {
            if (auto* field = screen->findChild<ptEditNum*>(QStringLiteral("edit%1").arg(id)))
                field->setText(QString::number(value));
        };
        if (auto* action = screen->findChild<QComboBox*>(QStringLiteral("list109")))
            action->setCurrentIndex(row.action);
        set(105, row.pressure);
        set(202, row.safety);
        set(107, row.seating);
        set(108, row.running);
        set(203, row.typedValue);
        screen->CmCalculate();
        ptMultiListBox* list = screen->GetResultList();
        QStringList cells;
        for (int c = 0; list->RowCount() == 1 && c < list->GetNumColumns(); ++c)
            cells << list->Column[c]->GetString(0);
        return cells;
    }

private slots:
    void initTestCase() { QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs); }
    void init() { savedDir_ = EnterWorkFolder(dir_); }
    void cleanup() {
        file_faults::Reset();
        app_.reset();
        answers_.reset();
        QDir::setCurrent(savedDir_);
    }

    void SampleRowsAgreeWithTheSizingScreensAndSort() {
        auto screen = OpenSample();
        const QAbstractItemModel* table = screen->Table()->model();
        QCOMPARE(table->rowCount(), 40);
        QVERIFY(Sheets(*screen) >= 30 && Sheets(*screen) < 40);
        QVERIFY(screen->findChild<QLabel*>(QStringLiteral("label245"))->text().startsWith(QStringLiteral("Rows: 40")));

        // the same valve sized on its own screen gets the same actuator and torques
        const int actuator = Column(table, "Actuator");
        const int breakTorque = Column(table, "Break");
        const int springSet = Column(table, "Spring set");
        // an electric actuator has no fail-safe action: only the double-acting rows size there
        std::vector<const char*> tags{"XV-1002", "XV-1012", "XV-1023"};
        if (flavour::kPneumatic)
            tags.insert(tags.end(), {"XV-1001", "XV-1006", "XV-1009", "XV-1003", "XV-1005", "XV-1013"});
        for (const char* tag : tags) {
            const SizedRow* row = RowOf(*screen, tag);
            QVERIFY2(row && row->status == RowStatus::Ok, tag);
            const QStringList own = ScreenRow(*app_, *row);
            const bool da = flavour::kPneumatic && row->doubleActing;
            QVERIFY2(!own.isEmpty(), tag);
            QCOMPARE(Cell(*row, actuator), own.at(da ? 2 : flavour::kPneumatic ? 4 : 3));
            QCOMPARE(Cell(*row, breakTorque), QString(own.at(1)).remove(QLatin1Char(' ')));
            if (flavour::kPneumatic && !da)
                QCOMPARE(Cell(*row, springSet), own.at(5));
        }

        // a row that did not size stands out: shaded, its status in bold; a sized row is
        // shaded only for a warning
        const int status = table->columnCount() - 1;
        for (int r = 0; r < table->rowCount(); ++r) {
            const bool ok = table->index(r, status).data().toString() == QLatin1String("ok");
            const bool warned = !table->index(r, status - 1).data().toString().isEmpty();
            QCOMPARE(table->index(r, 0).data(Qt::BackgroundRole).isValid(), !ok || warned);
            QCOMPARE(table->index(r, status).data(Qt::FontRole).value<QFont>().bold(), !ok);
        }

        // a header click sorts a number column by value, its blanks and texts after the numbers
        const int torque = Column(table, "Torque");
        QHeaderView* header = screen->Table()->horizontalHeader();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(torque) + 4, header->height() / 2));
        QStringList seen;
        for (int r = 0; r < table->rowCount(); ++r)
            seen << table->index(r, torque).data().toString();
        QCOMPARE(seen.first(), QStringLiteral("5"));
        QVERIFY(seen.indexOf(QStringLiteral("8")) < seen.indexOf(QStringLiteral("12")));
        QVERIFY(seen.indexOf(QStringLiteral("9000")) < seen.indexOf(QString()));
        QCOMPARE(seen.last(), QStringLiteral("tbd"));

        // the chart follows the selected row: its actuator in the title, none for an error
        VnChartView* chart = screen->ChartView();
        chart->show();
        screen->Table()->setCurrentIndex(table->index(0, 0));
        QVERIFY(chart->Chart());
        QVERIFY(chart->Chart()->title.rfind(table->index(0, actuator).data().toString().toStdString(), 0) == 0);
        // the selected row, and the whole list under its header line, as a spreadsheet pastes them
        screen->Table()->selectRow(0);
        const QString row = table->index(0, 0).data().toString() + QLatin1Char('\t');
        QVERIFY(screen->CopiedRows(false).startsWith(row));
        QVERIFY(!screen->CopiedRows(false).contains(QLatin1Char('\n')));
        const QStringList all = screen->CopiedRows(true).split(QLatin1Char('\n'));
        QCOMPARE(all.size(), 41);
        QVERIFY(all[0].startsWith(QStringLiteral("Tag\tLine\tP&ID")));
        QCOMPARE(all[0].count(QLatin1Char('\t')), table->columnCount() - 1);
        screen->Table()->setCurrentIndex(table->index(table->rowCount() - 1, 0));
        QVERIFY(!chart->Chart());
        QCOMPARE(answers_->Unexpected, 0);
    }

    void ExportsReadBack_data() {
        QTest::addColumn<QString>("name");
        for (const char* name : {"sized.csv", "sized.xlsx", "sized.json"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void ExportsReadBack() {
        QFETCH(QString, name);
        auto screen = OpenSample();
        answers_->ThenChooseFile(QDir::current().filePath(name));
        Click(screen.get(), 242);
        const QByteArray written = ReadText(name);
        const auto& rows = screen->Model()->Rows();
        if (name.endsWith(QLatin1String(".csv"))) {
            std::vector<std::vector<std::string>> records;
            QVERIFY(ReadListFile(name.toStdString(), [&](ListRecord&& r) {
                        records.push_back(std::move(r.fields));
                        return true;
                    }).ok);
            QCOMPARE(records.size(), rows.size() + 1);
            QCOMPARE(records.front().back(), std::string("Status"));
            for (std::size_t r = 0; r < rows.size(); ++r)
                QCOMPARE(records[r + 1], rows[r].cells);
        } else if (name.endsWith(QLatin1String(".json"))) {
            const QJsonArray array = QJsonDocument::fromJson(written).array();
            QCOMPARE(array.size(), qsizetype(rows.size()));
            QCOMPARE(array.at(0).toObject().value(QStringLiteral("Tag")).toString(), QStringLiteral("XV-1001"));
            QCOMPARE(array.at(0).toObject().value(QStringLiteral("Torque")).toDouble(), 45.0);
        } else {
            QVERIFY(written.startsWith("PK\x03\x04"));
            QVERIFY(written.contains("xl/worksheets/sheet1.xml"));
        }
        QCOMPARE(answers_->Unexpected, 0);
    }

    void DatasheetsAPagePerTagOrAFilePerTag() {
        auto screen = OpenSample();
        const long sheets = Sheets(*screen);
        const int rows = screen->Model()->rowCount();
        // the project data, kept with the list, goes into every title block
        answers_->Then([](QWidget* modal) {
            auto* dialog = qobject_cast<VnProjectDlg*>(modal);
            QVERIFY(dialog);
            dialog->findChild<QLineEdit*>(QStringLiteral("field0"))->setText(QStringLiteral("Harbour terminal"));
            dialog->findChild<QLineEdit*>(QStringLiteral("field4"))->setText(QStringLiteral("J. de Vries"));
            dialog->accept();
        });
        Click(screen.get(), 256);
        QCOMPARE(VnProjectDlg::Remembered(QStringLiteral("project-valves.csv")).engineer, std::string("J. de Vries"));
        // the preview shows the first tag's page before anything is written
        answers_->Then([](QWidget* modal) {
            auto* page = modal->findChild<QLabel*>(QStringLiteral("page"));
            QVERIFY(page && !page->pixmap().isNull() && page->pixmap().height() > page->pixmap().width());
            qobject_cast<QDialog*>(modal)->accept();
        });
        screen->findChild<QAction*>(QStringLiteral("previewPackage"))->trigger();

        answers_->ThenChooseFile(QDir::current().filePath(QStringLiteral("sheets.pdf")));
        screen->findChild<QAction*>(QStringLiteral("pdfDatasheets"))->trigger();
        const QByteArray pdf = ReadText(QStringLiteral("sheets.pdf"));
        QVERIFY(pdf.startsWith("%PDF"));
        // a cover and the summary pages, then a page for every row, sized or not
        QVERIFY(QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)"))) > rows + 1);

        QDir().mkdir(QStringLiteral("sheets"));
        answers_->ThenChooseFile(QDir::current().filePath(QStringLiteral("sheets")));
        screen->findChild<QAction*>(QStringLiteral("textDatasheets"))->trigger();
        QCOMPARE(QDir(QStringLiteral("sheets")).entryList(QDir::Files).size(), qsizetype(sheets));
        QVERIFY(ReadText(QStringLiteral("sheets/XV-1001.txt")).contains("XV-1001"));
        QCOMPARE(answers_->Unexpected, 0);

        // each PDF sheet carries its chart while the pane is shown, and none when it is not
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (pdftotext.isEmpty())
            QSKIP("pdftotext is not installed");
        const auto charts = [&](const QString& file) {
            QProcess reader;
            reader.start(pdftotext, {file, QStringLiteral("-")});
            reader.waitForFinished();
            return QString::fromUtf8(reader.readAllStandardOutput()).count(QStringLiteral("Valve demand"));
        };
        auto* shown = screen->findChild<QCheckBox*>(QStringLiteral("chartToggle"));
        shown->setChecked(true);
        QVERIFY(screen->WritePdfDatasheets(QStringLiteral("charts.pdf")));
        QCOMPARE(charts(QStringLiteral("charts.pdf")), qsizetype(sheets));
        QProcess reader;
        reader.start(pdftotext, {QStringLiteral("charts.pdf"), QStringLiteral("-")});
        reader.waitForFinished();
        const QStringList pages = QString::fromUtf8(reader.readAllStandardOutput()).split(QLatin1Char('\f'));
        QVERIFY(pages.size() > rows);
        const QStringList tagPages = pages.mid(pages.size() - 1 - rows, rows);
        const QAbstractItemModel* table = screen->Model();
        for (int r = 0; r < rows; ++r) {
            const QString tag = table->data(table->index(r, 0)).toString();
            QVERIFY2(tagPages[r].contains(tag) && tagPages[r].contains(QStringLiteral("Harbour terminal")),
                     qPrintable(tag));
        }
        shown->setChecked(false);
        QVERIFY(screen->WritePdfDatasheets(QStringLiteral("plain.pdf")));
        QCOMPARE(charts(QStringLiteral("plain.pdf")), 0);
    }

    // vnsize in the program's working folder reads its settings file: the same list gives
    // the same sized list, byte for byte, as the screen exports.
    void VnsizeInTheWorkingFolderAgreesWithTheScreen() {
        auto screen = OpenSample();
        QVERIFY(screen->ExportList(QStringLiteral("screen.csv")));
        QProcess vnsize;
        vnsize.start(QStringLiteral(VN_VNSIZE), {QStringLiteral("project-valves.csv"), QStringLiteral("-o"),
                                                 QStringLiteral("cli.csv")});
        QVERIFY(vnsize.waitForFinished(60000));
        QCOMPARE(vnsize.exitStatus(), QProcess::NormalExit);
        QCOMPARE(vnsize.exitCode(), 1); // the sample's rows that do not size
        QVERIFY(vnsize.readAllStandardError().contains(QByteArray("settings: ") + flavour::kSettingsFile));
        const QByteArray shown = ReadText(QStringLiteral("screen.csv"));
        QVERIFY(shown.contains(flavour::kPneumatic ? ",5.5,Ball,1.2," : ",Ball,1.2,"));
        QCOMPARE(ReadText(QStringLiteral("cli.csv")), shown);
        // and the same rows get a datasheet
        QVERIFY(Sheets(*screen) > 0);

        // the sized list never replaces the list it came from
        answers_->ThenMessage(QMessageBox::Ok);
        QVERIFY(!screen->ExportList(QStringLiteral("./project-valves.csv")));
        QVERIFY(answers_->Texts.last().contains(QStringLiteral("cannot replace the valve list")));
        QCOMPARE(answers_->Unexpected, 0);
    }

    // A list with the reviewer's checks: the screen and vnsize give the same sized list, and
    // the Summary tab holds what vnsize writes as the summary.
    void ChecksAndTheSummaryAgreeWithVnsize() {
        auto screen = OpenSample();
        QFile::copy(QStringLiteral(VN_SAMPLES "/checked-valves.csv"), QStringLiteral("checked-valves.csv"));
        QVERIFY(screen->OpenList(QStringLiteral("checked-valves.csv")));
        QVERIFY(screen->ExportList(QStringLiteral("screen.csv")));
        QProcess vnsize;
        vnsize.start(QStringLiteral(VN_VNSIZE), {QStringLiteral("checked-valves.csv"), QStringLiteral("-o"),
                                                 QStringLiteral("cli.csv"), QStringLiteral("--summary"),
                                                 QStringLiteral("summary.csv")});
        QVERIFY(vnsize.waitForFinished(60000));
        QCOMPARE(vnsize.exitCode(), 1);
        const QByteArray shown = ReadText(QStringLiteral("screen.csv"));
        QVERIFY(shown.contains("check failed: "));
        QCOMPARE(ReadText(QStringLiteral("cli.csv")), shown);
        QVERIFY(screen->findChild<QLabel*>(QStringLiteral("label245"))->text().contains(QStringLiteral("Check failed: ")));

        // the tab's cells, joined as CSV, are the summary file
        auto* summary = screen->findChild<QTableWidget*>(QStringLiteral("table255"));
        QVERIFY(summary);
        QStringList lines;
        QStringList cells;
        for (int c = 0; c < summary->columnCount(); ++c)
            cells << summary->horizontalHeaderItem(c)->text();
        lines << cells.join(QLatin1Char(','));
        for (int r = 0; r < summary->rowCount(); ++r) {
            cells.clear();
            for (int c = 0; c < summary->columnCount(); ++c)
                cells << summary->item(r, c)->text();
            lines << cells.join(QLatin1Char(','));
        }
        QCOMPARE(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"),
                 QString::fromUtf8(ReadText(QStringLiteral("summary.csv"))));
        QCOMPARE(answers_->Unexpected, 0);

        // one list, one datasheet package, from the screen and from vnsize: the same words on
        // the same pages
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (pdftotext.isEmpty())
            QSKIP("pdftotext is not installed");
        screen->findChild<QCheckBox*>(QStringLiteral("chartToggle"))->setChecked(true);
        QVERIFY(screen->WritePdfDatasheets(QStringLiteral("screen.pdf")));
        vnsize.start(QStringLiteral(VN_VNSIZE), {QStringLiteral("checked-valves.csv"), QStringLiteral("-o"),
                                                 QStringLiteral("cli.csv"), QStringLiteral("--datasheets"),
                                                 QStringLiteral("cli.pdf")});
        QVERIFY(vnsize.waitForFinished(60000));
        QCOMPARE(vnsize.exitCode(), 1);
        const auto text = [&](const QString& file) {
            QProcess reader;
            reader.start(pdftotext, {QStringLiteral("-layout"), file, QStringLiteral("-")});
            reader.waitForFinished();
            // apart from the day each was made
            return QString::fromUtf8(reader.readAllStandardOutput())
                .replace(QRegularExpression(QStringLiteral("\\d\\d-\\d\\d-\\d{4}")), QStringLiteral("DD-MM-YYYY"));
        };
        const QString fromScreen = text(QStringLiteral("screen.pdf"));
        QVERIFY(fromScreen.contains(QStringLiteral("XV-3008")));
        QCOMPARE(text(QStringLiteral("cli.pdf")), fromScreen);
    }

    // A series of another valve database sizes once that database is added for lists; the
    // program keeps it for the next time the screen opens.
    void SeriesFromSeveralValveDatabases() {
        auto screen = OpenSample();
        QFile::copy(QStringLiteral(VN_SAMPLES "/butterfly-valves"), QStringLiteral("butterfly-valves"));
        WriteText(QStringLiteral("flaps.csv"), "Tag,Action,Series,Size\nFV-1,DA,\"Concentric, EPDM liner, wafer, "
                                               "PN16\",100\n");
        QVERIFY(screen->OpenList(QStringLiteral("flaps.csv")));
        QVERIFY(QString::fromStdString(screen->Model()->Rows().at(0).cells.back()).contains(QStringLiteral("not in")));

        answers_->Then([](QWidget* modal) {
            auto* dialog = qobject_cast<VnValveDatabasesDlg*>(modal);
            QVERIFY(dialog);
            QVERIFY(dialog->AddDatabase(QStringLiteral("butterfly-valves")));
            QVERIFY(dialog->AddDatabase(QStringLiteral("ball-valves"))); // the settings' one: no second entry
            QCOMPARE(dialog->findChild<QListWidget*>(QStringLiteral("databases"))->count(), 2);
            dialog->accept();
        });
        Click(screen.get(), 251);
        QCOMPARE(QString::fromStdString(screen->Model()->Rows().at(0).cells.back()), QStringLiteral("ok"));

        auto again = std::make_unique<VnValveListDlg>(*app_, app_->GetClient(), ActuatorSample(), "ball-valves");
        QVERIFY(again->OpenList(QStringLiteral("flaps.csv")));
        QCOMPARE(QString::fromStdString(again->Model()->Rows().at(0).cells.back()), QStringLiteral("ok"));
        VnValveDatabasesDlg::Remember({});
        QCOMPARE(answers_->Unexpected, 0);
    }

    // A cell edited in place sizes its row again at once; Save List writes the list back as
    // it came, with the edit, after asking; the list is offered again next time.
    void EditInPlaceAndSave() {
        auto screen = OpenSample();
        WriteText(QStringLiteral("edit.csv"), "Tag;Action;Torque;Note\r\nA;DA;tbd;x\r\nB;FC;45;y\r\n");
        QVERIFY(screen->OpenList(QStringLiteral("edit.csv")));
        ValveListModel* model = screen->Model();
        QCOMPARE(model->Rows().at(0).status, RowStatus::Error);
        const QModelIndex torque = screen->Table()->model()->index(0, 2);
        QVERIFY(torque.flags() & Qt::ItemIsEditable);
        QVERIFY(!(screen->Table()->model()->index(0, model->columnCount() - 1).flags() & Qt::ItemIsEditable));
        // as the table's editor commits a typed value
        QVERIFY(screen->Table()->model()->setData(torque, QStringLiteral("38,5")));
        QCOMPARE(model->Rows().at(0).status, RowStatus::Ok);
        QCOMPARE(model->Rows().at(0).typedValue, 38.5f);
        QVERIFY(model->HasEdits());
        const QString summary = screen->findChild<QLabel*>(QStringLiteral("label245"))->text();
        QVERIFY2(summary.contains(flavour::kPneumatic ? QStringLiteral("Sized: 2") : QStringLiteral("Sized: 1")),
                 qPrintable(summary));

        answers_->ThenMessage(QMessageBox::Yes);
        QVERIFY(screen->SaveList());
        QCOMPARE(ReadText(QStringLiteral("edit.csv")), QByteArray("Tag;Action;Torque;Note\r\nA;DA;38,5;x\r\nB;FC;45;y\r\n"));
        QVERIFY(!model->HasEdits());
        QVERIFY(screen->Reload());
        QCOMPARE(model->Rows().at(0).status, RowStatus::Ok);

        // an edit not saved is not lost without a word
        QVERIFY(screen->Table()->model()->setData(screen->Table()->model()->index(0, 2), QStringLiteral("tbd")));
        answers_->ThenMessage(QMessageBox::No);
        QVERIFY(!screen->Reload());
        QCOMPARE(model->Rows().at(0).status, RowStatus::Error);

        auto again = std::make_unique<VnValveListDlg>(*app_, app_->GetClient(), ActuatorSample(), "ball-valves");
        again->ReopenLast();
        QCOMPARE(again->Model()->Rows().size(), std::size_t(2));
        QCOMPARE(answers_->Unexpected, 0);
        model->ClearEdited();
    }

    // A workbook opens as a list: its sheets to choose from when it has several, and an edited
    // workbook is saved as a new workbook, never over the one it came from.
    void WorkbookListsOpenAndSave() {
        auto screen = OpenSample();
        QVERIFY(screen->ExportList(QStringLiteral("sized.xlsx")));
        QVERIFY(screen->OpenList(QStringLiteral("sized.xlsx")));
        QCOMPARE(screen->Model()->rowCount(), 40);
        auto* sheets = screen->findChild<QComboBox*>(QStringLiteral("list254"));
        QVERIFY(sheets->isVisible());
        QCOMPARE(sheets->count(), 3); // the sized list, its summary and its assumptions
        QCOMPARE(sheets->currentText(), QStringLiteral("Sized"));

        const QModelIndex tag = screen->Table()->model()->index(0, 0);
        QVERIFY(screen->Table()->model()->setData(tag, QStringLiteral("XV-9001")));
        answers_->ThenChooseFile(QDir::current().filePath(QStringLiteral("edited.xlsx")));
        QVERIFY(screen->SaveList());
        QVERIFY(ReadText(QStringLiteral("edited.xlsx")).startsWith("PK"));
        QVERIFY(screen->Reload());
        QCOMPARE(QString::fromStdString(screen->Model()->Rows().at(0).tag), QStringLiteral("XV-9001"));
        QCOMPARE(answers_->Unexpected, 0);
    }

    // A list whose columns the names cannot settle: the user says which is which, once for
    // every list with that header line; a list that shows no decimal mark asks for one.
    void TheUserSaysWhatTheListCannot() {
        auto screen = OpenSample();
        WriteText(QStringLiteral("twice.csv"), "Kenn,Action,Torque,Valve torque\nXV-1,DA,45,50\n");
        answers_->Then([](QWidget* modal) {
            auto* dialog = qobject_cast<QDialog*>(modal);
            QVERIFY(dialog && dialog->objectName() == QLatin1String("listColumns"));
            QVERIFY(modal->findChild<QLabel*>(QStringLiteral("reason"))->text().contains(QStringLiteral("'Valve torque'")));
            modal->findChild<QComboBox*>(QStringLiteral("role0"))->setCurrentIndex(1);         // Tag: Kenn
            modal->findChild<QComboBox*>(QStringLiteral("role2"))->setCurrentIndex(4);         // Torque: Valve torque
            dialog->accept();
        });
        QVERIFY(screen->OpenList(QStringLiteral("twice.csv")));
        QCOMPARE(screen->Model()->Rows().at(0).typedValue, 50.0f);
        QVERIFY(screen->findChild<QLabel*>(QStringLiteral("label248"))->text().contains(
            QStringLiteral("Torque 'Valve torque' (chosen)")));
        // kept for the header line: the same list opens without a question
        QVERIFY(screen->OpenList(QStringLiteral("twice.csv")));
        QVERIFY(answers_->AllAnswered());

        WriteText(QStringLiteral("marks.txt"), "Tag\tAction\tTorque\nXV-1\tDA\t1,450\n");
        answers_->Then([](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box && box->text().contains(QStringLiteral("Torque '1,450'")));
            for (QAbstractButton* button : box->buttons())
                if (button->text() == Str(164))
                    button->click();
        });
        QVERIFY(screen->OpenList(QStringLiteral("marks.txt")));
        QCOMPARE(screen->Model()->Rows().at(0).typedValue, 1.45f);
        QCOMPARE(screen->findChild<QComboBox*>(QStringLiteral("list249"))->currentIndex(), 2);
        QCOMPARE(answers_->Unexpected, 0);
    }

    void CancelOrFailureLeavesTheFilesAsTheyWere() {
        auto screen = OpenSample();
        screen->SetProgressDelay(0);
        // a list long enough to be cancelled on its way
        QByteArray big = ReadText(QStringLiteral("project-valves.csv"));
        const QByteArray body = big.mid(big.indexOf('\n') + 1);
        for (int k = 0; k < 100; ++k)
            big += QByteArray(body).replace("XV-", "K" + QByteArray::number(k) + "-");
        WriteText(QStringLiteral("big.csv"), big);
        WriteText(QStringLiteral("old.csv"), "old\n");
        const QStringList before = QDir::current().entryList(QDir::Files);

        // no answers are waiting: the cancel below is the only hand on the progress window
        answers_.reset();
        CancelOnShow cancel;
        qApp->installEventFilter(&cancel);
        QVERIFY(!screen->OpenList(QStringLiteral("big.csv")));
        QCOMPARE(screen->Model()->rowCount(), 40); // the list shown stays
        QVERIFY(!screen->ExportList(QStringLiteral("old.csv")));
        QVERIFY(!screen->WritePdfDatasheets(QStringLiteral("old.pdf")));
        qApp->removeEventFilter(&cancel);
        screen->SetProgressDelay(60000);
        answers_ = std::make_unique<ModalAnswers>();
        QCOMPARE(ReadText(QStringLiteral("old.csv")), QByteArray("old\n"));
        QCOMPARE(QDir::current().entryList(QDir::Files), before);

        // a folder that cannot be made, or a file that cannot be replaced: each way out
        // says which file it could not write, and the old file stays
        WriteText(QStringLiteral("blocked"), "a file, not a folder");
        WriteText(QStringLiteral("blocked-old.csv"), "old\n");
        for (int k = 0; k < 4; ++k)
            answers_->ThenMessage(QMessageBox::Ok);
        QVERIFY(!screen->ExportList(QStringLiteral("blocked/list.xlsx")));
        QVERIFY(!screen->WritePdfDatasheets(QStringLiteral("blocked/sheets.pdf")));
        QVERIFY(!screen->WriteTextDatasheets(QStringLiteral("blocked")));
        file_faults::FailRename(true);
        QVERIFY(!screen->ExportList(QStringLiteral("blocked-old.csv")));
        file_faults::Reset();
        QCOMPARE(ReadText(QStringLiteral("blocked-old.csv")), QByteArray("old\n"));
        QCOMPARE(answers_->Texts.size(), 4);
        for (const QString& text : answers_->Texts)
            QVERIFY2(text.contains(QStringLiteral("could not be written")) && text.contains(QStringLiteral("blocked")),
                     qPrintable(text));

        // a list that cannot be read is named, and the table keeps what it showed
        WriteText(QStringLiteral("open-quote.csv"), "Tag,Action,Torque\nXV-1,FC,\"45\n");
        WriteText(QStringLiteral("no-tag.csv"), "Name,Torque\nXV-1,45\n");
        answers_->ThenMessage(QMessageBox::Ok);
        answers_->ThenReject(); // the list's columns, which the user leaves unsaid
        answers_->ThenMessage(QMessageBox::Ok);
        QVERIFY(!screen->OpenList(QStringLiteral("open-quote.csv")));
        QVERIFY(!screen->OpenList(QStringLiteral("no-tag.csv")));
        QVERIFY(answers_->Texts.at(4).contains(QStringLiteral("open-quote.csv")));
        QVERIFY(answers_->Texts.at(5).contains(QStringLiteral("no-tag.csv")));
        QCOMPARE(screen->Model()->rowCount(), 40);

        // a list of nothing but errors has no sheet to write, and asks for no file
        WriteText(QStringLiteral("unsized.csv"), "Tag,Action,Torque\nXV-1,FC,tbd\n");
        QVERIFY(screen->OpenList(QStringLiteral("unsized.csv")));
        answers_->ThenMessage(QMessageBox::Ok);
        screen->findChild<QAction*>(QStringLiteral("pdfDatasheets"))->trigger();
        QVERIFY(answers_->Texts.at(6).contains(QStringLiteral("no datasheet")));
        QCOMPARE(answers_->Unexpected, 0);
    }
};

QTEST_MAIN(ValveListTest)
#include "valve_list_test.moc"
