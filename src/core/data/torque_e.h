// TorqueE: the electric actuator range of a "*.qu" file: per model the torque it
// delivers to break and seat a valve, and the torque it delivers while running.
#pragma once

#include "core/report/textfile.h"

#include <array>
#include <string>
#include <vector>

struct TorqueEItem {
    std::string model; // at most 15 characters
    int breakSeatTorque = 0;
    int runTorque = 0;
    std::array<float, 8> extra{}; // kept with the record; nothing reads them
};

class TorqueE {
public:
    static constexpr std::size_t kLinesPerRecord = 11;
    static constexpr std::size_t kModelChars = 15;

    explicit TorqueE(std::string fileName);
    TorqueE(std::string title, std::vector<TorqueEItem> items);

    int Read();

    int GetCount() const { return static_cast<int>(items.size()); }
    const std::string& GetTitle() const { return title; }
    int GetStatus() const { return status; }
    bool HasItems() const { return itemsPresent; }
    const std::string& GetFileName() const { return file.GetName(); }

    const TorqueEItem& Item(int i) const;
    const std::string& GetModel(int i) const { return Item(i).model; }

private:
    std::string title;
    std::vector<TorqueEItem> items;
    bool itemsPresent = false;
    int status = 0;
    Textfile file;
};
