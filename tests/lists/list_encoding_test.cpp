// Lists saved in older encodings: Windows-1252 from older spreadsheets and a spreadsheet's
// UTF-16 "Unicode text" are read, and written, as UTF-8; a file in neither is refused,
// naming its line.
#include "core/data/torque_t.h"
#include "list_support.h"
#include "lists/list_account.h"
#include "lists/list_reader.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <iconv.h>

namespace {

using namespace std::string_literals;

const std::string kSamples = VN_SAMPLES;

// ö ß ° µ € ™ and the low and high quotes, in UTF-8 and as Windows-1252 saves them
const std::string kUtf8List = "Tag;Action;Torque;Remarks\r\n"
                              "XV-\xC3\xB6\xC3\x9F;FC;45,5;\xE2\x80\x9E"
                              "20 \xC2\xB0"
                              "C\xE2\x80\x9C\r\n"
                              "XV-\xC2\xB5;DA;30;5 \xE2\x82\xAC \xE2\x84\xA2\r\n";
const std::string k1252List = "Tag;Action;Torque;Remarks\r\n"
                              "XV-\xF6\xDF;FC;45,5;\x84"
                              "20 \xB0"
                              "C\x93\r\n"
                              "XV-\xB5;DA;30;5 \x80 \x99\r\n";

// A spreadsheet's "Unicode text": tab-separated, with a character beyond the first plane.
const std::u16string kWideList = u"Tag\tAction\tTorque\tRemarks\r\n"
                                 u"XV-\u00F6\u00DF\tFC\t45,5\t20 \u00B0C \U0001F527\r\n"
                                 u"XV-\u00B5\tDA\t30\t5 \u20AC\r\n";

// Text as UTF-16 with its byte-order mark.
std::string Utf16(std::u16string_view text, bool bigEndian) {
    std::string bytes;
    for (char16_t unit : u"\uFEFF"s + std::u16string(text)) {
        const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

struct Records {
    ListReadResult result;
    std::vector<ListRecord> records;
};

Records ReadRecords(const std::string& file, std::string_view text = {}) {
    Records read;
    const auto keep = [&read](ListRecord&& record) {
        read.records.push_back(std::move(record));
        return true;
    };
    read.result = file.empty() ? ReadListText(text, keep) : ReadListFile(file, keep);
    return read;
}

} // namespace

// The list's characters come out as UTF-8, the list says how it was read, and its CSV
// gets no byte-order mark; the same list in UTF-8 is read as it stands.
TEST(ListEncoding, AWindows1252ListIsSizedInUtf8) {
    TorqueT pneumatic(kSamples + "/varnox-rp.kav");
    ListSizer sizer(pneumatic, nullptr, {false, 5.5f});
    const Sized s = SizeFile(sizer, WriteFile(TestDir(), "ansi.csv", k1252List));
    ASSERT_TRUE(s.result.ok) << s.result.message;
    EXPECT_EQ(s.result.format.encoding, ListEncoding::Windows1252);
    EXPECT_FALSE(sizer.Format().byteOrderMark);
    ASSERT_EQ(s.rows.size(), 2u);
    EXPECT_EQ(Cell(s, 0, "Tag"), "XV-\xC3\xB6\xC3\x9F");
    EXPECT_EQ(Cell(s, 0, "Remarks"), "\xE2\x80\x9E"
                                     "20 \xC2\xB0"
                                     "C\xE2\x80\x9C");
    EXPECT_EQ(Cell(s, 1, "Tag"), "XV-\xC2\xB5");
    EXPECT_EQ(Cell(s, 1, "Remarks"), "5 \xE2\x82\xAC \xE2\x84\xA2");
    EXPECT_EQ(Status(s.rows[0]), "ok");
    EXPECT_FLOAT_EQ(s.rows[0].typedValue, 45.5f);
    EXPECT_EQ(AccountLines(AccountOf(sizer)).back(), "encoding: Windows-1252 (the list is not UTF-8)");

    const Sized u = SizeText(sizer, kUtf8List);
    ASSERT_TRUE(u.result.ok) << u.result.message;
    EXPECT_EQ(u.result.format.encoding, ListEncoding::Utf8);
    ASSERT_EQ(u.rows.size(), 2u);
    for (std::size_t i = 0; i < u.rows.size(); ++i)
        EXPECT_EQ(u.rows[i].cells, s.rows[i].cells);
    EXPECT_EQ(AccountLines(AccountOf(sizer)).back().rfind("numbers: ", 0), 0u);
}

// Every byte of the upper half reads as the system's own converter reads it; the bytes it
// leaves undefined are refused.
TEST(ListEncoding, Windows1252AsTheSystemConverterReadsIt) {
    const iconv_t converter = iconv_open("UTF-8", "WINDOWS-1252");
    if (converter == reinterpret_cast<iconv_t>(-1))
        GTEST_SKIP() << "the C library has no Windows-1252 converter";
    for (int byte = 0x80; byte <= 0xFF; ++byte) {
        SCOPED_TRACE(byte);
        char in[1] = {static_cast<char>(byte)}, out[8];
        char* from = in;
        char* to = out;
        std::size_t inLeft = 1, outLeft = sizeof out;
        const bool defined = iconv(converter, &from, &inLeft, &to, &outLeft) != static_cast<std::size_t>(-1);
        const Records read = ReadRecords({}, "Tag\r\nA"s + in[0] + "\r\n");
        ASSERT_EQ(read.result.ok, defined) << read.result.message;
        if (defined)
            EXPECT_EQ(read.records.at(1).fields.at(0), "A" + std::string(out, to));
        else
            EXPECT_EQ(read.result.line, 2);
    }
    iconv_close(converter);
}

// Both byte orders, a character beyond the first plane included; the CSV written from
// such a list gets a byte-order mark.
TEST(ListEncoding, UnicodeTextInBothByteOrders) {
    TorqueT pneumatic(kSamples + "/varnox-rp.kav");
    ListSizer sizer(pneumatic, nullptr, {false, 5.5f});
    const std::string dir = TestDir();
    for (bool big : {false, true}) {
        SCOPED_TRACE(big ? "big-endian" : "little-endian");
        const Sized s = SizeFile(sizer, WriteFile(dir, big ? "be.txt" : "le.txt", Utf16(kWideList, big)));
        ASSERT_TRUE(s.result.ok) << s.result.message;
        EXPECT_EQ(s.result.format.encoding, big ? ListEncoding::Utf16Be : ListEncoding::Utf16Le);
        EXPECT_TRUE(sizer.Format().byteOrderMark);
        EXPECT_EQ(sizer.Format().separator, '\t');
        EXPECT_TRUE(sizer.Format().decimalComma);
        ASSERT_EQ(s.rows.size(), 2u);
        EXPECT_EQ(Cell(s, 0, "Tag"), "XV-\xC3\xB6\xC3\x9F");
        EXPECT_EQ(Cell(s, 0, "Remarks"), "20 \xC2\xB0"
                                         "C \xF0\x9F\x94\xA7");
        EXPECT_EQ(Cell(s, 1, "Remarks"), "5 \xE2\x82\xAC");
        EXPECT_EQ(s.rows[1].line, 3);
        EXPECT_EQ(Status(s.rows[1]), "ok");
        EXPECT_EQ(AccountLines(AccountOf(sizer)).back(), "encoding: UTF-16 with a byte-order mark");
    }
}

// A file in no encoding the reader knows is refused whole, naming the line of the first
// byte that none reads.
TEST(ListEncoding, TextInNoEncodingIsRefused) {
    const std::string neither = "the text is neither UTF-8 nor Windows-1252; save the list as CSV in UTF-8";
    const std::pair<std::string, std::string> cases[] = {
        {"Tag,Action\r\nA\xE9,FC\r\nB,F\x9D\r\n", "line 3: " + neither},
        {"Tag,Action\r\nA\xE9,FC\rB,FC\0\r\n"s, "line 3: " + neither},
        {"Tag,Action\nA,FC\0\n"s, "line 2: " + neither}, // UTF-16 without its mark reads like this
        {"\xEF\xBB\xBFTag,Action\nA,FC\nB\xE9,FC\n",
         "line 3: the text is not UTF-8, though the list begins with UTF-8's byte-order mark; save the list as "
         "CSV in UTF-8"},
        {Utf16(u"Tag,Action\r\nA,FC\r\nB\xD800,FC\r\n", false),
         "line 3: the UTF-16 text has an unpaired surrogate; save the list as CSV in UTF-8"},
        {Utf16(u"Tag,Action\r\nA,FC\xDC00\r\n", true),
         "line 2: the UTF-16 text has an unpaired surrogate; save the list as CSV in UTF-8"},
        {Utf16(u"Tag,Action\r\nA,FC\r\n", false) + "\n",
         "line 3: the UTF-16 text ends in half a character; save the list as CSV in UTF-8"},
    };
    for (const auto& [text, message] : cases) {
        const Records read = ReadRecords({}, text);
        EXPECT_FALSE(read.result.ok);
        EXPECT_EQ(read.result.message, message);
        EXPECT_TRUE(read.records.empty());
    }
}

// A list longer than the pieces the reader takes: the encoding is settled on all of it, a
// character split between two pieces is read whole, and the offsets count the file's own
// bytes up to its size.
TEST(ListEncoding, LongListsReadInPieces) {
    std::string ascii = "Tag,Action,Torque,Remarks\r\n";
    while (ascii.size() < 70000)
        ascii += "XV-0,FC,45,x\r\n";
    // the wrench's two units stand either side of the first 64 KiB (after the mark's unit)
    std::u16string wide = u"Tag,Action,Torque,Remarks\r\n";
    while (wide.size() + 25 < 32766)
        wide += u"XV-0,FC,45,x\r\n";
    const std::string pad(32766 - wide.size() - 11, 'x');
    wide += u"XV-0,FC,45," + std::u16string(pad.size(), u'x') + u"\U0001F527\r\n";
    // and the euro's three bytes
    std::string utf8 = "Tag,Action,Torque,Remarks\r\n";
    while (utf8.size() + 25 < 65535)
        utf8 += "XV-0,FC,45,x\r\n";
    const std::string pad8(65535 - utf8.size() - 11, 'x');
    utf8 += "XV-0,FC,45," + pad8 + "\xE2\x82\xAC\r\n";

    const struct {
        std::string bytes;
        ListEncoding encoding;
        std::string lastRemark;
    } lists[] = {
        {ascii + "XV-1,FC,45,\xF6\r\n", ListEncoding::Windows1252, "\xC3\xB6"},
        {Utf16(wide, false), ListEncoding::Utf16Le, pad + "\xF0\x9F\x94\xA7"},
        {Utf16(wide, true), ListEncoding::Utf16Be, pad + "\xF0\x9F\x94\xA7"},
        {utf8, ListEncoding::Utf8, pad8 + "\xE2\x82\xAC"},
    };
    const std::string dir = TestDir();
    for (const auto& list : lists) {
        SCOPED_TRACE(static_cast<int>(list.encoding));
        const Records file = ReadRecords(WriteFile(dir, "long.csv", list.bytes));
        ASSERT_TRUE(file.result.ok) << file.result.message;
        EXPECT_EQ(file.result.format.encoding, list.encoding);
        EXPECT_EQ(file.records.back().fields.back(), list.lastRemark);
        unsigned long long offset = 0;
        for (const ListRecord& record : file.records) {
            EXPECT_GT(record.offset, offset);
            offset = record.offset;
        }
        EXPECT_EQ(offset, list.bytes.size());
        // read whole from memory, the list is the same
        const Records text = ReadRecords({}, list.bytes);
        ASSERT_EQ(text.records.size(), file.records.size());
        for (std::size_t i = 0; i < text.records.size(); ++i)
            ASSERT_EQ(text.records[i].fields, file.records[i].fields) << i;
    }
}
