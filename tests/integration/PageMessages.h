#pragma once

// The message every page shows once when a send failed.
inline constexpr const char* kSendError = "Erro no envio do comando.";
