// A sized list edited in place: a row whose cells the user changed is sized again with the
// same rules, and so is every row whose warnings a changed tag touches. The list can then be
// written back as it came, its own columns only.
#pragma once

#include "lists/list_job.h"
#include "lists/list_sizing.h"

#include <cstddef>
#include <string>
#include <vector>

// Puts text into a cell of the list's own columns and sizes the list's rows again where they
// may have changed: the edited row, and the rows whose tag stood, or now stands, on more
// than one row. Returns the indices of the rows sized again; none for a cell that is not
// one of the list's own.
std::vector<std::size_t> EditListCell(ListSizer& sizer, std::vector<SizedRow>& rows, std::size_t row,
                                      std::size_t column, const std::string& text);

// The list's own cells of a sized row, as the list gave them (or as edited).
std::vector<std::string> OwnCells(const ListSizer& sizer, const SizedRow& row);

// The counts of a list's rows as a job gives them: sized, no fit, errors, with warnings.
ListJobResult CountRows(const std::vector<SizedRow>& rows);
