#include "report/datasheet.h"

#include "report/text_util.h"

namespace {

const std::string kRule(kDatasheetRuleChars, '_');

} // namespace

bool WriteDatasheetHeader(Textfile& file, const std::string& banner) {
    if (!file.Open(Textfile::ModeCreate))
        return false;
    bool ok = file.WriteLine(kRule) && file.WriteLine("") && file.WriteLine(banner) && file.WriteLine(kRule);
    file.Close();
    return ok && file.Ok();
}

bool WriteNotesBlock(Textfile& file, bool addNotes, const std::string& notesFile) {
    if (!addNotes)
        return true;
    bool ok = file.WriteLine("") && file.WriteLine("");
    Textfile notes(notesFile);
    if (notes.Open(Textfile::ModeRead)) {
        std::string line;
        while (ok && notes.ReadLine(line, kDatasheetLineChars))
            ok = file.WriteLine(line);
        notes.Close();
    }
    return ok;
}

bool WriteTitleBlock(Textfile& file, const std::string& title, int blankLines) {
    bool ok = true;
    for (int i = 0; i < blankLines && ok; ++i)
        ok = file.WriteLine("");
    ok = ok && file.WriteLine(ToUpperAscii(title));
    ok = ok && file.WriteLine(std::string(Utf8Length(title), '_'));
    ok = ok && file.WriteLine("") && file.WriteLine("");
    return ok;
}

int PadToLines(Textfile& file, int lines) {
    if (!file.Open(Textfile::ModeAppend))
        return 0;
    int count = 0;
    std::string line;
    while (file.ReadLine(line, kDatasheetLineChars))
        ++count;
    for (int n = count; n < lines; ++n)
        file.WriteLine("");
    return count;
}

std::string FooterPlaceLine(const std::string& place, const std::string& reference, const DatasheetDate& date) {
    // a reference longer than the line leaves no room; keep the line at 65 characters
    const std::string ref = CutChars(reference, 53);
    const std::size_t placeWidth = 53 - Utf8Length(ref);
    std::string line = CutChars(PadRight(place, 55), placeWidth);
    line += " " + ref + " ";
    line += Format("%02d-%02d-%04i", date.day, date.month, date.year);
    return line;
}

bool WriteDatasheetFooter(Textfile& file, const std::string& place, const std::string& reference,
                          const DatasheetDate& date, const std::string& versionText) {
    PadToLines(file, kFooterStartsAfter);
    if (!file.IsOpen())
        return false;
    bool ok = file.WriteLine(kRule) && file.WriteLine("");
    ok = ok && file.WriteLine("Compiled with \"" + versionText + "\" - VARNOX'S Torque and Sizing Program.");
    ok = ok && file.WriteLine(FooterPlaceLine(place, reference, date));
    ok = ok && file.WriteLine(kRule);
    file.Close();
    return ok && file.Ok();
}

std::string TitleFromCaption(const std::string& caption) {
    return caption.substr(0, caption.find('-'));
}

bool WriteDatasheet(Textfile& file, const DatasheetFrame& frame, const std::string& title, int blankLines,
                    const std::vector<std::string>& body) {
    if (!WriteDatasheetHeader(file, frame.banner))
        return false;
    if (!file.Open(Textfile::ModeAppend))
        return false;
    bool ok = WriteNotesBlock(file, frame.addNotes, frame.notesFile);
    ok = ok && WriteTitleBlock(file, title, blankLines);
    for (const std::string& line : body)
        ok = ok && file.WriteLine(line);
    file.Close();
    ok = ok && file.Ok();
    return WriteDatasheetFooter(file, frame.place, frame.reference, frame.date, frame.versionText) && ok;
}
