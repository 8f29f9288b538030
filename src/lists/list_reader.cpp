#include "lists/list_reader.h"

#include "core/text/text_util.h"
#include "lists/workbook_reader.h"

#include <csv.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

// A record longer than this comes from a damaged file or a quote that is never closed.
constexpr std::size_t kRecordLimit = 1 << 20;

// Whether text, the start of a record, ends inside a quoted field: a field that opens
// with a quote runs to the quote that is not doubled.
bool InsideQuotes(std::string_view text, char separator) {
    bool quoted = false;
    bool fieldStart = true;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"') {
                if (i + 1 < text.size() && text[i + 1] == '"')
                    ++i;
                else
                    quoted = false;
            }
        } else if (fieldStart && c == '"') {
            quoted = true;
            fieldStart = false;
        } else {
            fieldStart = c == separator || c == '\r' || c == '\n';
        }
    }
    return quoted;
}

int NoSpace(unsigned char) {
    return 0; // fields are carried through as they stand, blanks included
}

// Feeds libcsv one physical line at a time, so every record knows the line it starts on.
class Parser {
public:
    Parser(const ListRecordSink& sink, ListEncoding encoding) : sink_(sink), encoding_(encoding) {
        result.format.encoding = encoding;
        csv_init(&csv_, 0);
        csv_set_space_func(&csv_, NoSpace);
    }
    ~Parser() { csv_free(&csv_); }
    Parser(const Parser&) = delete;
    Parser& operator=(const Parser&) = delete;

    // Takes the next piece of input; false once reading has to stop.
    bool Feed(std::string_view piece, bool last) {
        carry_.append(piece);
        std::size_t from = 0;
        while (!stopped_) {
            std::size_t end = carry_.find_first_of("\r\n", from);
            if (end == std::string::npos)
                break;
            if (carry_[end] == '\r') {
                if (end + 1 == carry_.size() && !last)
                    break; // a "\r\n" split between two pieces
                if (end + 1 < carry_.size() && carry_[end + 1] == '\n')
                    ++end;
            }
            Line(std::string_view(carry_).substr(from, end + 1 - from));
            from = end + 1;
        }
        carry_.erase(0, from);
        if (last && !stopped_ && !carry_.empty()) {
            Line(carry_);
            carry_.clear();
        }
        return !stopped_;
    }

    void Finish() {
        if (stopped_)
            return;
        // libcsv closes an open quote at the end without a word; the list would lose its rows
        if (nextStart_ != 0 && InsideQuotes(pending_, result.format.separator)) {
            Fail(nextStart_, "a quoted field is never closed");
            return;
        }
        csv_fini(&csv_, OnField, OnRecordEnd, this);
    }

    ListReadResult result;

private:
    void Line(std::string_view line) {
        ++lineNumber_;
        bytes_ += InputBytes(line, encoding_); // the mark too: progress ends at the file's size
        if (lineNumber_ == 1 && line.substr(0, 3) == "\xEF\xBB\xBF") {
            result.format.byteOrderMark = true;
            line.remove_prefix(3);
        }
        // the header, the first line that is not blank, tells the separator
        if (!headerSeen_ && line.find_first_not_of(" \t\r\n") != std::string_view::npos) {
            headerSeen_ = true;
            const bool mark = result.format.byteOrderMark;
            result.format = DetectListFormat(line);
            result.format.byteOrderMark = mark;
            result.format.encoding = encoding_;
            csv_set_delim(&csv_, static_cast<unsigned char>(result.format.separator));
        }
        if (nextStart_ == 0) {
            pending_.clear();
            if (line.find_first_not_of("\r\n") != std::string_view::npos)
                nextStart_ = lineNumber_;
        }
        if (csv_parse(&csv_, line.data(), line.size(), OnField, OnRecordEnd, this) != line.size() && !stopped_)
            Fail(lineNumber_, csv_strerror(csv_error(&csv_)));
        if (nextStart_ != 0)
            pending_.append(line); // the record goes on over the next line
        if (!stopped_ && pending_.size() > kRecordLimit)
            Fail(nextStart_, "the record is longer than 1 MiB; a quote may be left open");
    }

    void Fail(long line, const std::string& what) {
        stopped_ = true;
        result.ok = false;
        result.line = line;
        result.message = line > 0 ? Format("line %li: %s", line, what.c_str()) : what;
    }

    static void OnField(void* text, std::size_t length, void* data) {
        auto* self = static_cast<Parser*>(data);
        if (self->stopped_)
            return;
        self->record_.fields.emplace_back(text ? static_cast<const char*>(text) : "", length);
    }

    static void OnRecordEnd(int, void* data) {
        auto* self = static_cast<Parser*>(data);
        if (self->stopped_)
            return;
        ListRecord& record = self->record_;
        record.line = self->nextStart_ ? self->nextStart_ : self->lineNumber_;
        record.offset = self->bytes_;
        ++self->result.records;
        self->nextStart_ = 0;
        ListRecord done = std::move(record);
        record = ListRecord{};
        if (!self->sink_(std::move(done))) {
            self->stopped_ = true;
            self->result.ok = false;
            self->result.message.clear();
        }
    }

    const ListRecordSink& sink_;
    const ListEncoding encoding_;
    csv_parser csv_{};
    std::string carry_;
    ListRecord record_;
    long lineNumber_ = 0;
    long nextStart_ = 0;  // the first line of the record being read
    std::string pending_; // its lines so far, when it spans more than one
    unsigned long long bytes_ = 0;
    bool stopped_ = false;
    bool headerSeen_ = false;

public:
    bool Stopped() const { return stopped_; }
};

ListReadResult Conclude(Parser& parser) {
    parser.Finish();
    ListReadResult result = parser.result;
    if (parser.Stopped())
        return result;
    if (result.records == 0) {
        result.message = "the list is empty: it needs a header line naming its columns";
        return result;
    }
    result.ok = true;
    return result;
}

ListReadResult Refused(const EncodingVerdict& verdict) {
    ListReadResult refused;
    refused.line = verdict.line;
    refused.message = Format("line %li: %s", verdict.line, verdict.message.c_str());
    return refused;
}

} // namespace

char DetectSeparator(std::string_view headerLine) {
    std::size_t tabs = 0, semicolons = 0, commas = 0;
    bool quoted = false;
    for (char c : headerLine) {
        if (c == '"')
            quoted = !quoted;
        else if (!quoted) {
            tabs += c == '\t';
            semicolons += c == ';';
            commas += c == ',';
        }
    }
    if (tabs > semicolons && tabs > commas)
        return '\t';
    if (semicolons > commas)
        return ';';
    return ',';
}

ListFormat DetectListFormat(std::string_view start) {
    // a UTF-16 list's separator is told from its text
    if (const ListEncoding wide = EncodingByMark(start); wide != ListEncoding::Utf8) {
        ListDecoder decoder(wide);
        ListFormat format = DetectListFormat(decoder.Text(start.substr(0, 1 << 16)));
        format.encoding = wide;
        return format;
    }
    ListFormat format;
    format.byteOrderMark = start.substr(0, 3) == "\xEF\xBB\xBF";
    if (format.byteOrderMark)
        start.remove_prefix(3);
    // blank lines before the header say nothing of the separator
    while (!start.empty()) {
        const std::size_t end = start.find('\n');
        const std::string_view line = start.substr(0, end);
        if (line.find_first_not_of(" \t\r") != std::string_view::npos || end == std::string_view::npos)
            break;
        start.remove_prefix(end + 1);
    }
    format.separator = DetectSeparator(start.substr(0, start.find_first_of("\r\n")));
    format.decimalComma = format.separator == ';';
    return format;
}

ListReadResult ReadListText(std::string_view text, const ListRecordSink& sink) {
    const EncodingVerdict verdict = ScanEncoding(text);
    if (!verdict.ok)
        return Refused(verdict);
    Parser parser(sink, verdict.encoding);
    ListDecoder decoder(verdict.encoding);
    parser.Feed(decoder.Text(text), true);
    return Conclude(parser);
}

ListReadResult ReadListFile(const std::string& fileName, const ListRecordSink& sink) {
    struct Closer {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };
    std::unique_ptr<std::FILE, Closer> file(fileName.empty() ? nullptr : std::fopen(fileName.c_str(), "rb"));
    if (!file) {
        ListReadResult failed;
        failed.message = fileName + ": cannot be opened (" + std::strerror(errno) + ")";
        return failed;
    }
    // the encoding is settled on the whole file before a record is handed on
    EncodingVerdict verdict;
    if (!ScanEncoding(file.get(), verdict)) {
        ListReadResult failed;
        failed.message = fileName + ": cannot be read";
        return failed;
    }
    if (!verdict.ok) {
        ListReadResult refused = Refused(verdict);
        refused.message = fileName + ": " + refused.message;
        return refused;
    }
    Parser parser(sink, verdict.encoding);
    ListDecoder decoder(verdict.encoding);
    std::string buffer(1 << 16, '\0');
    for (;;) {
        const std::size_t got = std::fread(buffer.data(), 1, buffer.size(), file.get());
        const bool last = got < buffer.size();
        if (last && std::ferror(file.get())) {
            ListReadResult failed = parser.result;
            failed.ok = false;
            failed.message = fileName + ": cannot be read";
            return failed;
        }
        if (!parser.Feed(decoder.Text(std::string_view(buffer.data(), got)), last) || last)
            break;
    }
    ListReadResult result = Conclude(parser);
    if (!result.ok && !result.message.empty())
        result.message = fileName + ": " + result.message;
    return result;
}

std::vector<std::string> ReadListHeader(const std::string& fileName, const std::string& sheet) {
    std::vector<std::string> header;
    const auto first = [&header](ListRecord&& record) {
        header = std::move(record.fields);
        return false;
    };
    if (ListFileTypeOf(fileName) == ListFileType::Text)
        ReadListFile(fileName, first);
    else
        ReadWorkbookFile(fileName, {sheet, DecimalMark::Point}, first);
    return header;
}
