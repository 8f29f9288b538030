// How a valve list is read: numbers in the list's convention, units, column names in four
// languages, the decimal mark of a tab-separated list, and the warnings on the rows.
#include "core/data/torque_database.h"
#include "core/data/torque_e.h"
#include "core/data/torque_t.h"
#include "core/text/load_string.h"
#include "core/sizing/result_rows.h"
#include "core/units/conversions.h"
#include "list_support.h"
#include "lists/list_account.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <map>

namespace {

const std::string kSamples = VN_SAMPLES;

struct NumberCase {
    const char* text;
    DecimalMark mark;
    NumberFault fault;
    double value;
    const char* unit;
};

} // namespace

// Each mark groups the other's numbers; a cell that fits only the other convention is
// refused, never read as the other mark would.
TEST(ListCells, NumbersInTheListsConvention) {
    constexpr auto C = DecimalMark::Comma;
    constexpr auto P = DecimalMark::Point;
    const NumberCase cases[] = {
        {"1.450", C, NumberFault::None, 1450, ""},
        {"1.450,5", C, NumberFault::None, 1450.5, ""},
        {"1.234.567", C, NumberFault::None, 1234567, ""},
        {"45,5", C, NumberFault::None, 45.5, ""},
        {"1,450", P, NumberFault::None, 1450, ""},
        {"1,450.5", P, NumberFault::None, 1450.5, ""},
        {"1.450", P, NumberFault::None, 1.45, ""},
        {" -12 ", P, NumberFault::None, -12, ""},
        {"3e2", C, NumberFault::None, 300, ""},
        {"150Nm", C, NumberFault::None, 150, "Nm"},
        {"1.327 in.lb", C, NumberFault::None, 1327, "in.lb"},
        {"6 bar", P, NumberFault::None, 6, "bar"},
        {"12.5", C, NumberFault::OtherMark, 0, ""},
        {"1,45.0", C, NumberFault::OtherMark, 0, ""},
        {"12,5 Nm", P, NumberFault::OtherMark, 0, ""},
        {"0.450", C, NumberFault::OtherMark, 0, ""}, // no group after a lone zero
        {"1450.000", C, NumberFault::OtherMark, 0, ""},
        {"1.45.0", P, NumberFault::NotNumber, 0, ""},
        {"tbd", P, NumberFault::NotNumber, 0, ""},
        {"inf", P, NumberFault::NotNumber, 0, ""},
        {"", P, NumberFault::Empty, 0, ""},
        {"1e39", P, NumberFault::NotFinite, 0, ""},
    };
    for (const NumberCase& c : cases) {
        SCOPED_TRACE(c.text);
        const CellNumber read = ReadListNumber(c.text, c.mark);
        EXPECT_EQ(read.fault, c.fault);
        if (c.fault == NumberFault::None) {
            EXPECT_DOUBLE_EQ(read.value, c.value);
            EXPECT_EQ(read.unit, c.unit);
        }
    }
    EXPECT_TRUE(ReadListNumber("45,5", DecimalMark::Comma).plain);
    EXPECT_FALSE(ReadListNumber("1.450", DecimalMark::Comma).plain);

    EXPECT_EQ(MarkOfCell("12.5"), MarkShown::Point);
    EXPECT_EQ(MarkOfCell("1.450,5"), MarkShown::Comma);
    EXPECT_EQ(MarkOfCell("1,450"), MarkShown::Either);
    EXPECT_EQ(MarkOfCell("150 Nm"), MarkShown::None);

    bool imperial = true;
    EXPECT_TRUE(ReadUnit("N\xc2\xb7m", Quantity::Torque, imperial) && !imperial);
    EXPECT_TRUE(ReadUnit("LBF.IN", Quantity::Torque, imperial) && imperial);
    EXPECT_TRUE(ReadUnit("psig", Quantity::Pressure, imperial) && imperial);
    EXPECT_FALSE(ReadUnit("bara", Quantity::Pressure, imperial)); // absolute is not a supply pressure
    EXPECT_FALSE(ReadUnit("ft.lb", Quantity::Torque, imperial));
    EXPECT_FALSE(ReadUnit("bar", Quantity::Torque, imperial));
}

// A German spreadsheet's headers, the catalogues' own words and the variants engineers
// write all find their column; two columns for one value stop the list until the user
// says which.
TEST(ListColumns, HeadersInFourLanguagesAndTheirVariants) {
    ColumnMatch match;
    std::string message;
    const std::vector<std::string> german = {"TAG-Nr.",   "Armaturentyp", "Sich.-Stellung", "Drehmoment [in.lb]",
                                             "Baureihe",  "Gr\xc3\xb6\xc3\x9f" "e", "Sicherheitsfaktor",
                                             "Versorgungsdruck (psi)", "Bemerkung"};
    ASSERT_EQ(MatchColumns(german, {}, match, message), ColumnFault::None) << message;
    const ListRole expected[] = {ListRole::Tag,    ListRole::ValveType, ListRole::Action,
                                 ListRole::Torque, ListRole::Series,    ListRole::Size,
                                 ListRole::Safety, ListRole::Pressure};
    for (std::size_t c = 0; c < std::size(expected); ++c)
        EXPECT_EQ(match[expected[c]].column, static_cast<int>(c)) << german[c];
    EXPECT_EQ(match[ListRole::Torque].unit, "in.lb");
    EXPECT_EQ(match[ListRole::Pressure].unit, "psi");
    for (const char* header : {"Tag No.", "tag number", " SF ", "Supply pressure", "Air supply", "Fail position",
                               "Valve", "Ventiltyp", "Coef. s\xc3\xa9" "curit\xc3\xa9", "Breakaway torque"}) {
        ListRole role;
        EXPECT_TRUE(RoleFromText(header, role)) << header;
    }

    // no name stands for two values
    std::map<std::string, ListRole> keys;
    for (const RoleNames& entry : ListColumnNames())
        for (std::string_view name : entry.names)
            EXPECT_EQ(keys.emplace(HeaderKey(name), entry.role).first->second, entry.role) << name;

    const std::vector<std::string> twice = {"Tag", "Torque", "Valve torque [Nm]"};
    EXPECT_EQ(MatchColumns(twice, {}, match, message), ColumnFault::Ambiguous);
    EXPECT_NE(message.find("'Torque' and 'Valve torque [Nm]' both read as Torque"), std::string::npos) << message;
    EXPECT_EQ(MatchColumns(twice, {{ListRole::Torque, "Valve torque [Nm]"}}, match, message), ColumnFault::None);
    EXPECT_EQ(match[ListRole::Torque].column, 2);
    EXPECT_TRUE(match[ListRole::Torque].chosen);
    EXPECT_EQ(match[ListRole::Torque].unit, "Nm");
    EXPECT_EQ(MatchColumns(twice, {{ListRole::Torque, "Moment"}}, match, message), ColumnFault::NoSuchHeader);
    EXPECT_EQ(MatchColumns(twice, {{ListRole::Torque, "Tag"}, {ListRole::Tag, "Tag"}}, match, message),
              ColumnFault::TwoRoles);
    // an empty header says the list has no such column, whatever a name suggests
    EXPECT_EQ(MatchColumns({"Tag", "Pressure"}, {{ListRole::Pressure, ""}}, match, message), ColumnFault::None);
    EXPECT_EQ(match[ListRole::Pressure].column, -1);

    ColumnChoice choice;
    EXPECT_TRUE(ReadColumnChoice("valve type = Armaturenart", choice, message));
    EXPECT_EQ(choice.role, ListRole::ValveType);
    EXPECT_EQ(choice.header, "Armaturenart");
    EXPECT_FALSE(ReadColumnChoice("Colour=Farbe", choice, message));
}

// The names the programs' catalogues give these values are names the list knows.
TEST(ListColumns, TheCataloguesNamesAreKnown) {
    const std::string resources = kSamples + "/../src/resources/";
    const std::pair<int, ListRole> strings[] = {{13, ListRole::Torque},   {50, ListRole::Safety},
                                                {48, ListRole::Safety},   {55, ListRole::Pressure},
                                                {99, ListRole::Size},     {106, ListRole::ValveType},
                                                {108, ListRole::Seating}, {109, ListRole::Running},
                                                {127, ListRole::Action}};
    for (const char* catalogue : {"SIZ_NL.ts", "SIZ_D.ts", "SIZ_F.ts"}) {
        const std::string ts = ReadFile(resources + catalogue);
        for (const auto& [id, role] : strings) {
            const std::size_t comment = ts.find("<comment>" + std::to_string(id) + "</comment>");
            ASSERT_NE(comment, std::string::npos) << catalogue << id;
            const std::size_t from = ts.find("<translation>", comment) + 13;
            const std::string word = ts.substr(from, ts.find("</translation>", from) - from);
            ListRole found;
            EXPECT_TRUE(RoleFromText(word, found) && found == role) << catalogue << " " << word;
        }
    }
}

// The user guide prints the table of names: every name the list knows stands in it, on
// its value's line.
TEST(ListColumns, TheGuideListsEveryName) {
    const std::string guide = ReadFile(kSamples + "/../docs/user-guide.md");
    const std::size_t section = guide.find("### How a list is read");
    ASSERT_NE(section, std::string::npos);
    for (const RoleNames& entry : ListColumnNames()) {
        const std::size_t line = guide.find(std::string("\n| ") + RoleName(entry.role) + " | ", section);
        ASSERT_NE(line, std::string::npos) << RoleName(entry.role);
        const std::string row = guide.substr(line + 1, guide.find('\n', line + 1) - line - 1);
        for (std::string_view name : entry.names)
            EXPECT_NE(row.find(std::string(" ") + std::string(name) + (name == entry.names.back() ? " |" : ",")),
                      std::string::npos)
                << name;
    }
}

// A tab-separated list takes the mark its numbers show; both marks, or only numbers that
// read either way, are refused naming a cell, until the user chooses.
TEST(ListJob, DecimalMarkOfATabSeparatedList) {
    TorqueT pneumatic(kSamples + "/varnox-rp.kav");
    ListSizer sizer(pneumatic, nullptr, {false, 5.5f});
    Sized s = SizeText(sizer, "Tag\tAction\tTorque\tSafety\nA\tFC\t45\t1,3\nB\tDA\t1.450\t\n");
    ASSERT_TRUE(s.result.ok) << s.result.message;
    EXPECT_TRUE(s.result.format.decimalComma);
    EXPECT_EQ(s.result.format.decimalSource, DecimalSource::Cells);
    EXPECT_FLOAT_EQ(s.rows[1].typedValue, 1450.0f);

    s = SizeText(sizer, "Tag\tAction\tTorque\tSafety\nA\tFC\t45\t1,3\nB\tDA\t12.5\t\n");
    EXPECT_EQ(s.result.fault, ListFault::Decimal);
    EXPECT_NE(s.result.message.find("Torque '12.5' on line 3 has a point, Safety '1,3' on line 2 a comma"),
              std::string::npos)
        << s.result.message;
    s = SizeText(sizer, "Tag\tAction\tTorque\nA\tFC\t1,450\n");
    EXPECT_EQ(s.result.fault, ListFault::Decimal);
    EXPECT_NE(s.result.message.find("Torque '1,450' on line 2"), std::string::npos) << s.result.message;

    ListSettings chosen{false, 5.5f};
    chosen.decimal = DecimalChoice::Point;
    ListSizer pointed(pneumatic, nullptr, chosen);
    s = SizeText(pointed, "Tag;Action;Torque\nA;FC;1,450\n");
    ASSERT_TRUE(s.result.ok);
    EXPECT_EQ(s.result.format.decimalSource, DecimalSource::Chosen);
    EXPECT_FLOAT_EQ(s.rows[0].typedValue, 1450.0f);

    // blank lines before the header say nothing of the separator
    s = SizeText(sizer, "\r\n\r\nTag;Action;Torque\r\nA;FC;45,5\r\n");
    ASSERT_TRUE(s.result.ok) << s.result.message;
    EXPECT_EQ(s.result.format.separator, ';');
    EXPECT_FLOAT_EQ(s.rows[0].typedValue, 45.5f);
}

// The shipped German export, row by row: grouping, units in cells and a header unit,
// German headers, empty rows passed over, a repeated tag, a zero torque, a point in a
// decimal-comma list, and a fail-safe action the electric program cannot meet.
TEST(ListJob, TheGermanExportRowByRow) {
    TorqueT pneumatic(kSamples + "/varnox-rp.kav");
    TorqueE electric(kSamples + "/varnox-em.qu");
    TorqueDatabase database(kSamples + "/ball-valves");
    ListSettings settings{false, 5.5f, ValueSource::Settings, "sizkav.set"};
    ListSizer sizer(pneumatic, &database, settings);
    const Sized s = SizeFile(sizer, kSamples + "/armaturenliste-de.csv");
    ASSERT_TRUE(s.result.ok) << s.result.message;
    EXPECT_TRUE(s.result.format.byteOrderMark && s.result.format.decimalComma);
    EXPECT_EQ(s.result.skipped, 2);
    struct Expect {
        const char* tag;
        const char* actuator;
        const char* breakTorque;
        const char* pressure;
        const char* status;
        const char* warning; // a part of the Warnings cell
    };
    const Expect expected[] = {
        {"XV-2001", "RPS 120", "54", "5,5", "ok", "Safety empty: 1,2 used (built in)"},
        {"XV-2002", "RPS 400", "157", "5,5", "ok", "Pressure empty: 5,5 bar used (settings file sizkav.set)"},
        {"XV-2003", "RPD 2000", "1740", "6", "ok", ""},
        {"XV-2004", "RPS 120", "48", "5,5", "ok", "tag XV-2004 is also on line 6"},
        {"XV-2004", "RPS 52", "26", "5,5", "ok", "tag XV-2004 is also on line 5"},
        {"XV-2005", "RPD 180", "180", "6", "ok", ""},
        {"XV-2006", "RPS 900", "279", "5,5", "ok", "Safety 0,9 is below 1"},
        {"XV-2007", "", "", "", "Torque '0' is not above 0", ""},
        {"XV-2008", "", "", "", "Torque '12.5' does not match this list's decimal comma", ""},
        {"XV-2009", "RPS 400", "114", "5,5", "ok", ""},
        {"XV-2010", "RPD 80", "72", "5,5", "ok", "Valve type empty: Ball used (built in)"},
        {"MOV-4004", "RPS 600", "240", "5,5", "ok", ""},
    };
    ASSERT_EQ(s.rows.size(), std::size(expected));
    for (std::size_t i = 0; i < s.rows.size(); ++i) {
        const Expect& e = expected[i];
        SCOPED_TRACE(e.tag);
        EXPECT_EQ(s.rows[i].tag, e.tag);
        EXPECT_EQ(Cell(s, i, "Actuator"), e.actuator);
        EXPECT_EQ(Cell(s, i, "Break"), e.breakTorque);
        EXPECT_EQ(Cell(s, i, "Pressure used"), e.pressure);
        EXPECT_EQ(Status(s.rows[i]), e.status);
        EXPECT_NE(Cell(s, i, "Warnings").find(e.warning), std::string::npos) << Cell(s, i, "Warnings");
    }
    // 1327 in.lb and 87 psi in a metric list, as the conversions give them
    EXPECT_FLOAT_EQ(s.rows[5].torqueNm, InLbToNm(1327.0f));
    EXPECT_FLOAT_EQ(s.rows[5].pressure, PsiToBar(87.0f));
    EXPECT_EQ(s.result.warned, 10);

    ListSizer electricSizer(electric, &database, settings);
    const Sized e = SizeFile(electricSizer, kSamples + "/armaturenliste-de.csv");
    ASSERT_TRUE(e.result.ok) << e.result.message;
    for (std::size_t i = 0; i < e.rows.size(); ++i) {
        SCOPED_TRACE(e.rows[i].tag);
        const bool failSafe = Cell(e, i, "Sich.-Stellung") != "DA";
        if (e.rows[i].status != RowStatus::Error)
            EXPECT_EQ(Status(e.rows[i]) == "no fit: an electric actuator has no fail-safe action", failSafe);
    }
    EXPECT_EQ(Status(e.rows.back()), "no fit: an electric actuator has no fail-safe action");
    EXPECT_EQ(e.header[e.header.size() - 4], "Actuator run"); // not a second "Run"
}

// What cannot be meant is refused, and a zero prints without a sign.
TEST(ListJob, ValuesThatCannotBeMeant) {
    TorqueT pneumatic(kSamples + "/varnox-rp.kav");
    ListSizer sizer(pneumatic, nullptr, {false, 5.5f});
    const Sized s = SizeText(sizer, "Tag,Action,Torque,Seating,Safety\n"
                                    "A,FC,3e38,,\n"
                                    "B,FC,-0,,\n"
                                    "C,FC,45,0,\n"
                                    "D,FC,45 kNm,,\n"
                                    "E,FC,45,,1.2 x\n");
    const char* reasons[] = {"Torque '3e38' is too large: its demand is beyond any number",
                             "Torque '-0' is not above 0", "Seating '0' is not above 0",
                             "Torque '45 kNm': the unit 'kNm' is not Nm or in.lb",
                             "Safety '1.2 x' has a unit ('x'); Safety takes none"};
    ASSERT_EQ(s.rows.size(), std::size(reasons));
    for (std::size_t i = 0; i < s.rows.size(); ++i)
        EXPECT_EQ(Status(s.rows[i]), reasons[i]);
    EXPECT_EQ(Whole(-0.0f), "0");
    EXPECT_EQ(Whole(-0.4f), "0");

    const Sized h = SizeText(sizer, "Tag,Action,Torque [kNm]\nA,FC,4\n");
    EXPECT_EQ(h.result.fault, ListFault::Unit);
    EXPECT_NE(h.result.message.find("gives the unit 'kNm'"), std::string::npos) << h.result.message;
}

// A sized list is read and sized again: its earlier sizing's columns are left out and made
// anew, so the second sizing gives the first one's rows; a customer's own Status column
// without a sizing's other columns stays the customer's.
TEST(ListJob, ASizedListIsSizedAgain) {
    TorqueT pneumatic(kSamples + "/varnox-rp.kav");
    ListSizer first(pneumatic, nullptr, {false, 5.5f});
    const Sized once = SizeText(first, "Tag,Action,Torque,Status\nA,FC,45,approved\nB,DA,tbd,open\n");
    ASSERT_TRUE(once.result.ok);
    EXPECT_EQ(once.header[3], "Status"); // the customer's, passed through
    std::string text;
    for (std::size_t c = 0; c < once.header.size(); ++c)
        text += (c ? "," : "") + once.header[c];
    for (const SizedRow& row : once.rows) {
        text += "\n";
        for (std::size_t c = 0; c < row.cells.size(); ++c)
            text += (c ? "," : "") + row.cells[c];
    }
    ListSizer second(pneumatic, nullptr, {false, 5.5f});
    const Sized twice = SizeText(second, text + "\n");
    ASSERT_TRUE(twice.result.ok) << twice.result.message;
    EXPECT_EQ(twice.header, once.header);
    for (std::size_t r = 0; r < once.rows.size(); ++r)
        EXPECT_EQ(twice.rows[r].cells, once.rows[r].cells);
    EXPECT_EQ(second.LeftOut().size(), once.header.size() - 4);

    // no name a sizing gives its columns reads as a value of the list
    for (const SizingColumnNames& entry : SizingColumnTable())
        for (std::string_view name : entry.names) {
            ListRole role;
            EXPECT_FALSE(RoleFromText(name, role)) << name;
        }
}

// The names of the added columns are those the catalogues give them.
TEST(ListColumns, TheSizingColumnsAreNamedAsTheCataloguesNameThem) {
    const std::string resources = kSamples + "/../src/resources/";
    const char* catalogues[] = {"SIZ_NL.ts", "SIZ_D.ts", "SIZ_F.ts"};
    for (std::size_t language = 1; language < 4; ++language) {
        const std::string ts = ReadFile(resources + catalogues[language - 1]);
        for (const SizingColumnNames& entry : SizingColumnTable()) {
            EXPECT_EQ(entry.names[0], EnglishString(entry.id));
            const std::size_t comment = ts.find("<comment>" + std::to_string(entry.id) + "</comment>");
            ASSERT_NE(comment, std::string::npos) << catalogues[language - 1] << entry.id;
            const std::size_t from = ts.find("<translation>", comment) + 13;
            EXPECT_EQ(ts.substr(from, ts.find("</translation>", from) - from), entry.names[language])
                << catalogues[language - 1] << entry.id;
        }
    }
}

// The account names the column each value came from and what stands in for the rest.
TEST(ListJob, TheAccountOfARun) {
    TorqueT pneumatic(kSamples + "/varnox-rp.kav");
    ListSizer sizer(pneumatic, nullptr, {false, 5.5f, ValueSource::Settings, "sizkav.set"});
    ASSERT_TRUE(SizeText(sizer, "TAG-Nr.;Fail action;Valve torque [Nm];Service\nA;FC;45\n").result.ok);
    const std::vector<std::string> lines = AccountLines(AccountOf(sizer));
    const std::vector<std::string> expected = {
        "columns read: Tag 'TAG-Nr.', Action 'Fail action', Torque 'Valve torque [Nm]'",
        "for a value the list leaves out: Pressure 5.5 bar (settings file sizkav.set); Valve type Ball (built in); "
        "Safety 1.2, or the series' (built in); Seating and Running by valve type, or the series' (built in)",
        "not in the list: Series, Size, Valve type, Safety, Seating, Running, Pressure",
        "passed through: Service",
        "numbers: decimal comma (the list is semicolon-separated)"};
    EXPECT_EQ(lines, expected);
}
