#pragma once

#include "gui/app/PageView.h"

#include <functional>

class ApplyEdit;
class QLabel;
class QPushButton;
class QTableWidget;
class QTimer;
class EventsPage;

// The events and maxima page: the maxima grid, the event count, the recording
// interval and the download, erase and reset buttons; the refresh timer runs the
// logic's `tick`, which redraws it every second while it is shown.
class EventsPageView final : public PageView {
    Q_OBJECT
public:
    static constexpr int kTimerMs = 1000;

    explicit EventsPageView(EventsPage& logic, QWidget* parent = nullptr);
    ~EventsPageView() override;

    void render() override;

private:
    template <typename F>
    void handle(F&& f);
    QPushButton* button(const char* name, std::function<void()> click);

    EventsPage& logic_;
    QTableWidget* maximaGrid_ = nullptr;
    QLabel* eventCountPanel_ = nullptr;
    QLabel* eventIntervalLabel_ = nullptr;
    ApplyEdit* eventIntervalEdit_ = nullptr;
    QPushButton* downloadEventsButton_ = nullptr;
    QPushButton* eraseEventsButton_ = nullptr;
    QPushButton* resetMaximaButton_ = nullptr;
    QTimer* refreshTimer_ = nullptr;
};
