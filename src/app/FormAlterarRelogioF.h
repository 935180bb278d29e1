#pragma once

#include "app/LocalDateTime.h"
#include "app/TDialog.h"

#include <string>

class TEquipComm;
class Ui;

// Sets the device clock from a date and a time picked by the user. The device keeps
// the year as year - 2000, so the pickers hold 2000..2099.
class TFormAlterarRelogio final : public TDialog {
public:
    static constexpr int kFirstYear = 2000;
    static constexpr int kLastYear = 2099;

    // The pickers start at `now`, the computer's date and time.
    TFormAlterarRelogio(TEquipComm& comm, int language, Ui& ui, const LocalDateTime& now = LocalNow());

    void SetIdioma(int language);
    void setData(int year, int month, int day);
    void setHora(int hour, int minute, int second);
    void bbOkClick();
    void bbCancelarClick() { close(mrCancel); }

    const LocalDateTime& value() const { return value_; }
    int language() const { return language_; }
    const std::string& caption() const { return caption_; }
    const std::string& lblData() const { return lblData_; }
    const std::string& lblHora() const { return lblHora_; }
    const std::string& bbOk() const { return bbOk_; }
    const std::string& bbCancelar() const { return bbCancelar_; }

private:
    TEquipComm& comm_;
    Ui& ui_;
    int language_ = 0;
    LocalDateTime value_;
    std::string caption_;
    std::string lblData_;
    std::string lblHora_;
    std::string bbOk_;
    std::string bbCancelar_;
};
