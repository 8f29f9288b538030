// The actuator sizing screen of both programs, driven as a user does.
#include "core/text/menu_table.h"
#include "gui/app/application.h"
#include "gui/app/client_area.h"
#include "gui/common/flavour.h"
#include "gui/common/messages.h"
#include "gui/controls/multi_list_box.h"
#include "gui/controls/number_edit.h"
#include "gui/screens/screen_context.h"
#include "gui/screens/spring_return_sizing_screen.h"
#include "modal.h"
#include "test_files.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

// At 5 bar: AirStart = 50 - n, AirEnd = 50 - 2n, SpringStart = 2n, SpringEnd = n (size 10),
// and twice the air for size 20.
QByteArray PneumaticRange() {
    QByteArray out = CrLfLines({"Test range", "2", "", "", ""});
    for (const char* record : {"10", "20"}) {
        const bool big = QByteArray(record) == "20";
        out += CrLfLines({"TDA", "TSR", record, "0", big ? "20" : "10", "2", "1", big ? "20" : "10", "0", "1", "2", "0",
                          "0.5", "1", "1", "0", "15", "2"});
    }
    return out;
}

QByteArray ElectricRange() {
    QByteArray out = CrLfLines({"Test electric", "3", "", "", ""});
    out += CrLfLines({"EM 35", "35", "27", "1", "2", "3", "4", "5", "6", "7", "8"});
    out += CrLfLines({"EM 60", "60", "46", "1", "2", "3", "4", "5", "6", "7", "8"});
    out += CrLfLines({"EM 100", "100", "77", "1", "2", "3", "4", "5", "6", "7", "8"});
    return out;
}

QStringList RowTexts(ptMultiListBox* list, int row) {
    QStringList cells;
    for (int c = 0; c < list->GetNumColumns(); ++c)
        cells << list->Column[c]->GetString(row);
    return cells;
}

// A screen's surroundings without the application: its settings, a fixed day, and a
// count of the prints it starts.
class TestContext : public ScreenContext {
public:
    explicit TestContext(const char* units) : settings_(flavour::kSettingsFile) {
        settings_.Units = QByteArray(units).contains("IMPERIAL") ? Settings::Imperial : Settings::Metric;
        settings_.Pressure = 5.0f;
        settings_.Place = "Gouda";
    }
    const Settings& GetSettings() const override { return settings_; }
    DatasheetDate Today() const override { return {1, 2, 2027}; }
    QPrinter& GetPrinter() override { return printer_; }
    void ProposePrintFile(const QString&) override {}
    void CountPrinting(int step) override { printing_ += step; }
    void CmUserGuide(QWidget*) override {}
    int ConversionCount() const override { return 0; }

private:
    Settings settings_;
    QPrinter printer_;
    int printing_ = 0;
};

} // namespace

class SizingScreensTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QString savedDir_;
    std::unique_ptr<VnApp> app_;
    std::unique_ptr<ModalAnswers> answers_;

    void Start(const char* units) {
        WriteText(QStringLiteral("range.act"), flavour::kPneumatic ? PneumaticRange() : ElectricRange());
        WriteText(QStringLiteral("valves"), ReadText(QStringLiteral(VN_SAMPLES "/ball-valves")));
        WriteText(QString::fromLatin1(flavour::kSettingsFile),
                  CrLfLines({"ACTUATOR = range.act", "VALVE = valves", units, "PRESSURE = 5.000000", "PLACE = Delft"}));
        answers_ = std::make_unique<ModalAnswers>();
        answers_->ThenAccept();
        app_ = std::make_unique<VnApp>();
        app_->InitMainWindow();
        app_->SetToday([] { return DatasheetDate{6, 12, 2026}; });
    }

    std::unique_ptr<VnSizSpringReturnDlg> Open() {
        auto screen = std::make_unique<VnSizSpringReturnDlg>(*app_, app_->GetClient(), "range.act");
        screen->SetListFileName(QStringLiteral("LIST.TXT"));
        screen->show();
        return screen;
    }

    static ptEditNum* Field(QWidget* screen, int id) {
        return screen->findChild<ptEditNum*>(QStringLiteral("edit%1").arg(id));
    }
    static QPushButton* Button(QWidget* screen, int id) {
        return screen->findChild<QPushButton*>(QStringLiteral("button%1").arg(id));
    }
    static void Size(QWidget* screen, const char* torque) {
        ptEditNum* field = Field(screen, 203);
        field->setFocus();
        QTest::keyClicks(field, QString::fromLatin1(torque));
        QTest::mouseClick(Button(screen, 102), Qt::LeftButton);
    }
    // Types a new value into a field and leaves it, as the change rule sees it.
    static void Retype(ptEditNum* field, const char* value) {
        emit field->focusIn();
        field->clear();
        QTest::keyClicks(field, QString::fromLatin1(value));
        emit field->focusOut();
    }
    QString ToFile(QWidget* screen, const QString& name) {
        answers_->ThenChooseFile(QDir::current().filePath(name));
        QTest::mouseClick(Button(screen, 400), Qt::LeftButton);
        return QDir::current().filePath(name);
    }

private slots:
    void initTestCase() { QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs); }
    void init() { savedDir_ = EnterWorkFolder(dir_); }
    void cleanup() {
        app_.reset();
        answers_.reset();
        QDir::setCurrent(savedDir_);
    }

    void PneumaticRowsAndTheirChoice() {
        if (!flavour::kPneumatic)
            QSKIP("pneumatic screen");
        Start("UNITS = METRIC");
        auto screen = Open();
        QCOMPARE(screen->windowTitle(), QStringLiteral("Sizing Spring Return - Test range"));
        QCOMPARE(Field(screen.get(), 107)->text(), QStringLiteral("0.6"));
        QCOMPARE(Field(screen.get(), 108)->text(), QStringLiteral("0.3"));
        QCOMPARE(Field(screen.get(), 202)->text(), QStringLiteral("1.2"));
        ptMultiListBox* list = screen->GetResultList();

        // set the factors of a case worked out by hand: R 0.5, Z 0.3, S 1
        Retype(Field(screen.get(), 108), "0.5");
        Retype(Field(screen.get(), 107), "0.3");
        Retype(Field(screen.get(), 202), "1");
        Size(screen.get(), "20");
        QCOMPARE(list->RowCount(), 1);
        // the strongest set and the balanced count (11 units) land on the same actuator
        QCOMPARE(RowTexts(list, 0), (QStringList{"20", "20", "10", "6", "TSR 10", "22", "FC"}));
        QCOMPARE(Field(screen.get(), 203)->text(), QString());

        // an empty torque adds nothing; a torque no actuator meets still adds its row
        QTest::mouseClick(Button(screen.get(), 102), Qt::LeftButton);
        QCOMPARE(list->RowCount(), 1);
        Size(screen.get(), "500");
        QCOMPARE(RowTexts(list, 1).mid(4, 2), (QStringList{"---", ""}));

        // changing the fail action keeps the rows
        auto* action = screen->findChild<QComboBox*>(QStringLiteral("list109"));
        action->setCurrentIndex(1);
        emit action->activated(1);
        QCOMPARE(list->RowCount(), 2);
        Size(screen.get(), "20");
        QCOMPARE(RowTexts(list, 2).last(), QStringLiteral("  FO"));

        // leaving a factor unchanged keeps the table, changing it empties it
        Retype(Field(screen.get(), 202), "1");
        QCOMPARE(list->RowCount(), 3);
        Retype(Field(screen.get(), 202), "1.3");
        QCOMPARE(list->RowCount(), 0);
    }

    // A screen needs no application: its context gives the settings and the day, and the
    // datasheet carries them.
    void AScreenRunsOnAContextOfItsOwn() {
        WriteText(QStringLiteral("range.act"), flavour::kPneumatic ? PneumaticRange() : ElectricRange());
        TestContext context("UNITS = METRIC");
        answers_ = std::make_unique<ModalAnswers>();
        VnSizSpringReturnDlg screen(context, nullptr, "range.act");
        screen.show();
        if (flavour::kPneumatic)
            QCOMPARE(Field(&screen, 105)->text(), QStringLiteral("5.0"));
        Size(&screen, "20");
        QCOMPARE(screen.GetResultList()->RowCount(), 1);
        QVERIFY(screen.WriteDatasheet(QStringLiteral("sheet.txt")));
        const QByteArray sheet = ReadText(QStringLiteral("sheet.txt"));
        QVERIFY(sheet.contains("Gouda"));
        QVERIFY(sheet.contains("01-02-2027"));
        QCOMPARE(answers_->Unexpected, 0);
    }

    void ValveTypePresets() {
        if (!flavour::kPneumatic)
            QSKIP("pneumatic screen");
        Start("UNITS = METRIC");
        auto screen = Open();
        ptMultiListBox* list = screen->GetResultList();
        Size(screen.get(), "10");
        auto* type = screen->findChild<QComboBox*>(QStringLiteral("list104"));
        type->setCurrentIndex(1);
        emit type->activated(1);
        QCOMPARE(Field(screen.get(), 108)->text(), QStringLiteral("0.2"));
        QCOMPARE(Field(screen.get(), 107)->text(), QStringLiteral("1.0"));
        QCOMPARE(list->RowCount(), 0);
        Size(screen.get(), "10");
        Field(screen.get(), 108)->setText(QStringLiteral("0.25"));
        emit type->activated(1); // the same type again only resets the factors
        QCOMPARE(list->RowCount(), 1);
        QCOMPARE(Field(screen.get(), 108)->text(), QStringLiteral("0.2"));
        type->setCurrentIndex(2);
        emit type->activated(2);
        QCOMPARE(Field(screen.get(), 108)->text(), QStringLiteral("0.9"));
        QCOMPARE(list->RowCount(), 0);
    }

    void PressureOutsideTheRangeAddsNoRow() {
        if (!flavour::kPneumatic)
            QSKIP("pneumatic screen");
        Start("UNITS = METRIC");
        auto screen = Open();
        Field(screen.get(), 105)->setText(QStringLiteral("12"));
        answers_->ThenMessage(QMessageBox::Ok);
        Size(screen.get(), "10");
        QCOMPARE(answers_->Texts.value(0), QStringLiteral("Pressure too high"));
        QCOMPARE(answers_->Captions.value(0), QStringLiteral("An error occurred..."));
        QCOMPARE(screen->GetResultList()->RowCount(), 0);
        QCOMPARE(Field(screen.get(), 203)->text(), QStringLiteral("10")); // inputs stay
    }

    void ElectricRowsRememberTheirRecords() {
        if (flavour::kPneumatic)
            QSKIP("electric screen");
        Start("UNITS = METRIC");
        auto screen = Open();
        QCOMPARE(screen->windowTitle(), QStringLiteral("Actuator Sizing - Test electric"));
        QVERIFY(!Field(screen.get(), 105));
        QVERIFY(!Field(screen.get(), 107));
        ptMultiListBox* list = screen->GetResultList();
        Size(screen.get(), "40");
        QCOMPARE(RowTexts(list, 0), (QStringList{"40", "48", "14", "EM 60"}));
        Size(screen.get(), "500");
        QCOMPARE(RowTexts(list, 1).last(), QStringLiteral("---"));
        QCOMPARE(screen->RowRecords(), (std::vector<int>{1, -1}));
        // far more rows than any fixed store would hold
        for (int i = 0; i < 60; ++i)
            Size(screen.get(), "20");
        QCOMPARE(list->RowCount(), 62);
        QCOMPARE(screen->RowRecords().size(), 62u);
        screen->CmClear();
        Size(screen.get(), "80");
        QCOMPARE(screen->RowRecords(), (std::vector<int>{2}));
    }

    void DecimalCommaSizesLikeThePoint_data() {
        QTest::addColumn<int>("language");
        QTest::newRow("English") << 0;
        QTest::newRow("German") << 2;
    }
    void DecimalCommaSizesLikeThePoint() {
        QFETCH(int, language);
        Start("UNITS = METRIC");
        if (language != 0) {
            QVERIFY(QFile::copy(QStringLiteral(VN_CATALOGUES "/SIZ_D.qm"), QStringLiteral("SIZ_D.qm")));
            app_->LoadLanguage(language);
            QVERIFY(app_->StringModule());
        }
        auto screen = Open();
        ptMultiListBox* list = screen->GetResultList();
        Size(screen.get(), "45.5");
        Size(screen.get(), "45,5");
        QCOMPARE(list->RowCount(), 2);
        QCOMPARE(RowTexts(list, 1), RowTexts(list, 0));
        QCOMPARE(RowTexts(list, 1).value(0), QStringLiteral("45.5"));

        // pasted the same; what reads as no number is refused with a message in the user's language
        ptEditNum* torque = Field(screen.get(), 203);
        torque->setFocus();
        torque->PasteText(QStringLiteral("45,5"));
        QTest::mouseClick(Button(screen.get(), 102), Qt::LeftButton);
        QCOMPARE(RowTexts(list, 2), RowTexts(list, 0));
        answers_->ThenMessage(QMessageBox::Ok);
        torque->PasteText(QStringLiteral("45,5 Nm"));
        QTRY_VERIFY(answers_->AllAnswered());
        QCOMPARE(answers_->Texts.value(0), Str(136).replace(QStringLiteral("%s"), QStringLiteral("45,5 Nm")));
        QCOMPARE(torque->text(), QString());
        QCOMPARE(answers_->Unexpected, 0);
    }

    void DatasheetsInMetricAndImperial_data() {
        QTest::addColumn<QString>("units");
        QTest::addColumn<QString>("expected");
        QTest::newRow("metric") << "UNITS = METRIC"
                                << (flavour::kPneumatic ? "sheet_siz_sr_metric.txt" : "sheet_siz_el_metric.txt");
        QTest::newRow("imperial") << "UNITS = IMPERIAL"
                                  << (flavour::kPneumatic ? "sheet_siz_sr_imperial.txt" : "sheet_siz_el_imperial.txt");
    }
    void DatasheetsInMetricAndImperial() {
        QFETCH(QString, units);
        QFETCH(QString, expected);
        Start(units.toLatin1().constData());
        auto screen = Open();
        if (flavour::kPneumatic && units.contains(QLatin1String("IMPERIAL")))
            Field(screen.get(), 105)->setText(QStringLiteral("72.5"));
        for (const char* torque : {"10", "20", "500"})
            Size(screen.get(), torque);
        const QString written = ToFile(screen.get(), QStringLiteral("sheet.txt"));
        QVERIFY(answers_->AllAnswered());
        const QByteArray sheet = ReadText(written);
        const QString expectedPath = QStringLiteral(VN_TEST_DATA "/") + expected;
        // VN_UPDATE_EXPECTED=1 rewrites the expected sheets after a deliberate layout change
        if (qEnvironmentVariableIsSet("VN_UPDATE_EXPECTED"))
            WriteText(expectedPath, sheet);
        QCOMPARE(sheet, ReadText(expectedPath));
    }

    void OpensFromTheMenu() {
        Start("UNITS = METRIC");
        answers_->Then([](QWidget* w) {
            QVERIFY(qobject_cast<VnSizSpringReturnDlg*>(w));
            qobject_cast<QDialog*>(w)->reject();
        });
        app_->GetClient()->Command(flavour::kPneumatic ? cmd::SizingSpringReturn : cmd::ElectricSizing);
        QVERIFY(answers_->AllAnswered());
        QCOMPARE(answers_->Unexpected, 0);
    }
};

QTEST_MAIN(SizingScreensTest)
#include "sizing_screens_test.moc"
