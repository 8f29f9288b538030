// The datasheet package as laid out and drawn: every page's sections inside the printable
// area and clear of each other with their texts inside them, on A4 and Letter, in four
// languages and with the longest texts; nothing drawn outside the boxes; the PDF's pages,
// index and metadata; a cancelled write.
#include "package_samples.h"
#include "core/data/torque_database.h"
#include "core/data/torque_t.h"
#include "core/text/load_string.h"
#include "lists/list_account.h"
#include "lists/list_job.h"
#include "page/catalogue.h"
#include "page/package_render.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include <algorithm>
#include <map>

namespace {

const std::vector<PaperKind> kPapers{PaperKind::A4, PaperKind::Letter};

const char* PaperName(PaperKind paper) {
    return paper == PaperKind::A4 ? "A4" : "Letter";
}

bool Contains(const QRectF& outer, const QRectF& inner) {
    constexpr double slack = 0.01;
    return inner.left() >= outer.left() - slack && inner.top() >= outer.top() - slack &&
           inner.right() <= outer.right() + slack && inner.bottom() <= outer.bottom() + slack;
}

bool Overlap(const QRectF& a, const QRectF& b) {
    const QRectF both = a.intersected(b);
    return both.width() > 0.01 && both.height() > 0.01;
}

std::string SectionOf(const std::string& name) {
    return name.substr(0, name.find('.'));
}

// Boxes that are drawn under text: fills, title bars, the dark band.
bool Underlay(const std::string& name) {
    for (const char* end : {".fill", ".bar", ".band", ".rule"})
        if (name.size() > std::string(end).size() &&
            name.compare(name.size() - std::string(end).size(), std::string::npos, end) == 0)
            return true;
    return false;
}

// What is wrong with a page's boxes: a section outside the printable area or over another, a
// box outside its section, texts over each other.
QStringList Problems(const std::vector<PackageBox>& boxes, PaperKind paper) {
    QStringList problems;
    const QRectF area = PrintableArea(paper);
    std::map<std::string, QRectF> sections;
    for (const PackageBox& box : boxes) {
        if (!box.section)
            continue;
        if (sections.count(box.name))
            problems << QStringLiteral("two sections %1").arg(QString::fromStdString(box.name));
        sections[box.name] = box.rect;
        if (!Contains(area, box.rect) || box.rect.isEmpty())
            problems << QStringLiteral("section %1 leaves the printable area").arg(QString::fromStdString(box.name));
    }
    for (auto a = sections.begin(); a != sections.end(); ++a)
        for (auto b = std::next(a); b != sections.end(); ++b)
            if (Overlap(a->second, b->second))
                problems << QStringLiteral("sections %1 and %2 overlap")
                                .arg(QString::fromStdString(a->first), QString::fromStdString(b->first));
    std::vector<const PackageBox*> texts;
    for (const PackageBox& box : boxes) {
        if (box.section)
            continue;
        const auto section = sections.find(SectionOf(box.name));
        if (section == sections.end())
            problems << QStringLiteral("%1 lies in no section").arg(QString::fromStdString(box.name));
        else if (!Contains(section->second, box.rect))
            problems << QStringLiteral("%1 leaves its section").arg(QString::fromStdString(box.name));
        if (!Underlay(box.name))
            texts.push_back(&box);
    }
    for (std::size_t i = 0; i < texts.size(); ++i)
        for (std::size_t j = 0; j < i; ++j)
            if (Overlap(texts[i]->rect, texts[j]->rect))
                problems << QStringLiteral("%1 and %2 overlap")
                                .arg(QString::fromStdString(texts[j]->name), QString::fromStdString(texts[i]->name));
    return problems;
}

#define VERIFY_BOXES(boxes, paper, what)                                                                               \
    do {                                                                                                               \
        const QStringList problems = Problems(boxes, paper);                                                           \
        QVERIFY2(problems.isEmpty(),                                                                                   \
                 qPrintable(QString(what) + QStringLiteral(": ") + problems.join(QStringLiteral("; "))));              \
    } while (false)

std::size_t CountNamed(const std::vector<PackageBox>& boxes, const std::string& prefix) {
    return std::count_if(boxes.begin(), boxes.end(),
                         [&](const PackageBox& box) { return box.name.rfind(prefix, 0) == 0; });
}

// The rows of a table, by their first cells: "torques.row3.0".
std::size_t CountRows(const std::vector<PackageBox>& boxes, const std::string& table) {
    const QRegularExpression first(QStringLiteral("^%1\\.row\\d+\\.0$").arg(QString::fromStdString(table)));
    return std::count_if(boxes.begin(), boxes.end(), [&](const PackageBox& box) {
        return first.match(QString::fromStdString(box.name)).hasMatch();
    });
}

const PackageBox* Find(const std::vector<PackageBox>& boxes, const std::string& name) {
    const auto found =
        std::find_if(boxes.begin(), boxes.end(), [&](const PackageBox& box) { return box.name == name; });
    return found == boxes.end() ? nullptr : &*found;
}

QString Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// A package of three tags over sixty summary lines.
PackageSource ThreeTags() {
    PackageSource source;
    source.frame = SampleFrame(SampleLanguage::English, false);
    source.cover = SampleCover(SampleLanguage::English, 60, false);
    source.metadata = {"Datasheet package: North compressor station", "M. Oberhauser", "3 valves of project-valves.csv",
                       "VARNOX KAV 7.2"};
    source.tagCount = 3;
    const std::vector<SummaryLine> lines = source.cover.lines;
    source.tagAt = [lines](std::size_t i) { return EverydayPage(lines[i].tag); };
    return source;
}

bool NearColour(QRgb pixel, const QColor& colour) {
    return std::abs(qRed(pixel) - colour.red()) + std::abs(qGreen(pixel) - colour.green()) +
               std::abs(qBlue(pixel) - colour.blue()) <
           40;
}

} // namespace

class PackageRenderTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;

    QString Path(const QString& name) const { return dir_.filePath(name); }

private slots:
    void initTestCase() { QVERIFY(dir_.isValid()); }

    void PaperFollowsTheTerritory() {
        QCOMPARE(PaperForTerritory(QLocale::UnitedStates), PaperKind::Letter);
        QCOMPARE(PaperForTerritory(QLocale::Canada), PaperKind::Letter);
        QCOMPARE(PaperForTerritory(QLocale::Germany), PaperKind::A4);
        QCOMPARE(PaperForTerritory(QLocale::UnitedKingdom), PaperKind::A4);
        QCOMPARE(PaperForTerritory(QLocale::Netherlands), PaperKind::A4);
        // 15 mm margins around A4 and Letter, in points
        QCOMPARE(qRound(PrintableArea(PaperKind::A4).width()), 510);
        QCOMPARE(qRound(PrintableArea(PaperKind::Letter).height()), 707);
    }

    // Every tag page, ordinary or with the longest texts, sized or not, keeps its sections in
    // the printable area, apart, with their texts inside.
    void TagPagesKeepToTheirBoxes() {
        for (SampleLanguage language : kSampleLanguages)
            for (bool longTexts : {false, true}) {
                const PackageFrame frame = SampleFrame(language, longTexts);
                const std::vector<std::pair<const char*, TagPage>> pages{{"everyday", EverydayPage("FV-1001")},
                                                                         {"longest", LongestPage(language)},
                                                                         {"not sized", NotSizedPage(language)},
                                                                         {"empty", TagPage{}}};
                for (const auto& [what, page] : pages)
                    for (PaperKind paper : kPapers) {
                        const QString name = QStringLiteral("%1 %2 %3 %4")
                                                 .arg(LanguageName(language), longTexts ? "long frame" : "frame", what,
                                                      PaperName(paper));
                        VERIFY_BOXES(LayoutTagPage(frame, page, paper), paper, name);
                    }
            }
    }

    // An everyday page shows all it has; the longest says how much it left out, and never
    // leaves out the weakest torque.
    void LongListsAreCutWithACount() {
        const TagPage everyday = EverydayPage("FV-1001");
        const std::vector<PackageBox> boxes =
            LayoutTagPage(SampleFrame(SampleLanguage::English, false), everyday, PaperKind::Letter);
        QCOMPARE(CountNamed(boxes, "valve.value."), everyday.valve.size());
        QCOMPARE(CountNamed(boxes, "conditions.value."), everyday.conditions.size());
        QCOMPARE(CountRows(boxes, "torques"), everyday.torques.size());
        QCOMPARE(CountNamed(boxes, "torques.row0.fill"), std::size_t(1)); // the weakest alone is tinted
        QCOMPARE(CountNamed(boxes, "torques.row") - CountNamed(boxes, "torques.row0.fill"),
                 4 * everyday.torques.size());
        QCOMPARE(CountRows(boxes, "checks"), everyday.checks.size());
        QCOMPARE(CountNamed(boxes, "checks.warning0"), everyday.warnings.size());
        for (const char* section : {"valve", "conditions", "torques", "checks", "foot"})
            QVERIFY2(!Find(boxes, std::string(section) + ".more"), section);
        for (const char* section : {"title", "selection", "valve", "conditions", "torques", "checks", "chart", "foot"})
            QVERIFY2(Find(boxes, section) && Find(boxes, section)->section, section);

        // a long value takes two lines at most
        const double oneLine = Find(boxes, "valve.value.0")->rect.height();
        for (SampleLanguage language : kSampleLanguages) {
            const TagPage longest = LongestPage(language);
            for (PaperKind paper : kPapers) {
                const std::vector<PackageBox> cut = LayoutTagPage(SampleFrame(language, true), longest, paper);
                QVERIFY(Find(cut, "checks.more") && Find(cut, "valve.more") && Find(cut, "foot.more"));
                for (const PackageBox& box : cut)
                    if (box.name.rfind("valve.", 0) == 0 || box.name.rfind("checks.warning", 0) == 0)
                        QVERIFY2(box.rect.height() < oneLine * 2.5, box.name.c_str());
                QCOMPARE(Find(cut, "valve.value.0")->rect.height(), oneLine * 2);
                // the weakest of the torques is row 3, tinted
                QVERIFY2(Find(cut, "torques.row3.fill"), LanguageName(language));
                // the chart keeps its proportion and at least half the width
                const PackageBox* chart = Find(cut, "chart.plot");
                QVERIFY(chart);
                QVERIFY(std::abs(chart->rect.height() / chart->rect.width() - 0.66) < 0.001);
                QVERIFY(chart->rect.width() >= PrintableArea(paper).width() / 2 - 20);
            }
        }
    }

    // A row that could not be sized says so; the sections it has nothing for are left out.
    void NotSizedPageLeavesOutWhatItHasNot() {
        const std::vector<PackageBox> boxes = LayoutTagPage(SampleFrame(SampleLanguage::German, false),
                                                            NotSizedPage(SampleLanguage::German), PaperKind::A4);
        QVERIFY(Find(boxes, "selection.notSized") && Find(boxes, "selection.status"));
        QVERIFY(!Find(boxes, "selection.value.0"));
        for (const char* section : {"conditions", "torques", "chart"})
            QVERIFY2(!Find(boxes, section), section);
        QVERIFY(Find(boxes, "valve") && Find(boxes, "checks.warning0"));
    }

    void CoverAndSummaryKeepToTheirBoxes() {
        for (SampleLanguage language : kSampleLanguages)
            for (bool longTexts : {false, true})
                for (PaperKind paper : kPapers) {
                    const PackageFrame frame = SampleFrame(language, longTexts);
                    const PackageCover cover = SampleCover(language, 130, longTexts);
                    const QString name = QStringLiteral("%1 %2 %3")
                                             .arg(LanguageName(language), longTexts ? "long" : "", PaperName(paper));
                    VERIFY_BOXES(LayoutCoverPage(frame, cover, paper), paper, name + " cover");
                    const int pages = SummaryPageCount(frame, cover, paper);
                    QVERIFY(pages >= 3);
                    std::size_t lines = 0, materials = 0;
                    for (int p = 0; p < pages; ++p) {
                        const std::vector<PackageBox> boxes = LayoutSummaryPage(frame, cover, p, paper);
                        VERIFY_BOXES(boxes, paper, name + QStringLiteral(" summary %1").arg(p));
                        // every page of a table starts with its header
                        QVERIFY(Find(boxes, "summary") || Find(boxes, "materials"));
                        if (Find(boxes, "summary"))
                            QVERIFY(Find(boxes, "summary.header.0"));
                        if (Find(boxes, "materials"))
                            QVERIFY(Find(boxes, "materials.header.0"));
                        lines += CountRows(boxes, "summary");
                        materials += CountRows(boxes, "materials");
                    }
                    QVERIFY(LayoutSummaryPage(frame, cover, pages, paper).empty());
                    // each line and each material once over the pages
                    QCOMPARE(lines, cover.lines.size());
                    QCOMPARE(materials, cover.materials.size());
                }
        // the long cover cuts its assumptions short and says how many more there are
        const std::vector<PackageBox> cover = LayoutCoverPage(
            SampleFrame(SampleLanguage::Dutch, true), SampleCover(SampleLanguage::Dutch, 10, true), PaperKind::Letter);
        QVERIFY(Find(cover, "assumptions.more"));
        QVERIFY(Find(cover, "list") && !Find(cover, "list.more"));
    }

    // Planning numbers the index after the cover and the summary pages.
    void PlanNumbersTheIndex() {
        PackageSource source = ThreeTags();
        const int summaries = SummaryPageCount(source.frame, source.cover, PaperKind::A4);
        QCOMPARE(summaries, 2);
        QCOMPARE(PlanPackage(source, PaperKind::A4), 1 + summaries + 3);
        QCOMPARE(source.cover.lines[0].page, 2 + summaries);
        QCOMPARE(source.cover.lines[2].page, 4 + summaries);
        QCOMPARE(source.cover.lines[3].page, 0); // a line without a page of its own
        source.cover.lines.resize(3);
        QCOMPARE(PlanPackage(source, PaperKind::Letter), 1 + 1 + 3);
        QCOMPARE(source.cover.lines[0].page, 3);
    }

    // Nothing is drawn outside the sections' boxes; the weakest torque is tinted and the
    // marks coloured where the layout puts them.
    void DrawingKeepsToTheLayout() {
        const double dpi = 100;
        const double scale = dpi / 72;
        for (SampleLanguage language : {SampleLanguage::English, SampleLanguage::German}) {
            for (const TagPage& page : {EverydayPage("FV-1001"), LongestPage(language)}) {
                const PackageFrame frame = SampleFrame(language, language == SampleLanguage::German);
                const std::vector<PackageBox> boxes = LayoutTagPage(frame, page, PaperKind::A4);
                const QImage image = RenderTagPageImage(frame, page, 3, 12, PaperKind::A4, dpi);
                QCOMPARE(image.width(), static_cast<int>(std::ceil(PaperRect(PaperKind::A4).width() * scale)));
                std::vector<QRectF> sections;
                for (const PackageBox& box : boxes)
                    if (box.section)
                        sections.push_back(
                            QRectF(box.rect.topLeft() * scale, box.rect.size() * scale).adjusted(-2, -2, 2, 2));
                int stray = 0;
                for (int y = 0; y < image.height(); ++y) {
                    const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
                    for (int x = 0; x < image.width(); ++x) {
                        if ((line[x] & 0xFFFFFF) == 0xFFFFFF)
                            continue;
                        const QPointF at(x + 0.5, y + 0.5);
                        if (std::none_of(sections.begin(), sections.end(),
                                         [&](const QRectF& r) { return r.contains(at); }))
                            ++stray;
                    }
                }
                QCOMPARE(stray, 0);

                const auto weakest = std::find_if(page.torques.begin(), page.torques.end(),
                                                  [](const TorqueLine& l) { return l.weakest; });
                const PackageBox* fill =
                    Find(boxes, "torques.row" + std::to_string(weakest - page.torques.begin()) + ".fill");
                QVERIFY(fill);
                const QPointF inside = (fill->rect.topLeft() + QPointF(1, 1)) * scale;
                QVERIFY(NearColour(image.pixel(inside.toPoint()), QColor(0xF4, 0xE2, 0xEC)));
                // the first check passes: green ink in its mark's cell, none of the fail's red
                const PackageBox* mark = Find(boxes, "checks.row0.3");
                QVERIFY(mark);
                int green = 0, red = 0;
                const QRect cell = QRectF(mark->rect.topLeft() * scale, mark->rect.size() * scale).toRect();
                for (int y = cell.top(); y <= cell.bottom(); ++y)
                    for (int x = cell.left(); x <= cell.right(); ++x) {
                        green += NearColour(image.pixel(x, y), QColor(0x1E, 0x7B, 0x34));
                        red += NearColour(image.pixel(x, y), QColor(0xC0, 0x26, 0x2D));
                    }
                QVERIFY(green > 10 && red == 0);
            }
        }
    }

    // Pages are made one at a time, in order, and progress hears of each.
    void TagPagesAreMadeAsTheyAreDrawn() {
        PackageSource source = ThreeTags();
        PlanPackage(source, PaperKind::A4);
        std::vector<std::size_t> made, told;
        const auto make = source.tagAt;
        source.tagAt = [&](std::size_t i) {
            made.push_back(i);
            return make(i);
        };
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        QVERIFY(RenderPackage(pdf, source, PaperKind::Letter, [&](std::size_t done) {
            told.push_back(done);
            return true;
        }));
        QCOMPARE(made, (std::vector<std::size_t>{0, 1, 2}));
        QCOMPARE(told, (std::vector<std::size_t>{0, 1, 2}));
        QCOMPARE(pdf.pageLayout().pageSize().id(), QPageSize::Letter);
    }

    // The PDF: the cover, the summary with its header on each page and the tags' page numbers,
    // then each tag on its own page; its title, creator, author and subject.
    void PdfHasEveryPageAndItsIndex() {
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (pdftotext.isEmpty())
            QSKIP("pdftotext is not installed");
        PackageSource source = ThreeTags();
        QString error;
        const QString file = Path(QStringLiteral("package.pdf"));
        QVERIFY2(WritePackagePdf(file, source, PaperKind::A4, error), qPrintable(error));
        const QStringList pages = Run(pdftotext, {QStringLiteral("-layout"), file, QStringLiteral("-")})
                                      .split(QLatin1Char('\f'), Qt::SkipEmptyParts);
        const int summaries = SummaryPageCount(source.frame, source.cover, PaperKind::A4);
        QCOMPARE(pages.size(), 1 + summaries + 3);
        QVERIFY(pages[0].contains(QStringLiteral("Datasheet package")) &&
                pages[0].contains(QStringLiteral("Page 1 of 6")));
        QVERIFY(pages[0].contains(QStringLiteral("project-valves.csv")));

        std::map<QString, int> indexed;
        const QRegularExpression row(QStringLiteral("^\\s*(FV-\\d{4})\\s.*\\s(\\d+)\\s*$"));
        for (int p = 1; p <= summaries; ++p) {
            for (const std::string& header : source.cover.summaryHeader)
                QVERIFY2(pages[p].contains(QString::fromStdString(header).section(QLatin1Char(' '), 0, 0)),
                         qPrintable(QStringLiteral("page %1 lacks %2").arg(p + 1).arg(QString::fromStdString(header))));
            QVERIFY(pages[p].contains(QStringLiteral("Page %1 of 6").arg(p + 1)));
            for (const QString& line : pages[p].split(QLatin1Char('\n'))) {
                const QRegularExpressionMatch m = row.match(line);
                if (m.hasMatch())
                    indexed[m.captured(1)] = m.captured(2).toInt();
            }
        }
        // the sixty lines over the summary pages, the three with a page pointing at it
        for (int i = 0; i < 60; ++i)
            QVERIFY2(
                std::any_of(pages.begin() + 1, pages.begin() + 1 + summaries,
                            [&](const QString& page) { return page.contains(QStringLiteral("FV-%1").arg(1001 + i)); }),
                qPrintable(QString::number(i)));
        QCOMPARE(indexed.size(), std::size_t(3));
        for (int i = 0; i < 3; ++i) {
            const QString tag = QStringLiteral("FV-%1").arg(1001 + i);
            QCOMPARE(indexed[tag], 2 + summaries + i);
            const QString& page = pages[indexed[tag] - 1];
            QVERIFY2(page.contains(tag), qPrintable(tag));
            for (int j = 0; j < 3; ++j)
                if (j != i)
                    QVERIFY(!page.contains(QStringLiteral("FV-%1").arg(1001 + j)));
            QVERIFY(page.contains(QStringLiteral("RPS 120")) && page.contains(QStringLiteral("Break +22.7 %")));
            QVERIFY(page.contains(QStringLiteral("Page %1 of 6").arg(indexed[tag])));
        }
        // the materials follow the summary lines, with their header
        QVERIFY(pages[summaries].contains(QStringLiteral("Bill of materials")));

        const QString pdfinfo = QStandardPaths::findExecutable(QStringLiteral("pdfinfo"));
        if (pdfinfo.isEmpty())
            QSKIP("pdfinfo is not installed");
        const QString info = Run(pdfinfo, {file});
        QVERIFY2(
            info.contains(QRegularExpression(QStringLiteral("Title:\\s+Datasheet package: North compressor station"))),
            qPrintable(info));
        QVERIFY(info.contains(QRegularExpression(QStringLiteral("Creator:\\s+VARNOX KAV 7.2"))));
        QVERIFY(info.contains(QRegularExpression(QStringLiteral("Page size:\\s+595"))));
        const QString meta = Run(pdfinfo, {QStringLiteral("-meta"), file});
        QVERIFY2(meta.contains(QStringLiteral("<dc:creator><rdf:Seq><rdf:li>M. Oberhauser</rdf:li>")),
                 qPrintable(meta));
        QVERIFY(meta.contains(QStringLiteral("3 valves of project-valves.csv</rdf:li></rdf:Alt></dc:description>")));
        QVERIFY(meta.contains(QStringLiteral("<xmp:CreatorTool>VARNOX KAV 7.2</xmp:CreatorTool>")));
        QVERIFY(meta.startsWith(QStringLiteral("<?xpacket begin=\"\uFEFF\"")));
        QVERIFY(meta.contains(QStringLiteral("North compressor station</rdf:li></rdf:Alt></dc:title>")));

        // Letter paper, and metadata that must be escaped
        source.metadata.author = "Smith & <Jöns>";
        QVERIFY(WritePackagePdf(file, source, PaperKind::Letter, error));
        QVERIFY(Run(pdfinfo, {file}).contains(QRegularExpression(QStringLiteral("Page size:\\s+612 x 792"))));
        QVERIFY(Run(pdfinfo, {QStringLiteral("-meta"), file}).contains(QStringLiteral("Smith &amp; &lt;Jöns&gt;")));
    }

    // A cancelled or failed write leaves the old file as it was, and nothing beside it.
    // The shipped sample lists, sized and paged in each language as its catalogue words them:
    // every page of the package keeps to its boxes, on both papers.
    void SampleListsInEveryLanguage() {
        TorqueT pneumatic(VN_SAMPLES "/varnox-rp.kav");
        TorqueDatabase valves(VN_SAMPLES "/ball-valves");
        for (int language = 0; language < 4; ++language) {
            QTranslator catalogue;
            if (language > 0) {
                const QString file = FindLanguageModule(LanguageModuleFileName(language), QStringLiteral(VN_CATALOGUES));
                QVERIFY2(catalogue.load(file), qPrintable(LanguageModuleFileName(language)));
                SetStringLookup([&catalogue](int id) {
                    const QString text = CatalogueString(catalogue, id);
                    const char* english = EnglishString(id);
                    return text.isEmpty() ? std::string(english ? english : "") : text.toStdString();
                });
            }
            for (const char* list : {"/project-valves.csv", "/checked-valves.csv"}) {
                ListSizer sizer(pneumatic, &valves, {false, 5.5f});
                std::vector<SizedRow> rows;
                const ListJobResult result = SizeListFile(VN_SAMPLES + std::string(list), sizer, nullptr,
                                                          [&](SizedRow&& row, unsigned long long) {
                                                              rows.push_back(std::move(row));
                                                              return true;
                                                          });
                QVERIFY(result.ok);
                PackageInputs inputs;
                inputs.project = {"Harbour terminal, quay 4 and the tank farm", "Port authority", "D-4711-PK-0001",
                                  "C", "J. de Vries"};
                inputs.listFile = list + 1;
                inputs.actuatorFile = VN_SAMPLES "/varnox-rp.kav";
                inputs.valveFiles = {VN_SAMPLES "/ball-valves"};
                inputs.assumptions = AccountLines(AccountOf(sizer));
                inputs.program = PackageProgram();
                inputs.notes = {"All actuators with NAMUR interface.", "Solenoid valves by others."};
                inputs.place = "Rotterdam";
                PackageSource source = MakePackageSource(sizer, rows, inputs, true);
                for (PaperKind paper : kPapers) {
                    const int pages = PlanPackage(source, paper);
                    const QString where = QStringLiteral("%1 %2 %3").arg(language).arg(list).arg(PaperName(paper));
                    VERIFY_BOXES(LayoutCoverPage(source.frame, source.cover, paper), paper, where + " cover");
                    const int summaryPages = SummaryPageCount(source.frame, source.cover, paper);
                    QCOMPARE(pages, 1 + summaryPages + static_cast<int>(rows.size()));
                    for (int p = 0; p < summaryPages; ++p)
                        VERIFY_BOXES(LayoutSummaryPage(source.frame, source.cover, p, paper), paper, where + " summary");
                    for (std::size_t r = 0; r < rows.size(); ++r)
                        VERIFY_BOXES(LayoutTagPage(source.frame, source.tagAt(r), paper), paper,
                                     where + " " + QString::fromStdString(rows[r].tag));
                }
            }
            SetStringLookup(nullptr);
        }
    }

    void CancelLeavesTheOldFile() {
        const QString file = Path(QStringLiteral("old.pdf"));
        {
            QFile old(file);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("the package of yesterday");
        }
        PackageSource source = ThreeTags();
        QString error = QStringLiteral("stale");
        std::size_t asked = 0;
        QVERIFY(!WritePackagePdf(file, source, PaperKind::A4, error, [&](std::size_t done) {
            asked = done;
            return done < 2;
        }));
        QVERIFY(error.isEmpty());
        QCOMPARE(asked, std::size_t(2));
        QFile old(file);
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("the package of yesterday"));
        QCOMPARE(QDir(dir_.path()).entryList({QStringLiteral("old.pdf*")}, QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("old.pdf")});

        QVERIFY(!WritePackagePdf(Path(QStringLiteral("missing/package.pdf")), source, PaperKind::A4, error));
        QVERIFY(error.contains(QStringLiteral("missing/package.pdf")));
        QVERIFY(!QFile::exists(Path(QStringLiteral("missing"))));
    }
};

QTEST_MAIN(PackageRenderTest)
#include "package_render_test.moc"
