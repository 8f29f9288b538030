// The engineering tools and the conversion windows, used the way a user does: typing
// into the fields, pressing the buttons, writing the datasheet To File, and opening
// the conversions from the client.
#include "by_id.h"
#include "core/text/menu_table.h"
#include "core/tools/conversion_kinds.h"
#include "gui/app/application.h"
#include "gui/app/client_area.h"
#include "gui/app/main_frame.h"
#include "gui/common/flavour.h"
#include "gui/controls/multi_list_box.h"
#include "gui/controls/number_edit.h"
#include "gui/tools/actuator_speed_dialog.h"
#include "gui/tools/air_tank_dialog.h"
#include "gui/tools/conversion_dialogs.h"
#include "gui/tools/hot_line_dialog.h"
#include "gui/tools/torsion_dialog.h"
#include "modal.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

namespace {

const char* const kSampleRange = VN_SAMPLES "/varnox-rp.kav";
const char* const kRangeTitle = "Varnox RP rack and pinion";

QString LabelText(QWidget* root, int id) {
    auto* label = ById<QLabel>(root, id);
    return label ? label->text() : QStringLiteral("<no label %1>").arg(id);
}

// Every row of the result table, its cells joined by '|'.
QStringList TableRows(QWidget* root) {
    auto* table = ById<ptMultiListBox>(root, 103);
    QStringList rows;
    if (!table)
        return {QStringLiteral("<no table>")};
    for (int r = 0; r < table->RowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < table->GetNumColumns(); ++c)
            cells << table->Column[c]->GetString(r);
        rows << cells.join(QLatin1Char('|'));
    }
    return rows;
}

QStringList Headers(QWidget* root) {
    auto* table = ById<ptMultiListBox>(root, 103);
    QStringList headers;
    for (int c = 0; table && c < table->GetNumColumns(); ++c)
        headers << table->Header[c]->GetString(0) + QLatin1Char('/') + table->Header[c]->GetString(1);
    return headers;
}

// Answers the To File dialog with a name and Save.
void SaveAs(ModalAnswers& answers, const QString& path) {
    answers.Then([path](QWidget* w) {
        auto* dialog = qobject_cast<QFileDialog*>(w);
        QVERIFY(dialog);
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        auto* buttons = dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
        QVERIFY(name && buttons);
        name->setText(path);
        buttons->button(QDialogButtonBox::Save)->click();
    });
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// An expected datasheet of the core tests, with this program's banner and version.
QByteArray ExpectedSheet(const char* name) {
    QByteArray sheet = FileBytes(QStringLiteral(VN_TEST_DATA "/") + QLatin1String(name));
    sheet.replace(kPneumaticBanner, flavour::Banner());
    sheet.replace(QByteArray("\"") + kPneumaticVersionText + "\"", QByteArray("\"") + flavour::VersionText() + "\"");
    return sheet;
}

// Compares line by line so that a failure names the first line that differs.
QString SheetDifference(const QByteArray& actual, const QByteArray& expected) {
    const QList<QByteArray> a = actual.split('\n');
    const QList<QByteArray> e = expected.split('\n');
    for (int i = 0; i < std::min(a.size(), e.size()); ++i)
        if (a[i] != e[i])
            return QStringLiteral("line %1 is '%2', expected '%3'")
                .arg(i + 1)
                .arg(QString::fromUtf8(a[i]).trimmed(), QString::fromUtf8(e[i]).trimmed());
    if (a.size() != e.size())
        return QStringLiteral("%1 lines, expected %2").arg(a.size()).arg(e.size());
    return {};
}

#define CHECK_SHEET(path, expected)                                                                                    \
    do {                                                                                                               \
        const QString difference = SheetDifference(FileBytes(path), expected);                                         \
        QVERIFY2(difference.isEmpty(), qPrintable(difference));                                                        \
    } while (false)

} // namespace

class ToolsTest : public QObject {
    Q_OBJECT

    QTemporaryDir home_;
    std::unique_ptr<QTemporaryDir> work_;
    std::unique_ptr<VnApp> app_;

    QString Work(const QString& name) const { return work_->filePath(name); }
    VnClient* Client() { return app_->GetClient(); }
    void SetUnits(int units) { app_->GetSettings().Units = units; }

private slots:
    void initTestCase() {
        QVERIFY(home_.isValid());
        QVERIFY(QDir::setCurrent(home_.path()));
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
        for (const char* name : {"varnox-rp.kav", "varnox-em.qu", "ball-valves"})
            QVERIFY(QFile::copy(QStringLiteral(VN_SAMPLES "/") + name, QDir::current().filePath(name)));
        QFile settings(QString::fromLatin1(flavour::kSettingsFile));
        QVERIFY(settings.open(QIODevice::WriteOnly));
        settings.write(QByteArray("LANGUAGE = UK\r\nACTUATOR = ") +
                       (flavour::kPneumatic ? "varnox-rp.kav" : "varnox-em.qu") +
                       "\r\nVALVE = ball-valves\r\nUNITS = METRIC\r\nPRESSURE = 5.500000\r\nPLACE = Rotterdam\r\n");
        settings.close();
        ModalAnswers answers;
        answers.ThenAccept();
        app_ = std::make_unique<VnApp>();
        app_->InitMainWindow();
        QVERIFY(answers.AllAnswered());
        app_->SetToday([] { return DatasheetDate{6, 12, 2026}; });
    }

    void cleanupTestCase() { app_.reset(); }

    void init() {
        work_ = std::make_unique<QTemporaryDir>();
        QVERIFY(work_->isValid());
        SetUnits(0);
    }

    void cleanup() {
        Client()->CloseChildren();
        SetUnits(0);
        work_.reset();
    }

    void CommandsOpenTheToolsOfThisProgram() {
        struct Seen {
            int command;
            const char* className;
        };
        std::vector<Seen> tools{{cmd::HotLine, "VnHotLineActuatorDialog"}, {cmd::Torsion, "VnTorsionDialog"}};
        if (flavour::kPneumatic) {
            tools.push_back({cmd::ActuatorSpeed, "VnActuatorSpeedDialog"});
            tools.push_back({cmd::AirTank, "VnAirTankDialog"});
        }
        for (const Seen& tool : tools) {
            ModalAnswers answers;
            QString shown;
            answers.Then([&shown](QWidget* w) {
                shown = QString::fromLatin1(w->metaObject()->className());
                qobject_cast<QDialog*>(w)->reject();
            });
            Client()->Command(tool.command);
            QCOMPARE(shown, QString::fromLatin1(tool.className));
            QCOMPARE(answers.Unexpected, 0);
        }
        if (!flavour::kPneumatic) {
            // no menu item and no window for the air tools
            ModalAnswers answers;
            Client()->Command(cmd::ActuatorSpeed);
            Client()->Command(cmd::AirTank);
            QTest::qWait(50);
            QCOMPARE(answers.Unexpected, 0);
        }
    }

    void HotLineMetric() {
        VnHotLineActuatorDialog dialog(*app_, Client());
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Hot Line Actuators"));
        for (int id : {106, 107, 108})
            QCOMPARE(LabelText(&dialog, id), QStringLiteral("°C"));
        auto* box = ById<QPlainTextEdit>(&dialog, 105);
        QVERIFY(box);

        Press(&dialog, 211);
        QCOMPARE(box->toPlainText(), QStringLiteral("No fluid temperature available\nNo ambient temperature available\n"
                                                    "No instrument temperature available\n"));
        Type(&dialog, 101, QStringLiteral("200"));
        Type(&dialog, 102, QStringLiteral("20"));
        Type(&dialog, 103, QStringLiteral("80"));
        Press(&dialog, 211);
        QCOMPARE(box->toPlainText(), QStringLiteral("Height = 95 mm"));
        QVERIFY(qAbs(dialog.GetHeight() - 94.61f) < 0.01f);

        ModalAnswers answers;
        SaveAs(answers, Work(QStringLiteral("hot.txt")));
        Press(&dialog, 400);
        QVERIFY(answers.AllAnswered());
        CHECK_SHEET(Work(QStringLiteral("hot.txt")), ExpectedSheet("tool_hot_line_height.txt"));

        // Return in a field is Calculate; Ta above Ti gives the verdict
        Type(&dialog, 102, QStringLiteral("90"));
        QTest::keyClick(ById<ptEditNum>(&dialog, 102), Qt::Key_Return);
        QCOMPARE(box->toPlainText(), QStringLiteral("Ambient temperature is higher than the instrument temperature.\n"
                                                    "Please enter new data and calculate again."));
        QCOMPARE(dialog.GetHeight(), 0.0f);
    }

    void HotLineToFileKeepsTheResultAndPrintRecalculates() {
        VnHotLineActuatorDialog dialog(*app_, Client());
        dialog.SetListFileName(Work(QStringLiteral("LIST.TXT")));
        dialog.show();
        Type(&dialog, 101, QStringLiteral("200"));
        Type(&dialog, 102, QStringLiteral("20"));
        Type(&dialog, 103, QStringLiteral("80"));
        Press(&dialog, 211);
        // a changed field without Calculate: To File shows the new input with the old result
        Type(&dialog, 101, QStringLiteral("140"));
        ModalAnswers answers;
        SaveAs(answers, Work(QStringLiteral("stale.txt")));
        Press(&dialog, 400);
        const QByteArray stale = FileBytes(Work(QStringLiteral("stale.txt")));
        QVERIFY(stale.contains("Fluid Temperature                 =  140 \xC2\xB0"
                               "C\r\n"));
        QVERIFY(stale.contains("Height                            =   95 mm\r\n"));

        // Print calculates first; the sheet goes into the list file before the print dialog
        answers.Then([](QWidget* w) {
            QVERIFY(qobject_cast<QPrintDialog*>(w));
            qobject_cast<QDialog*>(w)->reject();
        });
        Press(&dialog, 110);
        QVERIFY(answers.AllAnswered());
        QCOMPARE(ById<QPlainTextEdit>(&dialog, 105)->toPlainText(), QStringLiteral("Height = 40 mm"));
        QVERIFY(
            FileBytes(Work(QStringLiteral("LIST.TXT"))).contains("Height                            =   40 mm\r\n"));
    }

    void HotLineImperial() {
        SetUnits(1);
        VnHotLineActuatorDialog dialog(*app_, Client());
        dialog.show();
        for (int id : {106, 107, 108})
            QCOMPARE(LabelText(&dialog, id), QStringLiteral("F"));
        auto* box = ById<QPlainTextEdit>(&dialog, 105);
        Type(&dialog, 101, QStringLiteral("1832"));
        Type(&dialog, 102, QStringLiteral("68"));
        Type(&dialog, 103, QStringLiteral("176"));
        Press(&dialog, 211);
        QVERIFY(box->toPlainText().startsWith(QStringLiteral("Fluid temperature is too high.")));
        Type(&dialog, 101, QStringLiteral("1830"));
        Press(&dialog, 211);
        QCOMPARE(box->toPlainText(), QStringLiteral("Height = 15 inch"));
    }

    void ActuatorSpeed() {
        VnActuatorSpeedDialog dialog(*app_, Client(), kSampleRange);
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Actuator Speed   [%1]").arg(QLatin1String(kRangeTitle)));
        QCOMPARE(ById<ptEditNum>(&dialog, 105)->text(), QStringLiteral("5.5"));
        QCOMPARE(LabelText(&dialog, 106), QStringLiteral("bar"));
        QCOMPARE(LabelText(&dialog, 151), QStringLiteral("Kv"));
        QCOMPARE(Headers(&dialog), (QStringList{"Actuator/", "Appoximate Time/[sec]"}));

        // no flow coefficient: the table empties and the Kv message comes up, captioned "Error"
        ModalAnswers answers;
        answers.ThenMessage(QMessageBox::Ok);
        Press(&dialog, 211);
        QCOMPARE(answers.Captions.value(0), QStringLiteral("Error"));
        QCOMPARE(answers.Texts.value(0), QStringLiteral("Kv value should be greater than zero !"));
        QVERIFY(TableRows(&dialog).isEmpty());

        Type(&dialog, 101, QStringLiteral("1.2"));
        Press(&dialog, 211);
        const QStringList rows = TableRows(&dialog);
        QCOMPARE(rows.size(), 16);
        QCOMPARE(rows.first(), QStringLiteral("RPS 15|0.32"));
        QCOMPARE(rows.last(), QStringLiteral("RPS 7000|8.71"));
        SaveAs(answers, Work(QStringLiteral("speed.txt")));
        Press(&dialog, 400);
        QVERIFY(answers.AllAnswered());
        CHECK_SHEET(Work(QStringLiteral("speed.txt")), ExpectedSheet("tool_actuator_speed.txt"));

        // a new calculation replaces the rows; 0 empties them again
        Type(&dialog, 101, QStringLiteral("0"));
        answers.ThenMessage(QMessageBox::Ok);
        Press(&dialog, 211);
        QVERIFY(TableRows(&dialog).isEmpty());
        QCOMPARE(answers.Unexpected, 0);
    }

    void ActuatorSpeedImperial() {
        SetUnits(1);
        VnActuatorSpeedDialog imperial(*app_, Client(), kSampleRange);
        imperial.show();
        QCOMPARE(LabelText(&imperial, 106), QStringLiteral("psi"));
        QCOMPARE(LabelText(&imperial, 151), QStringLiteral("Cv"));
        Type(&imperial, 105, QStringLiteral("87"));
        Type(&imperial, 101, QStringLiteral("0.85"));
        Press(&imperial, 211);
        SetUnits(0);
        VnActuatorSpeedDialog metric(*app_, Client(), kSampleRange);
        metric.show();
        Type(&metric, 105, QStringLiteral("6"));
        Type(&metric, 101, QStringLiteral("1"));
        Press(&metric, 211);
        QCOMPARE(TableRows(&imperial), TableRows(&metric));
        QCOMPARE(TableRows(&imperial).size(), 16);
    }

    void AirTank() {
        VnAirTankDialog dialog(*app_, Client(), kSampleRange);
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Air Tank Calculations   [%1]").arg(QLatin1String(kRangeTitle)));
        auto* actuators = ById<QComboBox>(&dialog, 102);
        QVERIFY(actuators);
        QCOMPARE(actuators->count(), 16);
        QCOMPARE(actuators->currentText(), QStringLiteral("RPD 15"));
        QCOMPARE(LabelText(&dialog, 152), QStringLiteral("liter"));
        QCOMPARE(Headers(&dialog), (QStringList{"Operation/", "Pressure/[bar]", "Torque/[Nm]"}));

        Type(&dialog, 105, QStringLiteral("6"));
        Type(&dialog, 101, QStringLiteral("0.1"));
        Type(&dialog, 107, QStringLiteral("4"));
        Press(&dialog, 211);
        QCOMPARE(TableRows(&dialog), (QStringList{"Initial|6.0|15", "1|4.0|10", "2|2.7|7", "3|1.8|4", "4|1.2|3"}));
        ModalAnswers answers;
        SaveAs(answers, Work(QStringLiteral("tank.txt")));
        Press(&dialog, 400);
        QVERIFY(answers.AllAnswered());
        CHECK_SHEET(Work(QStringLiteral("tank.txt")), ExpectedSheet("tool_air_tank.txt"));

        // another actuator, and half an operation rounds up
        actuators->setCurrentIndex(3);
        Type(&dialog, 107, QStringLiteral("2.5"));
        Press(&dialog, 211);
        QCOMPARE(TableRows(&dialog).size(), 4);
        QVERIFY(TableRows(&dialog).first().startsWith(QStringLiteral("Initial|6.0|")));
        Type(&dialog, 107, QStringLiteral("-"));
        Press(&dialog, 211);
        QCOMPARE(TableRows(&dialog).size(), 1);
    }

    void AirTankImperial() {
        SetUnits(1);
        VnAirTankDialog dialog(*app_, Client(), kSampleRange);
        dialog.show();
        QCOMPARE(LabelText(&dialog, 106), QStringLiteral("psi"));
        QCOMPARE(LabelText(&dialog, 152), QStringLiteral("cu.in"));
        QCOMPARE(Headers(&dialog), (QStringList{"Operation/", "Pressure/[psi]", "Torque/[in.lb]"}));
        Type(&dialog, 105, QStringLiteral("87"));
        Type(&dialog, 101, QStringLiteral("100"));
        Type(&dialog, 107, QStringLiteral("1"));
        Press(&dialog, 211);
        const QStringList rows = TableRows(&dialog);
        QCOMPARE(rows.size(), 2);
        QVERIFY2(rows[0].startsWith(QStringLiteral("Initial|87.0|")), qPrintable(rows[0]));
    }

    void TorsionRowsAccumulateUntilClear() {
        VnTorsionDialog dialog(*app_, Client());
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Calculations for Shaft Torsion"));
        QCOMPARE(LabelText(&dialog, 201), QStringLiteral("Nm"));
        QCOMPARE(LabelText(&dialog, 106), QStringLiteral("mm"));
        QCOMPARE(LabelText(&dialog, 101), QStringLiteral("mm"));
        QCOMPARE(Headers(&dialog), (QStringList{"Torque/[Nm]", "Diameter/[mm]", "Length/[mm]", "Stress/[N/mm^2]",
                                                "Deflection/[Degrees]"}));
        const struct {
            const char* torque;
            const char* diameter;
            const char* length;
        } shafts[] = {{"100", "20", "500"}, {"100.0", "0", "500"}, {"2500", "35.5", "1200"}};
        for (const auto& s : shafts) {
            Type(&dialog, 203, QString::fromLatin1(s.torque));
            Type(&dialog, 105, QString::fromLatin1(s.diameter));
            Type(&dialog, 202, QString::fromLatin1(s.length));
            Press(&dialog, 102);
        }
        QCOMPARE(TableRows(&dialog),
                 (QStringList{"100|20|500|64|2.20", "100.0|0|500|---|---", "2500|35.5|1200|285|13.28"}));
        ModalAnswers answers;
        SaveAs(answers, Work(QStringLiteral("torsion.txt")));
        Press(&dialog, 400);
        QVERIFY(answers.AllAnswered());
        CHECK_SHEET(Work(QStringLiteral("torsion.txt")), ExpectedSheet("tool_torsion.txt"));

        Press(&dialog, 120);
        QVERIFY(TableRows(&dialog).isEmpty());
        QCOMPARE(Headers(&dialog).size(), 5);
        QCOMPARE(ById<ptEditNum>(&dialog, 203)->text(), QStringLiteral("2500"));
        // the fields take seven characters
        Type(&dialog, 203, QStringLiteral("123456789"));
        QCOMPARE(ById<ptEditNum>(&dialog, 203)->text(), QStringLiteral("1234567"));
    }

    void TorsionImperial() {
        SetUnits(1);
        VnTorsionDialog dialog(*app_, Client());
        dialog.show();
        QCOMPARE(LabelText(&dialog, 201), QStringLiteral("in.lb"));
        QCOMPARE(LabelText(&dialog, 106), QStringLiteral("inch"));
        QCOMPARE(Headers(&dialog).value(3), QStringLiteral("Stress/[lb/in^2]"));
        Type(&dialog, 203, QStringLiteral("885"));
        Type(&dialog, 105, QStringLiteral("0.78740"));
        Type(&dialog, 202, QStringLiteral("19.6850"));
        Press(&dialog, 102);
        QCOMPARE(TableRows(&dialog), QStringList{QStringLiteral("885|0.78740|19.6850|9212|2.20")});
    }

    void ConversionWindowStaysLiveBesideAScreen() {
        ModalAnswers answers;
        QString converted;
        bool frameBlocked = false;
        answers.Then([&](QWidget* screen) {
            // the screen blocks the frame, so the command comes the way its menu would send it
            frameBlocked = screen->windowModality() == Qt::WindowModal && screen->parentWidget() &&
                           screen->parentWidget()->window() == app_->GetFrame();
            Client()->Command(cmd::ConvertPressure);
            QWidget* pressure = Client()->ConversionWindow(0);
            QVERIFY(pressure && pressure->windowHandle());
            // keys through the window system, where a blocked window would drop them
            for (char key : QByteArray("58"))
                QTest::keyClick(pressure->windowHandle(), key);
            converted = ById<ptEditNum>(pressure, 102)->text();
            qobject_cast<QDialog*>(screen)->reject();
        });
        Client()->Command(cmd::Torsion);
        QVERIFY(answers.AllAnswered());
        QVERIFY(frameBlocked);
        QCOMPARE(converted, QStringLiteral("4.0")); // 58 psi
    }

    void ConversionWindowsConvertAsTheUserTypes() {
        Client()->Command(cmd::ConvertWeight);
        auto* weight = qobject_cast<VnConvertWeightDialog*>(Client()->ConversionWindow(7));
        QVERIFY(weight);
        QVERIFY(weight->isVisible());
        QVERIFY(!weight->isModal());
        QVERIFY(weight->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(weight->windowFlags() & Qt::WindowType_Mask, Qt::Tool);
        QCOMPARE(weight->windowTitle(), QStringLiteral("Convert Weight"));
        QCOMPARE(LabelText(weight, 104), QStringLiteral("lb"));
        QCOMPARE(LabelText(weight, 105), QStringLiteral("kg"));

        auto* result = ById<ptEditNum>(weight, 102);
        Type(weight, 101, QStringLiteral("22"));
        QCOMPARE(result->text(), QStringLiteral("10.0"));
        Press(weight, 103);
        QCOMPARE(LabelText(weight, 104), QStringLiteral("kg"));
        QCOMPARE(LabelText(weight, 105), QStringLiteral("lb"));
        QCOMPARE(result->text(), QStringLiteral("48.400002"));
        QCOMPARE(weight->windowTitle(), QStringLiteral("Convert Weight"));
        // an empty input empties the result; a lone minus converts 0
        Type(weight, 101, QString());
        QCOMPARE(result->text(), QString());
        Type(weight, 101, QStringLiteral("-"));
        QCOMPARE(result->text(), QStringLiteral("0.0"));

        Client()->Command(cmd::ConvertTemperature);
        QWidget* temperature = Client()->ConversionWindow(6);
        QVERIFY(qobject_cast<VnConvertTemperatureDialog*>(temperature));
        QCOMPARE(temperature->windowTitle(), QStringLiteral("Convert Temperature"));
        Type(temperature, 101, QStringLiteral("-"));
        QCOMPARE(ById<ptEditNum>(temperature, 102)->text(), QStringLiteral("-17.777779"));
        Type(temperature, 101, QStringLiteral("212"));
        QCOMPARE(ById<ptEditNum>(temperature, 102)->text(), QStringLiteral("100.0"));
    }

    void EachCommandHasItsOwnWindow() {
        const struct {
            int command;
            int slot;
            const char* caption;
            const char* from;
        } commands[] = {
            {cmd::ConvertPressure, 0, "Convert Pressure", "psi"},
            {cmd::ConvertTorque1, 1, "Convert Torque   [in.lb & Nm]", "in.lb"},
            {cmd::ConvertTorque2, 2, "Convert Torque   [ft.lb & Nm]", "ft.lb"},
            {cmd::ConvertTorque3, 3, "Convert Torque   [in.lb & kg.m]", "in.lb"},
            {cmd::ConvertTorque4, 4, "Convert Torque   [ft.lb & kg.m]", "ft.lb"},
            {cmd::ConvertLength, 5, "Convert Length", "inch"},
            {cmd::ConvertTemperature, 6, "Convert Temperature", "F"},
            {cmd::ConvertWeight, 7, "Convert Weight", "lb"},
            {cmd::ConvertVolume, 8, "Convert Volume", "cu.in"},
        };
        for (const auto& c : commands) {
            Client()->Command(c.command);
            QWidget* window = Client()->ConversionWindow(c.slot);
            QVERIFY2(qobject_cast<VnConvertDialog*>(window), c.caption);
            QCOMPARE(window->windowTitle(), QString::fromUtf8(c.caption));
            QCOMPARE(LabelText(window, 104), QString::fromUtf8(c.from));
        }
        QCOMPARE(Client()->ConversionCount(), 9);
        QCOMPARE(Client()->ConversionWindow(9), nullptr);
        // ft.lb to Nm: 1 ft.lb is 12 in.lb
        QWidget* footPound = Client()->ConversionWindow(2);
        Type(footPound, 101, QStringLiteral("1"));
        QCOMPARE(ById<ptEditNum>(footPound, 102)->text(), QStringLiteral("1.355932"));
    }

    void ClosedWindowComesBackAsANewWindowOfTheSameObject() {
        Client()->Command(cmd::ConvertPressure);
        QWidget* pressure = Client()->ConversionWindow(0);
        QVERIFY(pressure);
        Type(pressure, 101, QStringLiteral("145"));
        Press(pressure, 103);
        // the same command again only brings it forward, contents and all
        Client()->Command(cmd::ConvertPressure);
        QCOMPARE(Client()->ConversionWindow(0), pressure);
        QCOMPARE(ById<ptEditNum>(pressure, 102)->text(), QStringLiteral("2102.5"));

        Press(pressure, 1);
        QVERIFY(!pressure->isVisible());
        SetUnits(1);
        Client()->Command(cmd::ConvertPressure);
        QCOMPARE(Client()->ConversionWindow(0), pressure);
        QVERIFY(pressure->isVisible());
        // a fresh window: empty, and its direction from the settings again
        QCOMPARE(ById<ptEditNum>(pressure, 101)->text(), QString());
        QCOMPARE(ById<ptEditNum>(pressure, 102)->text(), QString());
        QCOMPARE(LabelText(pressure, 104), QStringLiteral("bar"));
        QCOMPARE(pressure->windowTitle(), QStringLiteral("Convert Pressure"));

        // a language change ends the objects; the next command makes a new one
        app_->ApplyLanguage(nullptr);
        QCOMPARE(Client()->ConversionWindow(0), nullptr);
        Client()->Command(cmd::ConvertTorque1);
        QCOMPARE(Client()->ConversionWindow(1)->windowTitle(), QStringLiteral("Convert Torque   [Nm & in.lb]"));
    }

    void WindowsArePlacedByTheCountOfConversions() {
        auto expected = [](QWidget* w, int count) {
            const QRect desktop = w->screen()->geometry();
            const auto [x, y] = ConversionWindowPosition(desktop.width(), desktop.height(), w->frameGeometry().width(),
                                                         w->frameGeometry().height(), count);
            return QPoint(desktop.x() + x, desktop.y() + y);
        };
        Client()->Command(cmd::ConvertLength);
        QWidget* length = Client()->ConversionWindow(5);
        QCOMPARE(length->frameGeometry().topLeft(), expected(length, 1));
        Client()->Command(cmd::ConvertVolume);
        QWidget* volume = Client()->ConversionWindow(8);
        QCOMPARE(volume->frameGeometry().topLeft(), expected(volume, 2));
        QCOMPARE(volume->frameGeometry().topLeft() - length->frameGeometry().topLeft(), QPoint(20, 20));
        // the first one, opened again after closing, now counts two conversions
        length->close();
        Client()->Command(cmd::ConvertLength);
        QCOMPARE(length->frameGeometry().topLeft(), expected(length, 2));
    }
};

QTEST_MAIN(ToolsTest)
#include "tools_test.moc"
