#include "screens/parallelism/ParallelismControls.h"

#include "screens/common/GeneralPageTexts.h"
#include "screens/parallelism/ParallelismLive.h"

#include <cmath>

const std::vector<RegisterControl>& parallelismControls()
{
    using enum RegisterControl::Kind;
    static const std::vector<LangText> relayFunctions{
        {"Erro de Configuração, Falha Fechado", "Configuration Error, Closed Fail",
         "Error de Configuracióm, Falla Cerrado"},
        {"Erro de Configuração, Falha Aberto", "Configuration Error, Open Fail",
         "Error de Configuración, Falla Aberto"},
        {"Erro de Comunicação, Falha Fechado", "Communication Error, Closed Fail",
         "Error de Comunicación, Falla Cerrado"},
        {"Erro de Comunicação, Falha Aberto", "Communication Error, Open Fail", "Error de Comunicación, Falla Aberto"},
        {"Erro de Medida, Falha Fechado", "Measurement Error, Closed Fail", "Error de Medida, Falla Cerrado"},
        {"Erro de Medida, Falha Aberto", "Measurement Error, Open Fail", "Error de Medida, Falla Aberto"},
        {"Erro de Sincronismo, Falha Fechado", "Synchronism Error, Closed Fail",
         "Error de Sincronismo, Falla Cerrado"},
        {"Erro de Sincronismo, Falha Aberto", "Synchronism Error, Open Fail", "Error de Sincronismo, Falla Aberto"},
        {"Operação Normal, Normalmente Fechado", "Normal Operation, Normally Closed",
         "Operación Normal, Normalmente Cerrado"},
        {"Operação Normal, Normalmente Aberto", "Normal Operation, Normally Open",
         "Operación Normal, Normalmente Aberto"}};
    static const std::vector<RegisterControl> controls{
        {.name = "busSizeEdit", .reg = 21, .kind = Integer, .caption = {"Tamanho do BUS", "BUS size", "Tamaño del BUS"},
         .lo = 1, .hi = 16,
         .message = {"Tamanho do BUS inválido. Deve ser um inteiro entre 1 e 16",
                     "Invalid BUS size. It must be an integer between 1 and 16",
                     "Tamaño del BUS inválido. Debe ser un entero entre 1 y 16"}},
        {.name = "positionCountEdit", .reg = 41, .kind = Integer,
         .caption = {"Número de Posições", "Number of Positions", "Número de Posiciones"}, .lo = 2, .hi = 50,
         .message = {"Número de posições inválido. Deve ser um inteiro entre 2 e 50",
                     "Invalid number of positions. It must be an integer between 2 and 50",
                     "Número de posiciones inválido. Debe ser un entero entre 2 y 50"}},
        // 3.00 to 20.00 ohms in the typed hundredths: from 2.995 up to, not including, 20.005.
        {.name = "resistancePerPositionEdit", .reg = 61, .kind = Decimal,
         .caption = {"Resistência por Posição", "Resistance per Position", "Resistencia por Posición"}, .scale = 10,
         .lo = 2.995, .hi = std::nextafter(20.005, 0.0),
         .message = {"Resistência por posição inválido. Deve ser um valor entre 3.0 e 20.0",
                     "Invalid resistance per position. It must be a value between 3.0 and 20.0",
                     "Resistencia por posición inválido. Debe ser un valor entre 3.0 y 20.0"}},
        {.name = "parallelismErrorTimeEdit", .reg = 81, .kind = Integer,
         .caption = {"Tempo de Erro de Paralelismo", "Parallelism Error Time", "Tiempo de Error de Paralelismo"},
         .lo = 10, .hi = 100,
         .message = {"Tempo de erro de paralelismo inválido. Deve ser um inteiro entre 10 e 100",
                     "Invalid parallelism error time. It must be an integer between 10 and 100",
                     "Tiempo de error de paralelismo inválido. Debe ser un entero entre 10 y 100"}},
        {.name = "configurationErrorTimeEdit", .reg = 101, .kind = Integer,
         .caption = {"Tempo de Erro de Configuração", "Configuration Error Time", "Tiempo de Error de Configuración"},
         .lo = 10, .hi = 100,
         .message = {"Tempo de erro de configuração inválido. Deve ser um inteiro entre 10 e 100",
                     "Invalid configuration error time. It must be an integer between 10 and 100",
                     "Tiempo de error de configuración inválido. Debe ser un entero entre 10 y 100"}},
        {.name = "positionReadingGroup", .reg = 201, .kind = Radio,
         .caption = {"Leitura da Posição", "Position Measurement", "Leitura de la Posición"},
         .items = {{"Resistência RTD", "RTD Resistance", "Resistencia RTD"},
                   {"Entrada BCD", "BDC Input", "Entrada BCD"},
                   {"Entrada de Corrente", "Current Input", "Entrada de Corriente"}},
         .absolute = true, .unknownSelectsNone = true},
        {.name = "relay7FunctionGroup", .reg = 121, .kind = Radio,
         .caption = {"Configuração do Relé 7", "Relay 7 Configuration", "Configuración del Relé 7"},
         .items = relayFunctions, .unknownSelectsNone = true},
        {.name = "relay8FunctionGroup", .reg = 141, .kind = Radio,
         .caption = {"Configuração do Relé 8", "Relay 8 Configuration", "Configuración del Relé 8"},
         .items = relayFunctions, .unknownSelectsNone = true},
        {.name = "relay9FunctionGroup", .reg = 161, .kind = Radio,
         .caption = {"Configuração do Relé 9", "Relay 9 Configuration", "Configuración del Relé 9"},
         .items = relayFunctions, .unknownSelectsNone = true},
        {.name = "addressEdit", .reg = 1, .kind = Integer,
         .caption = {"Endereço do Dispositivo", "Device Address", "Direccion del Dispositivo"}, .lo = 0, .hi = 15,
         .message = general::UnitIndexOutsideBus,
         .writtenReg = kParallelismUnitIndex},
    };
    return controls;
}
