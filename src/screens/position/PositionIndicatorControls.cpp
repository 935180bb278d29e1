#include "screens/position/PositionIndicatorControls.h"

#include "screens/common/TapChangerTexts.h"

#include <cmath>

const std::vector<RegisterControl>& positionIndicatorControls()
{
    using enum RegisterControl::Kind;
    static const std::vector<RegisterControl> controls{
        // 2.97 to 20.04 ohms in the typed hundredths: from 2.965 up to, not including, 20.045.
        {.name = "resistancePerPositionEdit", .reg = 701, .kind = Decimal, .caption = tapchanger::ResistancePerPosition,
         .scale = 10, .lo = 2.965, .hi = std::nextafter(20.045, 0.0),
         .message = tapchanger::InvalidResistancePerPosition},
        {.name = "positionCountEdit", .reg = 702, .kind = Integer, .caption = tapchanger::PositionCount, .lo = 2,
         .hi = 50, .message = tapchanger::InvalidPositionCount, .sendsWhenLeft = false},
        {.name = "minPositionEdit", .reg = 705, .kind = Integer, .caption = tapchanger::MinPosition, .lo = 1, .hi = 50,
         .message = tapchanger::InvalidMinPosition, .sendsWhenLeft = false},
        {.name = "maxPositionEdit", .reg = 706, .kind = Integer, .caption = tapchanger::MaxPosition, .lo = 1, .hi = 50,
         .message = tapchanger::InvalidMaxPosition, .sendsWhenLeft = false},
        {.name = "readingModeGroup", .reg = 707, .kind = Radio,
         .caption = {"Modo de Leitura", "Measurement Mode", "Modo de Lectura"},
         .items = {{"Resistência", "Resistance", "Resistência"}, {"Corrente", "Current", "Corriente"}},
         .unknownSelectsNone = true},
    };
    return controls;
}
