// TorqueT: the pneumatic actuator range of a "*.kav" file, with the torque formulas.
// Every torque is in Nm, every pressure in bar, all in single precision.
#pragma once

#include "core/report/textfile.h"

#include <string>
#include <vector>

struct TorqueTItem {
    std::string daModel; // at most 5 characters
    std::string srModel;
    int size = 0;
    float daOffset = 0;
    float daPerBar = 0;
    float springStartPerSpring = 0;
    float springEndPerSpring = 0;
    float srAirPerBar = 0;
    float srAirOffset = 0;
    float airStartPerSpring = 0;
    float airEndPerSpring = 0;
    float airVolume = 0; // litres per stroke
    float springSlopeFailClose = 0;
    float springSlopeFailOpen = 0;
    float springIntercept = 0;
    int maxSprings = 0;
    int springsPerStep = 0;
};

class TorqueT {
public:
    static constexpr std::size_t kLinesPerRecord = 18;
    static constexpr std::size_t kModelChars = 5;

    // Reads the file; never fails. Callers look at HasItems, GetCount and GetStatus.
    explicit TorqueT(std::string fileName);
    // A range held in memory only (status 0).
    TorqueT(std::string title, std::vector<TorqueTItem> items);

    int Read();

    int GetCount() const { return static_cast<int>(items.size()); }
    const std::string& GetTitle() const { return title; }
    int GetStatus() const { return status; }
    // False when the file did not get as far as its records.
    bool HasItems() const { return itemsPresent; }
    const std::string& GetFileName() const { return file.GetName(); }

    // The record at i; out-of-range indices give an empty record instead of a crash.
    const TorqueTItem& Item(int i) const;
    const std::string& GetDaModel(int i) const { return Item(i).daModel; }
    const std::string& GetSrModel(int i) const { return Item(i).srModel; }
    int GetSize(int i) const { return Item(i).size; }

    // Each of these returns false and leaves its outputs alone for an index outside the range.
    bool DaTorque(int i, float p, float& torque) const;
    bool SrTorque(int i, float n, float p, float& airStart, float& airEnd, float& springStart, float& springEnd) const;
    // The spring count estimated from the pressure, moved by a whole offset. The last
    // argument is accepted for callers that pass it and has no effect.
    bool SrTorqueWithOffset(int i, float p, int action, int offset, float& airStart, float& airEnd, float& springStart,
                            float& springEnd, int& springSet, float unused = 0.2f) const;
    // Sets seconds to 0 first, whatever the index.
    bool StrokeTime(int i, float p, float kv, float& seconds) const;
    bool AirTankDrop(int i, int k, float p0, float tankVolume, float& p, float& torque) const;

private:
    bool Valid(int i) const { return i >= 0 && i < GetCount(); }

    std::string title;
    std::vector<TorqueTItem> items;
    bool itemsPresent = false;
    int status = 0;
    Textfile file;
};
