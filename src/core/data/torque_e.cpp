#include "core/data/torque_e.h"

#include "core/data/actuator_file.h"

namespace {

TorqueEItem ParseRecord(const std::array<std::string, TorqueE::kLinesPerRecord>& l) {
    TorqueEItem it;
    it.model = CutToField(l[0], TorqueE::kModelChars);
    it.breakSeatTorque = ParseInt(l[1]);
    it.runTorque = ParseInt(l[2]);
    for (std::size_t k = 0; k < it.extra.size(); ++k)
        it.extra[k] = ParseFloat(l[3 + k]);
    return it;
}

} // namespace

TorqueE::TorqueE(std::string fileName) : file(std::move(fileName)) {
    status = Read();
}

TorqueE::TorqueE(std::string title_, std::vector<TorqueEItem> items_)
    : title(std::move(title_)), items(std::move(items_)), itemsPresent(true) {
    if (items.size() > static_cast<std::size_t>(actuator_file::kMaxRecords))
        items.resize(actuator_file::kMaxRecords);
}

int TorqueE::Read() {
    return actuator_file::Read<kLinesPerRecord>(file, title, items, itemsPresent, ParseRecord);
}

const TorqueEItem& TorqueE::Item(int i) const {
    static const TorqueEItem empty;
    return (i >= 0 && i < GetCount()) ? items[static_cast<std::size_t>(i)] : empty;
}
