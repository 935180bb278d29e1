#pragma once

#include "gui/app/PageView.h"

#include <functional>

class GeneralFrameWidgets;
class QPushButton;
class MeasureGrid;
class QTimer;
class RadioGroupBox;
class RelayStrip;
class TFrameConfGeral_QLX700P;

// The QLX700-P general page: the shared connection box, the unit's grid, the
// position commands, the device language and the ten relays with their labels.
class FrameConfGeral_QLX700PView final : public PageView {
    Q_OBJECT
public:
    explicit FrameConfGeral_QLX700PView(TFrameConfGeral_QLX700P& logic, QWidget* parent = nullptr);

    void render() override;
    QTimer* timer1() const;

private:
    void handle(const std::function<void()>& f);

    TFrameConfGeral_QLX700P& logic_;
    GeneralFrameWidgets* general_ = nullptr;
    MeasureGrid* sgMedidas_ = nullptr;
    QPushButton* bbPosicaoUp_ = nullptr;
    QPushButton* bbPosicaoDown_ = nullptr;
    RadioGroupBox* rgIdioma_ = nullptr;
    RelayStrip* relays_ = nullptr;
};
