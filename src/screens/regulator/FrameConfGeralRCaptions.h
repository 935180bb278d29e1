#pragma once

#include <array>
#include <string>

// The QLX700-R general frame's own captions in one language (GeneralFrameCaptions
// holds those every general frame has).
struct FrameConfGeralRCaptions {
    std::string bbResetMaxMinCom, bbPosicaoUp, bbPosicaoDown;
    std::string rgVisualizacao;
    std::array<std::string, 5> rgVisualizacaoItems;
    std::string rgIdioma;
    std::array<std::string, 3> rgIdiomaItems;
    // Header of column 1 of sgMedidas; the other header cells are empty.
    std::string sgMedidasHeader;
    // Row names of rows 1..9 of the two grids.
    std::array<std::string, 9> sgMedidasRows;
    std::array<std::string, 9> sgMedidas2Rows;
    std::array<std::string, 10> relayLabels;
};

FrameConfGeralRCaptions frameConfGeralRCaptions(int language);
