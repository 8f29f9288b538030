#include "lists/record_spool.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

// A record is kept as its line, offset and field count, then every field as a flag byte
// (a number cell or not), its length and its bytes.
template <class T> void Append(std::string& out, T value) {
    char bytes[sizeof value];
    std::memcpy(bytes, &value, sizeof value);
    out.append(bytes, sizeof value);
}

template <class T> bool Take(std::FILE* file, T& value) {
    return std::fread(&value, sizeof value, 1, file) == 1;
}

} // namespace

RecordSpool::RecordSpool() : file_(std::tmpfile()) {
    if (file_)
        std::setvbuf(file_, nullptr, _IOFBF, 1 << 20);
}

RecordSpool::~RecordSpool() {
    if (file_)
        std::fclose(file_);
}

bool RecordSpool::Put(const ListRecord& record) {
    if (!Usable())
        return false;
    buffer_.clear();
    Append(buffer_, static_cast<long long>(record.line));
    Append(buffer_, record.offset);
    Append(buffer_, static_cast<std::uint64_t>(record.fields.size()));
    for (std::size_t i = 0; i < record.fields.size(); ++i) {
        const bool number = i < record.numeric.size() && record.numeric[i];
        buffer_ += number ? '\1' : '\0';
        Append(buffer_, static_cast<std::uint64_t>(record.fields[i].size()));
        buffer_ += record.fields[i];
    }
    failed_ = std::fwrite(buffer_.data(), 1, buffer_.size(), file_) != buffer_.size();
    return !failed_;
}

ListReadResult RecordSpool::Replay(DecimalMark mark, const ListReadResult& first, const ListRecordSink& sink) {
    ListReadResult result;
    result.format = first.format;
    if (!Usable() || std::fflush(file_) != 0 || std::fseek(file_, 0, SEEK_SET) != 0) {
        result.message = "the list's temporary copy cannot be read back";
        return result;
    }
    for (long n = 0; n < first.records; ++n) {
        ListRecord record;
        long long line = 0;
        std::uint64_t count = 0;
        bool read = Take(file_, line) && Take(file_, record.offset) && Take(file_, count);
        record.line = static_cast<long>(line);
        for (std::uint64_t i = 0; read && i < count; ++i) {
            char number = 0;
            std::uint64_t size = 0;
            read = Take(file_, number) && Take(file_, size);
            std::string field(read ? size : 0, '\0');
            read = read && std::fread(field.data(), 1, field.size(), file_) == field.size();
            // kept with the point: the shortest text of the number, so one mark stands in it
            if (number && mark == DecimalMark::Comma)
                std::replace(field.begin(), field.end(), '.', ',');
            record.fields.push_back(std::move(field));
            record.numeric.push_back(number != 0);
        }
        if (!read) {
            result.message = "the list's temporary copy cannot be read back";
            return result;
        }
        ++result.records;
        if (!sink(std::move(record)))
            return result;
    }
    result.ok = true;
    return result;
}
