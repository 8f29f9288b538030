#include "core/data/database_edit.h"
#include "core/data/read_status.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace {

// Two pages; the second has a size and a factor that one decimal would round.
std::string TwoPages() {
    return CrLf({"Ball valves",
                 "2", //
                 "1",
                 "Series A",
                 "DA-1",
                 "2024-01-02",
                 "1.2",
                 "0.6",
                 "0.3",
                 "Bench",
                 "2",
                 "15.0       8.0",  //
                 "20.0       10.0", //
                 "2",
                 "Series B",
                 "DB-2",
                 "2024-01-03",
                 "1.25",
                 "0.6",
                 "0.3",
                 "Field",
                 "1",
                 "2.346      12.5"});
}

} // namespace

TEST(DatabaseEdit, FieldTextsOfTheScreen) {
    // the file name: whole up to 40 characters, else "..." and the last 40
    const std::string forty(40, 'f');
    EXPECT_EQ(ShownFileName(forty), forty);
    EXPECT_EQ(ShownFileName("/data/" + forty), "..." + forty);
    EXPECT_EQ(ShownFileName(""), "");
    // counted in characters: a cut never leaves half of one
    const std::string tail = "\xc3\xa9" + std::string(39, 'v');
    EXPECT_EQ(ShownFileName("/m\xc3\xbcnchen/" + tail), "..." + tail);

    EXPECT_EQ(PageNumberText(1, 5, "of"), "2 of 5");
    EXPECT_EQ(PageNumberText(0, 1, "van"), "1 van 1");
    EXPECT_EQ(EditorCaption("Database", "Sizing", "Ball valves"), "Database Sizing - Ball valves");
    EXPECT_EQ(EditorCaption("Database", "Sizing", ""), "Database Sizing - ");

    EXPECT_EQ(SizeText(2.346f), "2.35");
    EXPECT_EQ(SizeText(15), "15.00");
    EXPECT_EQ(TorqueText(12.5f, false), "12.5");
    // imperial shows in.lb: 100 Nm x 8.85
    EXPECT_EQ(TorqueText(100, true), "885.0");
    EXPECT_EQ(TorqueText(8, true), "70.8");
}

TEST(DatabaseEdit, TypedTextsFitTheFile) {
    EXPECT_EQ(FieldText("VB-2140-C", 15), "VB-2140-C");
    EXPECT_EQ(FieldText("a drawing number too long", 15), "a drawing numbe");
    // a line break would shift every later line of the file
    EXPECT_EQ(FieldText("first\r\nsecond", 79), "first");
    EXPECT_EQ(FieldText("first\nsecond", 79), "first");
    EXPECT_EQ(FieldText("Kugelh\xc3\xa4hne", 7), "Kugelh\xc3\xa4"); // seven characters, eight bytes
}

TEST(DatabaseEdit, UntouchedFieldsKeepTheirStoredValue) {
    // shown as "0.123457", the stored value must survive a look at the page
    EXPECT_EQ(FieldValue(0.1234567f, "0.123457", "0.123457"), 0.1234567f);
    EXPECT_EQ(FieldValue(1.25f, "1.25", "1.3"), 1.3f);
    EXPECT_EQ(FieldValue(1.25f, "1.25", ""), 0.0f);
    EXPECT_EQ(FieldValue(1.25f, "1.25", "2abc"), 2.0f);

    ValvePage page;
    page.safetyFactor = 1.2345678f;
    page.seatFactor = 0.6f;
    page.runFactor = 0.3f;
    const PageFields shown{"D", "2024", "Bench", "1.234568", "0.6", "0.3"};
    PageFields now = shown;
    now.run = "0.25";
    now.from = "Field data 2025 and later";
    ApplyPageFields(page, shown, now);
    EXPECT_EQ(page.safetyFactor, 1.2345678f);
    EXPECT_EQ(page.seatFactor, 0.6f);
    EXPECT_EQ(page.runFactor, 0.25f);
    EXPECT_EQ(page.from, "Field data 2025");
    EXPECT_EQ(page.drawingNr, "D");
}

TEST(DatabaseEdit, AppendedPagesAndSizesReadBackAfterWriting) {
    std::string dir = TestDir();
    TorqueDatabase db(WriteFile(dir, "v", TwoPages()));
    ASSERT_EQ(db.status, ReadComplete);

    const int page = AppendPage(db);
    ASSERT_EQ(page, 2);
    EXPECT_EQ(db.pages[2].number, 3);
    EXPECT_EQ(db.pages[2].safetyFactor, 0.0f);
    EXPECT_TRUE(db.pages[2].name.empty());

    // an empty or number-less field appends nothing
    EXPECT_EQ(AppendSize(db, page, "", "40", false), -1);
    EXPECT_EQ(AppendSize(db, page, "50", "", false), -1);
    EXPECT_EQ(AppendSize(db, page, "-", ".", false), -1);
    EXPECT_EQ(AppendSize(db, 7, "50", "40", false), -1);
    EXPECT_EQ(db.pages[2].SizeCount(), 0);

    EXPECT_EQ(AppendSize(db, page, "50", "40", false), 0);
    // typed in in.lb, kept in Nm
    EXPECT_EQ(AppendSize(db, page, "80", "885", true), 1);
    EXPECT_NEAR(db.pages[2].sizes[1].torque, 100.0f, 1e-4f);
    EXPECT_EQ(TorqueText(db.pages[2].sizes[1].torque, true), "885.0");

    db.pages[2].name = "Series C";
    ASSERT_EQ(db.Write(), 1);
    TorqueDatabase again(db.GetFileName());
    ASSERT_EQ(again.status, ReadComplete);
    ASSERT_EQ(again.GetPageCount(), 3);
    EXPECT_EQ(again.pages[2].name, "Series C");
    ASSERT_EQ(again.pages[2].SizeCount(), 2);
    EXPECT_EQ(again.pages[2].sizes[0].size, 50.0f);
    EXPECT_NEAR(again.pages[2].sizes[1].torque, 100.0f, 1e-4f);
    // precision of the untouched page survives the round
    EXPECT_EQ(again.pages[1].sizes[0].size, 2.346f);
    EXPECT_EQ(again.pages[1].safetyFactor, 1.25f);
}

TEST(DatabaseEdit, DeletingAPageKeepsTheNumbersInSequence) {
    std::string dir = TestDir();
    TorqueDatabase db(WriteFile(dir, "v", TwoPages()));
    AppendPage(db);
    AppendSize(db, 2, "50", "40", false);
    ASSERT_TRUE(DeletePageAndRenumber(db, 0));
    EXPECT_FALSE(DeletePageAndRenumber(db, 2));
    ASSERT_EQ(db.GetPageCount(), 2);
    EXPECT_EQ(db.pages[0].number, 1);
    EXPECT_EQ(db.pages[1].number, 2);
    ASSERT_EQ(db.Write(), 1);
    TorqueDatabase again(db.GetFileName());
    EXPECT_EQ(again.status, ReadComplete);
    ASSERT_EQ(again.GetPageCount(), 2);
    EXPECT_EQ(again.pages[0].name, "Series B");
}

TEST(DatabaseEdit, OnlyADatabaseThatReadsBackMayBeWritten) {
    std::string dir = TestDir();
    TorqueDatabase db(WriteFile(dir, "v", TwoPages()));
    int bad = 99;
    EXPECT_EQ(CheckBeforeWrite(db, bad), WriteCheck::Ready);
    EXPECT_EQ(bad, -1);

    AppendPage(db);
    EXPECT_EQ(CheckBeforeWrite(db, bad), WriteCheck::PageWithoutSizes);
    EXPECT_EQ(bad, 2);
    // the first such page is the one named
    db.DeleteSize(0, 0);
    db.DeleteSize(0, 0);
    EXPECT_EQ(CheckBeforeWrite(db, bad), WriteCheck::PageWithoutSizes);
    EXPECT_EQ(bad, 0);

    while (db.GetPageCount() > 0)
        DeletePageAndRenumber(db, 0);
    EXPECT_EQ(CheckBeforeWrite(db, bad), WriteCheck::NoPages);
}

TEST(DatabaseEdit, ChangesAreSeenAgainstTheLastSave) {
    std::string dir = TestDir();
    TorqueDatabase db(WriteFile(dir, "v", TwoPages()));
    const DatabaseContent saved = ContentOf(db);
    EXPECT_TRUE(SameContent(saved, db));

    struct Change {
        const char* what;
        void (*apply)(TorqueDatabase&);
    } changes[] = {
        {"valve name", [](TorqueDatabase& d) { d.valveName += "!"; }},
        {"page name", [](TorqueDatabase& d) { d.pages[1].name = "Other"; }},
        {"source", [](TorqueDatabase& d) { d.pages[0].from = "Other"; }},
        {"factor", [](TorqueDatabase& d) { d.pages[1].runFactor = 0.31f; }},
        {"torque", [](TorqueDatabase& d) { d.pages[0].sizes[1].torque = 10.5f; }},
        {"appended size", [](TorqueDatabase& d) { AppendSize(d, 0, "25", "14", false); }},
        {"deleted size", [](TorqueDatabase& d) { d.DeleteSize(0, 1); }},
        {"appended page", [](TorqueDatabase& d) { AppendPage(d); }},
        {"deleted page", [](TorqueDatabase& d) { DeletePageAndRenumber(d, 0); }},
    };
    for (const Change& c : changes) {
        TorqueDatabase copy(db.GetFileName());
        c.apply(copy);
        EXPECT_FALSE(SameContent(saved, copy)) << c.what;
    }
}

TEST(DatabaseEdit, ASizeTypedAgainIsFoundAsTheListShowsIt) {
    std::string dir = TestDir();
    TorqueDatabase db(WriteFile(dir, "v", TwoPages()));
    // "20" and "20.001" show as 20.00, like the line of the list; 2.346 shows as 2.35
    EXPECT_EQ(SameSizeIndex(db, 0, "20", "12"), 1);
    EXPECT_EQ(SameSizeIndex(db, 0, "20.001", "12"), 1);
    EXPECT_EQ(SameSizeIndex(db, 1, "2.35", "1"), 0);
    EXPECT_EQ(SameSizeIndex(db, 0, "25", "12"), -1);
    // only where an append would happen at all: both numbers, a page that exists
    EXPECT_EQ(SameSizeIndex(db, 0, "20", ""), -1);
    EXPECT_EQ(SameSizeIndex(db, 0, "", "12"), -1);
    EXPECT_EQ(SameSizeIndex(db, 5, "20", "12"), -1);
}

TEST(DatabaseEdit, ReplacingATorqueKeepsTheLineAndItsSize) {
    std::string dir = TestDir();
    TorqueDatabase db(WriteFile(dir, "v", TwoPages()));
    EXPECT_EQ(ReplaceSizeTorque(db, 0, 1, "12.5", false), 1);
    // in.lb typed, Nm kept
    EXPECT_EQ(ReplaceSizeTorque(db, 0, 0, "885", true), 0);
    ASSERT_EQ(db.pages[0].SizeCount(), 2);
    EXPECT_EQ(db.pages[0].sizes[1].size, 20.0f);
    EXPECT_EQ(db.pages[0].sizes[1].torque, 12.5f);
    EXPECT_NEAR(db.pages[0].sizes[0].torque, 100.0f, 1e-4f);
    // nothing changes for a text without a number or a line that is not there
    EXPECT_EQ(ReplaceSizeTorque(db, 0, 1, "-", false), -1);
    EXPECT_EQ(ReplaceSizeTorque(db, 0, 2, "40", false), -1);
    EXPECT_EQ(ReplaceSizeTorque(db, 2, 0, "40", false), -1);
    EXPECT_EQ(db.pages[0].sizes[1].torque, 12.5f);
}
