#include "link/LinkError.h"

std::string describeLinkError(const LinkError& e)
{
    switch (e.fault) {
    case LinkFault::None: return "no error";
    case LinkFault::NotConnected: return "not connected";
    case LinkFault::Busy: return "the link is busy with another request";
    case LinkFault::SendFailed: return "the request could not be sent";
    case LinkFault::Timeout: return "time-out (no answer)";
    case LinkFault::BadCrc: return "bad CRC";
    case LinkFault::Exception: return "exception " + std::to_string(e.code);
    case LinkFault::ShortReply: return "short reply (" + std::to_string(e.value) + " register(s) of " + std::to_string(e.code) + ")";
    case LinkFault::WrongReply: return "a reply that does not answer the request";
    case LinkFault::Refused: return "refused write (status " + std::to_string(e.code) + ")";
    case LinkFault::BadByteCount: return "bad byte count";
    case LinkFault::OversizeDatagram: return "oversize datagram (" + std::to_string(e.value) + " bytes)";
    case LinkFault::BadFrameLength: return "a frame with an impossible length";
    case LinkFault::ReadBackDiffers:
        return "read-back differs (register " + std::to_string(e.reg) + " holds " + std::to_string(e.value) + ")";
    // `code` is the errno the close came with: none when the device closed in order.
    case LinkFault::ConnectionLost: return e.code == 0 ? "connection closed by the device" : "connection reset";
    }
    return "unknown error";
}

bool worthRepeatingRead(LinkFault fault)
{
    return fault == LinkFault::Timeout || fault == LinkFault::BadCrc || fault == LinkFault::ShortReply
        || fault == LinkFault::WrongReply || fault == LinkFault::BadByteCount || fault == LinkFault::OversizeDatagram
        || fault == LinkFault::BadFrameLength;
}
