#include "lists/list_edit.h"

#include <map>
#include <set>

std::vector<std::string> OwnCells(const ListSizer& sizer, const SizedRow& row) {
    const std::size_t own = std::min(sizer.AddedFrom(), row.cells.size());
    return {row.cells.begin(), row.cells.begin() + static_cast<std::ptrdiff_t>(own)};
}

std::vector<std::size_t> EditListCell(ListSizer& sizer, std::vector<SizedRow>& rows, std::size_t row,
                                      std::size_t column, const std::string& text) {
    if (row >= rows.size() || column >= sizer.AddedFrom() || column >= rows[row].cells.size())
        return {};
    rows[row].cells[column] = text;

    // the tags on more than one row, before and after the edit
    const int tagColumn = sizer.Columns()[ListRole::Tag].column;
    std::set<std::string> touched;
    for (const auto& [tag, lines] : sizer.RepeatedTags())
        touched.insert(tag);
    std::map<std::string, std::vector<long>> lines;
    for (const SizedRow& r : rows)
        if (tagColumn >= 0 && static_cast<std::size_t>(tagColumn) < r.cells.size())
            if (const std::string tag = ListSizer::FoldedTag(r.cells[static_cast<std::size_t>(tagColumn)]);
                !tag.empty())
                lines[tag].push_back(r.line);
    std::map<std::string, std::vector<long>> repeated;
    for (auto& [tag, where] : lines)
        if (where.size() > 1) {
            touched.insert(tag);
            repeated.emplace(tag, std::move(where));
        }
    sizer.SetRepeatedTags(std::move(repeated));

    std::vector<std::size_t> sized;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const bool tagTouched =
            tagColumn >= 0 && static_cast<std::size_t>(tagColumn) < rows[r].cells.size() &&
            touched.count(ListSizer::FoldedTag(rows[r].cells[static_cast<std::size_t>(tagColumn)])) > 0;
        if (r != row && !tagTouched)
            continue;
        ListRecord record;
        record.line = rows[r].line;
        record.fields = OwnCells(sizer, rows[r]);
        rows[r] = sizer.Size(std::move(record));
        sized.push_back(r);
    }
    return sized;
}

ListJobResult CountRows(const std::vector<SizedRow>& rows) {
    ListJobResult counts;
    counts.ok = true;
    for (const SizedRow& row : rows) {
        ++counts.rows;
        (row.status == RowStatus::Ok            ? counts.sized
         : row.status == RowStatus::NoFit       ? counts.noFit
         : row.status == RowStatus::CheckFailed ? counts.checkFailed
                                                : counts.errors)++;
        counts.warned += !row.warnings.empty();
    }
    return counts;
}
