#include "core/settings/version_info.h"

#include "core/settings/version_block.h"

#include <map>

ProjectRCVersion::ProjectRCVersion(VersionLookup lookup, std::string shortName)
    : lookup_(std::move(lookup)), shortName_(std::move(shortName)) {}

bool ProjectRCVersion::Query(const std::string& key, std::string& value) const {
    if (!lookup_)
        return false;
    std::optional<std::string> found = lookup_(key);
    if (!found)
        return false;
    value = *found;
    return true;
}

bool ProjectRCVersion::GetProductName(std::string& value) const {
    return Query("ProductName" + shortName_, value);
}

bool ProjectRCVersion::GetProductVersion(std::string& value) const {
    return Query("ProductVersion" + shortName_, value);
}

bool ProjectRCVersion::GetCopyright(std::string& value) const {
    return Query("LegalCopyright", value);
}

bool ProjectRCVersion::GetSpecialBuild(std::string& value) const {
    return Query("SpecialBuild", value);
}

VersionLookup ProgramVersionBlock(bool pneumatic) {
    const std::map<std::string, std::string> block{
        {"CompanyName", VN_VERSION_COMPANY},
        {"FileDescription", pneumatic ? "Pneumatic actuator sizing" : "Electric actuator sizing"},
        {"FileVersion", pneumatic ? VN_VERSION_PNEUMATIC : VN_VERSION_ELECTRIC},
        {"ProductVersion", pneumatic ? VN_VERSION_PNEUMATIC : VN_VERSION_ELECTRIC},
        {"ProductName", "Sizing & Engineering"},
        {"InternalName", "Sizing"},
        {"OriginalFilename", pneumatic ? "vnpneu" : "vnelec"},
        {"LegalCopyright", VN_VERSION_COPYRIGHT},
    };
    return [block](const std::string& key) -> std::optional<std::string> {
        auto it = block.find(key);
        if (it == block.end())
            return std::nullopt;
        return it->second;
    };
}

std::string AboutVersionLine(const ProjectRCVersion& info, const std::string& templateText) {
    std::string name, version;
    if (info.GetProductName(name) && info.GetProductVersion(version))
        return name + " " + templateText + " " + version;
    return templateText;
}
