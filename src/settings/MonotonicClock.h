#pragma once

// Time since start-up in days, on the steady clock: every time-out of the screens'
// waiting loops is seconds / 86400 compared against ElapsedDays().
void StartClock();
double ElapsedDays();
