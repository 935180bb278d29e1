#pragma once

#include <array>
#include <string>

// The QLX700-IRR general page's captions in one language.
struct FrameConfGeral_QLX700IRRCaptions {
    // `sgMedidas` column 0; rows 0, 8 and 9 are empty.
    std::array<std::string, 10> medidaRows;
    // Fixed labels under lamps 1, 7, 8, 9 and 10 (pump, block, water, pressure switch, failure).
    std::array<std::string, 5> lampLabels;
    std::string bbManual;
    std::string bbResetHydrometer, bbResetPluviometer, bbUnblockSystem, bbEmergency;
    std::string rgIdioma;
    std::array<std::string, 3> rgIdiomaItems;
    // Row 7: the texts of alarm bits 0..5 of 1001, no valve on, all well.
    std::array<std::string, 6> alarms;
    std::string nenhumaValvula;
    std::string sistemaOk;
};

FrameConfGeral_QLX700IRRCaptions frameConfGeral_QLX700IRRCaptions(int language);
