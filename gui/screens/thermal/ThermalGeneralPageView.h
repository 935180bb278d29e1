#pragma once

#include "gui/app/PageView.h"

#include <array>

class ApplyEdit;
class GeneralPageWidgets;
class MeasureGrid;
class QPushButton;
class QTimer;
class RadioGroupBox;
class RelayStrip;
class ThermalGeneralPage;

// The QLX700-T general page: the shared connection and clock boxes, the device
// settings, the measurement grids and the ten relays with their names. The refresh
// timer ticks the logic every second while the logic has it enabled.
class ThermalGeneralPageView final : public PageView {
    Q_OBJECT
public:
    explicit ThermalGeneralPageView(ThermalGeneralPage& logic, QWidget* parent = nullptr);

    void render() override;
    QTimer* refreshTimer() const;

private:
    QWidget* buildSettings();
    QWidget* buildGrids();
    QWidget* buildRelays();

    ThermalGeneralPage& logic_;
    QWidget* backgroundPanel_ = nullptr;
    GeneralPageWidgets* general_ = nullptr;
    QPushButton* membraneTestButton_ = nullptr;
    RadioGroupBox* displayModeGroup_ = nullptr;
    RadioGroupBox* operatingFrequencyGroup_ = nullptr;
    RadioGroupBox* deviceLanguageGroup_ = nullptr;
    MeasureGrid* measurementGrid_ = nullptr;
    MeasureGrid* windingMeasurementGrid_ = nullptr;
    RelayStrip* relays_ = nullptr;
    std::array<ApplyEdit*, 10> relayNameEdits_{};
};
