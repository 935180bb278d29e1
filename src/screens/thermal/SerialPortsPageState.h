#pragma once

#include <array>
#include <string>

// The radio groups of the serial page, in the order a send writes them.
enum class SerialRadio : int {
    Protocol,
    ModBusBaudRate,
    ModBusFormat,
    DNP3BaudRate,
    DNP3Format,
    DNP3AppLayerConfirm,
    DNP3InterframeGap,
};
constexpr int kSerialRadioCount = 7;

// The edits of the serial page, in the order a send checks them.
enum class SerialEdit : int {
    ModBusAddress,
    ModBusTXDelay,
    DNP3Address,
    DNP3BackoffFixed,
    DNP3BackoffRandom,
    DNP3InterOctetGap,
};
constexpr int kSerialEditCount = 6;

// What the serial page's view draws.
struct SerialPortsPageState {
    // The port selector and its label; hidden on the QLX700-P, which has one port.
    bool portChoiceVisible = true;
    int selectedPort = 0;
    int portChoiceCount = 3;
    // Item index of each radio group; -1 when nothing is selected.
    std::array<int, kSerialRadioCount> radios{-1, -1, -1, -1, -1, -1, -1};
    std::array<std::string, kSerialEditCount> edits{};
    // The red notice: connected through the serial-port button, so nothing can change.
    bool readOnlyNoticeVisible = false;
};
