#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// Writes `bytes` to a temporary file beside `path`, flushes it to disk and renames
// it over `path`, so a reader sees either the old file or the whole new one, never
// a half-written file. On failure returns false with a one-line reason naming the
// file in `error`, and the old file is untouched. Temporary files of the same name that
// an interrupted save left behind are removed first.
bool writeFileAtomically(const std::filesystem::path& path, std::string_view bytes, std::string& error);

// Whether writeFileAtomically could write `path` now (its folder takes a temporary
// file, and `path` is no folder), tried before a long download so that nothing read
// is lost to a wrong name. False with the same one-line reason; leaves nothing behind.
bool canWriteFileAtomically(const std::filesystem::path& path, std::string& error);

// The whole content of a file; false with a reason when it exists but cannot be read.
// A missing file is reported through `exists` = false and counts as success.
bool readWholeFile(const std::filesystem::path& path, std::string& bytes, bool& exists, std::string& error);
