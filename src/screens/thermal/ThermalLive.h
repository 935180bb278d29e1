#pragma once

#include "link/EventPump.h"

#include <array>

class TEquipComm;

// The QLX700-T's live measurements in engineering units, as its register image holds
// them: what the general page shows every second and `qlx700ctl monitor` prints.
struct ThermalLive {
    std::array<double, 6> rtdCelsius{};
    std::array<double, 6> rtdOhms{};
    std::array<double, 3> windingCelsius{};
    std::array<double, 3> windingAmps{};
    std::array<double, 3> windingPercent{};
    // A contact is closed when its output is energised or its logic inverted, not both.
    std::array<bool, 10> relayClosed{};
    // Hour, minute, second, day, month, year - 2000.
    std::array<int, 6> clock{};
};

// A temperature register holds tenths of a degree plus 1500.
double thermalTemperature(int word);

// Reads what changes: the device language (1500), the clock, the measurements and the
// relay outputs; queued on the asynchronous link and flushed with `flushTimeout` (zero:
// the link's own). The inverted-logic registers 101..110 are read at connection. False
// when a read or the flush failed.
bool readThermalLive(TEquipComm& equip, Seconds flushTimeout);

ThermalLive thermalLive(const TEquipComm& equip);
