// Datasheets as one PDF, a page (or more) per sheet: the only part of vnsize that uses
// Qt, and only its GUI module, on no display at all.
#pragma once

#include <functional>
#include <string>
#include <vector>

// Called before each sheet with the sheets done; returning false stops the writing.
using PdfProgress = std::function<bool(int done)>;

// Writes the sheets, each a list of lines, into fileName. False with error set (naming
// the file) when it could not be written; false with error empty when progress stopped it.
// The previous file stays as it was unless the new one is complete.
bool WritePdfSheets(const std::string& fileName, const std::vector<std::vector<std::string>>& sheets,
                    const std::string& title, std::string& error, const PdfProgress& progress);
