#pragma once

#include "gui/app/PageView.h"

#include <array>

class QGroupBox;
class RegisterControlWidgets;
class RegulatorSettingsPage;

// The regulator configuration page: line-drop compensation, instrument
// transformers, blocking limits and tap changer, each in its group.
class RegulatorSettingsPageView final : public PageView {
    Q_OBJECT
public:
    explicit RegulatorSettingsPageView(RegulatorSettingsPage& logic, QWidget* parent = nullptr);
    ~RegulatorSettingsPageView() override;

    void render() override;

private:
    template <typename F>
    void handle(F&& f);

    RegulatorSettingsPage& logic_;
    RegisterControlWidgets* controls_ = nullptr;
    std::array<QGroupBox*, 4> groups_{};
};
