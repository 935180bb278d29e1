#pragma once

#include "gui/app/PageView.h"

#include <functional>

class ApplyEdit;
class QLabel;
class QPushButton;
class QTableWidget;
class QTimer;
class TFrameDownload;

// The events and maxima page: the maxima grid, the event count, the recording
// interval and the download, erase and reset buttons; `timerUpdate` redraws it every
// second while it is shown.
class FrameDownloadView final : public PageView {
    Q_OBJECT
public:
    static constexpr int kTimerMs = 1000;

    explicit FrameDownloadView(TFrameDownload& logic, QWidget* parent = nullptr);
    ~FrameDownloadView() override;

    void render() override;

private:
    template <typename F>
    void handle(F&& f);
    QPushButton* button(const char* name, std::function<void()> click);

    TFrameDownload& logic_;
    QTableWidget* sgMaximos_ = nullptr;
    QLabel* pnNumEventos_ = nullptr;
    QLabel* lblTimerEventos_ = nullptr;
    ApplyEdit* edTimerEventos_ = nullptr;
    QPushButton* bbBaixarEventos_ = nullptr;
    QPushButton* bbApagarEventos_ = nullptr;
    QPushButton* bbZerarMaximos_ = nullptr;
    QTimer* timerUpdate_ = nullptr;
};
