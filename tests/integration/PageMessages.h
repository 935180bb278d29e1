#pragma once

// The message every page shows once when a send failed.
inline constexpr const char* kSendError = "Erro no envio do comando.";

// The text of the events page and the manual operation window for a command the
// device did not take (the device's own wording, without a full stop).
inline constexpr const char* kCommandError = "Erro no envio do comando";

// The calibration windows' question before a fit that was not saved is left.
inline constexpr const char* kSaveQuestion =
    "A calibração calculada não foi salva no equipamento. Gostaria de salvar a calibração?";
