#include "lists/list_job.h"

#include "core/data/actuator_file.h"
#include "core/text/text_util.h"
#include "lists/record_spool.h"
#include "lists/workbook_reader.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <map>
#include <memory>

namespace {

constexpr std::size_t kPneumaticLines = 18;
constexpr std::size_t kElectricLines = 11;
constexpr std::size_t kHeadLines = 5;

bool IsNumber(const std::string& text) {
    float value = 0;
    return ParseListNumber(text, DecimalMark::Point, value);
}

// Reads the list, handing a workbook's number cells over with the mark given.
using ReadFunction = std::function<ListReadResult(DecimalMark mark, const ListRecordSink&)>;

// A tab-separated list and a workbook have no separator that tells their decimal mark.
bool MarkFromCells(const ListFormat& format) {
    return format.workbook || format.separator == '\t';
}

bool NumberCell(const ListRecord& record, int column) {
    return column >= 0 && static_cast<std::size_t>(column) < record.numeric.size() &&
           record.numeric[static_cast<std::size_t>(column)];
}

// A cell that shows a decimal mark, for a message that names it.
struct MarkCell {
    long line = 0;
    std::string what; // "Torque '12.5'"
    bool Seen() const { return line > 0; }
};

std::string CellText(ListRole role, const std::string& cell) {
    return std::string(RoleName(role)) + " '" + CutChars(TrimmedCell(cell), 40) + "'";
}

// What the first reading learns of a list.
struct Survey {
    MarkCell point, comma, either;
    std::map<std::string, std::vector<long>> tags; // every tag's lines, folded
    // Tags in a workbook's number cells, read with the point: the sizing reads them with the
    // mark not yet decided.
    std::map<std::string, std::vector<long>> numberTags;
    long records = 0;
    // per column: its widest cell, whether any cell is filled, and whether every filled one
    // is a number with a decimal point, or with a decimal comma
    std::vector<double> widths;
    std::vector<bool> filled, byPoint, byComma;
};

// A cell a spreadsheet would keep as a number: no unit, and no leading zero ("007" is a
// name, not seven).
bool NumberCell(const std::string& cell, DecimalMark mark) {
    double value = 0;
    if (!ParseListNumber(cell, mark, value))
        return false;
    const std::string text = TrimmedCell(cell);
    const std::size_t digits = text[0] == '-' || text[0] == '+' ? 1 : 0;
    return !(text.size() > digits + 1 && text[digits] == '0' && text[digits + 1] >= '0' && text[digits + 1] <= '9');
}

void SurveyCells(const ListRecord& record, Survey& survey) {
    // a long remark says nothing more of its column's width past this
    constexpr double kWidest = 200;
    const std::vector<std::string>& fields = record.fields;
    for (std::size_t c = 0; c < fields.size() && c < survey.widths.size(); ++c) {
        const std::string& cell = fields[c];
        survey.widths[c] = std::max(survey.widths[c], std::min(kWidest, static_cast<double>(Utf8Length(cell))));
        if (cell.find_first_not_of(" \t\r\n") == std::string::npos)
            continue;
        survey.filled[c] = true;
        // a workbook's number cell is a number with either mark
        if (c < record.numeric.size() && record.numeric[c])
            continue;
        if (survey.byPoint[c])
            survey.byPoint[c] = NumberCell(cell, DecimalMark::Point);
        if (survey.byComma[c])
            survey.byComma[c] = NumberCell(cell, DecimalMark::Comma);
    }
}

void MergeNumberTags(Survey& survey, bool decimalComma) {
    for (auto& [tag, lines] : survey.numberTags) {
        std::string key = tag;
        if (decimalComma)
            std::replace(key.begin(), key.end(), '.', ',');
        std::vector<long>& all = survey.tags[key];
        all.insert(all.end(), lines.begin(), lines.end());
        std::sort(all.begin(), all.end());
    }
    survey.numberTags.clear();
}

// Settles the decimal mark, or says why the list cannot be read with one.
bool DecideMark(const Survey& survey, const ListSettings& settings, ListFormat& format, std::string& message) {
    if (settings.decimal != DecimalChoice::FromList) {
        format.decimalComma = settings.decimal == DecimalChoice::Comma;
        format.decimalSource = DecimalSource::Chosen;
        return true;
    }
    if (!MarkFromCells(format)) {
        format.decimalComma = format.separator == ';';
        format.decimalSource = DecimalSource::Separator;
        return true;
    }
    format.decimalSource = DecimalSource::Cells;
    if (survey.point.Seen() && survey.comma.Seen()) {
        message = Format("the list uses both decimal marks: %s on line %li has a point, %s on line %li a comma; "
                         "choose the list's decimal mark",
                         survey.point.what.c_str(), survey.point.line, survey.comma.what.c_str(), survey.comma.line);
        return false;
    }
    if (!survey.point.Seen() && !survey.comma.Seen() && survey.either.Seen()) {
        message = Format("%s on line %li reads as one number with a decimal point and another with a decimal "
                         "comma, and no number of the list shows which it uses; choose the list's decimal mark",
                         survey.either.what.c_str(), survey.either.line);
        return false;
    }
    format.decimalComma = survey.comma.Seen();
    return true;
}

ListJobResult Run(const ReadFunction& read, const std::string& name, const ListFormat& detected, ListSizer& sizer,
                  const ListHeaderSink& onHeader, const SizedRowSink& onRow) {
    ListJobResult result;
    ListFormat format = detected;
    auto failed = [&](ListFault fault, long line, const std::string& message) {
        result.fault = fault;
        result.message = line > 0 ? Format("%s: line %li: %s", name.c_str(), line, message.c_str())
                                  : name + ": " + message;
        return result;
    };

    // first the columns, the decimal mark and the tags that stand on more than one row
    Survey survey;
    bool header = true;
    std::string message;
    long headerLine = 0;
    std::vector<std::pair<ListRole, int>> numbers;
    int tagColumn = -1;
    // a list sized before: its earlier sizing's columns are left out and made anew
    std::vector<std::size_t> earlier;
    std::vector<std::string> leftOut;
    auto leaveOut = [&earlier](ListRecord& record) {
        for (auto c = earlier.rbegin(); c != earlier.rend(); ++c) {
            if (*c < record.fields.size())
                record.fields.erase(record.fields.begin() + static_cast<std::ptrdiff_t>(*c));
            if (*c < record.numeric.size())
                record.numeric.erase(record.numeric.begin() + static_cast<std::ptrdiff_t>(*c));
        }
    };
    const ListReadResult surveyed = read(DecimalMark::Point, [&](ListRecord&& record) {
        if (header) {
            header = false;
            headerLine = record.line;
            earlier = EarlierSizingColumns(record.fields);
            for (std::size_t c : earlier)
                leftOut.push_back(TrimmedCell(record.fields[c]));
            leaveOut(record);
            if (!sizer.SetHeader(record.fields, format, message))
                return false;
            numbers = sizer.NumberColumns();
            tagColumn = sizer.Columns()[ListRole::Tag].column;
            const std::size_t columns = record.fields.size();
            survey.widths.assign(columns, 0);
            survey.filled.assign(columns, false);
            survey.byPoint.assign(columns, true);
            survey.byComma.assign(columns, true);
            return true;
        }
        leaveOut(record);
        if (BlankRecord(record))
            return true;
        ++survey.records;
        SurveyCells(record, survey);
        auto field = [&record](int c) -> const std::string& {
            static const std::string none;
            return c >= 0 && static_cast<std::size_t>(c) < record.fields.size() ? record.fields[static_cast<std::size_t>(c)]
                                                                                : none;
        };
        if (const std::string tag = ListSizer::FoldedTag(field(tagColumn)); !tag.empty())
            (NumberCell(record, tagColumn) ? survey.numberTags : survey.tags)[tag].push_back(record.line);
        if (MarkFromCells(format))
            for (const auto& [role, column] : numbers) {
                if (NumberCell(record, column))
                    continue; // its text is the number itself, with no mark of the list's own
                const std::string& cell = field(column);
                const MarkShown shown = MarkOfCell(cell);
                MarkCell& seen = shown == MarkShown::Point   ? survey.point
                                 : shown == MarkShown::Comma ? survey.comma
                                                             : survey.either;
                if (shown != MarkShown::None && !seen.Seen())
                    seen = {record.line, CellText(role, cell)};
            }
        return true;
    });
    if (!message.empty())
        return failed(sizer.Fault() == HeaderFault::Unit ? ListFault::Unit : ListFault::Columns, headerLine, message);
    if (!surveyed.ok)
        return failed(ListFault::Read, 0, surveyed.message.empty() ? "could not be read" : surveyed.message);
    if (!DecideMark(survey, sizer.Settings(), format, message))
        return failed(ListFault::Decimal, 0, message);
    format.byteOrderMark = surveyed.format.byteOrderMark;
    format.encoding = surveyed.format.encoding;
    if (format.workbook) {
        format.sheet = surveyed.format.sheet;
        // a CSV written from a workbook: commas and the point, or semicolons when its
        // numbers are read with the comma, so that the CSV reads back as the same numbers
        format.separator = format.decimalComma ? ';' : ',';
    }
    result.format = format;
    sizer.SetFormat(format);
    std::vector<bool> numeric(survey.filled.size());
    for (std::size_t c = 0; c < numeric.size(); ++c)
        numeric[c] = survey.filled[c] && (format.decimalComma ? survey.byComma[c] : survey.byPoint[c]);
    sizer.SetColumnSurvey(survey.widths, numeric);
    MergeNumberTags(survey, format.decimalComma);
    std::map<std::string, std::vector<long>> repeated;
    for (auto& [tag, lines] : survey.tags)
        if (lines.size() > 1)
            repeated.emplace(tag, std::move(lines));
    survey.tags.clear();
    sizer.SetRepeatedTags(std::move(repeated));
    if (onHeader && !onHeader(sizer)) {
        result.cancelled = true;
        return result;
    }

    sizer.SetLeftOut(std::move(leftOut));

    // then every row
    header = true;
    const DecimalMark mark = format.decimalComma ? DecimalMark::Comma : DecimalMark::Point;
    const ListReadResult read_ = read(mark, [&](ListRecord&& record) {
        if (header) {
            header = false;
            return true;
        }
        leaveOut(record);
        if (BlankRecord(record)) {
            ++result.skipped;
            return true;
        }
        const unsigned long long offset = record.offset;
        SizedRow row = sizer.Size(std::move(record));
        ++result.rows;
        (row.status == RowStatus::Ok            ? result.sized
         : row.status == RowStatus::NoFit       ? result.noFit
         : row.status == RowStatus::CheckFailed ? result.checkFailed
                                                : result.errors)++;
        result.warned += !row.warnings.empty();
        if (onRow && !onRow(std::move(row), offset)) {
            result.cancelled = true;
            return false;
        }
        return true;
    });
    if (result.cancelled)
        return result;
    if (!read_.ok)
        return failed(ListFault::Read, 0, read_.message.empty() ? "could not be read" : read_.message);
    result.ok = true;
    return result;
}

} // namespace

ActuatorKind DetectActuatorKind(const std::string& fileName, std::string& message) {
    message.clear();
    std::ifstream in(fileName, std::ios::binary);
    if (fileName.empty() || !in) {
        message = fileName + ": cannot be opened";
        return ActuatorKind::Unknown;
    }
    std::vector<std::string> lines;
    std::string line;
    // a range holds at most 255 records of 18 lines; more is not an actuator file
    const std::size_t limit = kHeadLines + actuator_file::kMaxRecords * kPneumaticLines + 64;
    while (lines.size() <= limit && std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    while (!lines.empty() && lines.back().find_first_not_of(" \t") == std::string::npos)
        lines.pop_back();
    const int declared = lines.size() > 1 ? TruncToInt(ParseDouble(lines[1])) : 0;
    if (lines.size() <= kHeadLines || declared < 1) {
        message = fileName + ": is not an actuator range (it names no records)";
        return ActuatorKind::Unknown;
    }
    const auto records = static_cast<std::size_t>(std::min(declared, actuator_file::kMaxRecords));
    const std::size_t body = lines.size() - kHeadLines;
    if (body == records * kPneumaticLines)
        return ActuatorKind::Pneumatic;
    if (body == records * kElectricLines)
        return ActuatorKind::Electric;
    // a file cut short: a pneumatic record names its spring-return model on its second
    // line, an electric one gives a torque there. A file longer than its records say is
    // something else (a valve database reads like that).
    if (body >= kElectricLines) {
        const bool torque = IsNumber(lines[kHeadLines + 1]);
        if (!torque && body >= kPneumaticLines && body < records * kPneumaticLines)
            return ActuatorKind::Pneumatic;
        if (torque && body < records * kElectricLines)
            return ActuatorKind::Electric;
    }
    message = fileName + ": is neither a pneumatic nor an electric actuator range";
    return ActuatorKind::Unknown;
}

ListJobResult SizeListText(std::string_view text, const std::string& name, ListSizer& sizer,
                           const ListHeaderSink& onHeader, const SizedRowSink& onRow) {
    const ReadFunction read = [text](DecimalMark, const ListRecordSink& sink) { return ReadListText(text, sink); };
    return Run(read, name, DetectListFormat(text), sizer, onHeader, onRow);
}

ListJobResult SizeListFile(const std::string& fileName, ListSizer& sizer, const ListHeaderSink& onHeader,
                           const SizedRowSink& onRow) {
    // the readers' messages name the file already
    const auto unnamed = [&fileName](ListReadResult result) {
        const std::string prefix = fileName + ": ";
        if (result.message.rfind(prefix, 0) == 0)
            result.message.erase(0, prefix.size());
        return result;
    };
    // a workbook by its content, whatever its name; the workbook reader also says what an
    // old or a password-protected one is
    if (ListFileTypeOf(fileName) != ListFileType::Text) {
        ListFormat format;
        format.workbook = true;
        const std::string sheet = sizer.Settings().sheet;
        // the sizing takes the rows from the first reading's copy; the sheet is read again
        // only when no copy could be kept
        RecordSpool spool;
        ListReadResult first;
        bool surveyed = false;
        const ReadFunction read = [&](DecimalMark mark, const ListRecordSink& sink) {
            if (!surveyed) {
                surveyed = true;
                // kept with the point, which the copy turns into the mark decided
                first = ReadWorkbookFile(fileName, {sheet, DecimalMark::Point}, [&](ListRecord&& record) {
                    spool.Put(record);
                    return sink(std::move(record));
                });
                return unnamed(first);
            }
            if (first.ok && spool.Usable())
                return spool.Replay(mark, first, sink);
            return unnamed(ReadWorkbookFile(fileName, {sheet, mark}, sink));
        };
        return Run(read, fileName, format, sizer, onHeader, onRow);
    }

    // the separator is told by the header, before the records are read
    ListFormat format;
    if (std::FILE* file = fileName.empty() ? nullptr : std::fopen(fileName.c_str(), "rb")) {
        std::string start(1 << 16, '\0');
        start.resize(std::fread(start.data(), 1, start.size(), file));
        std::fclose(file);
        format = DetectListFormat(start);
    }
    const ReadFunction read = [&](DecimalMark, const ListRecordSink& sink) {
        return unnamed(ReadListFile(fileName, sink));
    };
    return Run(read, fileName, format, sizer, onHeader, onRow);
}

bool BlankRecord(const ListRecord& record) {
    for (const std::string& field : record.fields)
        if (field.find_first_not_of(" \t\r\n") != std::string::npos)
            return false;
    return true;
}
