#pragma once

// The pages of the main window, in the order they are created.
enum class FrameId : int {
    ConfGeral,          // QLX700-T general frame
    ConfGeralP,
    ConfGeralR,
    ConfGeralIRR,
    ConfGeralC,
    TesteCalibracao,
    Download,
    ConfSetPoints,
    ConfSerial,
    ConfSaidaCorrente,
    ConfParalelismo,
    ConfQLX700R,
    ConfQLX700IRR,
    ConfQLX700C,
    ConfConjuntoReg,
    IrrRegistros,
};

constexpr int kFrameCount = 16;
