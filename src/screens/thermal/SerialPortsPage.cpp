#include "screens/thermal/SerialPortsPage.h"

#include "app/IntegerText.h"
#include "app/LanguageText.h"
#include "app/PageWork.h"
#include "app/ShownNumber.h"
#include "app/Ui.h"
#include "device/BusyHold.h"
#include "device/DeviceLink.h"
#include "device/DeviceType.h"
#include "screens/common/GeneralPageTexts.h"
#include "settings/DecimalParse.h"
#include "settings/RegisterRounding.h"

#include <cstdio>
#include <optional>

namespace {

constexpr int kPortCount = 3;

// First register of each radio group's block (port i adds i) and its item count.
struct RadioBlock {
    int first;
    int items;
};
constexpr std::array<RadioBlock, kSerialRadioCount> kRadioBlocks{
    {{1300, 2}, {1400, 5}, {1410, 4}, {1310, 5}, {1320, 4}, {1340, 2}, {1380, 2}}};

// The thirteen blocks, in the order the page reads them.
constexpr std::array<int, 13> kReadBlocks{1300, 1310, 1320, 1330, 1340, 1350, 1360,
                                          1370, 1380, 1400, 1410, 1420, 1430};

constexpr LangText kMsgModbusAddress{"Endereço ModBus inválido. Deve ser um inteiro entre 1 e 247",
                                     "Invalid ModBus address. It must be and integer integer between 1 and 247",
                                     "Dirección ModBus inválido. Debe ser un entero entre 1 y 247"};
constexpr LangText kMsgDnp3Address{"Endereço DNP3 inválido. Deve ser um hexadecimal entre 0 e FFEF",
                                   "Invalid DNP3 address. It must be a hexadecimal between 0 and FFEF",
                                   "Dirección DNP3 inválido. Debe ser un hexadecimal entre 0 y FFEF"};
constexpr LangText kMsgBackoff{"Valor inválido de Backoff. Deve ser um inteiro entre 1 e 100",
                               "Invalid Backoff value. It must be an integer between 1 and 100",
                               "Valor inválido de Backoff. Debe ser un entero entre 1 y 100"};
constexpr LangText kMsgInterOctet{
    "Valor inválido de Inter-Octet Gap Máximo. Deve ser um inteiro entre 2 e 100",
    "Invalid Max Inter-Octet Gap. It must be and integer between 2 and 100",
    "Valor inválido de Inter-Octet Gap Máximo. Debe ser un entero entre 2 y 100"};
constexpr LangText kMsgTXDelay{
    "Valor inválido de Delay do ModBus. Deve ser um valor entre 0.1 e 200.0, ou 0.0 (nenhum delay).",
    "Invalid ModBus Delay. It must be a value between 0.1 and 200.0, or 0.0 (no delay).",
    "Valor inválido de Delay de ModBus. Debe ser un valor entre 0.1 y 200.0, ou 0.0 (sin delay)."};

std::optional<int> modbusAddress(const std::string& text) { return parseIntegerIn(text, 1, 247); }
std::optional<int> backoff(const std::string& text) { return parseIntegerIn(text, 1, 100); }
std::optional<int> interOctetGap(const std::string& text) { return parseIntegerIn(text, 2, 100); }

// Milliseconds with one decimal, stored in tenths: 0 (no delay) or 0.1 .. 200.0.
std::optional<int> txDelayTenths(const std::string& text)
{
    double ms = 0;
    if (!TryParseDouble(text, ms) || (ms != 0 && ms < 0.1) || ms > 200.0)
        return std::nullopt;
    return static_cast<int>(roundHalfEven(ms * 10.0));
}

// Hexadecimal digits only, blanks around allowed; the device's addresses end at FFEF
// (FFF0 and above are reserved for broadcasts).
std::optional<int> dnp3Address(const std::string& text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return std::nullopt;
    const std::string digits = text.substr(first, text.find_last_not_of(' ') - first + 1);
    long value = 0;
    for (const char c : digits) {
        const int d = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
        if (d < 0)
            return std::nullopt;
        value = value * 16 + d;
        if (value > 0xFFEF)
            return std::nullopt;
    }
    return static_cast<int>(value);
}

// Each edit's register block, its input rule and the message for a refused input.
struct SerialEditRule {
    int first;
    std::optional<int> (*parse)(const std::string&);
    const LangText* message;
};
constexpr std::array<SerialEditRule, kSerialEditCount> kEdits{{
    {1420, modbusAddress, &kMsgModbusAddress},
    {1430, txDelayTenths, &kMsgTXDelay},
    {1330, dnp3Address, &kMsgDnp3Address},
    {1360, backoff, &kMsgBackoff},
    {1370, backoff, &kMsgBackoff},
    {1350, interOctetGap, &kMsgInterOctet},
}};

} // namespace

SerialPortsPage::SerialPortsPage(Ui& ui)
    : ui_(ui)
    , captions_(serialPortsPageCaptions(0))
{
}

bool SerialPortsPage::connected() const { return comm_ != nullptr && comm_->connected(); }

bool SerialPortsPage::singlePort() const { return comm_ != nullptr && comm_->deviceType() == kQLX700P; }

void SerialPortsPage::activate(DeviceLink& comm, int language)
{
    comm_ = &comm;
    const BusyHold hold(busy_);
    if (connected()) {
        const int count = singlePort() ? 1 : kPortCount;
        for (const int first : kReadBlocks)
            comm.readRegisters(first, count, true);
        comm.flushQueuedReads();
    }
    setLanguage(language);
    state_.portChoiceVisible = !singlePort();
    state_.portChoiceCount = singlePort() ? 1 : kPortCount;
    if (singlePort() || state_.selectedPort < 0 || state_.selectedPort >= kPortCount)
        state_.selectedPort = 0;
    state_.readOnlyNoticeVisible = comm.linkOnSerialPort();
    redraw();
}

void SerialPortsPage::setLanguage(int language)
{
    language_ = ValidLanguage(language);
    captions_ = serialPortsPageCaptions(language_);
}

std::string SerialPortsPage::shown(SerialEdit edit, int value) const
{
    switch (edit) {
    case SerialEdit::ModBusTXDelay:
        return shownNumber("%.1f", value / 10.0, decimalSeparator_);
    case SerialEdit::DNP3Address: {
        char hex[8];
        std::snprintf(hex, sizeof hex, "%04X", static_cast<unsigned>(value));
        return hex;
    }
    default:
        return std::to_string(value);
    }
}

void SerialPortsPage::redraw()
{
    if (!connected())
        return;
    updating_ = true;
    const int i = port();
    for (std::size_t g = 0; g < kRadioBlocks.size(); ++g) {
        // A value the group has no item for selects none, so a send never writes an
        // item the device did not hold.
        const int value = comm_->registerValue(kRadioBlocks[g].first + i);
        state_.radios[g] = value < kRadioBlocks[g].items ? value : -1;
    }
    for (std::size_t e = 0; e < kEdits.size(); ++e) {
        if (static_cast<int>(e) != focusedEdit_)
            state_.edits[e] = shown(static_cast<SerialEdit>(e), comm_->registerValue(kEdits[e].first + i));
    }
    updating_ = false;
}

void SerialPortsPage::sendSettings()
{
    if (updating_ || busy_ || !connected())
        return;
    const PageWork work(comm_, busy_);
    if (comm_->linkOnSerialPort()) {
        redraw();
        return;
    }
    const int i = port();
    bool ok = true;
    for (std::size_t g = 0; g < kRadioBlocks.size(); ++g) {
        if (state_.radios[g] >= 0)
            ok = comm_->writeRegister(kRadioBlocks[g].first + i, state_.radios[g], true) && ok;
    }
    for (std::size_t e = 0; e < kEdits.size(); ++e) {
        const std::optional<int> value = kEdits[e].parse(state_.edits[e]);
        if (value)
            ok = comm_->writeRegister(kEdits[e].first + i, *value, true) && ok;
        else
            ui_.showMessage(MessageKind::Error, kEdits[e].message->in(language_));
    }
    ok = comm_->flushQueuedWrites() && ok;
    if (!ok)
        ui_.showMessage(MessageKind::Error, general::SendError.in(language_));
    redraw();
}

void SerialPortsPage::portChosen(int index)
{
    if (busy_ || index < 0 || index >= state_.portChoiceCount)
        return;
    state_.selectedPort = index;
    redraw();
}

void SerialPortsPage::serialSettingChosen(SerialRadio group, int index)
{
    const auto g = static_cast<std::size_t>(group);
    if (busy_ || index < 0 || index >= kRadioBlocks.at(g).items)
        return;
    state_.radios[g] = index;
    sendSettings();
}
