// The valve database editor's rules that need no window: the texts its fields and its
// size list show, how typed values go back into the database, what a file must hold
// before it is written, and whether anything changed since the last save.
#pragma once

#include "core/data/torque_database.h"

#include <string>
#include <vector>

// The file name field shows at most this many characters of the name.
inline constexpr std::size_t kShownFileNameChars = 40;

// The whole name when it fits, else "..." and its last 40 characters.
std::string ShownFileName(const std::string& fileName);
// "2 of 5": the page's position from 1, the word for "of", the page count.
std::string PageNumberText(int index, int pageCount, const std::string& ofWord);
// "Database Sizing - Ball valves".
std::string EditorCaption(const std::string& databaseWord, const std::string& sizingWord, const std::string& valveName);

// The size list: sizes with two decimals, torques with one, shown in in.lb when imperial.
std::string SizeText(float size);
std::string TorqueText(float nm, bool imperial);

// A typed text as a field of the file can hold it: up to the first line break, cut to
// maxChars characters.
std::string FieldText(const std::string& typed, std::size_t maxChars);
// A numeric field's value: the stored one while the field still shows the text it was
// given, so that merely showing a value never rounds it; else the typed number.
float FieldValue(float stored, const std::string& shown, const std::string& now);

// The page fields of the editor as text.
struct PageFields {
    std::string drawingNr;
    std::string dataDate;
    std::string from;
    std::string safety;
    std::string seat;
    std::string run;
};
// Takes the fields into the page; shown is what the fields held when the page was shown.
void ApplyPageFields(ValvePage& page, const PageFields& shown, const PageFields& now);

// Appends an empty page with factors 0, numbered after the last. Returns its index.
int AppendPage(TorqueDatabase& db);
// Appends a typed size and torque (in.lb when imperial; the database holds Nm) to a
// page. -1, and nothing appended, when either text holds no number or there is no such
// page; otherwise the index of the new pair.
int AppendSize(TorqueDatabase& db, int page, const std::string& sizeText, const std::string& torqueText, bool imperial);
// The line of a page whose size the list shows as it would show the typed one, when the
// typed pair would be appended at all (both texts hold a number); else -1.
int SameSizeIndex(const TorqueDatabase& db, int page, const std::string& sizeText, const std::string& torqueText);
// Gives line index of a page the typed torque (in.lb when imperial). Returns index, or -1
// with nothing changed when the text holds no number or there is no such line.
int ReplaceSizeTorque(TorqueDatabase& db, int page, int index, const std::string& torqueText, bool imperial);
// Removes a page; the pages after it take their new positions as their numbers, so the
// file still reads back completely.
bool DeletePageAndRenumber(TorqueDatabase& db, int index);

// Whether the database may be written: a file with no page or a page without sizes
// would not read back.
enum class WriteCheck { Ready, NoPages, PageWithoutSizes };
// badPage: the first page without sizes, -1 when there is none.
WriteCheck CheckBeforeWrite(const TorqueDatabase& db, int& badPage);

// The contents as last read or saved, to tell whether there is anything to save.
struct DatabaseContent {
    std::string valveName;
    std::vector<ValvePage> pages;
};
DatabaseContent ContentOf(const TorqueDatabase& db);
bool SameContent(const DatabaseContent& saved, const TorqueDatabase& db);
