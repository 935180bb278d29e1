#include "screens/thermal/ValueTestWindow.h"

#include "app/LanguageText.h"
#include "app/Ui.h"
#include "device/DeviceLink.h"
#include "screens/thermal/TestValueRow.h"
#include "screens/thermal/ValueWindowTexts.h"

#include <cstdint>

namespace {
constexpr LangText kValueTestCaption{"Testes", "Tests", "Testes"};
constexpr LangText kActivateTest{"Ativa teste de medida", "Activate measure test", "Activa teste de medida"};
constexpr LangText kSendSecond{"Envia 2", "Send 2", "Envia 2"};
constexpr LangText kInfo1{"RTDs em ohms, Corrente em A", "RTDs in ohms, Current in A", "RTDs en ohms, Corriente en A"};
} // namespace

ValueTestWindow::ValueTestWindow(Ui& ui)
    : ui_(ui)
{
}

void ValueTestWindow::activate(DeviceLink& comm, int language)
{
    comm_ = &comm;
    comm.readRegisters(kModeRegister, 1 + kRowCount);
    setLanguage(language);
    testActive_ = comm.registerValue(kModeRegister) != 0;
    const auto& rows = testValueRows(comm.deviceType());
    for (std::size_t r = 0; r < values_.size(); ++r) {
        const auto value = static_cast<std::uint16_t>(comm.registerValue(kModeRegister + 1 + static_cast<int>(r)));
        values_[r] = r < rows.size() ? rows[r].show(value) : std::string();
    }
}

void ValueTestWindow::setLanguage(int language)
{
    if (comm_ == nullptr)
        return;
    language_ = ValidLanguage(language);
    captions_ = {kValueTestCaption.in(language_), kActivateTest.in(language_), kValueWindowSend.in(language_),
                 kSendSecond.in(language_),       kInfo1.in(language_),        "100 ohms = 0ºC",
                 "120 ohms =~ 53ºC",              "138 ohms =~ 98ºC"};
    const auto& rows = testValueRows(comm_->deviceType());
    for (std::size_t r = 0; r < labels_.size(); ++r)
        labels_[r] = r < rows.size() ? rows[r].label.in(language_) : std::string();
}

void ValueTestWindow::sendClicked(bool second)
{
    if (comm_ == nullptr)
        return;
    std::array<std::uint16_t, 1 + kRowCount> block{};
    block[0] = testActive_ ? (second ? 2 : 1) : 0;
    const auto& rows = testValueRows(comm_->deviceType());
    for (std::size_t r = 0; r < rows.size() && r < values_.size(); ++r) {
        const auto value = rows[r].parse(values_[r]);
        if (!value) {
            ui_.showMessage(MessageKind::Error, kInvalidValue.in(language_) + values_[r]);
            return;
        }
        block[r + 1] = *value;
    }
    comm_->writeRegisters(kModeRegister, block, false, true);
}
