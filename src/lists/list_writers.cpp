#include "lists/list_writers.h"

#include "lists/list_summary.h"

#include "core/report/file_faults.h"
#include "core/report/temp_beside.h"
#include "core/text/load_string.h"
#include "core/text/text_util.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>

namespace {

std::string Lower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

bool EndsWith(const std::string& text, const std::string& suffix) {
    return text.size() >= suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// A number cell as a double, in the list's convention; false for text.
bool NumberCell(const std::string& cell, bool decimalComma, double& value) {
    return ParseListNumber(cell, decimalComma ? DecimalMark::Comma : DecimalMark::Point, value);
}

std::string SystemError(const std::string& fileName, const char* what, const std::string& reason) {
    return fileName + ": " + what + " (" + reason + ")";
}

constexpr char kNotWhole[] = "could not be written whole; the old file is left as it was";
constexpr char kNotPlaced[] = "could not be put in place; the old file is left as it was";

// A file written under a name of its own beside its target and renamed over it once it
// is whole. The errno of the step that failed is kept, since later calls overwrite it.
class TempFile {
public:
    explicit TempFile(std::string target) : temp_(std::move(target)) {}
    ~TempFile() { Abandon(); }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    // Makes the temporary file and, unless only its name is wanted, opens it for writing.
    bool Open(std::string& error, bool nameOnly = false) {
        if (Target().empty()) {
            error = "no file name was given";
            return false;
        }
        if (!temp_.Create()) {
            error = SystemError(Target(), "cannot be written", temp_.Reason());
            return false;
        }
        if (nameOnly)
            return true;
        file_ = std::fopen(temp_.Name().c_str(), "wb");
        if (!file_) {
            error = SystemError(Target(), "cannot be written", SystemReason(errno));
            temp_.Discard();
        }
        return file_ != nullptr;
    }
    bool Write(std::string_view text) {
        if (failedWith_ == 0 && !file_faults::WriteAllowed(text.size()))
            failedWith_ = ENOSPC;
        if (failedWith_ == 0 && std::fwrite(text.data(), 1, text.size(), file_) != text.size())
            failedWith_ = errno;
        return failedWith_ == 0;
    }
    // What the last failed Write met.
    std::string WriteError() const { return SystemError(Target(), kNotWhole, SystemReason(failedWith_)); }
    bool Commit(std::string& error) {
        if (!file_)
            return false;
        if (std::fclose(file_) != 0 && failedWith_ == 0)
            failedWith_ = errno;
        file_ = nullptr;
        if (failedWith_ != 0) {
            error = WriteError();
            temp_.Discard();
            return false;
        }
        return Place(error);
    }
    // Puts the file in place once someone else has written it under TempName.
    bool Place(std::string& error) {
        if (!temp_.Place()) {
            error = SystemError(Target(), kNotPlaced, temp_.Reason());
            return false;
        }
        return true;
    }
    void Abandon() {
        if (file_)
            std::fclose(file_);
        file_ = nullptr;
        temp_.Discard();
    }
    const std::string& TempName() const { return temp_.Name(); }
    const std::string& Target() const { return temp_.Target(); }

private:
    TempBeside temp_;
    std::FILE* file_ = nullptr;
    int failedWith_ = 0;
};

// Text rows into a stream or a temporary file, a whole line at a time.
class TextListWriter : public ListWriter {
public:
    TextListWriter(std::FILE* stream, const ListFormat& format) : stream_(stream), format_(format) {}
    TextListWriter(const std::string& fileName, const ListFormat& format)
        : temp_(std::make_unique<TempFile>(fileName)), format_(format) {}

protected:
    bool Start() {
        if (temp_)
            return temp_->Open(error_);
        return true;
    }
    bool Put(const std::string& text) {
        if (!error_.empty())
            return false;
        const bool ok = temp_ ? temp_->Write(text) : std::fwrite(text.data(), 1, text.size(), stream_) == text.size();
        if (!ok)
            error_ = temp_ ? temp_->WriteError() : std::string("the output could not be written");
        return ok;
    }
    bool Finish() {
        if (!error_.empty())
            return false;
        if (temp_)
            return temp_->Commit(error_);
        if (std::fflush(stream_) != 0) {
            error_ = "the output could not be written";
            return false;
        }
        return true;
    }

    std::unique_ptr<TempFile> temp_;
    std::FILE* stream_ = nullptr;
    ListFormat format_;
};

class CsvWriter : public TextListWriter {
public:
    using TextListWriter::TextListWriter;

    bool Begin(const std::vector<std::string>& header, const std::vector<CellKind>&) override {
        if (!Start())
            return false;
        if (format_.byteOrderMark && !Put("\xEF\xBB\xBF"))
            return false;
        return Row(header);
    }
    bool Row(const std::vector<std::string>& cells) override {
        line_.clear();
        for (std::size_t c = 0; c < cells.size(); ++c) {
            if (c > 0)
                line_ += format_.separator;
            line_ += CsvField(cells[c], format_.separator);
        }
        line_ += "\r\n";
        return Put(line_);
    }
    bool Commit() override { return Finish(); }

private:
    std::string line_;
};

class JsonWriter : public TextListWriter {
public:
    using TextListWriter::TextListWriter;

    bool Begin(const std::vector<std::string>& header, const std::vector<CellKind>& kinds) override {
        kinds_ = kinds;
        kinds_.resize(header.size(), CellKind::Text);
        // object keys must differ: a repeated name gets its count
        std::set<std::string> seen;
        for (std::size_t c = 0; c < header.size(); ++c) {
            std::string key = header[c].empty() ? Format("Column %zu", c + 1) : header[c];
            for (int n = 2; !seen.insert(key).second; ++n)
                key = (header[c].empty() ? Format("Column %zu", c + 1) : header[c]) + Format(" (%i)", n);
            keys_.push_back(JsonString(key));
        }
        return Start() && Put("[");
    }
    bool Row(const std::vector<std::string>& cells) override {
        std::string object = rows_++ ? ",\n  {" : "\n  {";
        for (std::size_t c = 0; c < keys_.size(); ++c) {
            const std::string& cell = c < cells.size() ? cells[c] : std::string();
            object += (c ? ", " : "") + keys_[c] + ": ";
            double value = 0;
            if (kinds_[c] == CellKind::Number && NumberCell(cell, format_.decimalComma, value))
                object += Format("%.15g", value);
            else if (kinds_[c] == CellKind::Number && cell.find_first_not_of(" \t") == std::string::npos)
                object += "null";
            else
                object += JsonString(cell);
        }
        return Put(object + "}");
    }
    bool Commit() override { return Put(rows_ ? "\n]\n" : "]\n") && Finish(); }

private:
    std::vector<std::string> keys_;
    std::vector<CellKind> kinds_;
    long rows_ = 0;
};

class XlsxWriter : public ListWriter {
public:
    XlsxWriter(const std::string& fileName, const ListFormat& format) : temp_(fileName), format_(format) {}
    ~XlsxWriter() override {
        if (book_)
            lxw_workbook_free(book_);
    }

    bool Begin(const std::vector<std::string>& header, const std::vector<CellKind>& kinds) override {
        kinds_ = kinds;
        kinds_.resize(header.size(), CellKind::Text);
        header_ = header;
        // the workbook writes the file only when it is closed, under the name made here
        if (!temp_.Open(error_, true))
            return false;
        lxw_workbook_options options{};
        options.constant_memory = LXW_TRUE;
        book_ = workbook_new_opt(temp_.TempName().c_str(), &options);
        sheet_ = book_ ? workbook_add_worksheet(book_, "Sized") : nullptr;
        if (!sheet_) {
            error_ = temp_.Target() + ": the workbook could not be started";
            return false;
        }
        // the Assumptions sheet comes second; in constant memory a sheet is written row by
        // row, so it is made now and filled at the end
        if (layout_.summary)
            summary_ = workbook_add_worksheet(book_, "Summary");
        if (!layout_.assumptions.empty())
            assumptions_ = workbook_add_worksheet(book_, "Assumptions");
        bold_ = workbook_add_format(book_);
        format_set_bold(bold_);
        for (int decimals = 0; decimals < 2; ++decimals) {
            rounded_[decimals] = workbook_add_format(book_);
            format_set_num_format(rounded_[decimals], decimals == 0 ? "0" : "0.0");
        }
        worksheet_freeze_panes(sheet_, 1, static_cast<lxw_col_t>(std::max(layout_.frozenColumns, 0)));
        warnings_ = layout_.warningsColumn;
        for (std::size_t c = 0; c < header.size() && c < LXW_COL_MAX; ++c) {
            const double content = c < layout_.widths.size() ? layout_.widths[c] : 0;
            const double width =
                std::min(kWidestColumn, std::max({10.0, static_cast<double>(Utf8Length(header[c])), content}) + 2);
            worksheet_set_column(sheet_, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c), width, nullptr);
        }
        return Write(header, true);
    }
    void SetLayout(const SheetLayout& layout) override { layout_ = layout; }
    bool Row(const std::vector<std::string>& cells, const std::vector<float>& exact) override {
        exact_ = &exact;
        const bool written = Row(cells);
        exact_ = nullptr;
        return written;
    }
    bool Row(const std::vector<std::string>& cells) override {
        // a workbook cell holds at most 32767 characters: a longer one is cut, and the row
        // says which
        std::string cut;
        for (std::size_t c = 0; c < cells.size(); ++c)
            if (Utf8Length(cells[c]) > kCellChars) {
                ++cutCells_;
                cut += (cut.empty() ? "" : ", ") + (c < header_.size() ? header_[c] : Format("column %zu", c + 1));
            }
        if (cut.empty() || warnings_ < 0 || static_cast<std::size_t>(warnings_) >= cells.size())
            return Write(cells, false);
        std::vector<std::string> marked = cells;
        std::string& warnings = marked[static_cast<std::size_t>(warnings_)];
        warnings += (warnings.empty() ? "" : "; ") + LoadText(310, {cut});
        return Write(marked, false);
    }
    bool Commit() override {
        if (!book_ || !error_.empty())
            return false;
        if (row_ > 1 && !header_.empty())
            worksheet_autofilter(sheet_, 0, 0, row_ - 1,
                                 static_cast<lxw_col_t>(std::min<std::size_t>(header_.size(), LXW_COL_MAX) - 1));
        WriteSummary();
        WriteAssumptions();
        const lxw_error result = workbook_close(book_);
        book_ = nullptr;
        if (result != LXW_NO_ERROR) {
            temp_.Abandon();
            error_ = temp_.Target() + ": could not be written (" + lxw_strerror(result) +
                     "); the old file is left as it was";
            return false;
        }
        return temp_.Place(error_);
    }

private:
    bool Write(const std::vector<std::string>& cells, bool header) {
        if (!sheet_ || !error_.empty())
            return false;
        if (row_ >= LXW_ROW_MAX) {
            error_ = temp_.Target() + ": a workbook holds at most 1048576 rows";
            return false;
        }
        const std::size_t exactFrom = exact_ && exact_->size() <= cells.size() ? cells.size() - exact_->size() : 0;
        for (std::size_t c = 0; c < cells.size() && c < LXW_COL_MAX; ++c) {
            const auto col = static_cast<lxw_col_t>(c);
            double value = 0;
            const bool number = !header && c < kinds_.size() && kinds_[c] == CellKind::Number &&
                                NumberCell(cells[c], format_.decimalComma, value);
            const float more = exact_ && c >= exactFrom ? (*exact_)[c - exactFrom] : std::nanf("");
            if (number && std::isfinite(more)) {
                // the value the cell was rounded from, shown as the cell reads
                // as the single-precision value reads, not its binary tail (50.292, not 50.29199981...)
                const bool decimal = cells[c].find_first_of(".,") != std::string::npos;
                const double shown = std::strtod(ShortestFloat(more).c_str(), nullptr);
                worksheet_write_number(sheet_, row_, col, shown, rounded_[decimal ? 1 : 0]);
            } else if (number) {
                worksheet_write_number(sheet_, row_, col, value, nullptr);
            } else if (!cells[c].empty()) {
                const std::string text = CutChars(cells[c], kCellChars);
                worksheet_write_string(sheet_, row_, col, text.c_str(), header ? bold_ : nullptr);
            }
        }
        ++row_;
        return true;
    }

    void SetSummary(const SummaryTable& table) override { table_ = table; }

    void WriteSummary() {
        if (!summary_)
            return;
        for (std::size_t c = 0; c < table_.header.size(); ++c) {
            worksheet_write_string(summary_, 0, static_cast<lxw_col_t>(c), table_.header[c].c_str(), bold_);
            worksheet_set_column(summary_, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c), c == 1 ? 24 : 14,
                                 nullptr);
        }
        for (std::size_t r = 0; r < table_.rows.size(); ++r) {
            const auto row = static_cast<lxw_row_t>(r + 1);
            const std::vector<std::string>& cells = table_.rows[r];
            for (std::size_t c = 0; c < cells.size(); ++c) {
                const auto col = static_cast<lxw_col_t>(c);
                if (c == SummaryTable::kValueColumn && r < table_.values.size()) {
                    // shown with as many decimals as the text has
                    const std::size_t mark = cells[c].find_first_of(".,");
                    const std::size_t decimals = mark == std::string::npos ? 0 : cells[c].size() - mark - 1;
                    worksheet_write_number(summary_, row, col, table_.values[r], DecimalsFormat(decimals));
                } else if (!cells[c].empty()) {
                    worksheet_write_string(summary_, row, col, CutChars(cells[c], kCellChars).c_str(), nullptr);
                }
            }
        }
    }

    lxw_format* DecimalsFormat(std::size_t decimals) {
        decimals = std::min<std::size_t>(decimals, 6);
        if (!decimalFormats_[decimals]) {
            decimalFormats_[decimals] = workbook_add_format(book_);
            format_set_num_format(decimalFormats_[decimals],
                                  decimals == 0 ? "0" : ("0." + std::string(decimals, '0')).c_str());
        }
        return decimalFormats_[decimals];
    }

    void WriteAssumptions() {
        if (!assumptions_)
            return;
        lxw_row_t row = 0;
        for (const std::string& line : layout_.assumptions) {
            const std::size_t colon = line.find(": ");
            const std::string label = CutChars(line.substr(0, colon), kCellChars);
            worksheet_write_string(assumptions_, row, 0, label.c_str(), bold_);
            if (colon != std::string::npos) {
                const std::string text = CutChars(line.substr(colon + 2), kCellChars);
                worksheet_write_string(assumptions_, row, 1, text.c_str(), nullptr);
            }
            ++row;
        }
        worksheet_set_column(assumptions_, 0, 0, 28, nullptr);
        worksheet_set_column(assumptions_, 1, 1, 100, nullptr);
    }

    static constexpr std::size_t kCellChars = 32767;
    // a column no wider than this many characters: a long remark wraps out of sight
    static constexpr double kWidestColumn = 60;

    TempFile temp_;
    ListFormat format_;
    std::vector<CellKind> kinds_;
    std::vector<std::string> header_;
    int warnings_ = -1;
    lxw_workbook* book_ = nullptr;
    lxw_worksheet* sheet_ = nullptr;
    lxw_format* bold_ = nullptr;
    lxw_format* rounded_[2] = {nullptr, nullptr};
    lxw_worksheet* assumptions_ = nullptr;
    lxw_worksheet* summary_ = nullptr;
    SummaryTable table_;
    lxw_format* decimalFormats_[7] = {};
    SheetLayout layout_;
    const std::vector<float>* exact_ = nullptr;
    lxw_row_t row_ = 0;
};

} // namespace

ListFileKind ListFileKindOf(const std::string& fileName) {
    const std::string name = Lower(fileName);
    if (EndsWith(name, ".xlsx"))
        return ListFileKind::Xlsx;
    if (EndsWith(name, ".json"))
        return ListFileKind::Json;
    return ListFileKind::Csv;
}

std::unique_ptr<ListWriter> MakeListWriter(ListFileKind kind, const std::string& fileName, const ListFormat& format) {
    switch (kind) {
    case ListFileKind::Xlsx:
        return std::make_unique<XlsxWriter>(fileName, format);
    case ListFileKind::Json:
        return std::make_unique<JsonWriter>(fileName, format);
    case ListFileKind::Csv:
        break;
    }
    return std::make_unique<CsvWriter>(fileName, format);
}

std::unique_ptr<ListWriter> MakeCsvStreamWriter(std::FILE* stream, const ListFormat& format) {
    return std::make_unique<CsvWriter>(stream, format);
}

std::string CsvField(const std::string& text, char separator) {
    if (text.find_first_of(std::string("\"\r\n") + separator) == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

std::string JsonString(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        const auto u = static_cast<unsigned char>(c);
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (u < 0x20)
                out += Format("\\u%04x", u);
            else
                out += c;
        }
    }
    return out + '"';
}

bool BeginSizedList(ListWriter& writer, const ListSizer& sizer, const std::vector<std::string>& assumptions) {
    SheetLayout layout;
    layout.frozenColumns = sizer.Columns()[ListRole::Tag].column + 1;
    layout.widths = sizer.ColumnWidths();
    layout.assumptions = assumptions;
    layout.warningsColumn = static_cast<int>(sizer.WarningsColumn());
    layout.summary = true;
    writer.SetLayout(layout);
    return writer.Begin(sizer.OutputHeader(), sizer.OutputKinds());
}

bool WriteSizedRow(ListWriter& writer, const SizedRow& row) {
    return writer.Row(row.cells, row.exact);
}

bool FinishSizedList(ListWriter& writer, const ListSizer& sizer, const ListSummary& summary) {
    writer.SetSummary(MakeSummaryTable(summary, sizer));
    return writer.Commit();
}
