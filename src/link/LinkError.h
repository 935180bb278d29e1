#pragma once

#include <string>

// Why the last transaction of the link failed, for messages that name the cause.
// Link operations still answer with a boolean; this is what the caller may add.
enum class LinkFault {
    None,
    NotConnected,
    Busy,           // another transaction of this link is waiting
    SendFailed,
    Timeout,        // no answer within the time-out
    BadCrc,         // only frames with a wrong CRC arrived
    Exception,      // Modbus exception `code`
    ShortReply,     // fewer registers than asked (`value` of them)
    WrongReply,     // a reply that does not answer what was asked
    Refused,        // asynchronous write with status `code`
    ReadBackDiffers,// register `reg` reads back `value`
    ConnectionLost, // the TCP connection closed or was reset
    BadByteCount,   // a read reply whose byte count disagrees with its length
    OversizeDatagram, // a datagram longer than any reply (`value` bytes)
    BadFrameLength, // a TCP frame declaring a length no frame can have
};

struct LinkError {
    LinkFault fault = LinkFault::None;
    int code = 0;
    int reg = 0;
    int value = 0;
};

// One short English phrase: "time-out", "exception 2", "bad CRC", "connection reset",
// "refused write (status 3)", "read-back differs (register 136 holds 7)".
std::string describeLinkError(const LinkError& error);

// A read that failed this way is worth sending again: nothing answered, or what
// answered was damaged. An exception or a refusal is the device's answer, and a link
// that is gone or busy would fail again.
bool worthRepeatingRead(LinkFault fault);
