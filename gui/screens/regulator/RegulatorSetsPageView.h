#pragma once

#include "gui/app/PageView.h"

class QComboBox;
class QGroupBox;
class RegisterControlWidgets;
class RegulatorSetsPage;

// The regulation set page: the set chosen in the list and its fields.
class RegulatorSetsPageView final : public PageView {
    Q_OBJECT
public:
    explicit RegulatorSetsPageView(RegulatorSetsPage& logic, QWidget* parent = nullptr);
    ~RegulatorSetsPageView() override;

    void render() override;

private:
    template <typename F>
    void handle(F&& f);

    RegulatorSetsPage& logic_;
    QComboBox* regulationSetCombo_ = nullptr;
    QGroupBox* regulationSetBox_ = nullptr;
    RegisterControlWidgets* controls_ = nullptr;
};
