#pragma once

#include "app/LanguageText.h"

// Texts the calibration windows share.
namespace calibration {

inline constexpr LangText SaveQuestion{
    "A calibração calculada não foi salva no equipamento. Gostaria de salvar a calibração?",
    "The calibration was not saved on the device. Would you like to save the calibration?",
    "La calibración no fue salvada en lo dispositivo. Te gustaría salvar la calibración ahora?"};
inline constexpr LangText PresentLabel{"Atual", "Current", "Actual"};
inline constexpr LangText GainLabel{"Ganho:", "Gain:", "Ganancia:"};
inline constexpr LangText SaveCalibration{"Salvar Calibração", "Save Calibration", "Salvar Calibración"};
inline constexpr LangText InvalidNumber{"Valor numérico inválido.", "Invalid numeric value.",
                                        "Valor numérico inválido."};

} // namespace calibration

namespace calibration {

inline constexpr LangText InvalidMeasured{"Valor inválido no campo \"Valor Medido\"",
                                          "Invalid value on \"Measured Value\"", "Valor inválido en \"Valor Medido\""};
inline constexpr LangText InvalidExpected{"Valor inválido no campo \"Valor Esperado\"",
                                          "Invalid value on \"Expected Value\"",
                                          "Valor inválido en \"Valor Esperado\""};
inline constexpr LangText MaxPointsReached{"Número máximo de pontos atingido", "Maximum number of points reached",
                                           "Número máximo de puntos alcanzado"};
inline constexpr LangText SelectRowToRemove{"Selecione a linha que deseja remover", "Select the line to be removed",
                                            "Seleccione la línea que será retirada"};
inline constexpr LangText SendError{"Erro ao enviar a calibração para o equipamento.",
                                    "Error sending the calibration to the device.",
                                    "Error al enviar la calibración a lo dispositivo"};
inline constexpr LangText Saved{"Calibração salva com sucesso", "Calibration saved successfully",
                                "Calibracion salva con éxito"};
inline constexpr LangText ReadError{"Erro na leitura da calibração do equipamento",
                                    "Error reading the calibration from the device",
                                    "Error al leer la calibración de lo dispositivo"};
inline constexpr LangText Next{"Próximo", "Next", "Siguiente"};
inline constexpr LangText Previous{"Anterior", "Previous", "Anterior"};
inline constexpr LangText MeasuredLabel{"Valor Medido:", "Measured Value:", "Valor Medido:"};
inline constexpr LangText ExpectedLabel{"Valor Esperado:", "Expected Value:", "Valor Esperado:"};
inline constexpr LangText Add{"Adicionar", "Add", "Añadir"};
inline constexpr LangText Remove{"Remover", "Remove", "Retirar"};
inline constexpr LangText CopyMeasurement{"Copia Medida", "Copy Measurement", "Copiar Medida"};
inline constexpr LangText Measured{"Medido", "Measured", "Medido"};

} // namespace calibration
