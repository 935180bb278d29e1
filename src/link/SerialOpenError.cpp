#include "link/SerialOpenError.h"

#include <cerrno>
#include <cstring>

std::string serialFormatName(const SerialLinkSettings& s)
{
    static constexpr char kParity[] = {'N', 'E', 'O'};
    const char parity = s.parity < 3 ? kParity[s.parity] : '?';
    const char* stop = s.stopBits == 2 ? "2" : s.stopBits == 1 ? "1.5" : "1";
    return std::string("8") + parity + stop;
}

std::string describeSerialOpenError(int error, const SerialLinkSettings& settings)
{
    switch (error) {
    case 0: return "the port could not be opened";
    case EBUSY: return "port busy (another program is using it)";
    case EINVAL:
        return "the port does not accept " + serialFormatName(settings) + " at " + std::to_string(settings.baudRate)
            + " baud";
    case EACCES: return std::string(std::strerror(error)) + " (join the port's group, usually dialout)";
    case ENOTTY: return "not a serial port";
    default: return std::strerror(error);
    }
}
