#include "lists/list_account.h"

#include "core/sizing/sizing.h"
#include "core/text/text_util.h"

namespace {

std::string Joined(const std::vector<std::string>& parts, const char* between) {
    std::string text;
    for (const std::string& part : parts)
        text += (text.empty() ? "" : between) + part;
    return text;
}

std::string SeparatorName(char separator) {
    return separator == ';' ? "semicolon" : separator == '\t' ? "tab" : "comma";
}

} // namespace

ListAccount AccountOf(const ListSizer& sizer) {
    ListAccount account;
    const ColumnMatch& match = sizer.Columns();
    const std::vector<std::string>& header = sizer.InputHeader();
    std::vector<bool> used(header.size(), false);
    for (std::size_t r = 0; r < kListRoles; ++r) {
        const auto role = static_cast<ListRole>(r);
        const ColumnUse& use = match[role];
        // electric sizing reads no pressure: such a column passes through
        const bool read = sizer.Reads(role);
        if (use.column >= 0 && read) {
            used[static_cast<std::size_t>(use.column)] = true;
            account.columns.push_back(
                {role, TrimmedCell(header[static_cast<std::size_t>(use.column)]), use.unit, use.chosen});
            if (role == ListRole::Kv)
                account.flowCv = sizer.FlowIsCv();
        } else if (read && !IsCheckRole(role)) {
            // the checks' values are for those who ask for them: not missing when left out
            account.missing.push_back(role);
        }
    }
    for (std::size_t c = 0; c < header.size(); ++c)
        if (!used[c])
            account.passed.push_back(TrimmedCell(header[c]).empty() ? Format("(column %zu)", c + 1)
                                                                    : TrimmedCell(header[c]));
    account.leftOut = sizer.LeftOut();
    const ListFormat& format = sizer.Format();
    account.decimalComma = format.decimalComma;
    account.decimalSource = format.decimalSource;
    account.separator = format.separator;
    account.encoding = format.encoding;
    account.workbook = format.workbook;
    account.sheet = format.sheet;
    const ListSettings& settings = sizer.Settings();
    account.pneumatic = !sizer.Electric();
    account.imperial = settings.imperial;
    account.pressure = settings.pressure;
    account.pressureSource = settings.pressureSource;
    account.settingsFile = settings.settingsFile;
    account.checks = sizer.HasChecks();
    return account;
}

std::vector<std::string> AccountLines(const ListAccount& account) {
    std::vector<std::string> lines;
    std::vector<std::string> parts;
    if (account.workbook)
        lines.push_back("sheet read: '" + account.sheet + "'");
    for (const ListAccount::Column& column : account.columns)
        parts.push_back(std::string(RoleName(column.role)) + " '" + column.header + "'" +
                        (column.role == ListRole::Kv ? (account.flowCv ? " as Cv" : " as Kv") : "") +
                        (column.chosen ? " (chosen)" : ""));
    lines.push_back("columns read: " + Joined(parts, ", "));

    // what stands in for a value the list leaves out, or a row leaves empty
    parts.clear();
    const std::string series = ", or the series'";
    if (account.pneumatic)
        parts.push_back("Pressure " + ShortestFloat(account.pressure) + (account.imperial ? " psi" : " bar") + " (" +
                        SourceText(account.pressureSource, account.settingsFile) + ")");
    parts.push_back("Valve type Ball (built in)");
    parts.push_back("Safety " + ShortestFloat(kDefaultSafety) + series + " (built in)");
    parts.push_back("Seating and Running by valve type" + series + " (built in)");
    for (const ListAccount::Column& column : account.columns)
        if (column.role == ListRole::PressureMax)
            parts.push_back("Pressure max the row's Pressure (built in)");
    lines.push_back("for a value the list leaves out: " + Joined(parts, "; "));

    parts.clear();
    for (ListRole role : account.missing)
        parts.push_back(RoleName(role));
    if (!parts.empty())
        lines.push_back("not in the list: " + Joined(parts, ", "));
    if (!account.passed.empty())
        lines.push_back("passed through: " + Joined(account.passed, ", "));
    if (!account.leftOut.empty())
        lines.push_back("left out, to be made anew: an earlier sizing's " + Joined(account.leftOut, ", "));

    if (account.checks) {
        std::string checks = account.pneumatic
                                 ? "checks: Max output with the spring set chosen, at Pressure max"
                                 : "checks: Max output, the larger of the actuator's break/seat and run torques";
        if (account.pneumatic)
            checks += std::string("; air as free air at 1.01325 bar, per cycle in ") +
                      (account.imperial ? "ft3, per hour in ft3/h" : "L, per hour in m3/h") +
                      "; stroke time at the sizing pressure";
        lines.push_back(checks);
    }

    std::string mark = account.decimalComma ? "decimal comma" : "decimal point";
    switch (account.decimalSource) {
    case DecimalSource::Chosen:
        mark += " (chosen)";
        break;
    case DecimalSource::Cells:
        mark += account.workbook ? " (number cells need none; numbers kept as text are read with it)"
                                 : " (as the numbers of this tab-separated list show)";
        break;
    case DecimalSource::Separator:
        mark += " (the list is " + SeparatorName(account.separator) + "-separated)";
        break;
    }
    lines.push_back("numbers: " + mark);
    // what is written is UTF-8 whatever the list was saved in
    if (account.encoding == ListEncoding::Windows1252)
        lines.push_back("encoding: Windows-1252 (the list is not UTF-8)");
    else if (account.encoding != ListEncoding::Utf8)
        lines.push_back("encoding: UTF-16 with a byte-order mark");
    return lines;
}
