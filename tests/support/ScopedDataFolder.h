#pragma once

#include "support/TempFolder.h"

#include <cstdlib>
#include <optional>
#include <string>

// The tool's data folder (QLX700_DATA_DIR) pointed at a fresh temporary folder for the
// test's lifetime; the previous setting comes back afterwards.
class ScopedDataFolder {
public:
    ScopedDataFolder()
    {
        if (const char* old = std::getenv("QLX700_DATA_DIR"))
            old_ = old;
        setenv("QLX700_DATA_DIR", folder.path().c_str(), 1);
    }
    ~ScopedDataFolder()
    {
        if (old_)
            setenv("QLX700_DATA_DIR", old_->c_str(), 1);
        else
            unsetenv("QLX700_DATA_DIR");
    }
    ScopedDataFolder(const ScopedDataFolder&) = delete;
    ScopedDataFolder& operator=(const ScopedDataFolder&) = delete;

    TempFolder folder;

private:
    std::optional<std::string> old_;
};
