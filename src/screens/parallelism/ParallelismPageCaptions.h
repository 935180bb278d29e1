#pragma once

#include "screens/parallelism/ParallelismPageState.h"

#include <array>
#include <string>
#include <vector>

// The parallelism page's captions in one language.
struct ParallelismPageCaptions {
    std::array<std::string, kParallelismEditCount> labels;
    std::array<std::string, kParallelismRadioCount> radioTitles;
    std::array<std::vector<std::string>, kParallelismRadioCount> radioItems;
};

ParallelismPageCaptions parallelismPageCaptions(int language);
