#include "app/FolderAppSettings.h"

#include <utility>

FolderAppSettings::FolderAppSettings(std::filesystem::path folder)
    : folder_(std::move(folder))
{
}

bool FolderAppSettings::load(std::string& error)
{
    return store_.load(record_, folder_, error);
}

bool FolderAppSettings::save(std::string& error)
{
    ++saves_;
    return store_.save(record_, folder_, error);
}
