#pragma once

#include "app/LanguageText.h"

// Messages and notices shared by the general pages of every model: the connect
// roads, the settings writes, the clock and the configuration files. Other pages and
// dialogs show the send error too.
namespace general {

inline constexpr LangText AccessError{"Erro de acesso", "Access error", "Error de acceso"};
inline constexpr LangText SendError{"Erro no envio do comando.", "Error sending the command.",
                                    "Error al enviar el comando."};
// The same message as some dialogs and pages punctuate it: without full stops, or
// with one in Spanish only.
inline constexpr LangText SendErrorUnstopped{"Erro no envio do comando", "Error sending the command",
                                             "Error al enviar el comando"};
inline constexpr LangText SendErrorSpanishStopped{"Erro no envio do comando", "Error sending the command",
                                                  "Error al enviar el comando."};
inline constexpr LangText ConfirmPcClock{
    "Deseja ajustar o relógio do equipamento com o horário do computador?",
    "Would you like to adjust the device clock with the current PC time?",
    "Desea ajustar el reloj de lo dispositivo com el horario de la computadora?"};
inline constexpr LangText SoftwareTooOld{
    "O firmware do equipamento exige uma versão de software mais atualizada do que a atual. Atualize o software "
    "para a versão igual ou superior a ",
    "The device requires a more updated version on the software. Please update the software to a version greater "
    "or equal to ",
    "El dispositivo requiere una versión más actualizada de lo software. Por favor, actualize el software para una "
    "versión igual o mayor que "};
inline constexpr LangText ConfigReadError{"Erro na leitura da configuração do equipamento.",
                                          "Error reading the configuration from the device.",
                                          "Error leyendo la configuración del dispositivo."};
inline constexpr LangText ConfigSaved{"Configuração salva com sucesso", "Configuration saved successfully",
                                      "Configuracíon guardada con éxito"};
inline constexpr LangText ConfigSaveError{"Erro ao salvar a configuração", "Error saving the configuration",
                                          "Error al guardar la configuración"};
inline constexpr LangText ConfigLoadError{
    "Erro na configuração do equipamento. Algumas configurações podem não ter sido carregadas corretamente.",
    "Error loading the configuration. Some configurations may not have been loaded correctly.",
    "Error al cargar la configuración. Algunas configuracionesno fueron cargadas correctamente."};
// A QLX700-P whose unit index (1951) addresses no unit on its bus: its file would have
// no rows for it. The same words as the parallelism page's address check.
inline constexpr LangText UnitIndexOutsideBus{"Endereço do Dispositivo inválido. Deve ser um inteiro entre 0 e 15",
                                              "Invalid device address. It must be an integer between 0 and 15",
                                              "Dirección del dispositivo inválido. Debe ser un entero entre 0 y 15"};
inline constexpr LangText ConfigLoaded{"Configuração carregada com sucesso", "Configuration loaded successfully",
                                       "Configuración cargada con éxito"};
inline constexpr LangText PreviousConfigBackup{"Cópia de segurança da configuração anterior: ",
                                               "Backup of the previous configuration: ",
                                               "Copia de seguridad de la configuración anterior: "};
inline constexpr LangText InvalidIp{"IP inválido", "Invalid IP address", "Dirección IP invalida"};
inline constexpr LangText IpNoAnswer{
    "Equipamento não está respondendo. É possível que o endereço IP esteja incorreto.",
    "The device is not answering. The device IP may be incorrect.",
    "El dispositivo no está respondiendo. Es posible que la dirección IP esté incorrecta."};
inline constexpr LangText NoSignature{
    "O equipamento não respondeu a assininatura. É possível que o firmware esteja desatualizado.",
    "Device did not answer the signature. It is possible that the firmware is outdated.",
    "El dispositivo no respondió la firma. Es posible que el firmware esté desactualizado."};
inline constexpr LangText SignatureIsT{
    "Assinatura do equipamento é do QLX700T. O seletor no topo da janela será trocado para QLX700T.",
    "Device signature matches the QLX700T. The box on the top of the screen will switch to QLX700T.",
    "La firma del dispositivo coincide con la QLX700T. El cuadro en la parte superior de la pantalla cambiará a "
    "QLX700T."};
inline constexpr LangText SignatureIsP{
    "Assinatura do equipamento é do QLX700P. O seletor no topo da janela será trocado para QLX700P.",
    "Device signature matches the QLX700P. The box on the top of the screen will switch to QLX700P.",
    "La firma del dispositivo coincide con la QLX700P. El cuadro en la parte superior de la pantalla cambiará a "
    "QLX700P."};
inline constexpr LangText SignatureIsR{
    "Assinatura do equipamento é do QLX700R. O seletor no topo da janela será trocado para QLX700R.",
    "Device signature matches the QLX700R. The box on the top of the screen will switch to QLX700R.",
    "La firma del dispositivo coincide con la QLX700R. El cuadro en la parte superior de la pantalla cambiará a "
    "QLX700R."};
inline constexpr LangText InvalidSignature{"Assinatura do equipamento inválida.", "Invalid device signature.",
                                           "firma de dispositivo no válida."};
inline constexpr LangText WrongPassword{"Senha incorreta", "Password wrong", "Clave incorrecta"};

inline constexpr LangText DeviceDisconnected{"Equipamento desconectado", "Device disconnected",
                                             "Equipo desconectado"};
// Beside the live values when the last refresh got no answer, with the time of the
// last good one.
inline constexpr LangText NoAnswerSince{"sem resposta desde ", "no answer since ", "sin respuesta desde "};

inline constexpr LangText Connecting{"Conectando...", "Connecting...", "Conectando..."};
inline constexpr LangText StillConnecting{"Conectando.....", "Connecting.....", "Conectando....."};
inline constexpr LangText LoadingConfig{"Carregando configuração...", "Loading configuration...",
                                        "Cargando configuración..."};

inline constexpr LangText SaveConfigTitle{"Salvar Configuração", "Save Configuration", "Guardar Configuración"};
inline constexpr LangText LoadConfigTitle{"Carregar Configuração", "Load Configuration", "Cargar Configuración"};
inline constexpr LangText ConfigFileFilter{"Arquivo de Configuração (*.conf)|*.conf", "Config File (*.conf)|*.conf",
                                           "Arquivo de Configuración (*.conf)|*.conf"};

} // namespace general
