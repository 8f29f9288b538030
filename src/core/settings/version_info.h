// ProjectRCVersion: the version information of the program, or of a language
// catalogue, by key. The about box composes its version line from it.
#pragma once

#include <functional>
#include <optional>
#include <string>

// Answers the value of a version key, or nothing when the block has no such key.
using VersionLookup = std::function<std::optional<std::string>(const std::string& key)>;

class ProjectRCVersion {
public:
    // shortName is "KAV" or "QU": the product keys carry it ("ProductNameKAV").
    ProjectRCVersion(VersionLookup lookup, std::string shortName);

    bool GetProductName(std::string& value) const;
    bool GetProductVersion(std::string& value) const;
    bool GetCopyright(std::string& value) const;
    bool GetSpecialBuild(std::string& value) const;

private:
    bool Query(const std::string& key, std::string& value) const;

    VersionLookup lookup_;
    std::string shortName_;
};

// The program's own version block, made at build time: "ProductVersion", "FileVersion",
// "InternalName", "LegalCopyright" and the other standard keys.
VersionLookup ProgramVersionBlock(bool pneumatic);

// The about box's version line: "%s %s %s" of product name, the template text and
// product version when the block has both product keys; the template text otherwise.
std::string AboutVersionLine(const ProjectRCVersion& info, const std::string& templateText);
