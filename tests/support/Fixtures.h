#pragma once

#include <filesystem>

// The folder of the stored files the tests read (configuration and calibration files).
inline const std::filesystem::path kFixtures = std::filesystem::path(QLX700_SOURCE_DIR) / "tests" / "fixtures";
