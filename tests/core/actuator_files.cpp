#include "actuator_files.h"

#include "core/text/text_util.h"
#include "test_support.h"

std::vector<std::string> KavRecordLines(const TorqueTItem& it) {
    auto f = [](float v) { return ShortestFloat(v); };
    return {it.daModel,
            it.srModel,
            std::to_string(it.size),
            f(it.daOffset),
            f(it.daPerBar),
            f(it.springStartPerSpring),
            f(it.springEndPerSpring),
            f(it.srAirPerBar),
            f(it.srAirOffset),
            f(it.airStartPerSpring),
            f(it.airEndPerSpring),
            "0",
            f(it.airVolume),
            f(it.springSlopeFailClose),
            f(it.springSlopeFailOpen),
            f(it.springIntercept),
            std::to_string(it.maxSprings),
            std::to_string(it.springsPerStep)};
}

std::string KavFile(const std::string& title, const std::string& countLine, const std::vector<TorqueTItem>& items) {
    std::vector<std::string> lines{title, countLine, "skip", "skip", "skip"};
    for (const TorqueTItem& it : items)
        for (const std::string& l : KavRecordLines(it))
            lines.push_back(l);
    return CrLf(lines);
}

std::string QuFile(const std::string& title, const std::string& countLine, const std::vector<TorqueEItem>& items) {
    std::vector<std::string> lines{title, countLine, "skip", "skip", "skip"};
    for (const TorqueEItem& it : items) {
        lines.push_back(it.model);
        lines.push_back(std::to_string(it.breakSeatTorque));
        lines.push_back(std::to_string(it.runTorque));
        for (float v : it.extra)
            lines.push_back(ShortestFloat(v));
    }
    return CrLf(lines);
}

TorqueTItem SampleItem(int size, float daPerBar, int maxSprings, int springsPerStep) {
    TorqueTItem it;
    it.daModel = "TDA";
    it.srModel = "TSR";
    it.size = size;
    it.daPerBar = daPerBar;
    it.daOffset = daPerBar * 0.1f;
    it.srAirPerBar = daPerBar;
    it.srAirOffset = daPerBar * 0.1f;
    it.springEndPerSpring = daPerBar * 0.45f;
    it.springStartPerSpring = daPerBar * 0.7f;
    it.airStartPerSpring = it.springEndPerSpring;
    it.airEndPerSpring = it.springStartPerSpring;
    it.airVolume = daPerBar * 0.02f;
    it.springSlopeFailClose = 1.0f;
    it.springSlopeFailOpen = 1.0f;
    it.springIntercept = 0.0f;
    it.maxSprings = maxSprings;
    it.springsPerStep = springsPerStep;
    return it;
}
