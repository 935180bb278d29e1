#pragma once

#include <array>
#include <string>

// The QLX700-IRR records page's captions in one language.
struct Frame_QLX700IRR_RegistrosCaptions {
    // `sgRegistros` row 0: time, pluviometer, hydrometer, temperature.
    std::array<std::string, 4> header;
    std::string bbApagarEventos;
    std::string bbArquivo;
};

Frame_QLX700IRR_RegistrosCaptions frame_QLX700IRR_RegistrosCaptions(int language);
