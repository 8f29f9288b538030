// Datasheet packages filled in by hand, as the list's package would give them: an everyday
// one, and one with the longest texts a list can bring, in English, Dutch, German and French.
#pragma once

#include "lists/list_package.h"

#include <string>
#include <vector>

enum class SampleLanguage { English, Dutch, German, French };

inline const std::vector<SampleLanguage> kSampleLanguages{SampleLanguage::English, SampleLanguage::Dutch,
                                                          SampleLanguage::German, SampleLanguage::French};

const char* LanguageName(SampleLanguage language);

// The frame in the language; with long, every project field, note and the place at their longest.
PackageFrame SampleFrame(SampleLanguage language, bool longTexts);

// The chart of 45 Nm at 5.5 bar from the shipped range, its title led by the tag.
TorqueChartData SampleChart(const std::string& tag);

// A spring-return valve sized with a chart, its third torque line the weakest.
TagPage EverydayPage(const std::string& tag);
// Twelve of the list's own columns with long headers and values, long names and statuses,
// many checks and warnings, headers in the language.
TagPage LongestPage(SampleLanguage language);
// A row that could not be sized: its valve's columns and why.
TagPage NotSizedPage(SampleLanguage language);

// A cover with lines summary lines ("FV-1001" on), every fourth not ok, and its materials.
PackageCover SampleCover(SampleLanguage language, int lines, bool longTexts);
