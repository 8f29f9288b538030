// The torque chart as drawn: where its lines, markers and labels fall, in every language,
// in a sizing screen that follows the selected row, and in a PDF with its datasheet.
#include "core/data/torque_e.h"
#include "core/data/torque_t.h"
#include "core/text/load_string.h"
#include "gui/app/application.h"
#include "gui/app/client_area.h"
#include "gui/app/language.h"
#include "gui/chart/chart_view.h"
#include "gui/common/flavour.h"
#include "gui/controls/multi_list_box.h"
#include "gui/controls/number_edit.h"
#include "gui/screens/spring_return_sizing_screen.h"
#include "modal.h"
#include "page/chart_painter.h"
#include "page/page_render.h"
#include "test_files.h"

#include <QCheckBox>
#include <QDir>
#include <QFontMetricsF>
#include <QPainter>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

namespace {

// The chart of 45 Nm at 5.5 bar, ball valve presets, fail close, from the shipped range.
TorqueChartData KnownChart() {
    static const TorqueT range(VN_SAMPLES "/varnox-rp.kav");
    const SizingOutcome o = SizeSpringReturn(range, 5.5f, 45, 1.2f, 0.3f, 0.6f, 0);
    ChartInputs in;
    in.actuator = "RPS 120";
    in.hasPressure = true;
    in.pressure = 5.5f;
    return MakeTorqueChart(o, in);
}

bool Near(QColor a, QColor b) {
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue()) < 60;
}

// True when some pixel within r of at has the colour.
bool ColourNear(const QImage& image, QPointF at, QColor colour, int r = 2) {
    for (int dx = -r; dx <= r; ++dx)
        for (int dy = -r; dy <= r; ++dy) {
            const QPoint p = at.toPoint() + QPoint(dx, dy);
            if (image.rect().contains(p) && Near(image.pixelColor(p), colour))
                return true;
        }
    return false;
}

// Every text of the chart has its room: legend entries, mark labels and the title stay
// inside the chart and do not run into each other.
QStringList Clipped(const TorqueChartData& chart, const QRectF& rect) {
    QStringList problems;
    const ChartLayout layout = LayoutTorqueChart(rect, chart);
    if (QFontMetricsF(ChartFont(layout.fontPixels * 1.15, true)).horizontalAdvance(QString::fromStdString(chart.title)) >
        rect.width())
        problems << QStringLiteral("title");
    std::vector<QRectF> boxes = layout.legendItems;
    for (const PlacedLabel& label : PlaceMarkLabels(layout, chart))
        boxes.push_back(label.box);
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        if (!rect.contains(boxes[i]))
            problems << QStringLiteral("box %1 leaves the chart").arg(i);
        for (std::size_t j = 0; j < i; ++j)
            if (boxes[i].intersects(boxes[j]))
                problems << QStringLiteral("boxes %1 and %2 overlap").arg(j).arg(i);
    }
    return problems;
}

} // namespace

class ChartUiTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QString savedDir_;

private slots:
    void init() {
        savedDir_ = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir_.path()));
        QStandardPaths::setTestModeEnabled(true);
    }
    void cleanup() {
        QDir::setCurrent(savedDir_);
        SetStringLookup({});
    }

    // The air stroke runs from its start torque at 0 degrees to its end torque at 90, the
    // spring stroke back; the demands sit where the rule checks them; the weakest label
    // is the bold one.
    void LinesAndMarksFallWhereTheRuleChecks() {
        const TorqueChartData chart = KnownChart();
        const QRectF rect(0, 0, 640, 420);
        const QImage image = RenderChartImage(chart, rect.size().toSize());
        const ChartLayout layout = LayoutTorqueChart(rect, chart);
        const QColor air = SeriesColour(ChartSeries::AirStroke), spring = SeriesColour(ChartSeries::SpringStroke);
        const ChartLine& a = chart.lines[0];
        const ChartLine& s = chart.lines[1];
        QVERIFY(ColourNear(image, layout.Map(10, a.fromTorque + (a.toTorque - a.fromTorque) / 9), air));
        QVERIFY(ColourNear(image, layout.Map(80, a.fromTorque + (a.toTorque - a.fromTorque) * 8 / 9), air));
        QVERIFY(!ColourNear(image, layout.Map(10, a.toTorque), air));
        // the spring stroke is dashed: somewhere along it, not necessarily at a given point
        int springPixels = 0;
        for (double angle = 5; angle < 85; angle += 1)
            springPixels += ColourNear(image, layout.Map(angle, s.toTorque + (s.fromTorque - s.toTorque) * angle / 90),
                                       spring, 1);
        QVERIFY2(springPixels > 40 && springPixels < 80, qPrintable(QString::number(springPixels)));
        for (const ChartMark& m : chart.marks)
            QVERIFY(ColourNear(image, layout.Map(m.angle, m.torque), Qt::black, 1));
        int bold = 0;
        for (const PlacedLabel& label : PlaceMarkLabels(layout, chart))
            bold += label.weakest;
        QCOMPARE(bold, 1);
        QVERIFY2(Clipped(chart, rect).isEmpty(), qPrintable(Clipped(chart, rect).join(QLatin1Char('\n'))));
    }

    // The MAST and the air stroke at the highest pressure are drawn in their own colours,
    // with their legend entries; the MAST's label sits over its line's right end, clear of
    // the other texts.
    void MastAndHighestPressureAreDrawn() {
        static const TorqueT range(VN_SAMPLES "/varnox-rp.kav");
        const SizingOutcome o = SizeSpringReturn(range, 5.5f, 45, 1.2f, 0.3f, 0.6f, 0);
        ChartInputs in;
        in.mast = 120;
        in.hasPressureMax = true;
        in.maxAirStart = o.airStart * 1.5f;
        in.maxAirEnd = o.airEnd * 1.5f;
        const TorqueChartData chart = MakeTorqueChart(o, in);
        const QRectF rect(0, 0, 640, 420);
        const ChartLayout layout = LayoutTorqueChart(rect, chart);
        QCOMPARE(layout.legendItems.size(), std::size_t(5));
        const std::vector<PlacedLabel> labels = PlaceMarkLabels(layout, chart);
        const auto mast = std::find_if(labels.begin(), labels.end(), [](const PlacedLabel& l) { return l.mast; });
        QVERIFY(mast != labels.end() && mast->text == QStringLiteral("MAST 120 Nm"));
        QVERIFY(layout.plot.contains(mast->box) && mast->box.bottom() <= layout.Map(90, 120).y());
        QVERIFY(mast->box.left() > layout.plot.center().x());
        QVERIFY2(Clipped(chart, rect).isEmpty(), qPrintable(Clipped(chart, rect).join(QLatin1Char('\n'))));

        const QImage image = RenderChartImage(chart, rect.size().toSize());
        int mastPixels = 0; // dashed, left of its label
        for (double angle = 5; angle < 45; angle += 1)
            mastPixels += ColourNear(image, layout.Map(angle, 120), SeriesColour(ChartSeries::Mast), 1);
        QVERIFY2(mastPixels > 15 && mastPixels < 40, qPrintable(QString::number(mastPixels)));
        QVERIFY(ColourNear(image, layout.Map(45, (in.maxAirStart + in.maxAirEnd) / 2.0),
                           SeriesColour(ChartSeries::AirStrokeMax)));
    }

    // In each language every word of the chart is translated and nothing is clipped, in a
    // pane and on a page.
    void EveryLanguageHasItsWordsAndRoom() {
        const TorqueChartData english = KnownChart();
        for (const char* name : {"SIZ_NL", "SIZ_D", "SIZ_F"}) {
            std::unique_ptr<LanguageModule> module =
                LanguageModule::Load(QStringLiteral(VN_CATALOGUES "/") + name + QStringLiteral(".qm"));
            QVERIFY(module);
            LanguageModule* m = module.get();
            SetStringLookup([m](int id) { return m->String(id).toStdString(); });
            const TorqueChartData chart = KnownChart();
            QVERIFY2(chart.title != english.title, name);
            QVERIFY2(chart.strokeAxis != english.strokeAxis && chart.closedText != english.closedText, name);
            for (std::size_t i = 0; i < chart.legend.size(); ++i)
                QVERIFY2(chart.legend[i].text != english.legend[i].text || chart.legend[i].text.empty(), name);
            QVERIFY2(chart.marks[1].label != chart.marks[2].label, name); // the run on either stroke
            for (const QRectF& rect : {QRectF(0, 0, 420, 300), QRectF(75, 0, 640, 397)})
                QVERIFY2(Clipped(chart, rect).isEmpty(), qPrintable(name + Clipped(chart, rect).join(QLatin1Char(' '))));
            SetStringLookup({});
        }
    }

    // The PDF holds the sheet on its page and the chart on the next, as text a reader finds.
    void PdfHoldsTheSheetAndItsChart() {
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (pdftotext.isEmpty())
            QSKIP("pdftotext is not installed");
        QStringList lines;
        for (int i = 0; i < 58; ++i)
            lines << QStringLiteral("LINE %1").arg(i);
        const TorqueChartData chart = KnownChart();
        QString error;
        QVERIFY(WriteDatasheetPdf(QStringLiteral("sheet.pdf"), lines, &chart, QStringLiteral("Sheet"), error));
        QProcess reader;
        reader.start(pdftotext, {QStringLiteral("-layout"), QStringLiteral("sheet.pdf"), QStringLiteral("-")});
        QVERIFY(reader.waitForFinished());
        const QString text = QString::fromUtf8(reader.readAllStandardOutput());
        const QStringList pages = text.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
        QCOMPARE(pages.size(), 2);
        QVERIFY(pages[0].contains(QStringLiteral("LINE 0")) && pages[0].contains(QStringLiteral("LINE 57")));
        QVERIFY(pages[1].contains(QStringLiteral("RPS 120, 5.5 bar, Fail Close")));
        QVERIFY(pages[1].contains(QStringLiteral("Break +22.7 %")));
        QVERIFY(pages[1].contains(QStringLiteral("Run (air) +189.7 %")));
        QVERIFY(pages[1].contains(QStringLiteral("Run (spring) +296.3 %")));

        // a folder that cannot take the file leaves nothing behind and says which file
        QVERIFY(!WriteDatasheetPdf(QStringLiteral("missing/sheet.pdf"), lines, &chart, QString(), error));
        QVERIFY(error.contains(QStringLiteral("missing/sheet.pdf")));
    }

    // The screen's pane follows the row the user selects, empties with the table, and its
    // switch is remembered for the next screen.
    void ScreenFollowsTheSelectedRow() {
        for (const char* name : {"varnox-rp.kav", "varnox-em.qu", "ball-valves"})
            QVERIFY(QFile::copy(QStringLiteral(VN_SAMPLES "/") + name, name));
        WriteText(QString::fromLatin1(flavour::kSettingsFile),
                  CrLfLines({flavour::kPneumatic ? "ACTUATOR = varnox-rp.kav" : "ACTUATOR = varnox-em.qu",
                             "VALVE = ball-valves", "UNITS = METRIC", "PRESSURE = 5.500000", "PLACE = Delft"}));
        QSettings().setValue(QStringLiteral("chart/visible"), true);
        ModalAnswers answers;
        answers.ThenAccept();
        VnApp app;
        app.InitMainWindow();
        const std::string file = flavour::kPneumatic ? "varnox-rp.kav" : "varnox-em.qu";
        auto screen = std::make_unique<VnSizSpringReturnDlg>(app, app.GetClient(), file);
        screen->show();
        // where the screen has no room for both, the chart waits for the switch
        auto* toggle = screen->findChild<QCheckBox*>(QStringLiteral("chartToggle"));
        toggle->setChecked(true);
        VnChartView* view = screen->GetChartView();
        QVERIFY(view && view->isVisible());
        auto* torque = screen->findChild<ptEditNum*>(QStringLiteral("edit203"));
        for (const char* value : {"45", "500"}) {
            torque->setText(QString::fromLatin1(value));
            screen->CmCalculate();
        }
        ptMultiListBox* table = screen->GetResultList();
        const int actuatorColumn = flavour::kPneumatic ? 4 : 3;
        QVERIFY(view->Chart());
        QVERIFY(view->Chart()->title.rfind(table->Column[actuatorColumn]->GetString(1).toStdString(), 0) == 0);
        table->Column[0]->setCurrentRow(0);
        emit table->selectionChanged(0);
        QVERIFY(view->Chart()->title.rfind(table->Column[actuatorColumn]->GetString(0).toStdString(), 0) == 0);
        screen->CmClear();
        QVERIFY(!view->Chart());

        toggle->setChecked(false);
        QVERIFY(!view->isVisible());
        screen.reset();
        auto next = std::make_unique<VnSizSpringReturnDlg>(app, app.GetClient(), file);
        next->show();
        QVERIFY(next->GetChartView()->isHidden());
        QVERIFY(!next->findChild<QCheckBox*>(QStringLiteral("chartToggle"))->isChecked());
    }
};

QTEST_MAIN(ChartUiTest)
#include "chart_ui_test.moc"
