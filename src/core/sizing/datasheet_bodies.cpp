#include "core/sizing/datasheet_bodies.h"

#include "core/text/load_string.h"
#include "core/text/text_util.h"

namespace {

// The body lines are all laid out as "label = value" with the label in 15 characters.
std::string Labelled(int label, const std::string& value) {
    return PadRight(LoadString(label), 15) + " = " + value;
}

std::string OneDecimal(float value) {
    return Format("%.1f", static_cast<double>(value));
}

TableWords Words() {
    return {LoadString(124), LoadString(13), LoadString(42)};
}

std::vector<std::string> Framed(const InputLines& inputs, const std::vector<std::string>& table) {
    std::vector<std::string> lines = InputLinesText(inputs);
    lines.insert(lines.end(), {"", ""});
    lines.insert(lines.end(), table.begin(), table.end());
    lines.insert(lines.end(), {"", ""});
    return lines;
}

} // namespace

std::vector<std::string> InputLinesText(const InputLines& in) {
    std::vector<std::string> lines{Labelled(42, in.actuatorTitle)};
    if (in.pressure)
        lines.push_back(Labelled(55, OneDecimal(*in.pressure) + " " + CutChars(in.pressureUnit, 30)));
    if (in.valveType)
        lines.push_back(Labelled(106, *in.valveType));
    if (in.safety)
        lines.push_back(Labelled(50, OneDecimal(*in.safety)));
    if (in.seating)
        lines.push_back(Labelled(108, OneDecimal(*in.seating)));
    if (in.running)
        lines.push_back(Labelled(109, OneDecimal(*in.running)));
    if (in.action)
        lines.push_back(Labelled(127, *in.action));
    return lines;
}

std::vector<std::string> GenericScreenBody(const InputLines& inputs, const std::vector<TableColumn>& columns) {
    return Framed(inputs, GenericTableText(columns));
}

std::vector<std::string> SpringReturnScreenBody(const InputLines& inputs, const std::vector<TableColumn>& columns) {
    return Framed(inputs, SpringReturnTableText(columns, Words()));
}

std::vector<std::string> ElectricSizingScreenBody(const InputLines& inputs, const std::vector<TableColumn>& columns,
                                                  const std::vector<std::string>& rowSuffix) {
    return Framed(inputs, ElectricSizingTableText(columns, Words(), rowSuffix));
}

std::vector<std::string> DatabaseScreenBody(const DatabaseSheet& sheet) {
    std::vector<std::string> lines;
    if (sheet.hasDatabase) {
        lines.push_back(ToUpperText(LoadString(120)));
        lines.push_back(sheet.valveName + " " + CutChars(sheet.pageName, 99));
        lines.insert(lines.end(), {"", ""});
    }
    const std::vector<std::string> inputs = InputLinesText(sheet.inputs);
    lines.insert(lines.end(), inputs.begin(), inputs.end());
    lines.insert(lines.end(), {"", ""});
    const std::vector<std::string> table = DatabaseTableText(sheet.columns, Words(), sheet.electric, sheet.rowSuffix);
    lines.insert(lines.end(), table.begin(), table.end());
    return lines;
}

std::vector<std::string> DatabaseNoteLines(const DatabaseSheet& sheet) {
    return {Format("Note:  1) Safety factor included %.1f", static_cast<double>(sheet.safety)),
            "       2) Seating torque < " + sheet.seatingText + " x break torque",
            "       3) Running torque < " + sheet.runningText + " x break torque",
            "       4) Torque is in " + LoadString(sheet.imperial ? 44 : 43),
            "       5) Valve torque is from: " + sheet.source};
}

bool WriteDatabaseDatasheet(Textfile& file, const DatasheetFrame& frame, const std::string& title,
                            const DatabaseSheet& sheet) {
    std::vector<std::string> lines = DatasheetHeaderLines(frame.banner);
    for (const auto& part :
         {NotesBlockLines(frame.addNotes, frame.notesFile), TitleBlockLines(title, 2), DatabaseScreenBody(sheet)})
        lines.insert(lines.end(), part.begin(), part.end());
    // the notes always start on line 47 of a short sheet
    PadLines(lines, 45);
    lines.push_back("");
    const std::vector<std::string> notes = DatabaseNoteLines(sheet);
    lines.insert(lines.end(), notes.begin(), notes.end());
    PadLines(lines, kFooterStartsAfter);
    const std::vector<std::string> footer =
        FooterLines(frame.place, sheet.hasDatabase ? frame.reference : std::string(), frame.date, frame.versionText);
    lines.insert(lines.end(), footer.begin(), footer.end());
    return WriteLines(file, lines);
}
