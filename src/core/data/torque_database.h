// TorqueDatabase: a valve torque database file. One file is one valve type; each page
// is a valve series with its factors, drawing number, data date, source and the break
// torque (Nm) of every valve size.
#pragma once

#include "core/report/textfile.h"

#include <string>
#include <vector>

struct ValveSize {
    float size = 0;
    float torque = 0; // Nm
};

struct ValvePage {
    int number = 0; // the page's position, counting from 1
    std::string name;
    std::string drawingNr;
    std::string dataDate;
    float safetyFactor = 0;
    float seatFactor = 0;
    float runFactor = 0;
    std::string from; // source of the torque data
    std::vector<ValveSize> sizes;

    int SizeCount() const { return static_cast<int>(sizes.size()); }
};

class TorqueDatabase {
public:
    static constexpr std::size_t kValveNameChars = 99;
    static constexpr std::size_t kPageNameChars = 79;
    static constexpr std::size_t kShortTextChars = 15; // drawing number, data date, source
    static constexpr std::size_t kLineChars = 79;

    explicit TorqueDatabase(std::string fileName);

    int Read();
    // Writes the whole database, to newFileName when one is given (which then becomes the
    // database's file). 1 on success; -1 when the file could not be written, in which case
    // the previous file is left as it was and the name is unchanged.
    int Write(const std::string& newFileName = {});

    bool DeletePage(int index);
    bool DeleteSize(int page, int index);

    const std::string& GetFileName() const { return file.GetName(); }
    int GetPageCount() const { return static_cast<int>(pages.size()); }
    // Usable for sizing: read cleanly and holds at least one page.
    bool IsUsable() const { return status == 0 && !pages.empty(); }

    // How a size, torque or factor is written: one decimal when that reads back to the
    // same value, otherwise the shortest text that does.
    static std::string ValueText(float value);

    int status = 0;
    std::string valveName;
    std::vector<ValvePage> pages;

private:
    Textfile file;
};
