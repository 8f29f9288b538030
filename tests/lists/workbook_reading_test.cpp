// Valve lists as workbooks: what each kind of cell reads as, the decimal mark where number
// cells need none, the files that are refused with a sentence, and a sized workbook read
// and sized again.
#include "core/data/torque_database.h"
#include "core/data/torque_t.h"
#include "list_support.h"
#include "lists/list_account.h"
#include "lists/list_writers.h"
#include "lists/workbook_reader.h"
#include "test_support.h"

#include <gtest/gtest.h>
#include <xlsxwriter.h>
#include <zip.h>

#include <cstring>

namespace {

const std::string kSamples = VN_SAMPLES;

// A workbook made by the test: shared strings unless constant memory is asked for, which
// writes every string inline.
class Book {
public:
    Book(const std::string& path, bool constantMemory = false) {
        lxw_workbook_options options{};
        options.constant_memory = constantMemory ? LXW_TRUE : LXW_FALSE;
        book_ = workbook_new_opt(path.c_str(), &options);
    }
    lxw_worksheet* Sheet(const char* name) { return workbook_add_worksheet(book_, name); }
    lxw_format* NumberFormat(const char* code) {
        lxw_format* format = workbook_add_format(book_);
        format_set_num_format(format, code);
        return format;
    }
    bool Close() { return workbook_close(book_) == LXW_NO_ERROR; }

private:
    lxw_workbook* book_;
};

struct Read {
    ListReadResult result;
    std::vector<ListRecord> records;
};

Read ReadBook(const std::string& path, const std::string& sheet = {}, DecimalMark mark = DecimalMark::Point) {
    Read read;
    read.result = ReadWorkbookFile(path, {sheet, mark}, [&](ListRecord&& record) {
        read.records.push_back(std::move(record));
        return true;
    });
    return read;
}

// The rows of a list of valves that size: a torque as a number cell and as text.
void WriteValves(lxw_worksheet* sheet, const char* torqueText) {
    worksheet_write_string(sheet, 0, 0, "Tag", nullptr);
    worksheet_write_string(sheet, 0, 1, "Action", nullptr);
    worksheet_write_string(sheet, 0, 2, "Torque", nullptr);
    worksheet_write_string(sheet, 1, 0, "XV-1", nullptr);
    worksheet_write_string(sheet, 1, 1, "DA", nullptr);
    worksheet_write_number(sheet, 1, 2, 1450.5, nullptr);
    worksheet_write_string(sheet, 2, 0, "XV-2", nullptr);
    worksheet_write_string(sheet, 2, 1, "FC", nullptr);
    if (torqueText)
        worksheet_write_string(sheet, 2, 2, torqueText, nullptr);
    else
        worksheet_write_number(sheet, 2, 2, 45, nullptr);
}

} // namespace

// Every kind of cell a spreadsheet writes, on a sheet whose first rows are empty, read
// from the sheet named; in both string forms libxlsxwriter writes.
TEST(WorkbookReader, CellsReadAsTheSheetShowsThem) {
    const std::string dir = TestDir();
    for (bool constantMemory : {false, true}) {
        SCOPED_TRACE(constantMemory ? "inline strings" : "shared strings");
        const std::string path = dir + (constantMemory ? "/inline.xlsx" : "/shared.xlsx");
        Book book(path, constantMemory);
        worksheet_write_string(book.Sheet("Notes"), 0, 0, "not the list", nullptr);
        lxw_worksheet* sheet = book.Sheet("Valves");
        lxw_format* newtons = book.NumberFormat("0 \"Nm\"");
        lxw_format* grouped = book.NumberFormat("#,##0.00");
        lxw_format* date = book.NumberFormat("yyyy-mm-dd");
        const char* header[] = {"Tag", "Torque", "Open", "Double", "Remarks", "Size", "Due"};
        for (lxw_col_t c = 0; c < 7; ++c)
            worksheet_write_string(sheet, 2, c, header[c], nullptr);
        worksheet_write_string(sheet, 3, 0, "XV-1", nullptr);
        worksheet_write_number(sheet, 3, 1, 45, newtons);
        worksheet_write_boolean(sheet, 3, 2, 1, nullptr);
        worksheet_write_formula_num(sheet, 3, 3, "=B4*2", nullptr, 90);
        worksheet_write_string(sheet, 3, 4, "line\r\nbreak", nullptr);
        worksheet_write_number(sheet, 3, 5, 1234567.25, grouped);
        worksheet_write_number(sheet, 3, 6, 45356, date);
        worksheet_write_string(sheet, 5, 0, "XV-2", nullptr); // C6 to G6 left empty
        worksheet_write_number(sheet, 5, 1, -0.125, nullptr);
        worksheet_write_formula_str(sheet, 5, 3, "=A6&\"x\"", nullptr, "XV-2x");
        ASSERT_TRUE(book.Close());

        const Read read = ReadBook(path, "valves");
        ASSERT_TRUE(read.result.ok) << read.result.message;
        EXPECT_EQ(read.result.format.sheet, "Valves");
        ASSERT_EQ(read.records.size(), 3u);
        EXPECT_EQ(read.records[0].line, 3);
        EXPECT_EQ(read.records[0].fields, std::vector<std::string>(header, header + 7));
        const ListRecord& first = read.records[1];
        EXPECT_EQ(first.line, 4);
        EXPECT_EQ(first.fields, (std::vector<std::string>{"XV-1", "45", "TRUE", "90", "line\r\nbreak", "1234567.25",
                                                          "2024-03-05"}));
        EXPECT_EQ(first.numeric, (std::vector<bool>{false, true, false, true, false, true, false}));
        const ListRecord& second = read.records[2];
        EXPECT_EQ(second.line, 6);
        EXPECT_EQ(second.fields, (std::vector<std::string>{"XV-2", "-0.125", "", "XV-2x"}));
        EXPECT_LE(first.offset, second.offset);
        // with the comma, number cells only change their mark, dates not at all
        const Read comma = ReadBook(path, "Valves", DecimalMark::Comma);
        ASSERT_EQ(comma.records.size(), 3u);
        EXPECT_EQ(comma.records[1].fields[5], "1234567,25");
        EXPECT_EQ(comma.records[1].fields[6], "2024-03-05");
        EXPECT_EQ(comma.records[2].fields[1], "-0,125");
    }
}

// A number cell reads back as its very value whichever mark the list is read with; text
// cells that look like numbers settle the mark as in a tab-separated list.
TEST(WorkbookReader, NumberCellsNeedNoDecimalMark) {
    const std::string dir = TestDir();
    TorqueT range(kSamples + "/varnox-rp.kav");
    for (DecimalChoice choice : {DecimalChoice::Point, DecimalChoice::Comma, DecimalChoice::FromList}) {
        const std::string path = dir + "/numbers.xlsx";
        Book book(path);
        WriteValves(book.Sheet("List"), nullptr);
        ASSERT_TRUE(book.Close());
        ListSettings settings;
        settings.decimal = choice;
        ListSizer sizer(range, nullptr, settings);
        const Sized s = SizeFile(sizer, path);
        ASSERT_TRUE(s.result.ok) << s.result.message;
        ASSERT_EQ(s.rows.size(), 2u);
        EXPECT_EQ(s.rows[0].typedValue, 1450.5f) << Status(s.rows[0]);
        EXPECT_EQ(s.rows[0].cells[2], choice == DecimalChoice::Comma ? "1450,5" : "1450.5");
        EXPECT_EQ(s.result.format.separator, choice == DecimalChoice::Comma ? ';' : ',');
    }

    struct MarkCase {
        const char* torque; // the second row's torque, as text
        bool ok;
        bool comma;
    };
    for (const MarkCase& c : {MarkCase{"45,5", true, true}, MarkCase{"45.5", true, false},
                              MarkCase{"1,450", false, false}}) {
        SCOPED_TRACE(c.torque);
        const std::string path = dir + "/text.xlsx";
        Book book(path);
        WriteValves(book.Sheet("List"), c.torque);
        ASSERT_TRUE(book.Close());
        ListSizer sizer(range, nullptr, ListSettings{});
        const Sized s = SizeFile(sizer, path);
        ASSERT_EQ(s.result.ok, c.ok) << s.result.message;
        if (!c.ok) {
            EXPECT_EQ(s.result.fault, ListFault::Decimal);
            continue;
        }
        EXPECT_EQ(s.result.format.decimalComma, c.comma);
        EXPECT_EQ(s.result.format.decimalSource, DecimalSource::Cells);
        EXPECT_EQ(s.rows[0].typedValue, 1450.5f);
        EXPECT_EQ(s.rows[1].typedValue, 45.5f);
    }
}

// What cannot be read is said in a sentence, naming the file.
TEST(WorkbookReader, FilesItCannotReadAreNamed) {
    const std::string dir = TestDir();
    const std::string ole("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
    const std::string xls = WriteFile(dir, "old.xls", ole + std::string(504, '\0'));
    std::string stream;
    for (char c : std::string("EncryptedPackage"))
        stream += std::string(1, c) + '\0';
    const std::string locked = WriteFile(dir, "locked.xlsx", ole + std::string(600, '\0') + stream);
    const std::string text = WriteFile(dir, "list.xlsx", "Tag,Action,Torque\r\nXV-1,DA,45\r\n");

    // archives of one file: a note, and the mark of an OpenDocument spreadsheet
    const auto archive = [&dir](const char* name, const char* entry, const char* content) {
        const std::string path = dir + "/" + name;
        int error = 0;
        zip_t* zip = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
        zip_file_add(zip, entry, zip_source_buffer(zip, content, std::strlen(content), 0), 0);
        zip_close(zip);
        return path;
    };
    const std::string zipped = archive("notes.zip", "notes.txt", "no workbook here");
    const std::string ods = archive("list.ods", "mimetype", "application/vnd.oasis.opendocument.spreadsheet");

    const std::string book = dir + "/two.xlsx";
    Book two(book);
    WriteValves(two.Sheet("Valves"), nullptr);
    two.Sheet("Spare");
    ASSERT_TRUE(two.Close());

    const std::pair<std::string, std::string> cases[] = {
        {xls, xls + ": this is an old binary .xls workbook; save it as .xlsx or CSV"},
        {locked, locked + ": the workbook is encrypted; save it without a password"},
        {zipped, zipped + ": is not a workbook"},
        {ods, ods + ": this is an OpenDocument spreadsheet; save it as .xlsx or CSV"},
        {text, text + ": is not a workbook"},
    };
    for (const auto& [file, message] : cases) {
        const Read read = ReadBook(file);
        EXPECT_FALSE(read.result.ok);
        EXPECT_EQ(read.result.message, message);
    }
    EXPECT_EQ(ReadBook(book, "Pumps").result.message,
              book + ": the workbook has no sheet 'Pumps'; its sheets are 'Valves' and 'Spare'");
    EXPECT_EQ(ReadBook(book, "Spare").result.message,
              book + ": the sheet 'Spare' is empty: it needs a header row naming its columns");
    std::vector<std::string> sheets;
    std::string message;
    EXPECT_TRUE(ReadWorkbookSheets(book, sheets, message));
    EXPECT_EQ(sheets, (std::vector<std::string>{"Valves", "Spare"}));

    // the job tells them by their bytes, whatever their names say
    TorqueT range(kSamples + "/varnox-rp.kav");
    ListSizer sizer(range, nullptr, ListSettings{});
    const Sized old = SizeFile(sizer, xls);
    EXPECT_EQ(old.result.fault, ListFault::Read);
    EXPECT_EQ(old.result.message, xls + ": this is an old binary .xls workbook; save it as .xlsx or CSV");
    EXPECT_TRUE(SizeFile(sizer, text).result.ok);
}

// The sample list sized and written as a workbook, then read and sized again: its rows
// come back as they were, and the second sizing agrees with the first.
TEST(WorkbookReader, ASizedWorkbookSizesAlike) {
    const std::string dir = TestDir();
    TorqueT range(kSamples + "/varnox-rp.kav");
    TorqueDatabase database(kSamples + "/ball-valves");
    ListSizer first(range, &database, ListSettings{});
    const Sized csv = SizeFile(first, kSamples + "/project-valves.csv");
    ASSERT_TRUE(csv.result.ok) << csv.result.message;
    const std::string path = dir + "/sized.xlsx";
    auto writer = MakeListWriter(ListFileKind::Xlsx, path, first.Format());
    ASSERT_TRUE(writer->Begin(first.OutputHeader(), first.OutputKinds()));
    for (const SizedRow& row : csv.rows)
        ASSERT_TRUE(writer->Row(row.cells));
    ASSERT_TRUE(writer->Commit()) << writer->Error();

    ListSizer second(range, &database, ListSettings{});
    const Sized book = SizeFile(second, path);
    ASSERT_TRUE(book.result.ok) << book.result.message;
    ASSERT_EQ(book.rows.size(), csv.rows.size());
    // the list's own columns come back as they were; the earlier sizing's columns are left
    // out and made anew alike
    const auto input = static_cast<long>(first.AddedFrom());
    ASSERT_EQ(book.header, csv.header);
    EXPECT_EQ(second.LeftOut().size(), csv.header.size() - first.AddedFrom());
    for (std::size_t r = 0; r < csv.rows.size(); ++r) {
        SCOPED_TRACE(csv.rows[r].tag);
        const std::vector<std::string>& was = csv.rows[r].cells;
        const std::vector<std::string>& now = book.rows[r].cells;
        EXPECT_EQ(std::vector<std::string>(now.begin(), now.begin() + input),
                  std::vector<std::string>(was.begin(), was.begin() + input));
        EXPECT_EQ(now, was);
    }
    const std::vector<std::string> account = AccountLines(AccountOf(second));
    EXPECT_EQ(account.front(), "sheet read: 'Sized'");
}
