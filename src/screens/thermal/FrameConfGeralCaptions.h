#pragma once

#include <array>
#include <string>

// The QLX700-T general frame's own captions in one language (GeneralFrameCaptions
// holds those every general frame has).
struct FrameConfGeralCaptions {
    std::string BitBtn1;
    std::string rgVisualizacao;
    std::array<std::string, 3> rgVisualizacaoItems;
    std::string rgFreqOperacao;
    std::array<std::string, 2> rgFreqOperacaoItems;
    std::string rgIdioma;
    std::array<std::string, 3> rgIdiomaItems;
    std::array<std::string, 3> sgMedidasHeader;
    std::array<std::string, 4> sgMedidasEnrolamentoHeader;
};

FrameConfGeralCaptions frameConfGeralCaptions(int language);
