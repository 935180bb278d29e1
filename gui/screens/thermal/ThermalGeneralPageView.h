#pragma once

#include "gui/app/PageView.h"

#include <array>
#include <functional>

class GeneralPageWidgets;
class QButtonGroup;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QTimer;
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

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildSettings();
    QWidget* buildGrids();
    QWidget* buildRelays();
    QButtonGroup* radioGroup(QGroupBox* box, const char* name, int items, std::function<void(int)> click);
    // Runs a handler of the logic, then redraws.
    void handle(const std::function<void()>& f);
    void tick();

    ThermalGeneralPage& logic_;
    QWidget* backgroundPanel_ = nullptr;
    GeneralPageWidgets* general_ = nullptr;
    QPushButton* membraneTestButton_ = nullptr;
    QGroupBox* displayModeGroup_ = nullptr;
    QGroupBox* operatingFrequencyGroup_ = nullptr;
    QGroupBox* deviceLanguageGroup_ = nullptr;
    QButtonGroup* displayModeButtons_ = nullptr;
    QButtonGroup* operatingFrequencyButtons_ = nullptr;
    QButtonGroup* deviceLanguageButtons_ = nullptr;
    QTableWidget* measurementGrid_ = nullptr;
    QTableWidget* windingMeasurementGrid_ = nullptr;
    RelayStrip* relays_ = nullptr;
    std::array<QLineEdit*, 10> relayNameEdits_{};
};
