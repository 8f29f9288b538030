// Sizing a list in a test: the job's result, the output header and every row.
#pragma once

#include "lists/list_job.h"

#include <string>
#include <vector>

struct Sized {
    ListJobResult result;
    std::vector<std::string> header;
    std::vector<SizedRow> rows;
};

Sized SizeText(ListSizer& sizer, const std::string& text);
Sized SizeFile(ListSizer& sizer, const std::string& file);
// The cell of a row under the output column of that name; a failure when there is none.
std::string Cell(const Sized& s, std::size_t row, const std::string& column);
// A row's Status, the last cell.
std::string Status(const SizedRow& row);
