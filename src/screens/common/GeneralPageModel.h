#pragma once

#include "link/EventPump.h"
#include "screens/common/ConnectModel.h"
#include "settings/DeviceConfigFile.h"
#include "settings/FullConfigRead.h"

#include <functional>
#include <vector>

// What differs between the five general pages beyond their drawing: the connect
// road and what the page reads every second.
struct GeneralPageModel {
    ConnectModel connect;
    // The registers the refresh reads, for the signature the connection accepted.
    std::function<std::vector<RegisterRun>(int signature)> liveReads;
    // How long the refresh waits for its flush on the asynchronous link.
    Seconds liveFlushTimeout{0.1};
    // The groups a configuration load writes.
    ConfigLoadOptions loadOptions{};
    // No serial button: the USB button connects and, while connected, disconnects.
    bool usbToggles = false;
};
