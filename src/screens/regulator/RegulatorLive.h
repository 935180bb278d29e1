#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

class DeviceLink;
struct RegisterRun;

// The QLX700-R's live values in engineering units, as its register image holds them:
// what the general page shows every second and `qlx700ctl monitor` prints. A value
// whose registers this connection never received is empty.
struct RegulatorLive {
    std::optional<double> secondaryVolts, secondaryAmps, lineKv, loadKv, lagDegrees, powerFactor;
    std::optional<int> lineAmps;
    // Sets are counted from 1 on screen.
    std::optional<int> activeSet;
    std::optional<double> apparentMva, activeMw, reactiveMvar, nominalVoltsPercent, nominalAmpsPercent,
        deviationPercent;
    std::optional<int> minPosition, maxPosition, operations;
    // The present tap position as the indication mode writes it; empty while any of
    // its registers (1015, 704, 703, 2670) is unread. An empty text is a position the
    // device does not measure (2670 = 3).
    std::optional<std::string> position;
    std::array<std::optional<bool>, 10> relayEnergised{};
    // Hour, minute, second, day, month, year - 2000 (601..606).
    std::optional<std::array<int, 6>> clock;
};

// The tap position p with the neutral position n in indication mode `mode`: "" when
// `word2670` is 3; empty (the cell keeps what it shows) for an unknown mode.
std::optional<std::string> regulatorPositionText(int p, int n, int mode, int word2670);

// What the general page reads every second, after the device language (1500).
std::vector<RegisterRun> regulatorLiveReads(int signature);

RegulatorLive regulatorLive(const DeviceLink& deviceLink);

// How many current outputs are calibrated: the first of the gains at 2510, 2512 and
// 2514 that is (nearly) zero ends the count; 0 when the gains were not read.
int regulatorCurrentOutputCount(const DeviceLink& deviceLink);
