#include "core/report/datasheet_frame.h"
#include "core/text/text_util.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace {

DatasheetFrame Frame(const std::string& banner, const std::string& version, const std::string& place,
                     const std::string& reference, DatasheetDate date) {
    DatasheetFrame frame;
    frame.banner = banner;
    frame.versionText = version;
    frame.place = place;
    frame.reference = reference;
    frame.date = date;
    return frame;
}

} // namespace

TEST(Datasheet, ShortSheetHasItsFooterOnLines54To58) {
    std::string dir = TestDir();
    std::vector<std::string> body;
    for (int i = 1; i <= 10; ++i)
        body.push_back("body line " + std::to_string(i));
    Textfile file(dir + "/LIST_KAV.TXT");
    ASSERT_TRUE(WriteDatasheet(file, Frame(kPneumaticBanner, kPneumaticVersionText, "Rotterdam", "", {6, 12, 2026}),
                               TitleFromCaption("Torque Double Acting - Varnox RP"), 2, body));
    EXPECT_EQ(ReadFile(dir + "/LIST_KAV.TXT"), ReadFile(VN_TEST_DATA "/datasheet_pneumatic.txt"));
}

TEST(Datasheet, NotesBlockAndReference) {
    std::string dir = TestDir();
    DatasheetFrame frame = Frame(kElectricBanner, kElectricVersionText, "Schiedam", "VB-2140-C", {31, 1, 2027});
    frame.addNotes = true;
    frame.notesFile = WriteFile(dir, "NOTES.TXT", "Check the seat material.\r\n\r\nCustomer: Delta Works\r\n");
    Textfile file(dir + "/sheet.txt");
    ASSERT_TRUE(WriteDatasheet(file, frame, "Torsion in circulair shafts", 3, {"Torque  Stress", "[Nm]    [N/mm^2]"}));
    EXPECT_EQ(ReadFile(dir + "/sheet.txt"), ReadFile(VN_TEST_DATA "/datasheet_electric_notes.txt"));
}

TEST(Datasheet, EmptyOrMissingNotesGiveOnlyTheTwoBlankLines) {
    std::string dir = TestDir();
    for (const std::string& notes : {WriteFile(dir, "NOTES.TXT", ""), dir + "/missing.txt"}) {
        DatasheetFrame frame = Frame(kPneumaticBanner, kPneumaticVersionText, "", "", {1, 2, 2026});
        frame.addNotes = true;
        frame.notesFile = notes;
        Textfile file(dir + "/sheet.txt");
        WriteDatasheet(file, frame, "T", 2, {});
        std::vector<std::string> lines = ReadLines(dir + "/sheet.txt");
        ASSERT_EQ(lines.size(), 58u);
        EXPECT_EQ(lines[4], "");
        EXPECT_EQ(lines[5], "");
        EXPECT_EQ(lines[8], "T"); // two notes lines, then the title's two blank lines
    }
}

TEST(Datasheet, TranslatedNotesAndTitlesStayWhole) {
    std::string dir = TestDir();
    // 95 characters that take 105 bytes: a note line holds 99 characters, not bytes
    const std::string note = "Gr\xc3\xb6\xc3\x9f"
                             "e und Druckst\xc3\xa4rke der Armaturen gem\xc3\xa4\xc3\x9f "
                             "Kundenliste, gepr\xc3\xbc"
                             "ft am 6. Dezember, f\xc3\xbcr Anlage S\xc3\xbc"
                             "d";
    ASSERT_LT(Utf8Length(note), 99u);
    ASSERT_GT(note.size(), 99u);
    const std::vector<std::string> notes = NotesBlockLines(true, WriteFile(dir, "NOTES.TXT", note + "\r\n"));
    ASSERT_EQ(notes.size(), 3u);
    EXPECT_EQ(notes[2], note);

    const std::vector<std::string> title = TitleBlockLines("Kapazit\xc3\xa4t Druckluftbeh\xc3\xa4lter Stra\xc3\x9f"
                                                           "e",
                                                           0);
    EXPECT_EQ(title[0], "KAPAZIT\xc3\x84T DRUCKLUFTBEH\xc3\x84LTER STRASSE");
    EXPECT_EQ(title[1], std::string(35, '_'));
}

TEST(Datasheet, LongContentGetsTheFooterRightAfterIt) {
    std::string dir = TestDir();
    std::vector<std::string> body(50, "row"); // 10 frame lines + 50 = 60 lines of content
    Textfile file(dir + "/sheet.txt");
    WriteDatasheet(file, Frame(kPneumaticBanner, kPneumaticVersionText, "", "", {1, 2, 2026}), "T", 2, body);
    std::vector<std::string> lines = ReadLines(dir + "/sheet.txt");
    ASSERT_EQ(lines.size(), 65u);
    EXPECT_EQ(lines[59], "row");
    EXPECT_EQ(lines[60], std::string(65, '_'));
}

TEST(Datasheet, FooterPlaceLineIsAlways65Characters) {
    EXPECT_EQ(FooterPlaceLine("", "", {6, 12, 2026}), std::string(55, ' ') + "06-12-2026");
    std::string place(70, 'p');
    EXPECT_EQ(FooterPlaceLine(place, "ABCDEFGHIJKL", {6, 12, 2026}), std::string(41, 'p') + " ABCDEFGHIJKL 06-12-2026");
    // a reference too long for the line is cut rather than pushing the date out
    EXPECT_EQ(FooterPlaceLine("x", std::string(60, 'r'), {6, 12, 2026}).size(), 65u);
    // characters, not bytes: an accented place still gives 65 characters
    std::string line = FooterPlaceLine("Li\xc3\xa8ge", "", {6, 12, 2026});
    EXPECT_EQ(line.size(), 66u);
}

TEST(Datasheet, TitleFromCaption) {
    std::string title = TitleFromCaption("Torque Double Acting - Varnox RP rack");
    EXPECT_EQ(title, "Torque Double Acting ");
    EXPECT_EQ(title.size(), 21u);
    EXPECT_EQ(TitleFromCaption("No hyphen here"), "No hyphen here");
}

TEST(Datasheet, FooterOnAnUnopenableFileReportsFailure) {
    std::string dir = TestDir();
    Textfile file(dir + "/missing/sheet.txt");
    EXPECT_FALSE(
        WriteDatasheet(file, Frame(kPneumaticBanner, kPneumaticVersionText, "", "", {1, 1, 2026}), "T", 2, {}));
}
