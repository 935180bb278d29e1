#pragma once

#include "gui/app/PageView.h"

class GeneralPageWidgets;
class MeasureGrid;
class QPushButton;
class QTimer;
class RadioGroupBox;
class RelayStrip;
class RegulatorGeneralPage;

// The QLX700-R general page: the shared connection and clock boxes, the indication
// mode and device language, the tap commands, the two measurement grids and the ten
// relays. The refresh timer ticks the logic every second while the logic has it
// enabled.
class RegulatorGeneralPageView final : public PageView {
    Q_OBJECT
public:
    explicit RegulatorGeneralPageView(RegulatorGeneralPage& logic, QWidget* parent = nullptr);

    void render() override;
    QTimer* refreshTimer() const;

private:
    QWidget* buildSettings();
    QWidget* buildGrids();
    QWidget* buildRelays();

    RegulatorGeneralPage& logic_;
    QWidget* backgroundPanel_ = nullptr;
    GeneralPageWidgets* general_ = nullptr;
    RadioGroupBox* indicationModeGroup_ = nullptr;
    RadioGroupBox* deviceLanguageGroup_ = nullptr;
    QPushButton* positionUpButton_ = nullptr;
    QPushButton* positionDownButton_ = nullptr;
    QPushButton* resetMaxMinCountButton_ = nullptr;
    MeasureGrid* measurementGrid_ = nullptr;
    MeasureGrid* secondMeasurementGrid_ = nullptr;
    RelayStrip* relays_ = nullptr;
};
