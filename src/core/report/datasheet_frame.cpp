#include "core/report/datasheet_frame.h"

#include "core/text/text_util.h"

namespace {

const std::string kRule(kDatasheetRuleChars, '_');

} // namespace

std::vector<std::string> DatasheetHeaderLines(const std::string& banner) {
    return {kRule, "", banner, kRule};
}

std::vector<std::string> NotesBlockLines(bool addNotes, const std::string& notesFile) {
    if (!addNotes)
        return {};
    std::vector<std::string> lines{"", ""};
    Textfile notes(notesFile);
    if (notes.Open(Textfile::ModeRead)) {
        std::string line;
        while (notes.ReadLine(line, kDatasheetLineChars))
            lines.push_back(line);
        notes.Close();
    }
    return lines;
}

std::vector<std::string> TitleBlockLines(const std::string& title, int blankLines) {
    std::vector<std::string> lines(static_cast<std::size_t>(blankLines > 0 ? blankLines : 0), "");
    const std::string shown = ToUpperText(title);
    lines.push_back(shown);
    // as long as the title printed, which a sharp s makes longer
    lines.push_back(std::string(Utf8Length(shown), '_'));
    lines.insert(lines.end(), {"", ""});
    return lines;
}

std::vector<std::string> FooterLines(const std::string& place, const std::string& reference, const DatasheetDate& date,
                                     const std::string& versionText) {
    return {kRule, "", "Compiled with \"" + versionText + "\" - VARNOX'S Torque and Sizing Program.",
            FooterPlaceLine(place, reference, date), kRule};
}

void PadLines(std::vector<std::string>& lines, std::size_t count) {
    if (lines.size() < count)
        lines.resize(count);
}

bool WriteLines(Textfile& file, const std::vector<std::string>& lines) {
    if (!file.Open(Textfile::ModeCreate))
        return false;
    bool ok = true;
    for (const std::string& line : lines)
        ok = ok && file.WriteLine(line);
    file.Close();
    return ok && file.Ok();
}

namespace {

bool Append(Textfile& file, const std::vector<std::string>& lines) {
    bool ok = true;
    for (const std::string& line : lines)
        ok = ok && file.WriteLine(line);
    return ok;
}

} // namespace

bool WriteDatasheetHeader(Textfile& file, const std::string& banner) {
    return WriteLines(file, DatasheetHeaderLines(banner));
}

bool WriteNotesBlock(Textfile& file, bool addNotes, const std::string& notesFile) {
    return Append(file, NotesBlockLines(addNotes, notesFile));
}

bool WriteTitleBlock(Textfile& file, const std::string& title, int blankLines) {
    return Append(file, TitleBlockLines(title, blankLines));
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
    const bool ok = Append(file, FooterLines(place, reference, date, versionText));
    file.Close();
    return ok && file.Ok();
}

std::string TitleFromCaption(const std::string& caption) {
    return caption.substr(0, caption.find('-'));
}

std::vector<std::string> DatasheetLines(const DatasheetFrame& frame, const std::string& title, int blankLines,
                                        const std::vector<std::string>& body) {
    std::vector<std::string> lines = DatasheetHeaderLines(frame.banner);
    for (const auto& part :
         {NotesBlockLines(frame.addNotes, frame.notesFile), TitleBlockLines(title, blankLines), body})
        lines.insert(lines.end(), part.begin(), part.end());
    PadLines(lines, kFooterStartsAfter);
    const std::vector<std::string> footer = FooterLines(frame.place, frame.reference, frame.date, frame.versionText);
    lines.insert(lines.end(), footer.begin(), footer.end());
    return lines;
}

bool WriteDatasheet(Textfile& file, const DatasheetFrame& frame, const std::string& title, int blankLines,
                    const std::vector<std::string>& body) {
    // the whole sheet is built first and written in one go
    return WriteLines(file, DatasheetLines(frame, title, blankLines, body));
}
