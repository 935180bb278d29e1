#include "screens/common/SendSettle.h"

#include "link/EventPump.h"

void settleAfterSend(EventPump& pump)
{
    pump.sleepUntil(deadlineAfter(Seconds(kSendSettle)));
}
