#pragma once

#include <array>
#include <string>

// The captions of the QLX700-T general frame in one language.
struct FrameConfGeralCaptions {
    std::string bbConectar; // by the link state
    std::string bbConectarUsb, bbConectarIP;
    std::string bbAjustarRelogioComputador, bbAjustarRelogioManual;
    std::string bbAlterarSenha, bbAlterarIP, BitBtn1;
    std::string bbSalvarConf, bbCarregarConf;
    std::string rgVisualizacao;
    std::array<std::string, 3> rgVisualizacaoItems;
    std::string rgFreqOperacao;
    std::array<std::string, 2> rgFreqOperacaoItems;
    std::string rgIdioma;
    std::array<std::string, 3> rgIdiomaItems;
    std::array<std::string, 3> sgMedidasHeader;
    std::array<std::string, 4> sgMedidasEnrolamentoHeader;
};

FrameConfGeralCaptions frameConfGeralCaptions(int language, bool connected);
