#include "screens/thermal/FormTesteValoresF.h"

#include "app/LanguageText.h"
#include "app/Ui.h"
#include "device/EquipCommF.h"
#include "screens/thermal/TestValueRow.h"
#include "screens/thermal/ValueFormTexts.h"

#include <cstdint>

namespace {
constexpr LangText kCaption{"Testes", "Tests", "Testes"};
constexpr LangText kAtiva{"Ativa teste de medida", "Activate measure test", "Activa teste de medida"};
constexpr LangText kEnvia{"Envia", "Send", "Envia"};
constexpr LangText kEnvia2{"Envia 2", "Send 2", "Envia 2"};
constexpr LangText kInfo1{"RTDs em ohms, Corrente em A", "RTDs in ohms, Current in A", "RTDs en ohms, Corriente en A"};
} // namespace

TFormTesteValores::TFormTesteValores(Ui& ui)
    : ui_(ui)
{
}

void TFormTesteValores::Ativar(TEquipComm& comm, int language)
{
    comm_ = &comm;
    comm.readRegisters(kModeRegister, 1 + kRowCount);
    SetIdioma(language);
    cbAtiva_ = comm.registerValue(kModeRegister) != 0;
    const auto& rows = testValueRows(comm.deviceType());
    for (std::size_t r = 0; r < valores_.size(); ++r) {
        const auto value = static_cast<std::uint16_t>(comm.registerValue(kModeRegister + 1 + static_cast<int>(r)));
        valores_[r] = r < rows.size() ? rows[r].show(value) : std::string();
    }
}

void TFormTesteValores::SetIdioma(int language)
{
    if (comm_ == nullptr)
        return;
    language_ = ValidLanguage(language);
    captions_ = {kCaption.in(language_), kAtiva.in(language_), kEnvia.in(language_), kEnvia2.in(language_),
                 kInfo1.in(language_),   "100 ohms = 0ºC",      "120 ohms =~ 53ºC",   "138 ohms =~ 98ºC"};
    const auto& rows = testValueRows(comm_->deviceType());
    for (std::size_t r = 0; r < labels_.size(); ++r)
        labels_[r] = r < rows.size() ? rows[r].label.in(language_) : std::string();
}

void TFormTesteValores::bbEnviaClick(bool second)
{
    if (comm_ == nullptr)
        return;
    std::array<std::uint16_t, 1 + kRowCount> block{};
    block[0] = cbAtiva_ ? (second ? 2 : 1) : 0;
    const auto& rows = testValueRows(comm_->deviceType());
    for (std::size_t r = 0; r < rows.size() && r < valores_.size(); ++r) {
        const auto value = rows[r].parse(valores_[r]);
        if (!value) {
            ui_.showMessage(MessageKind::Error, kValorInvalido.in(language_) + valores_[r]);
            return;
        }
        block[r + 1] = *value;
    }
    comm_->writeRegisters(kModeRegister, block, false, true);
}
