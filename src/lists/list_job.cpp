#include "lists/list_job.h"

#include "data/actuator_file.h"
#include "report/text_util.h"

#include <cstdio>
#include <fstream>
#include <memory>

namespace {

constexpr std::size_t kPneumaticLines = 18;
constexpr std::size_t kElectricLines = 11;
constexpr std::size_t kHeadLines = 5;

bool IsNumber(const std::string& text) {
    float value = 0;
    return ParseListNumber(text, false, value);
}

using ReadFunction = std::function<ListReadResult(const ListRecordSink&)>;

ListJobResult Run(const ReadFunction& read, const std::string& name, const ListFormat& format, ListSizer& sizer,
                  const ListHeaderSink& onHeader, const SizedRowSink& onRow) {
    ListJobResult result;
    result.format = format;
    bool header = true;
    const ListReadResult read_ = read([&](ListRecord&& record) {
        if (header) {
            header = false;
            std::string message;
            if (!sizer.SetHeader(record.fields, format, message)) {
                result.message = Format("%s: line %li: %s", name.c_str(), record.line, message.c_str());
                return false;
            }
            if (onHeader && !onHeader(sizer)) {
                result.cancelled = true;
                return false;
            }
            return true;
        }
        const unsigned long long offset = record.offset;
        SizedRow row = sizer.Size(std::move(record));
        ++result.rows;
        (row.status == RowStatus::Ok ? result.sized : row.status == RowStatus::NoFit ? result.noFit : result.errors)++;
        if (onRow && !onRow(std::move(row), offset)) {
            result.cancelled = true;
            return false;
        }
        return true;
    });
    if (!result.message.empty() || result.cancelled)
        return result;
    if (!read_.ok) {
        result.message = read_.message;
        return result;
    }
    result.ok = true;
    return result;
}

} // namespace

ActuatorKind DetectActuatorKind(const std::string& fileName, std::string& message) {
    message.clear();
    std::ifstream in(fileName, std::ios::binary);
    if (fileName.empty() || !in) {
        message = fileName + ": cannot be opened";
        return ActuatorKind::Unknown;
    }
    std::vector<std::string> lines;
    std::string line;
    // a range holds at most 255 records of 18 lines; more is not an actuator file
    const std::size_t limit = kHeadLines + actuator_file::kMaxRecords * kPneumaticLines + 64;
    while (lines.size() <= limit && std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    while (!lines.empty() && lines.back().find_first_not_of(" \t") == std::string::npos)
        lines.pop_back();
    const int declared = lines.size() > 1 ? TruncToInt(ParseDouble(lines[1])) : 0;
    if (lines.size() <= kHeadLines || declared < 1) {
        message = fileName + ": is not an actuator range (it names no records)";
        return ActuatorKind::Unknown;
    }
    const auto records = static_cast<std::size_t>(std::min(declared, actuator_file::kMaxRecords));
    const std::size_t body = lines.size() - kHeadLines;
    if (body == records * kPneumaticLines)
        return ActuatorKind::Pneumatic;
    if (body == records * kElectricLines)
        return ActuatorKind::Electric;
    // a file cut short: a pneumatic record names its spring-return model on its second
    // line, an electric one gives a torque there. A file longer than its records say is
    // something else (a valve database reads like that).
    if (body >= kElectricLines) {
        const bool torque = IsNumber(lines[kHeadLines + 1]);
        if (!torque && body >= kPneumaticLines && body < records * kPneumaticLines)
            return ActuatorKind::Pneumatic;
        if (torque && body < records * kElectricLines)
            return ActuatorKind::Electric;
    }
    message = fileName + ": is neither a pneumatic nor an electric actuator range";
    return ActuatorKind::Unknown;
}

ListJobResult SizeListText(std::string_view text, const std::string& name, ListSizer& sizer,
                           const ListHeaderSink& onHeader, const SizedRowSink& onRow) {
    const ReadFunction read = [text](const ListRecordSink& sink) { return ReadListText(text, sink); };
    ListJobResult result = Run(read, name, DetectListFormat(text), sizer, onHeader, onRow);
    if (!result.ok && !result.cancelled && result.message.rfind(name + ":", 0) != 0)
        result.message = name + ": " + result.message;
    return result;
}

ListJobResult SizeListFile(const std::string& fileName, ListSizer& sizer, const ListHeaderSink& onHeader,
                           const SizedRowSink& onRow) {
    // the separator is told by the first line, before the records are read
    ListFormat format;
    if (std::FILE* file = fileName.empty() ? nullptr : std::fopen(fileName.c_str(), "rb")) {
        std::string start(1 << 16, '\0');
        start.resize(std::fread(start.data(), 1, start.size(), file));
        std::fclose(file);
        format = DetectListFormat(start);
    }
    const ReadFunction read = [&fileName](const ListRecordSink& sink) { return ReadListFile(fileName, sink); };
    return Run(read, fileName, format, sizer, onHeader, onRow);
}
