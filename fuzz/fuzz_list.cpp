// A valve list of any bytes: read, then every record sized against a small pneumatic
// and a small electric range with a valve database, and written out as CSV. Reading and
// sizing must end without a fault, and what they hand on must hold together.
#include "data/torque_database.h"
#include "data/torque_e.h"
#include "data/torque_t.h"
#include "fuzz_support.h"
#include "lists/list_reader.h"
#include "lists/list_sizing.h"
#include "lists/list_writers.h"

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

void SizeAll(ListSizer& sizer, const std::vector<ListRecord>& records, const ListFormat& format) {
    std::string message;
    if (records.empty() || !sizer.SetHeader(records.front().fields, format, message))
        return;
    const std::size_t columns = sizer.OutputHeader().size();
    if (sizer.OutputKinds().size() != columns || sizer.AddedFrom() > columns)
        std::abort();
    static std::FILE* sink = std::fopen("/dev/null", "wb");
    std::unique_ptr<ListWriter> writer = MakeCsvStreamWriter(sink, sizer.Format());
    writer->Begin(sizer.OutputHeader(), sizer.OutputKinds());
    for (std::size_t r = 1; r < records.size(); ++r) {
        const SizedRow row = sizer.Size(records[r]);
        // a writer puts every cell under its header: a row may never be longer or shorter
        if (row.cells.size() != columns || row.line != records[r].line)
            std::abort();
        // a chosen actuator meets every demand that the rule checks
        double margin;
        if (row.status == RowStatus::Ok && (!row.outcome.found || (row.outcome.Margin(margin) && margin < 0)))
            std::abort();
        writer->Row(row.cells);
    }
    writer->Commit();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::vector<ListRecord> records;
    long lastLine = 0;
    unsigned long long lastOffset = 0;
    const ListReadResult read = ReadListText(text, [&](ListRecord&& record) {
        // records come in order, each starting on a later line, and the bytes read only grow
        if (record.line <= lastLine || record.offset < lastOffset || record.offset > size)
            std::abort();
        lastLine = record.line;
        lastOffset = record.offset;
        records.push_back(std::move(record));
        return true;
    });
    if (read.ok != read.message.empty() || read.records != static_cast<long>(records.size()))
        std::abort();
    if (!read.ok)
        return 0;

    for (bool imperial : {false, true}) {
        ListSizer pneumatic(Pneumatic(), &Database(), ListSettings{imperial, imperial ? 80.0f : 5.5f});
        SizeAll(pneumatic, records, read.format);
        ListSizer electric(Electric(), &Database(), ListSettings{imperial, imperial ? 80.0f : 5.5f});
        SizeAll(electric, records, read.format);
    }
    return 0;
}
