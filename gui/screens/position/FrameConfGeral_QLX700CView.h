#pragma once

#include "gui/app/PageView.h"

#include <functional>

class GeneralFrameWidgets;
class MeasureGrid;
class QTimer;
class RadioGroupBox;
class RelayStrip;
class TFrameConfGeral_QLX700C;

// The QLX700-C general page: the shared connection and clock boxes, the measurement
// grid, the device language and the ten relays with their fixed labels.
class FrameConfGeral_QLX700CView final : public PageView {
    Q_OBJECT
public:
    explicit FrameConfGeral_QLX700CView(TFrameConfGeral_QLX700C& logic, QWidget* parent = nullptr);

    void render() override;
    QTimer* timer1() const;

private:
    void handle(const std::function<void()>& f);

    TFrameConfGeral_QLX700C& logic_;
    GeneralFrameWidgets* general_ = nullptr;
    MeasureGrid* sgMedidas_ = nullptr;
    RadioGroupBox* rgIdioma_ = nullptr;
    RelayStrip* relays_ = nullptr;
};
