// Datasheets as one PDF, a page (or more) per sheet: the only part of vnsize that uses
// Qt, and only its GUI module, on no display at all.
#pragma once

#include "lists/list_datasheet.h"
#include "lists/list_package.h"

#include <functional>
#include <string>
#include <vector>

// Called before each sheet with the sheets done; returning false stops the writing.
using PdfProgress = std::function<bool(int done)>;

// Makes the sheet with the given index, when its turn to be drawn comes.
using PdfSheetMaker = std::function<ListSheet(std::size_t index)>;

// Writes count sheets into fileName, each made as it is drawn. False with error set (naming
// the file) when it could not be written; false with error empty when progress stopped it.
// The previous file stays as it was unless the new one is complete.
bool WritePdfSheets(const std::string& fileName, std::size_t count, const PdfSheetMaker& sheetAt,
                    const std::string& title, std::string& error, const PdfProgress& progress);

// Writes the list's datasheet package into fileName on paper 0 (A4) or 1 (Letter), or as
// the system's locale says for -1; the same failure and stop rules as WritePdfSheets.
bool WritePdfPackage(const std::string& fileName, PackageSource& source, int paper, std::string& error,
                     const PdfProgress& progress);
