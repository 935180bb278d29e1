#pragma once

// The Pt100 curve of the device's RTD inputs: resistance of a temperature (the
// Callendar-Van Dusen equation, R0 = 100 ohms) and the device's own polynomial
// inverse, which differs from the exact inverse by a few thousandths of a degree.
double Pt100Resistance(double celsius);
double Pt100Temperature(double ohms);
