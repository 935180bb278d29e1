#pragma once

namespace qlxsim {

// Platinum RTD curve (IEC 60751, above 0 degC): resistance of a Pt100 and its inverse.
double pt100Ohms(double celsius);
double pt100Celsius(double ohms);

} // namespace qlxsim
