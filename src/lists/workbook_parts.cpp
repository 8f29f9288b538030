#include "lists/workbook_parts.h"

#include "core/text/text_util.h"

#include <charconv>
#include <cmath>
#include <map>

namespace {

// Text longer than this is no cell of a valve list: a workbook cell holds 32767 characters.
constexpr std::size_t kTextLimit = 1 << 20;
// A workbook holds some 64000 cell styles at most; in a damaged one with more, the styles
// past this show numbers as numbers.
constexpr std::size_t kStyleLimit = 65536;

bool EndsWith(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i]))
            return false;
    return true;
}

unsigned long Unsigned(const char* text, unsigned long otherwise) {
    unsigned long value = 0;
    if (!text)
        return otherwise;
    const char* end = text + std::char_traits<char>::length(text);
    const auto [last, ec] = std::from_chars(text, end, value);
    return ec == std::errc() && last == end ? value : otherwise;
}

struct Relationship {
    std::string id, type, target;
};

class RelationshipsHandler : public XmlPartHandler {
public:
    void Start(std::string_view name, const char** attributes) override {
        const char* mode = XmlAttribute(attributes, "TargetMode");
        if (name != "Relationship" || (mode && std::string_view(mode) == "External"))
            return;
        const char* id = XmlAttribute(attributes, "Id");
        const char* type = XmlAttribute(attributes, "Type");
        const char* target = XmlAttribute(attributes, "Target");
        if (id && type && target)
            found.push_back({id, type, target});
    }
    void End(std::string_view) override {}
    std::vector<Relationship> found;
};

class WorkbookHandler : public XmlPartHandler {
public:
    void Start(std::string_view name, const char** attributes) override {
        if (depth++ == 0 && name != "workbook") {
            Stop();
            return;
        }
        workbook = true;
        if (name == "sheet") {
            const char* sheetName = XmlAttribute(attributes, "name");
            const char* id = XmlAttribute(attributes, "id");
            if (sheetName && id)
                sheets.push_back({sheetName, id});
        } else if (name == "workbookPr") {
            const char* system = XmlAttribute(attributes, "date1904");
            date1904 = system && (std::string_view(system) == "1" || std::string_view(system) == "true");
        }
    }
    void End(std::string_view) override { --depth; }
    int depth = 0;
    bool workbook = false;
    bool date1904 = false;
    std::vector<std::pair<std::string, std::string>> sheets; // name, relationship
};

class SharedStringsHandler : public XmlPartHandler {
public:
    explicit SharedStringsHandler(std::vector<std::string>& table) : table_(table) {}
    void Start(std::string_view name, const char**) override {
        if (name == "si") {
            item_ = true;
            text_.clear();
        } else if (name == "rPh") {
            ++phonetic_; // a reading aid above the text, not part of it
        } else if (name == "t" && item_ && phonetic_ == 0) {
            inText_ = true;
        }
    }
    void End(std::string_view name) override {
        if (name == "si") {
            table_.push_back(UnescapeWorkbookText(text_));
            item_ = false;
        } else if (name == "rPh") {
            --phonetic_;
        } else if (name == "t") {
            inText_ = false;
        }
    }
    void Text(std::string_view text) override {
        if (!inText_)
            return;
        text_.append(text);
        if (text_.size() > kTextLimit)
            Stop("the workbook is damaged: a shared text is longer than 1 MiB");
    }

private:
    std::vector<std::string>& table_;
    std::string text_;
    bool item_ = false;
    bool inText_ = false;
    int phonetic_ = 0;
};

class StylesHandler : public XmlPartHandler {
public:
    void Start(std::string_view name, const char** attributes) override {
        if (name == "numFmts") {
            inFormats_ = true;
        } else if (name == "cellXfs") {
            inCellStyles_ = true;
        } else if (name == "numFmt" && inFormats_) {
            const char* code = XmlAttribute(attributes, "formatCode");
            formats_[Unsigned(XmlAttribute(attributes, "numFmtId"), 0)] = code ? ShownByFormat(code) : NumberShown::Number;
        } else if (name == "xf" && inCellStyles_ && cellFormats_.size() < kStyleLimit) {
            cellFormats_.push_back(Unsigned(XmlAttribute(attributes, "numFmtId"), 0));
        }
    }
    void End(std::string_view name) override {
        if (name == "numFmts")
            inFormats_ = false;
        else if (name == "cellXfs")
            inCellStyles_ = false;
    }
    // the formats may follow the styles that use them
    std::vector<NumberShown> Shown() const {
        std::vector<NumberShown> shown;
        shown.reserve(cellFormats_.size());
        for (unsigned long id : cellFormats_) {
            const auto own = formats_.find(id);
            shown.push_back(own != formats_.end() ? own->second : ShownByBuiltInFormat(id));
        }
        return shown;
    }

private:
    std::map<unsigned long, NumberShown> formats_;
    std::vector<unsigned long> cellFormats_;
    bool inFormats_ = false;
    bool inCellStyles_ = false;
};

// Days since 1970-01-01 as a civil date.
void CivilDate(long long days, long long& year, int& month, int& day) {
    days += 719468;
    const long long era = (days >= 0 ? days : days - 146096) / 146097;
    const auto dayOfEra = static_cast<unsigned>(days - era * 146097);
    const unsigned yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const unsigned shifted = (5 * dayOfYear + 2) / 153;
    day = static_cast<int>(dayOfYear - (153 * shifted + 2) / 5 + 1);
    month = static_cast<int>(shifted < 10 ? shifted + 3 : shifted - 9);
    year = static_cast<long long>(yearOfEra) + era * 400 + (month <= 2);
}

} // namespace

bool WorkbookBook::Open(const std::string& fileName, std::string& message) {
    const std::string notWorkbook = "is not a workbook";
    std::string reason;
    if (!archive_.Open(fileName, reason)) {
        message = notWorkbook + " (" + reason + ")";
        return false;
    }
    std::string kind;
    if (archive_.ReadBytes("mimetype", 64, kind) && kind.rfind("application/vnd.oasis.opendocument.spreadsheet", 0) == 0) {
        message = "this is an OpenDocument spreadsheet; save it as .xlsx or CSV";
        return false;
    }
    RelationshipsHandler root;
    std::string workbookPart;
    if (archive_.ReadXml("_rels/.rels", root, reason))
        for (const Relationship& r : root.found)
            if (EndsWith(r.type, "/officeDocument") && workbookPart.empty())
                workbookPart = ResolvePart("", r.target);
    if (workbookPart.empty())
        workbookPart = "xl/workbook.xml";
    WorkbookHandler book;
    if (!archive_.Has(workbookPart) || !archive_.ReadXml(workbookPart, book, reason) || !book.workbook) {
        message = notWorkbook;
        return false;
    }
    date1904_ = book.date1904;

    const std::size_t slash = workbookPart.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : workbookPart.substr(0, slash + 1);
    RelationshipsHandler links;
    archive_.ReadXml(folder + "_rels/" + workbookPart.substr(folder.size()) + ".rels", links, reason);
    for (const Relationship& r : links.found) {
        if (EndsWith(r.type, "/sharedStrings"))
            sharedPart_ = ResolvePart(workbookPart, r.target);
        else if (EndsWith(r.type, "/styles"))
            stylesPart_ = ResolvePart(workbookPart, r.target);
    }
    for (const auto& [name, id] : book.sheets)
        for (const Relationship& r : links.found)
            if (r.id == id && EndsWith(r.type, "/worksheet")) {
                sheets_.push_back({name, ResolvePart(workbookPart, r.target)});
                break;
            }
    if (sheets_.empty()) {
        message = "the workbook holds no worksheet";
        return false;
    }
    return true;
}

const WorkbookSheet* WorkbookBook::FindSheet(const std::string& name) const {
    if (name.empty())
        return sheets_.empty() ? nullptr : &sheets_.front();
    for (const WorkbookSheet& sheet : sheets_)
        if (sheet.name == name)
            return &sheet;
    for (const WorkbookSheet& sheet : sheets_)
        if (SameName(sheet.name, name))
            return &sheet;
    return nullptr;
}

bool WorkbookBook::ReadCellParts(std::string& message) {
    // a workbook of numbers only needs neither part
    if (!sharedPart_.empty() && archive_.Has(sharedPart_)) {
        SharedStringsHandler strings(shared_);
        if (!archive_.ReadXml(sharedPart_, strings, message))
            return false;
    }
    if (!stylesPart_.empty() && archive_.Has(stylesPart_)) {
        StylesHandler styles;
        if (!archive_.ReadXml(stylesPart_, styles, message))
            return false;
        styles_ = styles.Shown();
    }
    return true;
}

NumberShown WorkbookBook::Shown(unsigned long style) const {
    return style < styles_.size() ? styles_[style] : NumberShown::Number;
}

NumberShown ShownByFormat(std::string_view code) {
    bool date = false, time = false, month = false;
    for (std::size_t i = 0; i < code.size(); ++i) {
        const char c = Lower(code[i]);
        if (c == '"') {
            const std::size_t end = code.find('"', i + 1);
            i = end == std::string_view::npos ? code.size() : end;
        } else if (c == '\\' || c == '_' || c == '*') {
            ++i; // an escaped character, a space as wide as one, a fill
        } else if (c == '[') {
            // a colour or a locale, or elapsed time: [h]:mm
            const std::size_t end = code.find(']', i);
            const std::string_view inside = code.substr(i + 1, end == std::string_view::npos ? 0 : end - i - 1);
            if (!inside.empty() && inside.find_first_not_of("hHmMsS") == std::string_view::npos)
                time = true;
            i = end == std::string_view::npos ? code.size() : end;
        } else if (c == 'd' || c == 'y') {
            date = true;
        } else if (c == 'h' || c == 's') {
            time = true;
        } else if (c == 'm') {
            month = true; // a month, unless hours or seconds say minutes
        }
    }
    if (date || (month && !time))
        return NumberShown::Date;
    return time ? NumberShown::Time : NumberShown::Number;
}

NumberShown ShownByBuiltInFormat(unsigned long id) {
    if ((id >= 14 && id <= 17) || id == 22 || (id >= 27 && id <= 31) || id == 36 || (id >= 50 && id <= 58))
        return NumberShown::Date;
    if ((id >= 18 && id <= 21) || (id >= 32 && id <= 35) || (id >= 45 && id <= 47))
        return NumberShown::Time;
    return NumberShown::Number;
}

std::string WorkbookNumberText(double value, DecimalMark mark) {
    if (value == 0)
        value = 0; // no sign on a zero
    // plain digits where they stay short, an exponent for the very large and very small
    const double size = std::fabs(value);
    const auto style = size == 0 || (size >= 1e-6 && size < 1e15) ? std::chars_format::fixed : std::chars_format::general;
    char text[64];
    const auto [end, ec] = std::to_chars(text, text + sizeof text, value, style);
    std::string number(text, ec == std::errc() ? end : text);
    if (mark == DecimalMark::Comma)
        for (char& c : number)
            if (c == '.')
                c = ',';
    return number;
}

bool WorkbookDateText(double serial, NumberShown shown, bool date1904, std::string& text) {
    // up to 9999-12-31, as far as a workbook shows dates
    if (!(serial >= 0 && serial < (date1904 ? 2957004.0 : 2958466.0)))
        return false;
    long long days = static_cast<long long>(std::floor(serial));
    long long seconds = std::llround((serial - static_cast<double>(days)) * 86400.0);
    if (seconds == 86400) {
        ++days;
        seconds = 0;
    }
    const auto clock = [](long long total) {
        std::string t = Format("%02lld:%02lld", total / 3600, total / 60 % 60);
        return total % 60 ? t + Format(":%02lld", total % 60) : t;
    };
    if (shown == NumberShown::Time) {
        text = clock(days * 86400 + seconds);
        return true;
    }
    if (!date1904 && days == 60) {
        text = "1900-02-29"; // a day that never was, which the 1900 system counts
    } else if (!date1904 && days == 0) {
        return false;
    } else {
        // day 1 is 1900-01-01 (before the false leap day) or 1904-01-02
        const long long epoch = date1904 ? -24107 : days < 60 ? -25568 : -25569;
        long long year = 0;
        int month = 0, day = 0;
        CivilDate(epoch + days, year, month, day);
        text = Format("%04lld-%02d-%02d", year, month, day);
    }
    if (seconds > 0)
        text += " " + clock(seconds);
    return true;
}

std::string UnescapeWorkbookText(std::string_view text) {
    if (text.find("_x") == std::string_view::npos)
        return std::string(text);
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        unsigned code = 0;
        if (text[i] == '_' && i + 6 < text.size() && text[i + 1] == 'x' && text[i + 6] == '_') {
            const char* first = text.data() + i + 2;
            const auto [last, ec] = std::from_chars(first, first + 4, code, 16);
            // a surrogate half or NUL is no character of its own: the text stays as written
            if (ec == std::errc() && last == first + 4 && code != 0 && (code < 0xD800 || code > 0xDFFF)) {
                if (code < 0x80) {
                    out += static_cast<char>(code);
                } else if (code < 0x800) {
                    out += static_cast<char>(0xC0 | (code >> 6));
                    out += static_cast<char>(0x80 | (code & 0x3F));
                } else {
                    out += static_cast<char>(0xE0 | (code >> 12));
                    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
                    out += static_cast<char>(0x80 | (code & 0x3F));
                }
                i += 6;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}
