#include "settings/ProgramVersion.h"

std::uint16_t PackVersion(int major, int minor, int patch)
{
    return static_cast<std::uint16_t>(((major & 0xF) << 12) | ((minor & 0xF) << 8) | (patch & 0xFF));
}

std::uint16_t GetProgramVersion()
{
    return PackVersion(QLX700_VERSION_MAJOR, QLX700_VERSION_MINOR, QLX700_VERSION_PATCH);
}

std::string VersionToText(std::uint16_t version)
{
    return std::to_string(version >> 12) + "." + std::to_string((version >> 8) & 0xF) + "." + std::to_string(version & 0xFF);
}
