// The rules behind the programs' comforts that need no window: the name a save dialog
// proposes, and where a window opens again on the desktop of a later session.
#include "core/report/file_name.h"
#include "core/settings/window_place.h"

#include <gtest/gtest.h>

TEST(SuggestedFileName, TheTitleMadeSafeForAnyDesktop) {
    const struct {
        const char* title;
        const char* suffix;
        const char* name;
    } cases[] = {
        {"Torque Double Acting - Varnox RP rack and pinion", ".txt",
         "Torque Double Acting - Varnox RP rack and pinion.txt"},
        {"Database Sizing - Varnox RP, Ball valves", ".pdf", "Database Sizing - Varnox RP, Ball valves.pdf"},
        // a folder separator would put the file somewhere else
        {"Sizing - DN 50/80 valves", ".txt", "Sizing - DN 50 80 valves.txt"},
        {"a:b*c?d\"e<f>g|h\\i", ".txt", "a b c d e f g h i.txt"},
        {"  spaced \t out.  ", ".txt", "spaced out.txt"},
        {"Größe - Antrieb", ".txt", "Größe - Antrieb.txt"},
        {"", ".txt", "datasheet.txt"},
        {"///", ".pdf", "datasheet.pdf"},
        {"..", ".txt", "datasheet.txt"},
    };
    // a long title is cut in whole characters: 60 times two characters become 100
    std::string title;
    std::string cut;
    for (int i = 0; i < 60; ++i)
        title += "äb";
    for (int i = 0; i < 50; ++i)
        cut += "äb";
    EXPECT_EQ(SuggestedFileName(title, ".txt"), cut + ".txt");
    for (const auto& c : cases)
        EXPECT_EQ(SuggestedFileName(c.title, c.suffix), c.name) << c.title;
}

TEST(ReopenedPlace, StaysWhereItWasOnADesktopThatHoldsIt) {
    const std::vector<WindowRect> two{{0, 0, 1920, 1050}, {1920, 0, 1280, 1000}};
    const WindowRect left{100, 80, 800, 600};
    const WindowRect right{2200, 100, 700, 500};
    EXPECT_EQ(ReopenedPlace(left, two), left);
    EXPECT_EQ(ReopenedPlace(right, two), right);
}

TEST(ReopenedPlace, MovedOntoTheScreenItOverlapsMost) {
    const std::vector<WindowRect> two{{0, 0, 1920, 1050}, {1920, 0, 1280, 1000}};
    // mostly on the right screen, sticking out below and to the right
    EXPECT_EQ(ReopenedPlace({2800, 700, 600, 500}, two), (WindowRect{2600, 500, 600, 500}));
    // straddling both: it goes to the one that shows more of it
    EXPECT_EQ(ReopenedPlace({1700, 100, 400, 300}, two), (WindowRect{1520, 100, 400, 300}));
    // left above the top of the desktop, or larger than the screen now is
    EXPECT_EQ(ReopenedPlace({-50, -40, 300, 200}, two), (WindowRect{0, 0, 300, 200}));
    EXPECT_EQ(ReopenedPlace({10, 10, 2400, 1200}, {{0, 0, 1920, 1050}}), (WindowRect{0, 0, 1920, 1050}));
}

TEST(ReopenedPlace, NothingWhenItWouldOpenOffEveryScreen) {
    // the second monitor has gone
    const std::vector<WindowRect> one{{0, 0, 1920, 1050}};
    EXPECT_FALSE(ReopenedPlace({2200, 100, 700, 500}, one));
    // touching an edge shows nothing of it
    EXPECT_FALSE(ReopenedPlace({1920, 0, 700, 500}, one));
    EXPECT_FALSE(ReopenedPlace({100, 100, 0, 500}, one));
    EXPECT_FALSE(ReopenedPlace({100, 100, 700, 500}, {}));
}

TEST(CentredIn, CentredAndNeverLargerThanTheArea) {
    EXPECT_EQ(CentredIn(800, 600, {1920, 100, 1280, 1000}), (WindowRect{2160, 300, 800, 600}));
    EXPECT_EQ(CentredIn(3000, 600, {0, 0, 1920, 1050}), (WindowRect{0, 225, 1920, 600}));
}
