#pragma once

#include "gui/app/PageView.h"

#include <vector>

class QLabel;
class GeneralPageWidgets;
class QPushButton;
class MeasureGrid;
class QTimer;
class RadioGroupBox;
class RelayStrip;
class ParallelismGeneralPage;

// The QLX700-P general page: the shared connection box, the unit's grid, the
// position commands, the device language and the ten relays with their labels.
class ParallelismGeneralPageView final : public PageView {
    Q_OBJECT
public:
    explicit ParallelismGeneralPageView(ParallelismGeneralPage& logic, QWidget* parent = nullptr);

    void render() override;
    QTimer* refreshTimer() const;

private:
    ParallelismGeneralPage& logic_;
    GeneralPageWidgets* general_ = nullptr;
    MeasureGrid* measurementGrid_ = nullptr;
    QPushButton* positionUpButton_ = nullptr;
    QPushButton* positionDownButton_ = nullptr;
    RadioGroupBox* deviceLanguageGroup_ = nullptr;
    RelayStrip* relays_ = nullptr;
    std::vector<QLabel*> relayLabels_;
};
