#pragma once

#include "app/LanguageText.h"
#include "settings/FullConfigRead.h"

#include <functional>
#include <optional>
#include <vector>

class DeviceLink;

// A signature of another model: the connect road stops, tells the user and moves
// the main window's model selector.
struct SignatureSwitch {
    int signature;
    int selectorIndex;
    LangText message;
};

// A serial road that first makes sure a device answers at all (the QLX700-IRR): one
// read before the signature and one once it is accepted. Silence gets `message`,
// which points at the COM port.
struct PresenceTest {
    RegisterRun beforeSignature;
    RegisterRun afterSignature;
    LangText message;
};

// What differs between the models' connect roads.
struct ConnectModel {
    int deviceType;
    int signature;
    // A variant accepted over the serial port only (-1: none).
    int serialVariant = -1;
    std::vector<SignatureSwitch> switches;
    // The reads queued once the signature is accepted; `serial` tells the link kind.
    // The run at the password register must be there: the password is checked only
    // against letters read from this device.
    std::function<std::vector<RegisterRun>(int signature, bool serial)> initialReads;
    // Reads the initial reads depend on, made at once after the signature (the P's
    // unit index); false ends the connection as a device that does not answer.
    std::function<bool(DeviceLink&)> afterSignature;
    std::optional<PresenceTest> serialPresence;
};
