#pragma once

#include <cstdint>

// Where each named field of the register image lives. A field is a run of registers
// in one storage bank; each device type maps register numbers to fields of its own
// bank or of the common bank, so two models that share a register number keep
// separate values (601 is relay 1 on the T and the clock hour on the R).
enum class Bank : std::uint8_t { None = 0, Common, T, P, R, C, IRR };
constexpr int kBankCount = 7;
constexpr int kRegisterSpace = 4096; // every mapped register number is below this

struct Field {
    Bank bank;
    std::uint16_t first;
    std::uint16_t size;
};

namespace reg {

// Common to every device type.
namespace common {
constexpr Field ModoSerial{Bank::Common, 1300, 3};
constexpr Field Dnp3Baudrate{Bank::Common, 1310, 3};
constexpr Field Dnp3Format{Bank::Common, 1320, 3};
constexpr Field Dnp3Address{Bank::Common, 1330, 3};
constexpr Field Dnp3AppConf{Bank::Common, 1340, 3};
constexpr Field Dnp3MaxInteroctetGap{Bank::Common, 1350, 3};
constexpr Field Dnp3BackoffFixed{Bank::Common, 1360, 3};
constexpr Field Dnp3BackoffRandom{Bank::Common, 1370, 3};
constexpr Field Dnp3InterframeGap{Bank::Common, 1380, 3};
constexpr Field ModbusBaudrate{Bank::Common, 1400, 3};
constexpr Field ModbusFormat{Bank::Common, 1410, 3};
constexpr Field ModbusAddress{Bank::Common, 1420, 3};
constexpr Field ModbusTxDelay{Bank::Common, 1430, 3};
constexpr Field Language{Bank::Common, 1500, 1};
constexpr Field Senha{Bank::Common, 1600, 4};
constexpr Field IpAddr{Bank::Common, 1700, 2};
constexpr Field IpPort{Bank::Common, 1702, 1};
constexpr Field WifiSsid{Bank::Common, 1720, 16};
constexpr Field WifiPass{Bank::Common, 1740, 16};
constexpr Field WifiPort{Bank::Common, 1760, 3};
constexpr Field WifiIpAddr{Bank::Common, 1770, 2};
constexpr Field WifiMac{Bank::Common, 1774, 4};
constexpr Field WifiSinal{Bank::Common, 1780, 1};
constexpr Field FirmwareVersion{Bank::Common, 2000, 1};
constexpr Field VersaoSoftwareMinima{Bank::Common, 2001, 1};
constexpr Field DeviceSignature{Bank::Common, 2002, 1};
constexpr Field SerialNumber{Bank::Common, 2501, 2};
constexpr Field ModoTesteCalib{Bank::Common, 2100, 1};
constexpr Field CorrenteTeste{Bank::Common, 2101, 1};
constexpr Field CalibDesabilitada{Bank::Common, 2105, 1};
constexpr Field TamanhoParametros{Bank::Common, 2106, 1};
constexpr Field ParametrosTeste{Bank::Common, 2110, 30};
constexpr Field TesteValores{Bank::Common, 2150, 10};
constexpr Field UltimosErros{Bank::Common, 2170, 40};
constexpr Field GanhoSaida{Bank::Common, 2510, 8};
constexpr Field OffsetSaida{Bank::Common, 2520, 8};
constexpr Field GanhoSaida15mA{Bank::Common, 2620, 8};
constexpr Field OffsetSaida15mA{Bank::Common, 2630, 8};
constexpr Field Res127{Bank::Common, 2530, 1};
constexpr Field GanhoRTD{Bank::Common, 2540, 12};
constexpr Field OffsetRTD{Bank::Common, 2560, 12};
constexpr Field ResistRTDBruta{Bank::Common, 2580, 6};
constexpr Field GanhoEntrada{Bank::Common, 2600, 6};
constexpr Field OffsetEntrada{Bank::Common, 2610, 6};
constexpr Field LeituraEntrada{Bank::Common, 2650, 3};
constexpr Field TipoPlacaSaida{Bank::Common, 2660, 4};
// The clock (hour, minute, second, day, month, year - 2000) sits at 401 on the T and
// P and at 601 on the R, IRR and C.
constexpr Field RelogioTP{Bank::Common, 401, 6};
constexpr Field RelogioRIC{Bank::Common, 601, 6};
} // namespace common

namespace T {
constexpr Field SetPointRTD{Bank::T, 1, 10};
constexpr Field HistereseRTD{Bank::T, 21, 10};
constexpr Field Retardo{Bank::T, 41, 10};
constexpr Field CanalAssociado{Bank::T, 61, 10};
constexpr Field Forca{Bank::T, 81, 10};
constexpr Field LogicaInversa{Bank::T, 101, 10};
constexpr Field SetPointCorrente{Bank::T, 121, 10};
constexpr Field HistereseCorrente{Bank::T, 141, 10};
constexpr Field FuncaoAssociada{Bank::T, 161, 10};
constexpr Field UnidadeIndicacao{Bank::T, 201, 1};
constexpr Field DeltaT{Bank::T, 202, 3};
constexpr Field CorrenteNominal{Bank::T, 205, 3};
constexpr Field ReleAlternado{Bank::T, 208, 1};
constexpr Field ConstTempo{Bank::T, 209, 1};
constexpr Field ConstM{Bank::T, 210, 1};
constexpr Field FreqOperacao{Bank::T, 211, 1};
constexpr Field ResfrDiarioInicio{Bank::T, 212, 1};
constexpr Field ResfrDiarioDuracao{Bank::T, 213, 1};
constexpr Field TimerEventos{Bank::T, 214, 1};
constexpr Field MaxDifTemp{Bank::T, 215, 1};
constexpr Field EscalaSaida{Bank::T, 301, 1};
constexpr Field FundoEscala{Bank::T, 302, 1};
constexpr Field SaidaCanalAssociado{Bank::T, 310, 4};
constexpr Field TempEnrolamento{Bank::T, 501, 3};      // tenths of a degree + 1500
constexpr Field CorrenteEnrolamento{Bank::T, 504, 3};  // hundredths of an ampere
constexpr Field CorrentePercentual{Bank::T, 507, 3};   // tenths of a percent
constexpr Field LeiturasRTD{Bank::T, 510, 12};         // temperature, resistance of RTD 1..6
constexpr Field EstadoRele{Bank::T, 601, 10};
constexpr Field TempMaxima{Bank::T, 701, 9};           // windings 1..3, then RTDs 1..6
constexpr Field IndiceEvento{Bank::T, 801, 1};
constexpr Field Palavra802{Bank::T, 802, 1};
constexpr Field NumRtds{Bank::T, 1002, 1};
constexpr Field NumEntradasRtd{Bank::T, 1003, 1};
constexpr Field ModoRedudante{Bank::T, 1004, 6};
constexpr Field NumEnrolamentos{Bank::T, 1020, 1};
constexpr Field NumSaidasCorrente{Bank::T, 1021, 1};
constexpr Field TesteMembrana{Bank::T, 1201, 11};
constexpr Field CarimboMaxima{Bank::T, 1710, 27};      // 48-bit ms time stamps, low word first
constexpr Field NumEventos{Bank::T, 1800, 1};
constexpr Field JanelaEventos{Bank::T, 1810, 130};     // ten records of 13 registers
} // namespace T

namespace P {
constexpr Field EnderecoBus{Bank::P, 1, 16};
constexpr Field TamanhoBus{Bank::P, 21, 16};
constexpr Field NumPosic{Bank::P, 41, 16};
constexpr Field ResistPorPosic{Bank::P, 61, 16};
constexpr Field TempoErroParal{Bank::P, 81, 16};
constexpr Field TempoErroPos{Bank::P, 101, 16};
constexpr Field ConfRele7{Bank::P, 121, 16};
constexpr Field ConfRele8{Bank::P, 141, 16};
constexpr Field ConfRele9{Bank::P, 161, 16};
constexpr Field ModoLeitura{Bank::P, 201, 1};
constexpr Field EscalaSaida{Bank::P, 301, 16};
constexpr Field PosicaoAtual{Bank::P, 501, 16};
constexpr Field PosicaoEsperada{Bank::P, 521, 16};
constexpr Field ModoOperacao{Bank::P, 541, 16};
constexpr Field Bloco561{Bank::P, 561, 16};
constexpr Field EstadoRele{Bank::P, 601, 10};
constexpr Field IndiceUnidade{Bank::P, 1951, 1};
constexpr Field ErrosParalelismo{Bank::P, 1960, 5};
} // namespace P

// The R's eight regulator sets live at 20 s + p (p = 1..11); see regulatorSetRegister.
namespace R {
constexpr int kSetCount = 8;
constexpr int kSetParams = 11;
constexpr Field Tipo{Bank::R, 201, 1};
constexpr Field UR{Bank::R, 202, 1};
constexpr Field UX{Bank::R, 203, 1};
constexpr Field Z{Bank::R, 204, 1};
constexpr Field CompMax{Bank::R, 205, 1};
constexpr Field EscalaSaida{Bank::R, 301, 1};
constexpr Field FundoEscala{Bank::R, 302, 1};
constexpr Field FundoEscalaCorrente{Bank::R, 303, 1};
constexpr Field SaidaCanalAssociado{Bank::R, 310, 4};
constexpr Field DefasagemMontagem{Bank::R, 401, 1};
constexpr Field CircuitoMedicao{Bank::R, 402, 1};
constexpr Field RelacaoTP{Bank::R, 403, 1};
constexpr Field RelacaoTC{Bank::R, 404, 1};
constexpr Field CorrenteNominal{Bank::R, 405, 1};
constexpr Field AlarmeSubTensao{Bank::R, 501, 1};
constexpr Field AlarmeSobreTensao{Bank::R, 502, 1};
constexpr Field AlarmeSobreCorrente{Bank::R, 503, 1};
constexpr Field ResPorPosicao{Bank::R, 701, 1};
constexpr Field NumPos{Bank::R, 702, 1};
constexpr Field ModoIndicacao{Bank::R, 703, 1};
constexpr Field PosNeutra{Bank::R, 704, 1};
constexpr Field PosMinima{Bank::R, 705, 1};
constexpr Field PosMaxima{Bank::R, 706, 1};
constexpr Field DesligaMedida{Bank::R, 707, 1};
constexpr Field TempoPulso{Bank::R, 708, 1};
constexpr Field PosicaoMinimaAtingida{Bank::R, 801, 1};
constexpr Field PosicaoMaximaAtingida{Bank::R, 802, 1};
constexpr Field NumComutacoes{Bank::R, 804, 1};
constexpr Field Medidas{Bank::R, 1001, 15};            // 1001..1015, 1015 = tap position
constexpr Field Posicao{Bank::R, 1015, 1};
constexpr Field EstadoRele{Bank::R, 1100, 10};
constexpr Field Palavra2670{Bank::R, 2670, 1};
constexpr Field Bloco2680{Bank::R, 2680, 6};
} // namespace R

// The C shares 301, 303, 701..706, 1015 and 1100..1109 with the R.
namespace C {
constexpr Field EscalaSaida = R::EscalaSaida;
constexpr Field FundoEscalaCorrente = R::FundoEscalaCorrente;
constexpr Field ResPorPosicao = R::ResPorPosicao;
constexpr Field NumPos = R::NumPos;
constexpr Field ModoIndicacao = R::ModoIndicacao;
constexpr Field PosNeutra = R::PosNeutra;
constexpr Field PosMinima = R::PosMinima;
constexpr Field PosMaxima = R::PosMaxima;
constexpr Field Posicao = R::Posicao;
constexpr Field EstadoRele = R::EstadoRele;
constexpr Field ModoLeitura{Bank::C, 707, 1};
constexpr Field ResistenciaMedida{Bank::C, 1016, 1};   // tenths of an ohm
constexpr Field CorrenteMedida{Bank::C, 1017, 1};      // thousandths of a mA
constexpr Field Palavra1964{Bank::C, 1964, 1};
constexpr Field Falhas{Bank::C, 1965, 1};
} // namespace C

namespace IRR {
constexpr Field CicloIrrHorario{Bank::IRR, 1, 5};
constexpr Field CicloIrrDuracao{Bank::IRR, 11, 5};
constexpr Field CicloIrrRamais{Bank::IRR, 21, 5};
constexpr Field ConsumoMax{Bank::IRR, 31, 1};
constexpr Field BloquearConsumo{Bank::IRR, 32, 1};
constexpr Field SensorPressao{Bank::IRR, 101, 1};
constexpr Field PressaoFundoEscala{Bank::IRR, 102, 1};
constexpr Field PressaoMax{Bank::IRR, 103, 1};
constexpr Field PressaoMin{Bank::IRR, 104, 1};
constexpr Field TimerPressaoMax{Bank::IRR, 105, 1};
constexpr Field TimerPressaoMin{Bank::IRR, 106, 1};
constexpr Field ModoOperacao{Bank::IRR, 201, 1};
constexpr Field HidromHabilita{Bank::IRR, 202, 1};
constexpr Field HidromFator{Bank::IRR, 203, 1};
constexpr Field PluvHabilita{Bank::IRR, 204, 1};
constexpr Field PluvFator{Bank::IRR, 205, 1};
constexpr Field PluvMax{Bank::IRR, 206, 1};
constexpr Field PluvPeriodo{Bank::IRR, 207, 1};
constexpr Field Pt100Habilita{Bank::IRR, 208, 1};
constexpr Field RamosHabilita{Bank::IRR, 209, 1};
constexpr Field ManualDuracao{Bank::IRR, 210, 1};
constexpr Field ManualRamais{Bank::IRR, 211, 1};
constexpr Field RelayScreenSoftwareCommand{Bank::IRR, 212, 1};
constexpr Field PresencaAguaInvert{Bank::IRR, 213, 1};
constexpr Field PressostatoInvert{Bank::IRR, 214, 1};
constexpr Field Alarmes{Bank::IRR, 1001, 1};
constexpr Field Pluviometro{Bank::IRR, 1002, 2};
constexpr Field HidromAcumulado{Bank::IRR, 1004, 2};
constexpr Field HidromUltimoCiclo{Bank::IRR, 1006, 2};
constexpr Field EntradasDigitais{Bank::IRR, 1008, 1};
constexpr Field Pressao{Bank::IRR, 1009, 1};
constexpr Field ValvulasDesligadas{Bank::IRR, 1010, 1};
constexpr Field Temperatura{Bank::IRR, 1011, 1};
constexpr Field Saidas{Bank::IRR, 1100, 10};
constexpr Field IndiceRegistro{Bank::IRR, 4000, 2};
constexpr Field TextoRegistro{Bank::IRR, 4002, 36};
} // namespace IRR

} // namespace reg

// The field of an R regulator-set parameter: set s = 0..7, parameter p = 1..11
// (1 TensaoNominal, 2 DesvioMaximo, 3 TipoComando, 4 TipoTemporizacao, 5 TempoSubir,
// 6 TempoDescer, 7 TempoRepeticao, 8 HoraInicialHora, 9 HoraInicialMinuto,
// 10 HoraFinalHora, 11 HoraFinalMinuto).
constexpr int regulatorSetRegister(int set, int param)
{
    return 20 * set + param;
}

// Which bank holds register `reg` on device type `type`; Bank::None when unmapped.
Bank mappedBank(int type, int reg);
