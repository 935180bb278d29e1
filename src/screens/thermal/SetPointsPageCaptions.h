#pragma once

#include "screens/thermal/SetPointsPageState.h"

#include <array>
#include <string>
#include <vector>

// The captions and choice texts of the set points page in one language.
struct SetPointsPageCaptions {
    // Header row: column 0 ("Rele") and columns 1..9.
    std::array<std::string, 10> header;
    // The seventeen choice texts: channels 0..8, force 9..10, logic 11..12, function
    // 13..14, the invalid value 15 and the alternation warning 16.
    std::array<std::string, 17> choices;
    std::string dailyCoolingBox, dailyCoolingStartLabel, dailyCoolingDurationLabel;
    std::string configurationBox, activeRtdCount, setPointAlternationLabel;
    std::vector<std::string> setPointAlternationItems;
    std::string redundantRtdsBox, maxTemperatureDifferenceLabel;
    std::string calculationBox, nominalCurrentLabel, deltaTLabel, timeConstantLabel, parameterMLabel;
};

SetPointsPageCaptions setPointsPageCaptions(int language);
