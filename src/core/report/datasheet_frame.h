// The datasheet frame shared by every screen: a header, the optional notes, a title
// block, the screen's body and a footer that pads the sheet to a fixed height and
// closes it with the program line, the user's place and the date.
#pragma once

#include "core/report/textfile.h"

#include <string>
#include <vector>

struct DatasheetDate {
    int day = 1;
    int month = 1;
    int year = 2000;
};

// The fixed texts of the two programs.
inline const char* const kPneumaticBanner = "VARNOX    -    PNEUMATIC ACTUATORS    -    COMPUTERISED DATA";
inline const char* const kElectricBanner = "VARNOX    -    ELECTRIC  ACTUATORS    -    COMPUTERISED DATA";
inline const char* const kPneumaticVersionText = "KAV 7.2";
inline const char* const kElectricVersionText = "QU  4.2";
inline const char* const kNotesFileName = "NOTES.TXT";

constexpr std::size_t kDatasheetRuleChars = 65;
// Content shorter than this is padded, so the footer stands on lines 54 to 58.
constexpr int kFooterStartsAfter = 53;
// The longest line a datasheet holds.
constexpr std::size_t kDatasheetLineChars = 99;

// Creates or empties the file and writes the four header lines; closes it.
bool WriteDatasheetHeader(Textfile& file, const std::string& banner);
// With the file open for appending: when addNotes, two empty lines and every line of the
// notes file unchanged (only the two lines when it cannot be read).
bool WriteNotesBlock(Textfile& file, bool addNotes, const std::string& notesFile = kNotesFileName);
// With the file open for appending: blankLines empty lines, the title in upper case, an
// underline as long as the title, two empty lines.
bool WriteTitleBlock(Textfile& file, const std::string& title, int blankLines);
// Opens the file for appending, pads it to 53 lines and writes the five footer lines.
bool WriteDatasheetFooter(Textfile& file, const std::string& place, const std::string& reference,
                          const DatasheetDate& date, const std::string& versionText);

// Opens the file for appending and adds empty lines until it holds `lines` lines.
// Leaves it open. Returns the number of lines it held before.
int PadToLines(Textfile& file, int lines);

// The footer's 65-character place line: the place in 53 - len(reference) characters, a
// blank, the reference, a blank and the date as dd-mm-yyyy.
std::string FooterPlaceLine(const std::string& place, const std::string& reference, const DatasheetDate& date);

// A window caption up to, not including, its first '-' (the whole caption without one).
std::string TitleFromCaption(const std::string& caption);

// The parts of a sheet as lines, for building a whole sheet in memory and writing it
// once.
std::vector<std::string> DatasheetHeaderLines(const std::string& banner);
std::vector<std::string> NotesBlockLines(bool addNotes, const std::string& notesFile = kNotesFileName);
std::vector<std::string> TitleBlockLines(const std::string& title, int blankLines);
std::vector<std::string> FooterLines(const std::string& place, const std::string& reference, const DatasheetDate& date,
                                     const std::string& versionText);
// Adds empty lines until there are `count` lines.
void PadLines(std::vector<std::string>& lines, std::size_t count);
// Creates or empties the file and writes the lines. False when any write failed.
bool WriteLines(Textfile& file, const std::vector<std::string>& lines);

// Everything a datasheet needs besides its title and body.
struct DatasheetFrame {
    std::string banner;
    std::string versionText;
    std::string place;
    std::string reference;
    DatasheetDate date;
    bool addNotes = false;
    std::string notesFile = kNotesFileName;
};

// A whole datasheet as lines, in the usual order: header, notes, title block, body, padding
// and footer.
std::vector<std::string> DatasheetLines(const DatasheetFrame& frame, const std::string& title, int blankLines,
                                        const std::vector<std::string>& body);

// Builds a whole datasheet in the usual order. False when any part could not be written.
bool WriteDatasheet(Textfile& file, const DatasheetFrame& frame, const std::string& title, int blankLines,
                    const std::vector<std::string>& body);
