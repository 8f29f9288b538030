// A workbook's archive: its parts are taken out of the zip with libzip and their XML is
// streamed through expat, element by element, so no part is ever held whole.
#pragma once

#include <string>
#include <string_view>

struct zip;

// Receives one XML part. Names come without their namespace prefix, so that a workbook
// written with other prefixes, or in the strict form, reads alike.
class XmlPartHandler {
public:
    virtual ~XmlPartHandler() = default;
    virtual void Start(std::string_view name, const char** attributes) = 0;
    virtual void End(std::string_view name) = 0;
    virtual void Text(std::string_view) {}

    // Stops the reading; with a failure when the part is wrong, without one when the
    // handler has what it wanted.
    void Stop(std::string failure = {}) {
        stopped = true;
        this->failure = std::move(failure);
    }
    bool stopped = false;
    std::string failure;
    // The part's bytes passed to the parser so far, and all of them (0 when unknown).
    unsigned long long partRead = 0;
    unsigned long long partSize = 0;
};

// The value of the attribute whose name, without its prefix, is name; null when absent.
const char* XmlAttribute(const char** attributes, std::string_view name);

// The path in the archive of a part that a relationship of the part from names: relative
// to from's folder, or from the archive's root when it starts with '/'.
std::string ResolvePart(const std::string& from, const std::string& target);

class WorkbookArchive {
public:
    WorkbookArchive() = default;
    ~WorkbookArchive();
    WorkbookArchive(const WorkbookArchive&) = delete;
    WorkbookArchive& operator=(const WorkbookArchive&) = delete;

    // False, with libzip's reason, when the file is no zip archive it can read.
    bool Open(const std::string& fileName, std::string& reason);
    bool Has(const std::string& part) const;
    // A small part's bytes, at most limit of them; false when it is missing or unreadable.
    bool ReadBytes(const std::string& part, std::size_t limit, std::string& bytes) const;
    // Streams the part through handler. False with a message naming the part when it is
    // missing, cannot be taken out, is not well-formed XML, or the handler stopped with a
    // failure; a handler that stops without one makes it true.
    bool ReadXml(const std::string& part, XmlPartHandler& handler, std::string& message) const;

private:
    zip* zip_ = nullptr;
};
