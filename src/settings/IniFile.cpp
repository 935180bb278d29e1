#include "settings/IniFile.h"

#include "settings/AtomicFile.h"
#include "settings/TextEncoding.h"

#include <charconv>
#include <limits>

namespace {

// Names are found regardless of ASCII case.
std::string lowered(std::string_view name)
{
    std::string out(name);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

std::string_view trim(std::string_view s)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return s;
}

std::string oneLine(std::string_view text)
{
    std::string out(text);
    for (char& c : out) {
        if (c == '\r' || c == '\n')
            c = ' ';
    }
    return out;
}

} // namespace

std::optional<std::int64_t> IniFile::parseInteger(std::string_view text)
{
    text = trim(text);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-')
            return std::nullopt;
    }
    std::int64_t v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v, 10);
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return v;
}

bool IniFile::isIntegerText(std::string_view text)
{
    text = trim(text);
    if (!text.empty() && (text.front() == '+' || text.front() == '-'))
        text.remove_prefix(1);
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

bool IniFile::load(std::string& error)
{
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(path_, ec);
    if (!ec && size > kMaxFileSize) {
        error = path_.string() + " is larger than 1 MiB; it is not a file of this tool";
        return false;
    }
    std::string bytes;
    bool exists = false;
    if (!readWholeFile(path_, bytes, exists, error))
        return false;
    parse(bytes);
    return true;
}

bool IniFile::save(std::string& error) const
{
    return writeFileAtomically(path_, serialize(), error);
}

void IniFile::parse(std::string_view bytes)
{
    clear();
    constexpr std::string_view kBom = "\xEF\xBB\xBF";
    if (bytes.starts_with(kBom))
        bytes.remove_prefix(kBom.size());
    const std::string text = isValidUtf8(bytes) ? std::string(bytes) : cp1252ToUtf8(bytes);

    Section* current = nullptr;
    std::string_view rest = text;
    while (!rest.empty()) {
        const std::size_t eol = rest.find('\n');
        std::string_view raw = rest.substr(0, eol);
        rest.remove_prefix(eol == std::string_view::npos ? rest.size() : eol + 1);
        if (!raw.empty() && raw.back() == '\r')
            raw.remove_suffix(1);
        // A stray carriage return inside a line is a blank, as it will be written.
        const std::string whole = oneLine(raw);
        const std::string_view line = trim(whole);
        if (line.empty() || line.front() == ';' || line.front() == '#')
            continue;
        if (line.front() == '[') {
            const std::size_t close = line.find(']');
            const std::string_view name = trim(line.substr(1, close == std::string_view::npos ? line.size() - 1 : close - 1));
            current = &sectionForWrite(name);
            continue;
        }
        const std::size_t eq = line.find('=');
        if (current == nullptr || eq == std::string_view::npos)
            continue;
        const std::string_view key = trim(line.substr(0, eq));
        if (key.empty())
            continue;
        // As with the Windows profile functions, the first of two equal keys wins.
        if (current->index.emplace(lowered(key), current->entries.size()).second)
            current->entries.push_back({std::string(key), std::string(trim(line.substr(eq + 1)))});
    }
}

std::string IniFile::serialize() const
{
    std::string out;
    bool first = true;
    for (const Section& s : sections_) {
        if (!first)
            out += "\r\n";
        first = false;
        out += "[" + s.name + "]\r\n";
        for (const Entry& e : s.entries)
            out += e.key + "=" + e.value + "\r\n";
    }
    return utf8ToCp1252(out);
}

const IniFile::Section* IniFile::findSection(std::string_view name) const
{
    const auto it = sectionIndex_.find(lowered(name));
    return it == sectionIndex_.end() ? nullptr : &sections_[it->second];
}

IniFile::Section& IniFile::sectionForWrite(std::string_view name)
{
    std::string clean = oneLine(name);
    const auto [it, added] = sectionIndex_.emplace(lowered(clean), sections_.size());
    if (added)
        sections_.push_back({std::move(clean), {}, {}});
    return sections_[it->second];
}

const IniFile::Entry* IniFile::findEntry(const Section& section, std::string_view key)
{
    const auto it = section.index.find(lowered(key));
    return it == section.index.end() ? nullptr : &section.entries[it->second];
}

bool IniFile::hasSection(std::string_view section) const
{
    return findSection(section) != nullptr;
}

std::optional<std::string> IniFile::value(std::string_view section, std::string_view key) const
{
    if (const Section* s = findSection(section)) {
        if (const Entry* e = findEntry(*s, key))
            return e->value;
    }
    return std::nullopt;
}

std::string IniFile::readString(std::string_view section, std::string_view key, std::string_view fallback) const
{
    auto v = value(section, key);
    return v ? std::move(*v) : std::string(fallback);
}

std::int64_t IniFile::readInteger(std::string_view section, std::string_view key, std::int64_t fallback) const
{
    const auto v = value(section, key);
    if (!v)
        return fallback;
    return parseInteger(*v).value_or(fallback);
}

int IniFile::readInt(std::string_view section, std::string_view key, int fallback) const
{
    const std::int64_t v = readInteger(section, key, fallback);
    return v < std::numeric_limits<int>::min() || v > std::numeric_limits<int>::max() ? fallback : static_cast<int>(v);
}

void IniFile::writeString(std::string_view section, std::string_view key, std::string_view value)
{
    Section& s = sectionForWrite(section);
    std::string cleanKey = oneLine(key);
    const auto [it, added] = s.index.emplace(lowered(cleanKey), s.entries.size());
    if (added)
        s.entries.push_back({std::move(cleanKey), oneLine(value)});
    else
        s.entries[it->second].value = oneLine(value);
}

void IniFile::writeInteger(std::string_view section, std::string_view key, std::int64_t value)
{
    writeString(section, key, std::to_string(value));
}

std::vector<std::string> IniFile::sectionNames() const
{
    std::vector<std::string> names;
    for (const Section& s : sections_)
        names.push_back(s.name);
    return names;
}

std::vector<std::string> IniFile::keys(std::string_view section) const
{
    std::vector<std::string> names;
    if (const Section* s = findSection(section)) {
        for (const Entry& e : s->entries)
            names.push_back(e.key);
    }
    return names;
}
