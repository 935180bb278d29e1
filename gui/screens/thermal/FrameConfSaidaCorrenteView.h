#pragma once

#include "gui/app/PageView.h"
#include "screens/thermal/FrameConfSaidaCorrenteF.h"

#include <array>

class ApplyEdit;
class QComboBox;
class QLabel;
class RadioGroupBox;

// The current output page: the range (or the fixed 0-1 mA panel in its place), the
// full scales and the channel that drives each output.
class FrameConfSaidaCorrenteView final : public PageView {
    Q_OBJECT
public:
    explicit FrameConfSaidaCorrenteView(TFrameConfSaidaCorrente& logic, QWidget* parent = nullptr);
    ~FrameConfSaidaCorrenteView() override;

    void render() override;

private:
    ApplyEdit* edit(const char* name, TFrameConfSaidaCorrente::Focus focus);
    template <typename F>
    void handle(F&& f);

    static constexpr std::size_t kOutputs = FrameConfSaidaCorrenteState::kOutputCount;

    TFrameConfSaidaCorrente& logic_;
    RadioGroupBox* rgEscala_ = nullptr;
    QLabel* pnEscala0_1ma_ = nullptr;
    QLabel* lblFundoEscala_ = nullptr;
    ApplyEdit* edFundoEscala_ = nullptr;
    QLabel* lblFundoEscalaCorrente_ = nullptr;
    ApplyEdit* edFundoEscalaCorrente_ = nullptr;
    std::array<QLabel*, kOutputs> lblSaidaAssociada_{};
    std::array<QComboBox*, kOutputs> cbSaidaAssociada_{};
};
