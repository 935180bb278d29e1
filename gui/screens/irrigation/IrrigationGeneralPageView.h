#pragma once

#include "gui/app/PageView.h"

#include <array>

class ApplyEdit;
class GeneralPageWidgets;
class QPushButton;
class MeasureGrid;
class QTimer;
class RadioGroupBox;
class RelayStrip;
class IrrigationGeneralPage;

// The QLX700-IRR general page: the shared connection and clock boxes, the live grid,
// the device language, the controller's commands and the ten outputs with the fixed
// labels and the branch names under them.
class IrrigationGeneralPageView final : public PageView {
    Q_OBJECT
public:
    explicit IrrigationGeneralPageView(IrrigationGeneralPage& logic, QWidget* parent = nullptr);

    void render() override;
    QTimer* refreshTimer() const;

private:
    QWidget* buildCommands(QWidget* parent);
    RelayStrip* buildRelays(QWidget* parent);

    IrrigationGeneralPage& logic_;
    GeneralPageWidgets* general_ = nullptr;
    MeasureGrid* measurementGrid_ = nullptr;
    RadioGroupBox* deviceLanguageGroup_ = nullptr;
    QPushButton* manualOperationButton_ = nullptr;
    std::array<QPushButton*, 4> commands_{};
    RelayStrip* relays_ = nullptr;
    std::array<ApplyEdit*, 5> branchNameEdits_{};
};
