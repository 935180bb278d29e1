#include "screens/thermal/ThermalLive.h"

#include "device/EquipCommF.h"

double thermalTemperature(int word)
{
    return (word - 1500) / 10.0;
}

bool readThermalLive(TEquipComm& equip, Seconds flushTimeout)
{
    bool ok = equip.readRegisters(1500, 1, true);
    ok = equip.readRegisters(401, 6, true) && ok;
    ok = equip.readRegisters(501, 21, true) && ok;
    ok = equip.readRegisters(601, 10, true) && ok;
    return equip.flushQueuedReads(flushTimeout) && ok;
}

ThermalLive thermalLive(const TEquipComm& equip)
{
    ThermalLive live;
    for (std::size_t i = 0; i < live.rtdCelsius.size(); ++i) {
        const int reg = 510 + 2 * static_cast<int>(i);
        live.rtdCelsius[i] = thermalTemperature(equip.registerValue(reg));
        live.rtdOhms[i] = equip.registerValue(reg + 1) / 10.0;
    }
    for (std::size_t i = 0; i < live.windingCelsius.size(); ++i) {
        const int n = static_cast<int>(i);
        live.windingCelsius[i] = thermalTemperature(equip.registerValue(501 + n));
        live.windingAmps[i] = equip.registerValue(504 + n) / 100.0;
        live.windingPercent[i] = equip.registerValue(507 + n) / 10.0;
    }
    for (std::size_t i = 0; i < live.relayClosed.size(); ++i) {
        const int n = static_cast<int>(i) + 1;
        live.relayClosed[i] = (equip.registerValue(600 + n) != 0) != (equip.registerValue(100 + n) != 0);
    }
    for (std::size_t i = 0; i < live.clock.size(); ++i)
        live.clock[i] = equip.registerValue(401 + static_cast<int>(i));
    return live;
}
