#include "core/data/torque_database.h"
#include "core/data/torque_e.h"
#include "core/data/torque_t.h"
#include "core/report/file_faults.h"
#include "core/sizing/result_rows.h"
#include "core/text/text_util.h"
#include "core/units/conversions.h"
#include "list_support.h"
#include "lists/list_datasheet.h"
#include "lists/list_edit.h"
#include "lists/list_job.h"
#include "lists/list_writers.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>

namespace {

const std::string kSamples = VN_SAMPLES;

} // namespace

// Every row of the shipped list gives what the screens give for the same inputs: the
// spring-return and double-acting sizing rows, database sizing for a series, and the
// electric sizing row; metric and imperial.
TEST(ValveList, EveryRowOfTheSampleAgreesWithTheScreens) {
    TorqueT pneumatic(kSamples + "/varnox-rp.kav");
    TorqueE electric(kSamples + "/varnox-em.qu");
    TorqueDatabase database(kSamples + "/ball-valves");
    ASSERT_TRUE(database.IsUsable());
    for (bool imperial : {false, true}) {
        SCOPED_TRACE(imperial ? "imperial" : "metric");
        const float pressure = imperial ? 80.0f : 5.5f;
        ListSizer sizer(pneumatic, &database, {imperial, pressure});
        const Sized s = SizeFile(sizer, kSamples + "/project-valves.csv");
        ASSERT_TRUE(s.result.ok) << s.result.message;
        ASSERT_EQ(s.rows.size(), 40u);
        // the sample's pressures are in bar, which an imperial list refuses
        if (!imperial) {
            EXPECT_EQ(s.result.errors, 1);
            EXPECT_EQ(s.result.noFit, 1);
        }
        for (std::size_t i = 0; i < s.rows.size(); ++i) {
            const SizedRow& r = s.rows[i];
            SCOPED_TRACE(r.tag);
            if (r.status == RowStatus::Error) {
                EXPECT_TRUE(imperial || Status(r) == "Torque 'tbd' is not a number") << Status(r);
                continue;
            }
            if (!r.series.empty()) {
                const ValvePage* page = nullptr;
                for (const ValvePage& p : database.pages)
                    if (p.name == r.series)
                        page = &p;
                ASSERT_NE(page, nullptr);
                for (const Row& d : DatabaseRows(pneumatic, *page, r.pressure, r.safety, r.seating, r.running,
                                                 r.action, imperial))
                    if (d[0] == Cell(s, i, "Size")) {
                        EXPECT_EQ(Cell(s, i, "Break"), d[2]);
                        EXPECT_EQ(Cell(s, i, "Actuator"), r.doubleActing ? d[3] : d[4]);
                        EXPECT_EQ(Cell(s, i, "Spring set"), r.doubleActing ? "" : d[5]);
                    }
            } else if (r.doubleActing) {
                const Row screen = DoubleActingSizingRow(pneumatic, r.typedTorque, r.typedValue, r.torqueNm, r.safety,
                                                         r.pressure);
                EXPECT_EQ(Cell(s, i, "Break"), screen[1]);
                EXPECT_EQ(Cell(s, i, "Actuator"), screen[2]);
            } else {
                const Row screen = SpringReturnSizingRow(pneumatic, r.typedTorque, r.typedValue, r.torqueNm, r.safety,
                                                         r.running, r.seating, r.pressure, r.action, imperial);
                for (const auto& [column, k] : std::vector<std::pair<std::string, int>>{
                         {"Break", 1}, {"Run", 2}, {"Seat", 3}, {"Actuator", 4}, {"Spring set", 5}})
                    EXPECT_EQ(Cell(s, i, column), screen[static_cast<std::size_t>(k)]) << column;
            }
            // the typed inputs are the screens' own: the field's value and the unit conversion
            if (r.series.empty()) {
                EXPECT_EQ(r.torqueNm, imperial ? InLbToNm(r.typedValue) : r.typedValue);
            }
        }
    }

    ListSizer sizer(electric, &database, {false, 4.0f});
    const Sized s = SizeFile(sizer, kSamples + "/project-valves.csv");
    ASSERT_TRUE(s.result.ok) << s.result.message;
    for (std::size_t i = 0; i < s.rows.size(); ++i) {
        const SizedRow& r = s.rows[i];
        if (r.status == RowStatus::Error || !r.series.empty())
            continue;
        // a fail-safe action is a requirement an electric actuator cannot meet
        if (Cell(s, i, "Action") != "DA") {
            EXPECT_EQ(Status(r), "no fit: an electric actuator has no fail-safe action") << r.tag;
            EXPECT_EQ(Cell(s, i, "Actuator"), "---") << r.tag;
            continue;
        }
        int index = -1;
        const Row screen = ElectricSizingRow(electric, r.typedTorque, r.torqueNm, r.safety, r.running, false, index);
        EXPECT_EQ(Cell(s, i, "Break"), screen[1]) << r.tag;
        EXPECT_EQ(Cell(s, i, "Run"), screen[2]) << r.tag;
        EXPECT_EQ(Cell(s, i, "Actuator"), screen[3]) << r.tag;
    }
}

// The added columns of a spring-return row: the chosen actuator's four torques and the
// margin at its weakest checked point.
TEST(ValveList, SpringReturnColumnsAndMargin) {
    TorqueT pneumatic(kSamples + "/varnox-rp.kav");
    ListSizer sizer(pneumatic, nullptr, {false, 5.5f});
    const Sized s = SizeText(sizer, "Tag,Action,Torque\nA,FC,45\nB,DA,38\nC,FO,9000\n");
    ASSERT_EQ(s.rows.size(), 3u);
    const SizingOutcome& o = s.rows[0].outcome;
    ASSERT_TRUE(o.found);
    EXPECT_EQ(Cell(s, 0, "Air start"), Whole(o.airStart));
    EXPECT_EQ(Cell(s, 0, "Spring end"), Whole(o.springEnd));
    double lowest = 1e9;
    for (const auto& [delivered, demand] : {std::pair{o.airStart, o.required}, {o.airEnd, o.run},
                                            {o.springStart, o.run}, {o.springEnd, o.seat}})
        lowest = std::min(lowest, (static_cast<double>(delivered) / demand - 1) * 100);
    EXPECT_EQ(Cell(s, 0, "Margin"), Format("%.1f", lowest));
    EXPECT_GE(lowest, 0);
    EXPECT_EQ(Cell(s, 1, "Output"), Whole(s.rows[1].outcome.output));
    EXPECT_EQ(Cell(s, 1, "Spring set"), "");
    EXPECT_EQ(Cell(s, 2, "Actuator"), "---");
    EXPECT_EQ(Status(s.rows[2]), "no fit");
    EXPECT_EQ(Cell(s, 2, "Margin"), "");
}

// A semicolon list from a Dutch, German or French desktop: decimal commas in, decimal
// commas out; quoted fields carry separators, quotes and line breaks, and a record
// knows the line it starts on.
TEST(ValveList, ReadsWhatSpreadsheetsWrite) {
    TorqueT pneumatic(kSamples + "/varnox-rp.kav");
    ListSizer sizer(pneumatic, nullptr, {false, 4.0f});
    const std::string text = "\xEF\xBB\xBF tag ;ACTION;Torque;Pressure;Opmerking\r\n"
                             "A;FC;45,5;5,5;\"twee;\r\nregels \"\"x\"\"\"\n"
                             "\n"
                             "B;DA;1.234,5;;\r"
                             "C;fo;30;;\n";
    const Sized s = SizeText(sizer, text);
    ASSERT_TRUE(s.result.ok) << s.result.message;
    EXPECT_EQ(s.result.format.separator, ';');
    EXPECT_TRUE(s.result.format.decimalComma);
    EXPECT_TRUE(s.result.format.byteOrderMark);
    ASSERT_EQ(s.rows.size(), 3u);
    EXPECT_EQ(s.rows[0].line, 2);
    EXPECT_EQ(s.rows[0].cells[4], "twee;\r\nregels \"x\"");
    EXPECT_FLOAT_EQ(s.rows[0].typedValue, 45.5f);
    EXPECT_FLOAT_EQ(s.rows[0].pressure, 5.5f);
    EXPECT_EQ(s.rows[1].line, 5);
    EXPECT_FLOAT_EQ(s.rows[1].typedValue, 1234.5f); // a thousands point
    EXPECT_EQ(s.rows[2].line, 6);
    EXPECT_EQ(Status(s.rows[2]), "ok");
    EXPECT_NE(Cell(s, 0, "Margin").find(','), std::string::npos);

    EXPECT_EQ(DetectSeparator("Tag\tAction\tTorque"), '\t');
    EXPECT_EQ(DetectSeparator("\"Tag;x\",Action,Torque"), ',');
}

// A bad row never stops the list: each gets its reason, the others are sized.
TEST(ValveList, BadRowsGetTheirReason) {
    TorqueT pneumatic(kSamples + "/varnox-rp.kav");
    TorqueDatabase database(kSamples + "/ball-valves");
    ListSizer sizer(pneumatic, &database, {false, 4.0f});
    const Sized s = SizeText(sizer, "Tag,Action,Torque,Series,Size,Valve type,Safety,Pressure\n"
                                    "A,XX,10,,,,,\n"
                                    "B,FC,nan,,,,,\n"
                                    "C,FC,inf,,,,,\n"
                                    "D,FC,-5,,,,,\n"
                                    "E,FC,,XY,50,,,\n"
                                    "F,FC,,\"Floating ball, full bore, PTFE seats, PN40\",55,,,\n"
                                    ",FC,10,,,,,\n"
                                    "H,FC,10,,,Gate,,\n"
                                    "I,FC,10,,,,-1,\n"
                                    "J,FC,10,,,,,12\n"
                                    "K,FC,10,,,Kugelhahn,,,extra\n"
                                    "L,DA,10,,,Vanne \xC3\x80 BOISSEAU,,\n");
    ASSERT_TRUE(s.result.ok);
    const std::vector<std::string> reasons = {"Action 'XX' is not DA, FC or FO",
                                              "Torque 'nan' is not a number",
                                              "Torque 'inf' is not a number",
                                              "Torque '-5' is not above 0",
                                              "Series 'XY' not in the valve database " + kSamples + "/ball-valves",
                                              "Size 55 not in series 'Floating ball, full bore, PTFE seats, PN40'",
                                              "Tag is empty",
                                              "Valve type 'Gate' is not Ball, Butterfly or Plug",
                                              "Safety '-1' is not above 0",
                                              "Pressure 12.0 bar is outside 2 to 10 bar",
                                              "the row has 9 fields, the header 8",
                                              "ok"};
    ASSERT_EQ(s.rows.size(), reasons.size());
    for (std::size_t i = 0; i < reasons.size(); ++i)
        EXPECT_EQ(Status(s.rows[i]), reasons[i]);
    EXPECT_EQ(s.rows.back().valveType, 2);
    EXPECT_EQ(s.result.errors, 11);

    TorqueDatabase missing(TestDir() + "/none");
    missing.Read();
    ListSizer noDatabase(pneumatic, &missing, {false, 4.0f});
    const Sized m = SizeText(noDatabase, "Tag,Action,Series,Size\nA,FC,X,50\n");
    EXPECT_NE(Status(m.rows.at(0)).find("does not read cleanly"), std::string::npos);
}

// A series is looked up in every valve database of the run; one that two databases name,
// or none, is refused naming the files.
TEST(ValveList, SeveralValveDatabases) {
    TorqueT pneumatic(kSamples + "/varnox-rp.kav");
    TorqueDatabase ball(kSamples + "/ball-valves");
    TorqueDatabase butterfly(kSamples + "/butterfly-valves");
    const std::string copy = WriteFile(TestDir(), "more-balls", ReadFile(kSamples + "/ball-valves"));
    TorqueDatabase again(copy);
    ListSizer sizer(pneumatic, ValveDatabases{&ball, &butterfly}, {false, 5.5f});
    const std::string list = "Tag,Action,Series,Size\n"
                             "A,FC,\"Floating ball, full bore, PTFE seats, PN40\",50\n"
                             "B,FC,\"Concentric, EPDM liner, wafer, PN16\",100\n"
                             "C,FC,Gate,50\n";
    const Sized s = SizeText(sizer, list);
    ASSERT_EQ(s.rows.size(), 3u);
    EXPECT_EQ(Status(s.rows[0]), "ok");
    EXPECT_EQ(Status(s.rows[1]), "ok");
    EXPECT_EQ(Status(s.rows[2]), "Series 'Gate' not in the valve databases " + kSamples + "/ball-valves and " +
                                     kSamples + "/butterfly-valves");

    ListSizer twice(pneumatic, ValveDatabases{&ball, &butterfly, &again}, {false, 5.5f});
    EXPECT_EQ(Status(SizeText(twice, list).rows[0]),
              "Series 'Floating ball, full bore, PTFE seats, PN40' is in 2 valve databases, " + kSamples +
                  "/ball-valves and " + copy + "; a series must be in one");
}

// An edited cell sizes its row again, and a changed tag takes the warning of a repeated tag
// off the row it no longer repeats; only the list's own cells can be edited.
TEST(ValveList, EditingACellSizesAgain) {
    TorqueT pneumatic(kSamples + "/varnox-rp.kav");
    ListSizer sizer(pneumatic, nullptr, {false, 5.5f});
    Sized s = SizeText(sizer, "Tag,Action,Torque\nA,FC,45\nA,DA,38\nB,FC,tbd\n");
    ASSERT_NE(Cell(s, 0, "Warnings").find("tag A is also on line 3"), std::string::npos);
    EXPECT_EQ(EditListCell(sizer, s.rows, 1, 0, "C"), (std::vector<std::size_t>{0, 1}));
    EXPECT_EQ(Cell(s, 0, "Warnings"), "");
    EXPECT_EQ(s.rows[1].tag, "C");
    EXPECT_EQ(EditListCell(sizer, s.rows, 2, 2, "60"), (std::vector<std::size_t>{2}));
    EXPECT_EQ(Status(s.rows[2]), "ok");
    EXPECT_EQ(Cell(s, 2, "Break"), "72");
    EXPECT_EQ(OwnCells(sizer, s.rows[2]), (std::vector<std::string>{"B", "FC", "60"}));
    EXPECT_TRUE(EditListCell(sizer, s.rows, 2, sizer.AddedFrom(), "x").empty());
    EXPECT_EQ(EditListCell(sizer, s.rows, 0, 0, "C"), (std::vector<std::size_t>{0, 1}));
    EXPECT_NE(Cell(s, 1, "Warnings").find("tag C is also on line 2"), std::string::npos);
}

// Whole-file faults give one message naming the file and the line.
TEST(ValveList, FileFaultsNameTheFileAndLine) {
    TorqueT pneumatic(kSamples + "/varnox-rp.kav");
    ListSizer sizer(pneumatic, nullptr, {false, 4.0f});
    const std::string dir = TestDir();
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"", "empty.csv: the list is empty"},
        {"Name,Action,Torque\nA,FC,1\n", "header.csv: line 1: the list has no Tag column"},
        {"Tag,Torque\nA,1\n", "action.csv: line 1: the list has no Action column"},
        {"Tag,Action\nA,FC\n", "torque.csv: line 1: the list needs a Torque column"},
        {"Tag,Action,Torque\nA,FC,\"1\nB,FC,2\n", "quote.csv: line 2: a quoted field is never closed"},
        {"Tag,Action,Torque\nA,FC,1\nB\x81,FC,2\n",
         "neither.csv: line 3: the text is neither UTF-8 nor Windows-1252; save the list as CSV in UTF-8"},
    };
    const char* names[] = {"empty.csv", "header.csv", "action.csv", "torque.csv", "quote.csv", "neither.csv"};
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const std::string file = WriteFile(dir, names[i], cases[i].first);
        const Sized s = SizeFile(sizer, file);
        EXPECT_FALSE(s.result.ok) << names[i];
        EXPECT_EQ(s.result.message.rfind(dir + "/" + cases[i].second, 0), 0u) << s.result.message;
    }
    EXPECT_NE(SizeFile(sizer, dir + "/absent.csv").result.message.find("absent.csv: cannot be opened"),
              std::string::npos);
}

// The kind of an actuator range is read from its lines, not its name.
TEST(ValveList, ActuatorKindComesFromTheFile) {
    const std::string dir = TestDir();
    std::string message;
    EXPECT_EQ(DetectActuatorKind(WriteFile(dir, "a.qu", ReadFile(kSamples + "/varnox-rp.kav")), message),
              ActuatorKind::Pneumatic);
    EXPECT_EQ(DetectActuatorKind(WriteFile(dir, "b.kav", ReadFile(kSamples + "/varnox-em.qu")), message),
              ActuatorKind::Electric);
    EXPECT_EQ(DetectActuatorKind(kSamples + "/project-valves.csv", message), ActuatorKind::Unknown);
    EXPECT_NE(message.find("project-valves.csv"), std::string::npos);
    EXPECT_EQ(DetectActuatorKind(kSamples + "/ball-valves", message), ActuatorKind::Unknown);
    const std::string electric = ReadFile(kSamples + "/varnox-em.qu");
    EXPECT_EQ(DetectActuatorKind(WriteFile(dir, "cut.qu", electric.substr(0, electric.size() / 2)), message),
              ActuatorKind::Electric);
}

// CSV keeps the input's separator, decimal mark and quoting; JSON has one key per column
// and numbers as numbers; a workbook is a zip; nothing is left behind by a failure.
TEST(ValveList, WritersKeepTheListAndTheOldFile) {
    TorqueT pneumatic(kSamples + "/varnox-rp.kav");
    ListSizer sizer(pneumatic, nullptr, {false, 4.0f});
    const Sized s = SizeText(sizer, "Tag;Action;Torque;Note\nA;FC;45,5;\"x;y\"\n");
    const std::string dir = TestDir();

    std::string error;
    auto write = [&](ListFileKind kind, const std::string& name) {
        auto writer = MakeListWriter(kind, dir + "/" + name, s.result.format);
        bool ok = writer->Begin(s.header, sizer.OutputKinds());
        for (const SizedRow& r : s.rows)
            ok = ok && writer->Row(r.cells);
        ok = ok && writer->Commit();
        error = writer->Error();
        EXPECT_EQ(error.empty(), ok);
        return ok;
    };
    ASSERT_TRUE(write(ListFileKind::Csv, "out.csv"));
    const std::string csv = ReadFile(dir + "/out.csv");
    EXPECT_EQ(csv.substr(0, csv.find("\r\n")),
              "Tag;Action;Torque;Note;Pressure used;Valve type used;Safety used;Seating used;Running used;Break;Run;"
              "Seat;Actuator;Spring set;Air start;Air end;Spring start;Spring end;Output;Margin;Warnings;Status");
    EXPECT_NE(csv.find("A;FC;45,5;\"x;y\";4;Ball;1,2;0,6;0,3;55;16;33;RPS "), std::string::npos) << csv;

    ASSERT_TRUE(write(ListFileKind::Json, "out.json"));
    const std::string json = ReadFile(dir + "/out.json");
    EXPECT_NE(json.find("\"Torque\": 45.5, \"Note\": \"x;y\", \"Pressure used\": 4, \"Valve type used\": \"Ball\", "
                        "\"Safety used\": 1.2,"),
              std::string::npos)
        << json;
    EXPECT_NE(json.find("\"Break\": 55,"), std::string::npos);
    EXPECT_NE(json.find("\"Output\": null"), std::string::npos);

    ASSERT_TRUE(write(ListFileKind::Xlsx, "out.xlsx"));
    EXPECT_EQ(ReadFile(dir + "/out.xlsx").substr(0, 2), "PK");
    EXPECT_EQ(ListFileKindOf("A.XLSX"), ListFileKind::Xlsx);

    // a write that fails half-way, and one that is abandoned, leave the old file whole
    for (ListFileKind kind : {ListFileKind::Csv, ListFileKind::Json}) {
        file_faults::FailWritesAfter(10);
        EXPECT_FALSE(write(kind, "out.csv"));
        file_faults::Reset();
        EXPECT_NE(error.find("out.csv: could not be written whole"), std::string::npos) << error;
        EXPECT_NE(error.find("(No space left on device)"), std::string::npos) << error;
    }
    EXPECT_EQ(ReadFile(dir + "/out.csv"), csv);
    {
        auto writer = MakeListWriter(ListFileKind::Csv, dir + "/new.csv", s.result.format);
        writer->Begin(s.header, sizer.OutputKinds());
    }
    EXPECT_EQ(FileNames(dir), (std::vector<std::string>{"out.csv", "out.json", "out.xlsx"}));
    auto denied = MakeListWriter(ListFileKind::Xlsx, dir + "/no/such/folder.xlsx", s.result.format);
    EXPECT_FALSE(denied->Begin(s.header, sizer.OutputKinds()));
    EXPECT_NE(denied->Error().find("folder.xlsx"), std::string::npos);
    EXPECT_NE(denied->Error().find("(No such file or directory)"), std::string::npos) << denied->Error();

    EXPECT_EQ(CsvField("a\"b", ','), "\"a\"\"b\"");
    EXPECT_EQ(JsonString("a\"\\\n\x01"), "\"a\\\"\\\\\\n\\u0001\"");
}

// Two writers on one file at once, row by row in turn: the file left is one list whole,
// and nothing else is left behind, nor is a file of the user's touched.
TEST(ValveList, TwoWritersOnOneFileLeaveOneWholeList) {
    TorqueT pneumatic(kSamples + "/varnox-rp.kav");
    ListSizer sizer(pneumatic, nullptr, {false, 4.0f});
    std::string a = "Tag,Action,Torque\n", b = a;
    for (int r = 0; r < 500; ++r) {
        a += Format("A-%i,FC,%i\n", r, 20 + r % 50);
        b += Format("B-%i,DA,%i\n", r, 30 + r % 40);
    }
    const Sized first = SizeText(sizer, a);
    const Sized second = SizeText(sizer, b);
    const std::string dir = TestDir();
    auto begin = [&](ListFileKind kind, const std::string& name) {
        auto writer = MakeListWriter(kind, dir + "/" + name, first.result.format);
        EXPECT_TRUE(writer->Begin(first.header, sizer.OutputKinds()));
        return writer;
    };
    for (ListFileKind kind : {ListFileKind::Csv, ListFileKind::Json, ListFileKind::Xlsx}) {
        // what the second list alone writes
        auto alone = begin(kind, "alone");
        for (const SizedRow& row : second.rows)
            alone->Row(row.cells);
        ASSERT_TRUE(alone->Commit());

        WriteFile(dir, "same.~tmp", "the user's own");
        auto one = begin(kind, "same");
        auto two = begin(kind, "same");
        for (std::size_t r = 0; r < first.rows.size(); ++r) {
            ASSERT_TRUE(one->Row(first.rows[r].cells));
            ASSERT_TRUE(two->Row(second.rows[r].cells));
        }
        EXPECT_TRUE(one->Commit()) << one->Error();
        EXPECT_TRUE(two->Commit()) << two->Error();
        const std::string written = ReadFile(dir + "/same");
        if (kind == ListFileKind::Xlsx) // a workbook carries the time it was made: whole is a zip that ends
            EXPECT_EQ(written.substr(written.size() - 22, 4), "PK\5\6");
        else
            EXPECT_EQ(written, ReadFile(dir + "/alone"));
        EXPECT_EQ(FileNames(dir), (std::vector<std::string>{"alone", "same", "same.~tmp"}));
        EXPECT_EQ(ReadFile(dir + "/same.~tmp"), "the user's own");
    }
}

// A tag's datasheet is the sizing screen's, titled and referenced by the tag; the files
// get names a desktop can hold, one per tag.
TEST(ValveList, DatasheetsPerTag) {
    TorqueT pneumatic(kSamples + "/varnox-rp.kav");
    ListSizer sizer(pneumatic, nullptr, {false, 5.5f});
    const Sized s = SizeText(sizer, "Tag,Action,Torque\nXV/1,FC,45\nxv/1,DA,38\n..,FC,x\n");
    DatasheetFrame frame;
    frame.banner = kPneumaticBanner;
    frame.versionText = kPneumaticVersionText;
    frame.place = "Delft";
    const std::vector<std::string> sheet = ListDatasheetLines(sizer, s.rows[0], frame);
    ASSERT_EQ(sheet.size(), 58u);
    EXPECT_NE(std::find(sheet.begin(), sheet.end(), "XV/1"), sheet.end());
    EXPECT_NE(std::find(sheet.begin(), sheet.end(), "Delft" + std::string(45, ' ') + "XV/1 01-01-2000"), sheet.end());
    EXPECT_TRUE(ListDatasheetLines(sizer, s.rows[2], frame).empty());
    // the sheet's chart is the screen's, with the tag before its title; none for an error row
    const std::optional<TorqueChartData> shown = ListRowChart(sizer, s.rows[0]);
    const std::optional<TorqueChartData> printed = ListRowChart(sizer, s.rows[0], true);
    ASSERT_TRUE(shown && printed);
    EXPECT_EQ(printed->title, "XV/1: " + shown->title);
    EXPECT_EQ(printed->marks.size(), shown->marks.size());
    EXPECT_FALSE(ListRowChart(sizer, s.rows[2], true));

    EXPECT_EQ(TagFileName("../etc"), "_._etc.txt");
    EXPECT_EQ(TagFileName(""), "sheet.txt");
    std::string error;
    const std::string dir = TestDir();
    const auto files = WriteListDatasheets(dir, sizer, s.rows, frame, error);
    EXPECT_EQ(error, "");
    ASSERT_EQ(files, (std::vector<std::string>{dir + "/XV_1.txt", dir + "/xv_1-2.txt"}));
    EXPECT_EQ(ReadLines(files[0]), sheet);
    // a stop keeps what was written, whole, and is no failure
    std::filesystem::create_directory(dir + "/first");
    const auto first = WriteListDatasheets(dir + "/first", sizer, s.rows, frame, error,
                                           [](std::size_t done) { return done < 1; });
    EXPECT_EQ(first.size(), 1u);
    EXPECT_EQ(error, "");
    WriteListDatasheets(dir + "/missing", sizer, s.rows, frame, error);
    EXPECT_NE(error.find("missing/XV_1.txt"), std::string::npos);
    EXPECT_NE(error.find("(No such file or directory)"), std::string::npos) << error;
    file_faults::FailWritesAfter(100);
    WriteListDatasheets(dir + "/first", sizer, s.rows, frame, error);
    file_faults::Reset();
    EXPECT_NE(error.find("(No space left on device)"), std::string::npos) << error;
    EXPECT_EQ(FileNames(dir + "/first"), std::vector<std::string>{"XV_1.txt"});
}

// A file name holds 255 bytes: a long tag is cut at a character, with room for the
// number that tells a repeated tag's sheet apart, and every sheet is written.
TEST(ValveList, LongTagsGetFileNamesThatFit) {
    std::string euros, clefs;
    for (int n = 0; n < 100; ++n) {
        euros += "\u20AC";
        clefs += "\U0001D11E";
    }
    std::string eighty;
    for (int n = 0; n < 80; ++n)
        eighty += "\u20AC";
    EXPECT_EQ(TagFileName(euros), eighty + ".txt");
    EXPECT_EQ(TagFileName("a" + euros), "a" + eighty.substr(3) + ".txt"); // no third of a character
    EXPECT_EQ(TagFileName(clefs).size(), 240u + 4);
    EXPECT_EQ(TagFileName(std::string(300, 'x')), std::string(100, 'x') + ".txt");

    TorqueT pneumatic(kSamples + "/varnox-rp.kav");
    ListSizer sizer(pneumatic, nullptr, {false, 5.5f});
    const Sized s = SizeText(sizer, "Tag,Action,Torque\n" + euros + ",FC,45\n" + euros + ",DA,38\nXV-2,FC,45\n");
    DatasheetFrame frame;
    frame.banner = kPneumaticBanner;
    frame.versionText = kPneumaticVersionText;
    std::string error;
    const std::string dir = TestDir();
    const auto files = WriteListDatasheets(dir, sizer, s.rows, frame, error);
    EXPECT_EQ(error, "");
    EXPECT_EQ(files, (std::vector<std::string>{dir + "/" + eighty + ".txt", dir + "/" + eighty + "-2.txt",
                                               dir + "/XV-2.txt"}));
    EXPECT_EQ(FileNames(dir).size(), 3u);
}

// The valve type words of the list are those of the four languages' catalogues.
TEST(ValveList, ValveTypesInEveryLanguage) {
    const std::string resources = kSamples + "/../src/resources/";
    for (const char* catalogue : {"SIZ_NL.ts", "SIZ_D.ts", "SIZ_F.ts"}) {
        const std::string ts = ReadFile(resources + catalogue);
        const std::pair<const char*, int> types[] = {{"Ball Valve", 0}, {"Butterfly Valve", 1}, {"Plug Valve", 2}};
        for (const auto& [english, type] : types) {
            const std::size_t source = ts.find(std::string("<source>") + english + "</source>");
            ASSERT_NE(source, std::string::npos) << catalogue << english;
            const std::size_t from = ts.find("<translation>", source) + 13;
            const std::string word = ts.substr(from, ts.find("</translation>", from) - from);
            EXPECT_EQ(ValveTypeFromText(word), type) << catalogue << " " << word;
            EXPECT_EQ(ValveTypeFromText(" " + ToUpperText(word) + " "), type) << word;
        }
    }
    EXPECT_EQ(ValveTypeFromText("butterfly"), 1);
    EXPECT_EQ(ValveTypeFromText("gate"), -1);
}
