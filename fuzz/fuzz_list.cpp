// A valve list of any bytes: its encoding settled, read, then sized as a whole list (its columns found by name,
// its decimal mark settled, its repeated tags warned of) against a small pneumatic and a
// small electric range with a valve database, and written out as CSV. Every field also
// goes through the number, unit and header rules. Reading and sizing must end without a
// fault, and what they hand on must hold together: UTF-8, whatever the list was saved in.
#include "core/data/torque_database.h"
#include "core/data/torque_e.h"
#include "core/data/torque_t.h"
#include "fuzz_support.h"
#include "lists/list_encoding.h"
#include "lists/list_job.h"
#include "lists/list_package.h"
#include "lists/list_reader.h"
#include "lists/list_sizing.h"
#include "lists/list_summary.h"
#include "lists/list_writers.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {

const TorqueT& Pneumatic() {
    static const TorqueT range("Fuzz range", [] {
        std::vector<TorqueTItem> items;
        for (int i = 0; i < 4; ++i) {
            const float scale = static_cast<float>(1 << (2 * i));
            items.push_back({"RPD", "RPS", 15 << (2 * i), 0.46f * scale, 2.643f * scale, 1.996f * scale, 1.263f * scale,
                             2.603f * scale, 0.58f * scale, 1.301f * scale, 1.936f * scale, 0.049f * scale, 0.893f,
                             0.893f, -0.18f, 5, 2});
        }
        return items;
    }());
    return range;
}

const TorqueE& Electric() {
    static const TorqueE range("Fuzz range",
                               {{"EM 35", 35, 27, {}}, {"EM 250", 250, 190, {}}, {"EM 1000", 1000, 760, {}}});
    return range;
}

const TorqueDatabase& Database() {
    static const char text[] = "Ball valves\n1\n1\nFloating ball\nVB-1\n2024-01-01\n1.2\n0.6\n0.3\nBench\n3\n"
                               "15.0 8.0\n50.0 40.0\n100.0 150.0\n";
    static const TorqueDatabase database(
        FuzzFile("list_valves", reinterpret_cast<const std::uint8_t*>(text), std::strlen(text)));
    return database;
}

// The cell rules on one field: what they say of it must agree.
void CheckCell(const std::string& field) {
    for (DecimalMark mark : {DecimalMark::Point, DecimalMark::Comma}) {
        const CellNumber cell = ReadListNumber(field, mark);
        if (cell.fault == NumberFault::None && !std::isfinite(static_cast<float>(cell.value)))
            std::abort();
        if (cell.plain && !cell.unit.empty())
            std::abort();
        bool imperial = false;
        ReadUnit(cell.unit, Quantity::Torque, imperial);
    }
    const MarkShown shown = MarkOfCell(field);
    // a number too large for a float still shows its mark
    const auto reads = [&field](DecimalMark mark) {
        const NumberFault fault = ReadListNumber(field, mark).fault;
        return fault == NumberFault::None || fault == NumberFault::NotFinite;
    };
    const bool point = reads(DecimalMark::Point);
    const bool comma = reads(DecimalMark::Comma);
    if ((shown == MarkShown::Point && (!point || comma)) || (shown == MarkShown::Comma && (point || !comma)))
        std::abort();
    ListRole role;
    std::string unit;
    HeaderKey(field, &unit);
    RoleFromText(field, role);
    ValveTypeFromText(field);
    ActionFromText(field);
}

// The encoding settled and the text decoded in two pieces, split anywhere, are those of
// the whole; the text is UTF-8 and came from every byte.
void CheckPieces(std::string_view text, std::size_t cut) {
    const EncodingVerdict whole = ScanEncoding(text);
    EncodingScan scan;
    scan.Feed(text.substr(0, cut));
    scan.Feed(text.substr(cut));
    const EncodingVerdict pieces = scan.Finish();
    if (pieces.ok != whole.ok || pieces.encoding != whole.encoding || pieces.line != whole.line ||
        pieces.message != whole.message || whole.ok == (whole.line != 0))
        std::abort();
    if (!whole.ok)
        return;
    ListDecoder all(whole.encoding), split(whole.encoding);
    const std::string decoded(all.Text(text));
    std::string joined(split.Text(text.substr(0, cut)));
    joined += split.Text(text.substr(cut));
    if (joined != decoded || !ValidUtf8(decoded) || InputBytes(decoded, whole.encoding) != text.size())
        std::abort();
}

void SizeAll(ListSizer& sizer, std::string_view text) {
    static std::FILE* sink = std::fopen("/dev/null", "wb");
    std::unique_ptr<ListWriter> writer;
    SummaryTally tally(sizer);
    std::size_t columns = 0;
    const ListJobResult result = SizeListText(
        text, "fuzz.csv", sizer,
        [&](const ListSizer& ready) {
            columns = ready.OutputHeader().size();
            if (ready.OutputKinds().size() != columns || ready.AddedFrom() > columns ||
                ready.ActuatorColumn() >= columns || ready.WarningsColumn() >= columns)
                std::abort();
            writer = MakeCsvStreamWriter(sink, ready.Format());
            return writer->Begin(ready.OutputHeader(), ready.OutputKinds());
        },
        [&](SizedRow&& row, unsigned long long) {
            // a writer puts every cell under its header: a row may never be longer or shorter
            if (row.cells.size() != columns)
                std::abort();
            // a chosen actuator meets every demand that the rule checks
            double margin;
            if (row.status == RowStatus::Ok && (!row.outcome.found || (row.outcome.Margin(margin) && margin < 0)))
                std::abort();
            // a row with warnings says so in its Warnings cell
            if (row.warnings.empty() != row.cells[sizer.WarningsColumn()].empty())
                std::abort();
            // a failed check keeps its actuator; the row's page and summary line hold together
            if (row.status == RowStatus::CheckFailed && !row.outcome.found)
                std::abort();
            tally.Add(row);
            const TagPage page = MakeTagPage(sizer, row, true);
            if (page.tag != row.tag || page.sized != (row.status != RowStatus::Error) ||
                (page.sized && page.torques.empty()))
                std::abort();
            MakeSummaryLine(sizer, row);
            return writer->Row(row.cells);
        });
    // a list refused says why
    if (!result.ok && !result.cancelled && result.message.empty())
        std::abort();
    if (result.ok && result.rows != result.sized + result.noFit + result.checkFailed + result.errors)
        std::abort();
    if (writer)
        writer->Commit();
    const ListSummary summary = tally.Result();
    long ordered = 0;
    for (const ListSummary::Material& material : summary.materials)
        ordered += material.count;
    if (result.ok && (summary.rows != result.rows || summary.ok != result.sized || ordered != summary.ok))
        std::abort();
    SummaryJson(summary);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CheckPieces(text, size > 0 ? data[size - 1] % (size + 1) : 0);
    // the same bytes as a package's project file: read, or refused with the reason
    ProjectData project;
    std::string refused;
    if (!ReadProjectText(text, "project.txt", project, refused) && refused.empty())
        std::abort();
    std::vector<ListRecord> records;
    long lastLine = 0;
    unsigned long long lastOffset = 0;
    const ListReadResult read = ReadListText(text, [&](ListRecord&& record) {
        // records come in order, each starting on a later line, and the bytes read only grow
        if (record.line <= lastLine || record.offset < lastOffset || record.offset > size)
            std::abort();
        lastLine = record.line;
        lastOffset = record.offset;
        for (const std::string& field : record.fields)
            if (!ValidUtf8(field))
                std::abort();
        records.push_back(std::move(record));
        return true;
    });
    if (read.ok != read.message.empty() || read.records != static_cast<long>(records.size()))
        std::abort();
    if (!read.ok)
        return 0;

    for (const ListRecord& record : records)
        for (const std::string& field : record.fields)
            CheckCell(field);

    for (bool imperial : {false, true}) {
        ListSettings settings{imperial, imperial ? 80.0f : 5.5f};
        // half the inputs are read with a chosen mark and the first two columns named by hand
        if (size % 2 == 1 && !records.empty() && records.front().fields.size() >= 2) {
            settings.decimal = imperial ? DecimalChoice::Comma : DecimalChoice::Point;
            settings.columns = {{ListRole::Tag, records.front().fields[0]},
                                {ListRole::Torque, records.front().fields[1]}};
        }
        ListSizer pneumatic(Pneumatic(), &Database(), settings);
        SizeAll(pneumatic, text);
        ListSizer electric(Electric(), &Database(), settings);
        SizeAll(electric, text);
    }
    return 0;
}
