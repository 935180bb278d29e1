#pragma once

#include "gui/app/PageView.h"

#include <array>

class QGroupBox;
class RegisterControlWidgets;
class TFrameConfQLX700R;

// The regulator configuration page: line-drop compensation, instrument
// transformers, blocking limits and tap changer, each in its group.
class FrameConfQLX700RView final : public PageView {
    Q_OBJECT
public:
    explicit FrameConfQLX700RView(TFrameConfQLX700R& logic, QWidget* parent = nullptr);

    void render() override;

private:
    template <typename F>
    void handle(F&& f);

    TFrameConfQLX700R& logic_;
    RegisterControlWidgets* controls_ = nullptr;
    std::array<QGroupBox*, 4> groups_{};
};
