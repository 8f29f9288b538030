#include "lists/workbook_archive.h"

#include "core/text/text_util.h"

#include <expat.h>
#include <zip.h>

#include <memory>
#include <vector>

namespace {

std::string_view LocalName(const char* name) {
    const std::string_view full(name);
    const std::size_t colon = full.rfind(':');
    return colon == std::string_view::npos ? full : full.substr(colon + 1);
}

struct ParseState {
    XML_Parser parser = nullptr;
    XmlPartHandler* handler = nullptr;
    bool doctype = false;
};

// expat may still report an element after a stop; the handler never hears of it
void XMLCALL OnStart(void* data, const XML_Char* name, const XML_Char** attributes) {
    auto* state = static_cast<ParseState*>(data);
    if (state->handler->stopped)
        return;
    state->handler->Start(LocalName(name), attributes);
    if (state->handler->stopped)
        XML_StopParser(state->parser, XML_FALSE);
}

void XMLCALL OnEnd(void* data, const XML_Char* name) {
    auto* state = static_cast<ParseState*>(data);
    if (state->handler->stopped)
        return;
    state->handler->End(LocalName(name));
    if (state->handler->stopped)
        XML_StopParser(state->parser, XML_FALSE);
}

void XMLCALL OnText(void* data, const XML_Char* text, int length) {
    auto* state = static_cast<ParseState*>(data);
    if (!state->handler->stopped && length > 0)
        state->handler->Text(std::string_view(text, static_cast<std::size_t>(length)));
}

// A workbook's parts never declare a document type; one that does may define entities
// that grow without end, so it is refused before any are read.
void XMLCALL OnDoctype(void* data, const XML_Char*, const XML_Char*, const XML_Char*, int) {
    auto* state = static_cast<ParseState*>(data);
    state->doctype = true;
    state->handler->Stop();
    XML_StopParser(state->parser, XML_FALSE);
}

struct ParserFree {
    void operator()(XML_Parser parser) const { XML_ParserFree(parser); }
};
struct FileClose {
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};

std::string ZipReason(zip_error_t* error) {
    return zip_error_strerror(error);
}

} // namespace

const char* XmlAttribute(const char** attributes, std::string_view name) {
    for (const char** a = attributes; a && a[0]; a += 2)
        if (LocalName(a[0]) == name)
            return a[1];
    return nullptr;
}

std::string ResolvePart(const std::string& from, const std::string& target) {
    std::string path;
    if (!target.empty() && target[0] == '/') {
        path = target.substr(1);
    } else {
        const std::size_t slash = from.rfind('/');
        path = (slash == std::string::npos ? std::string() : from.substr(0, slash + 1)) + target;
    }
    // "a/b/../c" is "a/c"; a step above the root stays at the root
    std::vector<std::string> steps;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find('/', start);
        if (end == std::string::npos)
            end = path.size();
        const std::string step = path.substr(start, end - start);
        if (step == "..") {
            if (!steps.empty())
                steps.pop_back();
        } else if (!step.empty() && step != ".") {
            steps.push_back(step);
        }
        start = end + 1;
    }
    std::string resolved;
    for (const std::string& step : steps)
        resolved += (resolved.empty() ? "" : "/") + step;
    return resolved;
}

WorkbookArchive::~WorkbookArchive() {
    if (zip_)
        zip_discard(zip_);
}

bool WorkbookArchive::Open(const std::string& fileName, std::string& reason) {
    int code = 0;
    zip_ = zip_open(fileName.c_str(), ZIP_RDONLY, &code);
    if (zip_)
        return true;
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    reason = ZipReason(&error);
    zip_error_fini(&error);
    return false;
}

bool WorkbookArchive::Has(const std::string& part) const {
    return zip_ && zip_name_locate(zip_, part.c_str(), 0) >= 0;
}

bool WorkbookArchive::ReadBytes(const std::string& part, std::size_t limit, std::string& bytes) const {
    bytes.clear();
    const zip_int64_t index = zip_ ? zip_name_locate(zip_, part.c_str(), 0) : -1;
    if (index < 0)
        return false;
    std::unique_ptr<zip_file_t, FileClose> file(zip_fopen_index(zip_, static_cast<zip_uint64_t>(index), 0));
    if (!file)
        return false;
    bytes.resize(limit);
    const zip_int64_t got = zip_fread(file.get(), bytes.data(), limit);
    bytes.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
    return got >= 0;
}

bool WorkbookArchive::ReadXml(const std::string& part, XmlPartHandler& handler, std::string& message) const {
    const zip_int64_t index = zip_ ? zip_name_locate(zip_, part.c_str(), 0) : -1;
    if (index < 0) {
        message = "the workbook lacks its part " + part;
        return false;
    }
    zip_stat_t stat;
    zip_stat_init(&stat);
    handler.partSize = zip_stat_index(zip_, static_cast<zip_uint64_t>(index), 0, &stat) == 0 &&
                               (stat.valid & ZIP_STAT_SIZE)
                           ? stat.size
                           : 0;
    handler.partRead = 0;
    std::unique_ptr<zip_file_t, FileClose> file(zip_fopen_index(zip_, static_cast<zip_uint64_t>(index), 0));
    if (!file) {
        message = "its part " + part + " cannot be taken out (" + ZipReason(zip_get_error(zip_)) + ")";
        return false;
    }
    std::unique_ptr<XML_ParserStruct, ParserFree> parser(XML_ParserCreate(nullptr));
    if (!parser) {
        message = "there is not enough memory to read it";
        return false;
    }
    ParseState state{parser.get(), &handler, false};
    XML_SetUserData(parser.get(), &state);
    XML_SetElementHandler(parser.get(), OnStart, OnEnd);
    XML_SetCharacterDataHandler(parser.get(), OnText);
    XML_SetStartDoctypeDeclHandler(parser.get(), OnDoctype);

    std::vector<char> buffer(1 << 16);
    for (;;) {
        const zip_int64_t got = zip_fread(file.get(), buffer.data(), buffer.size());
        if (got < 0) {
            message = "the workbook is damaged: its part " + part + " cannot be read (" +
                      ZipReason(zip_file_get_error(file.get())) + ")";
            return false;
        }
        handler.partRead += static_cast<unsigned long long>(got);
        const bool last = got == 0;
        if (XML_Parse(parser.get(), buffer.data(), static_cast<int>(got), last) != XML_STATUS_OK) {
            if (handler.stopped)
                break;
            message = Format("the workbook is damaged: its part %s is not well-formed at line %lu (%s)", part.c_str(),
                             static_cast<unsigned long>(XML_GetCurrentLineNumber(parser.get())),
                             XML_ErrorString(XML_GetErrorCode(parser.get())));
            return false;
        }
        if (last || handler.stopped)
            break;
    }
    if (state.doctype) {
        message = "the workbook is damaged: its part " + part + " declares a document type, which no workbook does";
        return false;
    }
    if (!handler.failure.empty()) {
        message = handler.failure;
        return false;
    }
    return true;
}
