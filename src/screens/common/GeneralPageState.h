#pragma once

#include <string>

// What every general page's view draws besides the model's own values: the link's
// panels and buttons, and whether the live values are current.
struct GeneralPageState {
    struct Panel {
        std::string text;
        unsigned background = 0; // 0xRRGGBB; 0 with `buttonFace` set means the system colour
        bool buttonFace = false;
        unsigned textColor = 0x000000;
    };

    bool connected = false;
    // The QLX700-IRR has no serial button.
    bool connectSerialButtonVisible = true;
    bool connectUsbButtonEnabled = true;
    bool connectIpButtonEnabled = true;
    std::string clockText;
    Panel serialNumberPanel;
    Panel firmwareVersionPanel;
    // The last refresh got no answer: the live values are those of the last good
    // one, drawn greyed, and the marker says since when.
    bool stale = false;
    std::string staleMarker;
};
