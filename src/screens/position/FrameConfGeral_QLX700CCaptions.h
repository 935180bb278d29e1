#pragma once

#include <array>
#include <string>

// The QLX700-C general page's own captions in one language.
struct FrameConfGeral_QLX700CCaptions {
    std::string medidaHeader;
    std::array<std::string, 5> medidaRows;
    std::array<std::string, 10> relayLabels;
    std::string rgIdioma;
    std::array<std::string, 3> rgIdiomaItems;
    // Failure bits 0..3, then "no failure".
    std::array<std::string, 5> failures;
};

FrameConfGeral_QLX700CCaptions frameConfGeral_QLX700CCaptions(int language);
