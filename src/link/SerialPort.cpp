#include "link/SerialPort.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <termios.h>
#include <unistd.h>
#include <utility>

namespace {

constexpr std::array<std::pair<std::int32_t, speed_t>, 23> kSpeeds{{
    {50, B50}, {75, B75}, {110, B110}, {134, B134}, {150, B150}, {200, B200},
    {300, B300}, {600, B600}, {1200, B1200}, {1800, B1800}, {2400, B2400},
    {4800, B4800}, {9600, B9600}, {19200, B19200}, {38400, B38400},
    {57600, B57600}, {115200, B115200}, {230400, B230400}, {460800, B460800},
    {500000, B500000}, {921600, B921600}, {1000000, B1000000}, {2000000, B2000000},
}};

bool speedCode(std::int32_t baud, speed_t& code)
{
    for (const auto& [rate, value] : kSpeeds) {
        if (rate == baud) {
            code = value;
            return true;
        }
    }
    return false;
}

constexpr tcflag_t kParityBits = PARENB | PARODD;

// Unix98 pseudo-terminal slaves (majors 136..143) have no line, and their driver
// drops any parity setting.
bool isPseudoTerminal(int fd)
{
    struct stat st{};
    return fstat(fd, &st) == 0 && major(st.st_rdev) >= 136 && major(st.st_rdev) <= 143;
}

bool sameSettings(const termios& want, const termios& got, bool checkParity)
{
    const tcflag_t mask = CSIZE | CSTOPB | CRTSCTS | (checkParity ? kParityBits : 0);
    return cfgetispeed(&want) == cfgetispeed(&got) && cfgetospeed(&want) == cfgetospeed(&got)
        && (want.c_cflag & mask) == (got.c_cflag & mask)
        && (want.c_iflag & (IXON | IXOFF)) == (got.c_iflag & (IXON | IXOFF));
}

} // namespace

double characterBits(const SerialLinkSettings& settings)
{
    // A code the driver decides (1.5 stop bits, unknown codes) counts as the longer
    // character, so the silence before a request is never too short.
    const double parity = settings.parity == 0 ? 0.0 : 1.0;
    const double stop = settings.stopBits == 0 ? 1.0 : 2.0;
    return 1.0 + 8.0 + parity + stop;
}

bool isSupportedBaudRate(std::int32_t baud)
{
    speed_t code = B0;
    return speedCode(baud, code);
}

void applySerialSettings(termios& t, speed_t speed, const SerialLinkSettings& s)
{
    const tcflag_t driverParity = t.c_cflag & kParityBits;
    cfmakeraw(&t);
    t.c_cflag = (t.c_cflag & ~kParityBits) | driverParity;
    cfsetispeed(&t, speed);
    cfsetospeed(&t, speed);
    t.c_cflag &= ~CSIZE;
    t.c_cflag |= CS8 | CLOCAL | CREAD;
    t.c_cflag &= ~CRTSCTS;
    t.c_iflag &= ~(IXON | IXOFF | IXANY | INPCK);
    switch (s.parity) {
    case 0: t.c_cflag &= ~kParityBits; break;
    case 1: t.c_cflag = (t.c_cflag & ~PARODD) | PARENB; break;
    case 2: t.c_cflag |= kParityBits; break;
    default: break;
    }
    switch (s.stopBits) {
    case 0: t.c_cflag &= ~CSTOPB; break;
    case 2: t.c_cflag |= CSTOPB; break;
    default: break; // 1.5 stop bits do not exist here; keep the driver's setting.
    }
    t.c_cc[VMIN] = 0;
    t.c_cc[VTIME] = 0;
}

SerialPort::SerialPort(EventPump& pump)
    : pump_(pump)
{
}

SerialPort::~SerialPort()
{
    close();
}

bool SerialPort::open(const std::string& path, const SerialLinkSettings& settings)
{
    close();
    static constexpr int kPausesMs[] = {500, 1000};
    for (int attempt = 0;; ++attempt) {
        if (tryOpen(path, settings))
            return true;
        // A speed or character format the port refuses will not change by waiting.
        if (attempt == 2 || lastOpenError_ == EINVAL || lastOpenError_ == ENOTTY)
            return false;
        pump_.sleepUntil(deadlineAfter(std::chrono::milliseconds(kPausesMs[attempt])));
    }
}

bool SerialPort::tryOpen(const std::string& path, const SerialLinkSettings& settings)
{
    speed_t speed = B0;
    if (settings.baudRate < 0 || !speedCode(settings.baudRate, speed)) {
        lastOpenError_ = EINVAL;
        return false;
    }
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        lastOpenError_ = errno;
        return false;
    }
    termios current{};
    if (!isatty(fd) || tcgetattr(fd, &current) != 0) {
        lastOpenError_ = ENOTTY;
        ::close(fd);
        return false;
    }
    // TIOCEXCL keeps other users out but not root; the advisory lock keeps out every
    // copy of this tool, whoever runs it.
    if (flock(fd, LOCK_EX | LOCK_NB) != 0 || ioctl(fd, TIOCEXCL) != 0) {
        lastOpenError_ = errno == EWOULDBLOCK ? EBUSY : errno;
        ::close(fd);
        return false;
    }
    termios wanted = current;
    applySerialSettings(wanted, speed, settings);
    termios applied{};
    if (tcsetattr(fd, TCSANOW, &wanted) != 0 || tcgetattr(fd, &applied) != 0 || !sameSettings(wanted, applied, !isPseudoTerminal(fd))) {
        lastOpenError_ = EINVAL;
        ::close(fd);
        return false;
    }
    // Whatever the device sent before this open belongs to someone else's exchange.
    tcflush(fd, TCIOFLUSH);
    // The device is not powered from the control lines; leave DTR and RTS low.
    // A pseudo-terminal has no modem lines, so a refusal here is not an error.
    int lines = TIOCM_DTR | TIOCM_RTS;
    ioctl(fd, TIOCMBIC, &lines);
    fd_ = fd;
    lastOpenError_ = 0;
    baudRate_ = settings.baudRate;
    characterTime_ = Seconds{characterBits(settings) / std::max(settings.baudRate, 1)};
    // What the line carried before the open is unknown: count the open as its last byte.
    heard();
    return true;
}

void SerialPort::close()
{
    if (fd_ >= 0) {
        ioctl(fd_, TIOCNXCL);
        ::close(fd_);
        fd_ = -1;
    }
}

Seconds SerialPort::frameGap() const
{
    return baudRate_ > 19200 ? Seconds{0.00175} : 3.5 * characterTime_;
}

bool SerialPort::write(const std::uint8_t* data, std::size_t length)
{
    if (fd_ < 0)
        return false;
    const Deadline deadline = deadlineAfter(std::chrono::seconds(2));
    std::size_t written = 0;
    while (written < length) {
        const ssize_t n = ::write(fd_, data + written, length - written);
        if (n > 0) {
            written += static_cast<std::size_t>(n);
            // The last of these bytes leaves the wire a character time per byte later.
            lastActivity_ = deadlineAfter(static_cast<double>(n) * characterTime_);
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)
            return false;
        if (n < 0 && errno == EINTR)
            continue;
        if (!(pump_.waitReady(fd_, POLLOUT, deadline) & POLLOUT))
            return false;
    }
    return true;
}

std::size_t SerialPort::read(std::uint8_t* buffer, std::size_t capacity, std::size_t wanted, Deadline deadline)
{
    if (fd_ < 0)
        return 0;
    capacity = std::min(capacity, kMaxRead);
    wanted = std::min(wanted, capacity);
    std::size_t received = 0;
    bool emptyOnce = false;
    // Wait first: right after a request nothing is there yet, and a reply that is
    // already waiting makes the poll return at once. Each read then takes all that
    // arrived, so a whole reply costs one wake-up and one read.
    while (received < wanted) {
        if (!(pump_.waitReady(fd_, POLLIN, deadline) & (POLLIN | POLLHUP | POLLERR)))
            break;
        const ssize_t n = ::read(fd_, buffer + received, capacity - received);
        if (n > 0) {
            received += static_cast<std::size_t>(n);
            heard();
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        // Ready but nothing to read, twice: the other end hung up; do not spin to
        // the deadline.
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK) && !emptyOnce) {
            emptyOnce = true;
            continue;
        }
        break;
    }
    return received;
}

void SerialPort::drain(Seconds quiet)
{
    if (fd_ < 0)
        return;
    std::uint8_t scratch[256];
    // At most a few rounds: a line that never falls quiet is no reason to hang.
    for (int round = 0; round < 16; ++round) {
        const Deadline quietFrom = lastActivity_ + std::chrono::duration_cast<LinkClock::duration>(quiet);
        // A line quiet long enough costs one poll that returns at once.
        const Deadline until = quiet <= Seconds::zero() ? LinkClock::now() : quietFrom;
        if (!(pump_.waitReady(fd_, POLLIN, until) & POLLIN))
            return;
        for (;;) {
            const ssize_t n = ::read(fd_, scratch, sizeof scratch);
            if (n > 0) {
                heard();
                continue;
            }
            if (n < 0 && errno == EINTR)
                continue;
            break;
        }
        if (quiet <= Seconds::zero())
            return;
    }
}
