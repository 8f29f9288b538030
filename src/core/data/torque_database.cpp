#include "core/data/torque_database.h"

#include "core/data/read_status.h"
#include "core/report/safe_file.h"
#include "core/text/text_util.h"

#include <algorithm>
#include <cmath>
#include <new>

namespace {

// Never reserve more than this up front: a count line can claim anything.
constexpr std::size_t kReserveLimit = 1024;

// sscanf("%f %f"): how many of the two numbers the line starts with.
int ScanTwoNumbers(std::string_view line, float& first, float& second) {
    double value;
    std::size_t used;
    if (!ParseNumberPrefix(line, value, used))
        return 0;
    first = static_cast<float>(value);
    line.remove_prefix(used);
    if (!ParseNumberPrefix(line, value, used))
        return 1;
    second = static_cast<float>(value);
    return 2;
}

} // namespace

TorqueDatabase::TorqueDatabase(std::string fileName) : file(std::move(fileName)) {
    status = Read();
}

int TorqueDatabase::Read() {
    pages.clear();
    if (!file.Open(Textfile::ModeRead))
        return ReadCannotOpen;
    file.Rewind();
    auto finish = [&](int result) {
        file.Close();
        return result;
    };

    std::string line;
    if (!file.ReadLine(line, kValveNameChars))
        return finish(ReadShort);
    valveName = CutToField(line, kValveNameChars);
    if (!file.ReadLine(line, kLineChars))
        return finish(ReadShort);
    const int declared = TruncToInt(ParseDouble(line));
    if (declared < 1)
        return finish(ReadNoRecords);

    bool lastComplete = false;
    try {
        pages.reserve(std::min<std::size_t>(static_cast<std::size_t>(declared), kReserveLimit));
        for (int k = 1; k <= declared; ++k) {
            ValvePage page;
            if (!file.ReadLine(line, kLineChars))
                break;
            page.number = ParseInt(line);
            if (page.number != k)
                break;
            std::string name, drawing, date, safety, seat, run, from, count;
            if (!file.ReadLine(name, kPageNameChars) || !file.ReadLine(drawing, kLineChars) ||
                !file.ReadLine(date, kLineChars) || !file.ReadLine(safety, kLineChars) ||
                !file.ReadLine(seat, kLineChars) || !file.ReadLine(run, kLineChars) ||
                !file.ReadLine(from, kLineChars) || !file.ReadLine(count, kLineChars))
                break;
            page.name = CutToField(name, kPageNameChars);
            page.drawingNr = CutToField(drawing, kShortTextChars);
            page.dataDate = CutToField(date, kShortTextChars);
            page.safetyFactor = ParseFloat(safety);
            page.seatFactor = ParseFloat(seat);
            page.runFactor = ParseFloat(run);
            page.from = CutToField(from, kShortTextChars);
            const int declaredSizes = ParseInt(count);
            if (declaredSizes < 1)
                break;

            page.sizes.reserve(std::min<std::size_t>(static_cast<std::size_t>(declaredSizes), kReserveLimit));
            for (int s = 0; s < declaredSizes; ++s) {
                if (!file.ReadLine(line, kLineChars))
                    break;
                ValveSize pair;
                const int found = ScanTwoNumbers(line, pair.size, pair.torque);
                if (found == 0)
                    break;
                if (found == 1) {
                    // the torque may stand alone on the next line
                    if (!file.ReadLine(line, kLineChars))
                        break;
                    pair.torque = ParseFloat(line);
                }
                page.sizes.push_back(pair);
            }
            lastComplete = page.SizeCount() == declaredSizes;
            pages.push_back(std::move(page));
        }
    } catch (const std::bad_alloc&) {
        pages.clear();
        return finish(ReadNoMemory);
    }

    file.Close();
    return (static_cast<int>(pages.size()) == declared && lastComplete) ? ReadComplete : ReadShort;
}

std::string TorqueDatabase::ValueText(float value) {
    // a number too large for a float read as infinity; write one that reads so again
    if (std::isinf(value))
        return value > 0 ? "1e39" : "-1e39";
    std::string text = Format("%.1f", static_cast<double>(value));
    if (ParseFloat(text) == value)
        return text;
    return ShortestFloat(value);
}

int TorqueDatabase::Write(const std::string& newFileName) {
    status = 0;
    const std::string target = newFileName.empty() ? file.GetName() : newFileName;
    SafeFile out(target);
    bool ok = out.Open();
    ok = ok && out.WriteLine(valveName);
    ok = ok && out.WriteLine(Format("%i", GetPageCount()));
    for (const ValvePage& page : pages) {
        ok = ok && out.WriteLine(Format("%i", page.number));
        ok = ok && out.WriteLine(page.name);
        ok = ok && out.WriteLine(page.drawingNr);
        ok = ok && out.WriteLine(page.dataDate);
        ok = ok && out.WriteLine(ValueText(page.safetyFactor));
        ok = ok && out.WriteLine(ValueText(page.seatFactor));
        ok = ok && out.WriteLine(ValueText(page.runFactor));
        ok = ok && out.WriteLine(page.from);
        ok = ok && out.WriteLine(Format("%i", page.SizeCount()));
        for (const ValveSize& pair : page.sizes)
            ok = ok && out.WriteLine(Format("%-10s %s", ValueText(pair.size).c_str(), ValueText(pair.torque).c_str()));
    }
    if (!ok || !out.Commit()) {
        status = ReadCannotOpen;
        return -1;
    }
    if (!newFileName.empty())
        file.SetName(newFileName);
    return 1;
}

bool TorqueDatabase::DeletePage(int index) {
    if (index < 0 || index >= GetPageCount())
        return false;
    pages.erase(pages.begin() + index);
    return true;
}

bool TorqueDatabase::DeleteSize(int page, int index) {
    if (page < 0 || page >= GetPageCount())
        return false;
    std::vector<ValveSize>& sizes = pages[static_cast<std::size_t>(page)].sizes;
    if (index < 0 || index >= static_cast<int>(sizes.size()))
        return false;
    sizes.erase(sizes.begin() + index);
    return true;
}
