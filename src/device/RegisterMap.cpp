#include "device/RegisterMap.h"

#include "device/DeviceType.h"

#include <array>
#include <initializer_list>

namespace {

using Table = std::array<Bank, kRegisterSpace>;

void add(Table& table, const Field& f)
{
    for (int i = 0; i < f.size; ++i)
        table[f.first + i] = f.bank;
}

void add(Table& table, std::initializer_list<Field> fields)
{
    for (const Field& f : fields)
        add(table, f);
}

void addCommon(Table& t)
{
    using namespace reg::common;
    add(t, {ModoSerial, Dnp3Baudrate, Dnp3Format, Dnp3Address, Dnp3AppConf, Dnp3MaxInteroctetGap,
            Dnp3BackoffFixed, Dnp3BackoffRandom, Dnp3InterframeGap, ModbusBaudrate, ModbusFormat,
            ModbusAddress, ModbusTxDelay, Language, Senha, IpAddr, IpPort, WifiSsid, WifiPass, WifiPort,
            WifiIpAddr, WifiMac, WifiSinal, FirmwareVersion, VersaoSoftwareMinima, DeviceSignature,
            SerialNumber, ModoTesteCalib, CorrenteTeste, CalibDesabilitada, TamanhoParametros,
            ParametrosTeste, TesteValores, UltimosErros, GanhoSaida, OffsetSaida, GanhoSaida15mA,
            OffsetSaida15mA, Res127, GanhoRTD, OffsetRTD, ResistRTDBruta, GanhoEntrada, OffsetEntrada,
            LeituraEntrada, TipoPlacaSaida});
}

Table tableT()
{
    Table t{};
    addCommon(t);
    add(t, reg::common::RelogioTP);
    using namespace reg::T;
    // The T has no Wi-Fi: its own map (the maxima time stamps at 1710..1736) wins.
    add(t, {SetPointRTD, HistereseRTD, Retardo, CanalAssociado, Forca, LogicaInversa, SetPointCorrente,
            HistereseCorrente, FuncaoAssociada, UnidadeIndicacao, DeltaT, CorrenteNominal, ReleAlternado,
            ConstTempo, ConstM, FreqOperacao, ResfrDiarioInicio, ResfrDiarioDuracao, TimerEventos,
            MaxDifTemp, EscalaSaida, FundoEscala, SaidaCanalAssociado, TempEnrolamento,
            CorrenteEnrolamento, CorrentePercentual, LeiturasRTD, EstadoRele, TempMaxima, IndiceEvento,
            Palavra802, NumRtds, NumEntradasRtd, ModoRedudante, NumEnrolamentos, NumSaidasCorrente,
            TesteMembrana, CarimboMaxima, NumEventos, JanelaEventos});
    return t;
}

Table tableP()
{
    Table t{};
    addCommon(t);
    add(t, reg::common::RelogioTP);
    using namespace reg::P;
    add(t, {EnderecoBus, TamanhoBus, NumPosic, ResistPorPosic, TempoErroParal, TempoErroPos, ConfRele7,
            ConfRele8, ConfRele9, ModoLeitura, EscalaSaida, PosicaoAtual, PosicaoEsperada, ModoOperacao,
            Bloco561, EstadoRele, IndiceUnidade, ErrosParalelismo});
    return t;
}

Table tableR()
{
    Table t{};
    addCommon(t);
    add(t, reg::common::RelogioRIC);
    for (int s = 0; s < reg::R::kSetCount; ++s)
        add(t, Field{Bank::R, static_cast<std::uint16_t>(regulatorSetRegister(s, 1)), reg::R::kSetParams});
    using namespace reg::R;
    add(t, {Tipo, UR, UX, Z, CompMax, EscalaSaida, FundoEscala, FundoEscalaCorrente, SaidaCanalAssociado,
            DefasagemMontagem, CircuitoMedicao, RelacaoTP, RelacaoTC, CorrenteNominal, AlarmeSubTensao,
            AlarmeSobreTensao, AlarmeSobreCorrente, ResPorPosicao, NumPos, ModoIndicacao, PosNeutra,
            PosMinima, PosMaxima, DesligaMedida, TempoPulso, PosicaoMinimaAtingida, PosicaoMaximaAtingida,
            NumComutacoes, Medidas, EstadoRele, Palavra2670, Bloco2680});
    return t;
}

Table tableC()
{
    Table t{};
    addCommon(t);
    add(t, reg::common::RelogioRIC);
    using namespace reg::C;
    add(t, {EscalaSaida, FundoEscalaCorrente, ResPorPosicao, NumPos, ModoIndicacao, PosNeutra, PosMinima,
            PosMaxima, Posicao, EstadoRele, ModoLeitura, ResistenciaMedida, CorrenteMedida, Palavra1964,
            Falhas});
    return t;
}

Table tableIRR()
{
    Table t{};
    addCommon(t);
    add(t, reg::common::RelogioRIC);
    using namespace reg::IRR;
    add(t, {CicloIrrHorario, CicloIrrDuracao, CicloIrrRamais, ConsumoMax, BloquearConsumo, SensorPressao,
            PressaoFundoEscala, PressaoMax, PressaoMin, TimerPressaoMax, TimerPressaoMin, ModoOperacao,
            HidromHabilita, HidromFator, PluvHabilita, PluvFator, PluvMax, PluvPeriodo, Pt100Habilita,
            RamosHabilita, ManualDuracao, ManualRamais, RelayScreenSoftwareCommand, PresencaAguaInvert,
            PressostatoInvert, Alarmes, Pluviometro, HidromAcumulado, HidromUltimoCiclo, EntradasDigitais,
            Pressao, ValvulasDesligadas, Temperatura, Saidas, IndiceRegistro, TextoRegistro});
    return t;
}

const std::array<Table, kDeviceTypeCount>& tables()
{
    // Indexed by device type: T, P, R, IRR, C.
    static const std::array<Table, kDeviceTypeCount> all{tableT(), tableP(), tableR(), tableIRR(), tableC()};
    return all;
}

} // namespace

Bank mappedBank(int type, int reg)
{
    if (type < 0 || type >= kDeviceTypeCount || reg < 0 || reg >= kRegisterSpace)
        return Bank::None;
    return tables()[static_cast<std::size_t>(type)][static_cast<std::size_t>(reg)];
}
