#include "screens/regulator/RegulatorPages.h"

#include "link/EventPump.h"

void regulatorSettle(EventPump& pump)
{
    pump.sleepUntil(deadlineAfter(Seconds(kRegulatorSettle)));
}
