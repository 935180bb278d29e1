#pragma once

#include "app/LocalDateTime.h"

class DeviceLink;
class Ui;

// The general pages' "adjust with PC clock" button: asks first, then writes the
// device clock (hour, minute, second, day, month, year - 2000: 401..406 on the T and
// the P, 601..606 on the others) as one block. The device keeps only 2000..2099, so another PC year writes nothing and
// reports the send error. Does nothing without a link.
void sendPcClock(DeviceLink& comm, Ui& ui, int language, const LocalDateTime& now);
