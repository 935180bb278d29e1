#pragma once

#include "gui/app/PageView.h"

class GeneralPageWidgets;
class MeasureGrid;
class QTimer;
class RadioGroupBox;
class RelayStrip;
class PositionGeneralPage;

// The QLX700-C general page: the shared connection and clock boxes, the measurement
// grid, the device language and the ten relays with their fixed labels.
class PositionGeneralPageView final : public PageView {
    Q_OBJECT
public:
    explicit PositionGeneralPageView(PositionGeneralPage& logic, QWidget* parent = nullptr);

    void render() override;
    QTimer* refreshTimer() const;

private:
    PositionGeneralPage& logic_;
    GeneralPageWidgets* general_ = nullptr;
    MeasureGrid* measurementGrid_ = nullptr;
    RadioGroupBox* deviceLanguageGroup_ = nullptr;
    RelayStrip* relays_ = nullptr;
};
