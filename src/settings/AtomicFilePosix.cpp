#include "settings/AtomicFile.h"

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string reason(const std::string& what, const std::filesystem::path& path, int err)
{
    return what + " " + path.string() + ": " + std::strerror(err);
}

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// mkstemp's six letters and digits after the file's own hidden name.
bool isTemporaryOf(const std::string& entry, const std::string& prefix)
{
    if (entry.size() != prefix.size() + 6 || entry.compare(0, prefix.size(), prefix) != 0)
        return false;
    for (std::size_t i = prefix.size(); i < entry.size(); ++i) {
        const char c = entry[i];
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')))
            return false;
    }
    return true;
}

// A save that was killed leaves its temporary file behind. Each writer holds a lock
// on its own until it is renamed, so one that can be locked belongs to nobody.
void removeStrayTemporaries(const std::filesystem::path& folder, const std::string& prefix)
{
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr)
        return;
    while (const dirent* e = ::readdir(dir)) {
        const std::string entry = e->d_name;
        if (!isTemporaryOf(entry, prefix))
            continue;
        const std::string path = (folder / entry).string();
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
        if (fd < 0)
            continue;
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlink(path.c_str());
        ::close(fd);
    }
    ::closedir(dir);
}

std::filesystem::path folderOf(const std::filesystem::path& path)
{
    return path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
}

// The hidden name a temporary file of `path` starts with.
std::string temporaryPrefix(const std::filesystem::path& path)
{
    // Appended, not a literal + string: GCC 12 warns falsely (-Wrestrict) on that at -O2.
    return std::string(1, '.').append(path.filename().string()).append(1, '.');
}

} // namespace

bool canWriteFileAtomically(const std::filesystem::path& path, std::string& error)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) {
        error = reason("cannot write", path, EISDIR);
        return false;
    }
    std::string probe = (folderOf(path) / (temporaryPrefix(path) + "XXXXXX")).string();
    const int fd = ::mkstemp(probe.data());
    if (fd < 0) {
        error = reason("cannot write", path, errno);
        return false;
    }
    ::close(fd);
    ::unlink(probe.c_str());
    return true;
}

bool writeFileAtomically(const std::filesystem::path& path, std::string_view bytes, std::string& error)
{
    const std::filesystem::path folder = folderOf(path);
    const std::string prefix = temporaryPrefix(path);
    removeStrayTemporaries(folder, prefix);
    std::string pattern = (folder / (prefix + "XXXXXX")).string();
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) {
        error = reason("cannot write", path, errno);
        return false;
    }
    ::flock(fd, LOCK_EX);
    // mkstemp creates the file for the owner only; give it the usual permissions.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
    const bool written = writeAll(fd, bytes) && ::fsync(fd) == 0;
    const int writeErrno = errno;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed) {
        ::unlink(pattern.c_str());
        error = reason("cannot write", path, written ? errno : writeErrno);
        return false;
    }
    if (::rename(pattern.c_str(), path.c_str()) != 0) {
        const int renameErrno = errno;
        ::unlink(pattern.c_str());
        error = reason("cannot replace", path, renameErrno);
        return false;
    }
    return true;
}

bool readWholeFile(const std::filesystem::path& path, std::string& bytes, bool& exists, std::string& error)
{
    bytes.clear();
    exists = false;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT)
            return true;
        error = reason("cannot read", path, errno);
        return false;
    }
    exists = true;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            error = reason("cannot read", path, errno);
            ::close(fd);
            return false;
        }
        if (n == 0)
            break;
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return true;
}
