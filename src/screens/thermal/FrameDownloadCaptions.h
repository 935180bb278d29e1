#pragma once

#include <array>
#include <string>

// The captions of the events and maxima page in one language.
struct FrameDownloadCaptions {
    std::array<std::string, 3> header;
    std::array<std::string, 9> rows;
    std::string bbZerarMaximos, bbBaixarEventos, bbApagarEventos;
    std::string lblTimerEventos;
    std::string pnNumEventos;
};

FrameDownloadCaptions frameDownloadCaptions(int language);
