#include "settings/DeviceConfigLayout.h"

#include "device/DeviceType.h"

#include <array>
#include <stdexcept>

namespace {

using Rows = std::vector<ConfigRow>;

// Keys whose errors name the row's own register.
void singles(Rows& rows, const std::string& section, std::initializer_list<const char*> keys, int firstReg,
             std::initializer_list<int> defaults, LoadGroup group)
{
    auto d = defaults.begin();
    int reg = firstReg;
    for (const char* key : keys) {
        rows.push_back({section, key, reg, *d++, group, reg});
        ++reg;
    }
}

void addRow(Rows& rows, const std::string& section, const std::string& key, int reg, int def, LoadGroup group,
            int errorRegister)
{
    rows.push_back({section, key, reg, def, group, errorRegister});
}

std::string nth(const char* name, int k)
{
    return name + std::to_string(k);
}

void serialRows(Rows& rows)
{
    struct Block {
        const char* key;
        int first;
        int def;
    };
    constexpr std::array<Block, 13> blocks{{{"ModoSerial", 1300, 0},
                                            {"Dnp3Baudrate", 1310, 0},
                                            {"Dnp3Format", 1320, 0},
                                            {"Dnp3Address", 1330, 4660},
                                            {"Dnp3AppConf", 1340, 0},
                                            {"Dnp3MaxInteroctetGap", 1350, 5},
                                            {"Dnp3BackoffFixed", 1360, 20},
                                            {"Dnp3BackoffRandom", 1370, 50},
                                            {"Dnp3InterframeGap", 1380, 0},
                                            {"ModbusBaudrate", 1400, 0},
                                            {"ModbusFormat", 1410, 0},
                                            {"ModbusAddress", 1420, 1},
                                            {"ModbusTxDelay", 1430, 0}}};
    for (int k = 1; k <= 3; ++k) {
        for (const Block& b : blocks)
            addRow(rows, "ConfSerial", nth(b.key, k), b.first + k - 1, b.def, LoadGroup::Serial, b.first);
    }
}

void outputChannels(Rows& rows)
{
    for (int k = 1; k <= 4; ++k)
        addRow(rows, "ConfSaida", nth("SaidaCanalAssociado", k), 309 + k, k - 1, LoadGroup::Output, 310);
}

Rows rowsT()
{
    Rows r;
    addRow(r, "ConfEquip", "UnidadeIndicacao", 201, 0, LoadGroup::Always, 201);
    addRow(r, "ConfEquip", "FreqOperacao", 211, 0, LoadGroup::Always, 211);
    addRow(r, "ConfEquip", "TimerEventos", 214, 0, LoadGroup::Always, 214);
    struct Relay {
        const char* key;
        int first;
        int def;
    };
    constexpr std::array<Relay, 9> relay{{{"SetPointRTD", 1, 100},
                                          {"HistereseRTD", 21, 1},
                                          {"Retardo", 41, 1},
                                          {"CanalAssociado", 61, 0},
                                          {"Forca", 81, 0},
                                          {"LogicaInversa", 101, 0},
                                          {"SetPointCorrente", 121, 0},
                                          {"HistereseCorrente", 141, 1},
                                          {"FuncaoAssociada", 161, 0}}};
    for (int k = 1; k <= 10; ++k) {
        for (const Relay& f : relay)
            addRow(r, "ConfRele", nth(f.key, k), f.first + k - 1, f.def, LoadGroup::SetPoints, f.first);
    }
    addRow(r, "ConfRele", "ReleAlternado", 208, 0, LoadGroup::SetPoints, 208);
    addRow(r, "ConfRele", "ResfrDiarioInicio", 212, 0, LoadGroup::SetPoints, 212);
    addRow(r, "ConfRele", "ResfrDiarioDuracao", 213, 0, LoadGroup::SetPoints, 213);
    addRow(r, "ConfRele", "MaxDifTemp", 215, 200, LoadGroup::SetPoints, 215);
    for (int k = 1; k <= 6; ++k)
        addRow(r, "ConfRele", nth("ModoRedudante", k), 1003 + k, k == 1 ? 1 : 0, LoadGroup::SetPoints, 1004);
    addRow(r, "ConfRele", "NumRtds", 1002, 6, LoadGroup::SetPoints, 1002);
    for (int k = 1; k <= 3; ++k) {
        addRow(r, "ConfCalc", nth("DeltaT", k), 201 + k, 20, LoadGroup::Calculation, 202);
        addRow(r, "ConfCalc", nth("CorrenteNominal", k), 204 + k, 50, LoadGroup::Calculation, 205);
    }
    addRow(r, "ConfCalc", "ConstTempo", 209, 30, LoadGroup::Calculation, 209);
    addRow(r, "ConfCalc", "ConstM", 210, 8, LoadGroup::Calculation, 210);
    addRow(r, "ConfSaida", "EscalaSaida", 301, 4, LoadGroup::Output, 301);
    addRow(r, "ConfSaida", "FundoEscala", 302, 150, LoadGroup::Output, 302);
    outputChannels(r);
    serialRows(r);
    return r;
}

Rows rowsP()
{
    Rows r;
    r.push_back({"ConfParalelismo", "EnderecoBus", 1, 0, LoadGroup::Always, 1, true, ConfigRow::Kind::BusAddress});
    constexpr std::array<const char*, 8> keys{"TamanhoBus", "NumPosic", "ResistPorPosic", "TempoErroParal",
                                              "TempoErroPos", "ConfRele7", "ConfRele8", "ConfRele9"};
    constexpr std::array<int, 8> defaults{0, 2, 30, 10, 10, 0, 0, 0};
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const int reg = 21 + 20 * static_cast<int>(i);
        r.push_back({"ConfParalelismo", keys[i], reg, defaults[i], LoadGroup::Always, reg, true});
    }
    addRow(r, "ConfParalelismo", "ModoLeitura", 201, 0, LoadGroup::Always, 201);
    r.push_back({"ConfSaida", "EscalaSaida", 301, 4, LoadGroup::Output, 301, true});
    serialRows(r);
    return r;
}

Rows rowsR()
{
    Rows r;
    for (int s = 0; s <= 7; ++s) {
        singles(r, nth("ConfConjunto", s),
                {"TensaoNominal", "DesvioMaximo", "TipoComando", "TipoTemporizacao", "TempoSubir", "TempoDescer",
                 "TempoRepeticao", "HoraInicialHora", "HoraInicialMinuto", "HoraFinalHora", "HoraFinalMinuto"},
                20 * s + 1, {1150, 50, 0, 0, 20, 20, 10, 0, 0, 23, 59}, LoadGroup::Sets);
    }
    singles(r, "ConfLDC", {"Tipo", "UR", "UX", "Z", "CompMax"}, 201, {0, 0, 0, 0, 20}, LoadGroup::Compensation);
    singles(r, "ConfQLX700R", {"DefasagemMontagem", "CircuitoMedicao", "RelacaoTP", "RelacaoTC", "CorrenteNominal"}, 401,
            {0, 0, 100, 100, 50}, LoadGroup::General);
    singles(r, "ConfQLX700R", {"AlarmeSubTensao", "AlarmeSobreTensao", "AlarmeSobreCorrente"}, 501, {50, 50, 150},
            LoadGroup::General);
    singles(r, "ConfQLX700R",
            {"ResPorPosicao", "NumPos", "ModoIndicacao", "PosNeutra", "PosMinima", "PosMaxima", "DesligaMedida",
             "TempoPulso"},
            701, {100, 33, 0, 1, 1, 50, 0, 1}, LoadGroup::General);
    singles(r, "ConfSaida", {"EscalaSaida", "FundoEscala", "FundoEscalaCorrente"}, 301, {4, 150, 100}, LoadGroup::Output);
    outputChannels(r);
    serialRows(r);
    return r;
}

Rows rowsC()
{
    Rows r;
    singles(r, "ConfQLX700C",
            {"ResPorPosicao", "NumPos", "ModoIndicacao", "PosNeutra", "PosMinima", "PosMaxima", "ModoLeitura"}, 701,
            {100, 33, 0, 1, 1, 50, 0}, LoadGroup::General);
    addRow(r, "ConfSaida", "EscalaSaida", 301, 4, LoadGroup::Output, 301);
    addRow(r, "ConfSaida", "FundoEscalaCorrente", 303, 100, LoadGroup::Output, 303);
    serialRows(r);
    return r;
}

Rows rowsIRR()
{
    Rows r;
    const std::string s = "ConfQLX700IRR";
    for (int k = 1; k <= 5; ++k) {
        addRow(r, s, nth("CicloIrrHorario", k), k, 0, LoadGroup::Cycles, k);
        addRow(r, s, nth("CicloIrrDuracao", k), 10 + k, 0, LoadGroup::Cycles, 10 + k);
        addRow(r, s, nth("CicloIrrRamais", k), 20 + k, 0, LoadGroup::Cycles, 20 + k);
    }
    singles(r, s, {"ConsumoMax", "BloquearConsumo"}, 31, {0, 0}, LoadGroup::Cycles);
    singles(r, s, {"SensorPressao", "PressaoFundoEscala", "PressaoMax", "PressaoMin", "TimerPressaoMax", "TimerPressaoMin"},
            101, {0, 0, 0, 0, 0, 0}, LoadGroup::Pressure);
    singles(r, s,
            {"ModoOperacao", "HidromHabilita", "HidromFator", "PluvHabilita", "PluvFator", "PluvMax", "PluvPeriodo",
             "Pt100Habilita", "RamosHabilita", "ManualDuracao", "ManualRamais"},
            201, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, LoadGroup::General);
    addRow(r, s, "RelayScreenSoftwareCommand", 212, 0, LoadGroup::NotLoaded, 212);
    singles(r, s, {"PresencaAguaInvert", "PressostatoInvert"}, 213, {0, 0}, LoadGroup::General);
    serialRows(r);
    return r;
}

} // namespace

const std::vector<ConfigRow>& configRows(int deviceType)
{
    static const std::array<Rows, kDeviceTypeCount> all{rowsT(), rowsP(), rowsR(), rowsIRR(), rowsC()};
    if (deviceType < 0 || deviceType >= kDeviceTypeCount)
        throw std::out_of_range("device type");
    return all[static_cast<std::size_t>(deviceType)];
}

int configSignature(int deviceType)
{
    constexpr std::array<int, kDeviceTypeCount> signatures{kSignatureT, kSignatureP, kSignatureR, kSignatureIRR,
                                                           kSignatureC};
    return signatures.at(static_cast<std::size_t>(deviceType));
}

const std::vector<std::string>& configOwnSections(int deviceType)
{
    static const std::array<std::vector<std::string>, kDeviceTypeCount> sections{
        std::vector<std::string>{"ConfEquip", "ConfRele"}, std::vector<std::string>{"ConfParalelismo"},
        std::vector<std::string>{"ConfConjunto0"}, std::vector<std::string>{"ConfQLX700IRR"},
        std::vector<std::string>{"ConfQLX700C"}};
    return sections.at(static_cast<std::size_t>(deviceType));
}
