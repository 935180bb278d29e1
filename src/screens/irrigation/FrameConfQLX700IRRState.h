#pragma once

#include <array>
#include <string>

// The edits of the irrigation settings page. The start time of a cycle is two edits,
// hours and minutes, over one register.
enum class IrrEdit : int {
    InicioH,
    InicioM,
    Duracao,
    HidrometroMax,
    ManualDuracao,
    PressaoFundoEscala,
    PressaoMaxima,
    PressaoMinima,
    TimerPressaoMaxima,
    TimerPressaoMinima,
    HidrometroFator,
    PluviometroFator,
    PluviometroMaximo,
    PluviometroPeriodo,
};
constexpr int kIrrEditCount = 14;

// Its check boxes: the five branches of the selected cycle, then the single switches.
enum class IrrCheck : int {
    Ramal1,
    Ramal2,
    Ramal3,
    Ramal4,
    Ramal5,
    BloquearConsumo,
    HidrometroHabilita,
    PluviometroHabilita,
    Pt100Habilita,
};
constexpr int kIrrCheckCount = 9;
constexpr int kIrrBranchCount = 5;

// Its radio groups, each of two items.
enum class IrrRadio : int { RamosHabilita, Sensor, Modo, PresencaAgua, Pressostato };
constexpr int kIrrRadioCount = 5;

// What the irrigation settings page's view draws.
struct FrameConfQLX700IRRState {
    static constexpr int kUnknown = -1;

    // The item of `cbCiclo`, the cycle shown.
    int cbCiclo = 0;
    std::array<std::string, kIrrEditCount> edits{};
    // 0 or 1; kUnknown while the box's register was never received on this link.
    std::array<int, kIrrCheckCount> checks{kUnknown, kUnknown, kUnknown, kUnknown, kUnknown,
                                           kUnknown, kUnknown, kUnknown, kUnknown};
    // The selected item; kUnknown selects none.
    std::array<int, kIrrRadioCount> radios{kUnknown, kUnknown, kUnknown, kUnknown, kUnknown};
};
