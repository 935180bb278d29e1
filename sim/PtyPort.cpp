#include "PtyPort.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <pty.h>
#include <stdexcept>
#include <termios.h>
#include <unistd.h>

namespace qlxsim {

namespace {

struct SpeedEntry {
    speed_t code;
    int baud;
};

constexpr SpeedEntry kSpeeds[] = {
    {B1200, 1200}, {B2400, 2400}, {B4800, 4800}, {B9600, 9600}, {B19200, 19200},
    {B38400, 38400}, {B57600, 57600}, {B115200, 115200}, {B230400, 230400},
};

} // namespace

PtyPort::PtyPort(const std::string& link)
{
    termios raw{};
    cfmakeraw(&raw);
    cfsetspeed(&raw, B9600);
    char name[256] = {};
    if (openpty(&master_, &slave_, name, &raw, nullptr) != 0)
        throw std::runtime_error(std::string("cannot open a pseudo-terminal: ") + std::strerror(errno));
    path_ = name;
    fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
    fcntl(master_, F_SETFD, FD_CLOEXEC);
    fcntl(slave_, F_SETFD, FD_CLOEXEC);
    if (!link.empty()) {
        unlink(link.c_str());
        if (symlink(path_.c_str(), link.c_str()) != 0) {
            const std::string why = std::strerror(errno);
            close(master_);
            close(slave_);
            throw std::runtime_error("cannot make the link " + link + ": " + why);
        }
        link_ = link;
    }
}

PtyPort::~PtyPort()
{
    if (!link_.empty())
        unlink(link_.c_str());
    close(slave_);
    close(master_);
}

int PtyPort::baud() const
{
    termios tio{};
    if (tcgetattr(slave_, &tio) != 0)
        return 9600;
    const speed_t speed = cfgetospeed(&tio);
    for (const auto& s : kSpeeds)
        if (s.code == speed)
            return s.baud;
    return 9600;
}

int PtyPort::bitsPerByte() const
{
    termios tio{};
    if (tcgetattr(slave_, &tio) != 0)
        return 10;
    int dataBits = 8;
    switch (tio.c_cflag & CSIZE) {
    case CS5: dataBits = 5; break;
    case CS6: dataBits = 6; break;
    case CS7: dataBits = 7; break;
    default: break;
    }
    const int parity = (tio.c_cflag & PARENB) ? 1 : 0;
    const int stop = (tio.c_cflag & CSTOPB) ? 2 : 1;
    return 1 + dataBits + parity + stop;
}

} // namespace qlxsim
