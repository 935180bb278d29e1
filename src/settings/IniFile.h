#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// An INI text file held in memory: "[Section]" lines followed by "key=value" lines.
// Sections and keys are found regardless of ASCII case; values are kept as text.
// Reading accepts LF or CRLF line ends and UTF-8 or Windows-1252 (a file that is
// valid UTF-8 is UTF-8, anything else CP1252); writing produces CRLF and CP1252, the
// form the Windows installations read. Inside, every text is UTF-8.
//
// Writing a key that exists replaces its value in place; a new key goes to the end
// of its section and a new section to the end of the file, so keys this tool does
// not know survive a rewrite and a fresh file lists everything in the order written.
class IniFile {
public:
    IniFile() = default;
    explicit IniFile(std::filesystem::path path) : path_(std::move(path)) {}

    const std::filesystem::path& path() const { return path_; }
    void setPath(std::filesystem::path path) { path_ = std::move(path); }

    // No file of this tool comes near this size; a larger one is refused unread.
    static constexpr std::uintmax_t kMaxFileSize = 1024 * 1024;

    // Replaces the content with the file at path(); a missing file is an empty one.
    bool load(std::string& error);
    // Writes the whole content to path() through a temporary file and a rename.
    bool save(std::string& error) const;

    // Replaces the content with the text of a file (bytes as stored on disk).
    void parse(std::string_view bytes);
    // The bytes save() writes.
    std::string serialize() const;
    void clear()
    {
        sections_.clear();
        sectionIndex_.clear();
    }

    bool hasSection(std::string_view section) const;
    // The value's text; nullopt when the key is absent. A present empty value is "".
    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    std::string readString(std::string_view section, std::string_view key, std::string_view fallback) const;
    // A whole decimal integer (optional sign, blanks around it) that fits in 64 bits;
    // `fallback` when the key is absent or holds anything else.
    std::int64_t readInteger(std::string_view section, std::string_view key, std::int64_t fallback) const;
    // The same, `fallback` too when the integer does not fit an int.
    int readInt(std::string_view section, std::string_view key, int fallback) const;

    // Line breaks in a value are replaced by blanks: a value is one line.
    void writeString(std::string_view section, std::string_view key, std::string_view value);
    void writeInteger(std::string_view section, std::string_view key, std::int64_t value);

    // A whole decimal integer as readInteger takes it.
    static std::optional<std::int64_t> parseInteger(std::string_view text);
    // Spelt as a whole decimal integer (sign, digits, blanks around), of any size: the
    // text that parseInteger refuses only because it does not fit in 64 bits.
    static bool isIntegerText(std::string_view text);

    std::vector<std::string> sectionNames() const;
    std::vector<std::string> keys(std::string_view section) const;

private:
    struct Entry {
        std::string key;
        std::string value;
    };
    struct Section {
        std::string name;
        std::vector<Entry> entries;
        // Lower-case key -> index in entries, so reading and writing stay linear.
        std::unordered_map<std::string, std::size_t> index;
    };

    const Section* findSection(std::string_view name) const;
    Section& sectionForWrite(std::string_view name);
    static const Entry* findEntry(const Section& section, std::string_view key);

    std::filesystem::path path_;
    std::vector<Section> sections_;
    std::unordered_map<std::string, std::size_t> sectionIndex_;
};
