#pragma once

#include <string>

namespace qlxsim {

// The device's end of a pseudo-terminal. The other end (path()) is what the
// tool opens as its serial port. The simulator keeps that end open too, so the
// line survives the tool closing and reopening it.
class PtyPort {
public:
    // Throws std::runtime_error. With a non-empty `link`, a symbolic link to the
    // tool's end is made there (replacing an old link) and removed again on close.
    explicit PtyPort(const std::string& link);
    ~PtyPort();
    PtyPort(const PtyPort&) = delete;
    PtyPort& operator=(const PtyPort&) = delete;

    int fd() const { return master_; }
    const std::string& path() const { return path_; }
    const std::string& link() const { return link_; }
    // Line settings as the tool set them: baud rate and bits per character on the
    // wire. Linux pseudo-terminals clear PARENB, so parity never shows here.
    int baud() const;
    int bitsPerByte() const;

private:
    int master_ = -1;
    int slave_ = -1;
    std::string path_;
    std::string link_;
};

} // namespace qlxsim
