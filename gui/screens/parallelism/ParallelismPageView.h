#pragma once

#include "gui/app/PageView.h"

class RegisterControlWidgets;
class ParallelismPage;

// The parallelism page: the six edits, the position reading and the functions of
// relays 7..9.
class ParallelismPageView final : public PageView {
    Q_OBJECT
public:
    explicit ParallelismPageView(ParallelismPage& logic, QWidget* parent = nullptr);
    ~ParallelismPageView() override;

    void render() override;

private:
    template <typename F>
    void handle(F&& f);

    ParallelismPage& logic_;
    RegisterControlWidgets* controls_ = nullptr;
};
