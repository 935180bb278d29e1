#pragma once

#include "app/LanguageText.h"

// The title of the value column of the R and C general pages' measurement grids.
inline constexpr LangText kMeasurementHeader{"Medida", "Measure", "Medida"};
