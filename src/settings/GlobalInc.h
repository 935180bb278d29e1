#pragma once

// The shared utilities, the settings record and the calibration record, for the
// screens that use several.
#include "settings/CalibrationStore.h"
#include "settings/DecimalParse.h"
#include "settings/FloatWords.h"
#include "settings/IpBytes.h"
#include "settings/MonotonicClock.h"
#include "settings/ProgramVersion.h"
#include "settings/SettingsFolder.h"
#include "settings/SettingsStore.h"
