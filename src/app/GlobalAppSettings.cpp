#include "app/GlobalAppSettings.h"

#include "settings/SettingsStore.h"

bool GlobalAppSettings::load(std::string& error)
{
    return LoadSettings(&error);
}

SettingsRecord& GlobalAppSettings::record()
{
    return Settings();
}

bool GlobalAppSettings::save(std::string& error)
{
    return SaveSettings(&error);
}
