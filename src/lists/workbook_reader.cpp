#include "lists/workbook_reader.h"

#include "core/text/text_util.h"
#include "lists/workbook_parts.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>

namespace {

constexpr std::size_t kCellLimit = 1 << 20;
// a row of many cells that all point to one long shared text would otherwise fill memory
constexpr std::size_t kRowLimit = 16 << 20;
constexpr unsigned long kLastRow = 1048576;
constexpr unsigned long kLastColumn = 16384;

constexpr unsigned char kZipSignature[] = {'P', 'K', 0x03, 0x04};
constexpr unsigned char kEmptyZipSignature[] = {'P', 'K', 0x05, 0x06};
constexpr unsigned char kOleSignature[] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};

struct FileClose {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileClose>;

// An OLE compound file names its streams in UTF-16; an encrypted workbook keeps the real
// one in a stream of this name. Its bytes are enough to tell it, without reading the file's
// structure.
bool HoldsEncryptedPackage(std::FILE* file) {
    std::string name;
    for (const char c : std::string_view("EncryptedPackage")) {
        name += c;
        name += '\0';
    }
    std::string window;
    std::string buffer(1 << 20, '\0');
    for (;;) {
        const std::size_t got = std::fread(buffer.data(), 1, buffer.size(), file);
        window.append(buffer, 0, got);
        if (window.find(name) != std::string::npos)
            return true;
        if (got < buffer.size())
            return false;
        window.erase(0, window.size() - (name.size() - 1));
    }
}

std::string SheetList(const std::vector<WorkbookSheet>& sheets) {
    std::string list;
    for (std::size_t i = 0; i < sheets.size(); ++i)
        list += (i == 0 ? "" : i + 1 == sheets.size() ? " and " : ", ") + ("'" + sheets[i].name + "'");
    return list;
}

// The column of a cell reference ("B3" is 2); 0 when it is none.
unsigned long ReferenceColumn(std::string_view reference) {
    unsigned long column = 0;
    std::size_t i = 0;
    for (; i < reference.size() && i < 4; ++i) {
        const char c = reference[i];
        if (c < 'A' || c > 'Z')
            break;
        column = column * 26 + static_cast<unsigned long>(c - 'A' + 1);
    }
    return i > 0 && i < 4 ? column : 0;
}

// One worksheet's rows, handed over as records as they are read.
class SheetHandler : public XmlPartHandler {
public:
    SheetHandler(const WorkbookBook& book, DecimalMark mark, const ListRecordSink& sink, unsigned long long fileSize,
                 ListReadResult& result)
        : book_(book), mark_(mark), sink_(sink), fileSize_(fileSize), result_(result) {}

    void Start(std::string_view name, const char** attributes) override {
        if (name == "sheetData")
            inData_ = true;
        else if (!inData_)
            return;
        else if (name == "row")
            StartRow(XmlAttribute(attributes, "r"));
        else if (name == "c")
            StartCell(attributes);
        else if (name == "v" && inCell_)
            capture_ = hasValue_ = true;
        else if (name == "is" && inCell_)
            inline_ = hasValue_ = true;
        else if (name == "rPh")
            ++phonetic_;
        else if (name == "t" && inline_ && phonetic_ == 0)
            capture_ = true;
    }
    void End(std::string_view name) override {
        if (name == "sheetData")
            Stop(); // the rest of the sheet holds no cells
        else if (name == "v" || name == "t")
            capture_ = false;
        else if (name == "is")
            inline_ = false;
        else if (name == "rPh")
            --phonetic_;
        else if (name == "c" && inCell_)
            EndCell();
        else if (name == "row" && inRow_)
            EndRow();
    }
    void Text(std::string_view text) override {
        if (!capture_)
            return;
        value_.append(text);
        if (value_.size() > kCellLimit)
            Damaged("a cell is longer than 1 MiB");
    }

    bool SinkStopped() const { return sinkStopped_; }

private:
    void Damaged(const std::string& what) {
        Stop(Format("line %lu: %s; the workbook is damaged", row_, what.c_str()));
    }

    void StartRow(const char* number) {
        const unsigned long r = number ? std::strtoul(number, nullptr, 10) : row_ + 1;
        if (r <= row_ || r > kLastRow) {
            Damaged(Format("a row numbered %s follows row %lu", number ? number : "", row_));
            return;
        }
        row_ = r;
        inRow_ = true;
        rowHasValue_ = false;
        rowBytes_ = 0;
        column_ = 0;
        record_ = ListRecord{};
    }

    void StartCell(const char** attributes) {
        // every cell passes here: its attributes are looked at once
        const char* reference = nullptr;
        const char* type = nullptr;
        const char* style = nullptr;
        for (const char** a = attributes; a[0]; a += 2) {
            const char* name = std::strrchr(a[0], ':');
            name = name ? name + 1 : a[0];
            if (name[0] == '\0' || name[1] != '\0')
                continue;
            if (name[0] == 'r')
                reference = a[1];
            else if (name[0] == 't')
                type = a[1];
            else if (name[0] == 's')
                style = a[1];
        }
        const unsigned long column = reference ? ReferenceColumn(reference) : column_ + 1;
        if (!inRow_ || column <= column_ || column > kLastColumn) {
            Damaged(Format("the cell %s is out of place", reference ? reference : "without a reference"));
            return;
        }
        column_ = column;
        const std::string_view kind = type ? type : "n";
        type_ = kind == "n"           ? CellType::Number
                : kind == "s"         ? CellType::Shared
                : kind == "inlineStr" ? CellType::Inline
                : kind == "str"       ? CellType::Formula
                : kind == "b"         ? CellType::Boolean
                                      : CellType::Other;
        style_ = style ? std::strtoul(style, nullptr, 10) : 0;
        value_.clear();
        inCell_ = true;
        hasValue_ = false;
    }

    void EndCell() {
        inCell_ = false;
        if (!hasValue_)
            return; // a cell with a format but nothing in it
        std::string text;
        bool numeric = false;
        if (type_ == CellType::Shared) {
            const std::vector<std::string>& shared = book_.SharedStrings();
            const std::string index = TrimmedCell(value_);
            const unsigned long i = std::strtoul(index.c_str(), nullptr, 10);
            if (index.empty() || index.find_first_not_of("0123456789") != std::string::npos || i >= shared.size()) {
                Damaged("a cell points to shared text the workbook does not hold");
                return;
            }
            text = shared[i];
        } else if (type_ == CellType::Inline || type_ == CellType::Formula) {
            text = UnescapeWorkbookText(value_);
        } else if (type_ == CellType::Boolean) {
            const std::string flag = TrimmedCell(value_);
            text = flag == "1" || flag == "true" ? "TRUE" : "FALSE";
        } else if (type_ == CellType::Number) {
            numeric = Number(value_, text);
        } else {
            text = value_; // an error such as #N/A, or a date written as text
        }
        const std::size_t at = column_ - 1;
        if (record_.fields.size() <= at) {
            record_.fields.resize(at + 1);
            record_.numeric.resize(at + 1, false);
        }
        rowBytes_ += text.size();
        if (rowBytes_ > kRowLimit) {
            Damaged("the row is longer than 16 MiB");
            return;
        }
        record_.fields[at] = std::move(text);
        record_.numeric[at] = numeric;
        rowHasValue_ = true;
    }

    // A number cell's text: the number as a list gives it, or a date or time as the cell
    // shows it. False for a date, and for a value that is no number at all (kept as it is).
    bool Number(std::string_view value, std::string& text) {
        while (!value.empty() && (value.front() == ' ' || value.front() == '\n' || value.front() == '\t'))
            value.remove_prefix(1);
        while (!value.empty() && (value.back() == ' ' || value.back() == '\n' || value.back() == '\t'))
            value.remove_suffix(1);
        double number = 0;
        const char* end = value.data() + value.size();
        const auto [last, ec] = std::from_chars(value.data(), end, number);
        if (value.empty() || ec != std::errc() || last != end || !std::isfinite(number)) {
            text = value;
            return false;
        }
        const NumberShown shown = book_.Shown(style_);
        if (shown != NumberShown::Number && WorkbookDateText(number, shown, book_.Date1904(), text))
            return false;
        text = WorkbookNumberText(number, mark_);
        return true;
    }

    void EndRow() {
        inRow_ = false;
        if (!rowHasValue_)
            return; // like a blank line
        if (!headerSeen_) {
            bool blank = true;
            for (const std::string& field : record_.fields)
                blank = blank && TrimmedCell(field).empty();
            if (blank)
                return; // the header is the first row that is not empty
            headerSeen_ = true;
        }
        record_.line = static_cast<long>(row_);
        record_.offset = partSize > 0 ? fileSize_ * std::min(partRead, partSize) / partSize : 0;
        ++result_.records;
        if (!sink_(std::move(record_))) {
            sinkStopped_ = true;
            Stop();
        }
        record_ = ListRecord{};
    }

    const WorkbookBook& book_;
    DecimalMark mark_;
    const ListRecordSink& sink_;
    unsigned long long fileSize_;
    ListReadResult& result_;

    ListRecord record_;
    unsigned long row_ = 0;
    unsigned long column_ = 0;
    std::size_t rowBytes_ = 0;
    enum class CellType { Number, Shared, Inline, Formula, Boolean, Other };
    CellType type_ = CellType::Number;
    unsigned long style_ = 0;
    std::string value_;
    int phonetic_ = 0;
    bool inData_ = false, inRow_ = false, inCell_ = false, inline_ = false, capture_ = false;
    bool hasValue_ = false, rowHasValue_ = false, headerSeen_ = false, sinkStopped_ = false;
};

ListReadResult Failed(const std::string& fileName, const std::string& message) {
    ListReadResult result;
    result.format.workbook = true;
    result.message = fileName + ": " + message;
    return result;
}

// Opens the workbook, or says why it cannot be read.
bool OpenBook(const std::string& fileName, WorkbookBook& book, std::string& message) {
    switch (ListFileTypeOf(fileName)) {
    case ListFileType::BinaryWorkbook:
        message = "this is an old binary .xls workbook; save it as .xlsx or CSV";
        return false;
    case ListFileType::EncryptedWorkbook:
        message = "the workbook is encrypted; save it without a password";
        return false;
    case ListFileType::Text:
        if (!File(fileName.empty() ? nullptr : std::fopen(fileName.c_str(), "rb")))
            message = std::string("cannot be opened (") + std::strerror(errno) + ")";
        else
            message = "is not a workbook";
        return false;
    case ListFileType::Workbook:
        break;
    }
    return book.Open(fileName, message);
}

} // namespace

ListFileType ListFileTypeOf(const std::string& fileName) {
    File file(fileName.empty() ? nullptr : std::fopen(fileName.c_str(), "rb"));
    unsigned char start[8] = {};
    if (!file || std::fread(start, 1, sizeof start, file.get()) < 4)
        return ListFileType::Text;
    if (std::memcmp(start, kZipSignature, 4) == 0 || std::memcmp(start, kEmptyZipSignature, 4) == 0)
        return ListFileType::Workbook;
    if (std::memcmp(start, kOleSignature, sizeof kOleSignature) == 0)
        return HoldsEncryptedPackage(file.get()) ? ListFileType::EncryptedWorkbook : ListFileType::BinaryWorkbook;
    return ListFileType::Text;
}

bool ReadWorkbookSheets(const std::string& fileName, std::vector<std::string>& sheets, std::string& message) {
    sheets.clear();
    WorkbookBook book;
    if (!OpenBook(fileName, book, message)) {
        message = fileName + ": " + message;
        return false;
    }
    for (const WorkbookSheet& sheet : book.Sheets())
        sheets.push_back(sheet.name);
    return true;
}

ListReadResult ReadWorkbookFile(const std::string& fileName, const WorkbookReadOptions& options,
                                const ListRecordSink& sink) {
    WorkbookBook book;
    std::string message;
    if (!OpenBook(fileName, book, message))
        return Failed(fileName, message);
    const WorkbookSheet* sheet = book.FindSheet(options.sheet);
    if (!sheet) {
        const std::vector<WorkbookSheet>& sheets = book.Sheets();
        return Failed(fileName, "the workbook has no sheet '" + options.sheet + "'; " +
                                    (sheets.size() == 1 ? "its only sheet is " : "its sheets are ") + SheetList(sheets));
    }
    if (!book.ReadCellParts(message))
        return Failed(fileName, message);

    ListReadResult result;
    result.format.workbook = true;
    result.format.sheet = sheet->name;
    std::error_code ec;
    const auto size = std::filesystem::file_size(fileName, ec);
    SheetHandler handler(book, options.mark, sink, ec ? 0 : static_cast<unsigned long long>(size), result);
    if (!book.Archive().ReadXml(sheet->part, handler, message)) {
        result.message = fileName + ": " + message;
        return result;
    }
    if (handler.SinkStopped())
        return result;
    if (result.records == 0) {
        result.message = fileName + ": the sheet '" + sheet->name + "' is empty: it needs a header row naming its columns";
        return result;
    }
    result.ok = true;
    return result;
}
