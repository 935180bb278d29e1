#pragma once

#include <QObject>

#include <functional>

class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QTimer;
class QWidget;
class GeneralPage;

// The parts every general page's view has: the connection box (connect buttons, serial
// number and firmware panels, password and IP buttons, configuration files), the clock
// box with the "no answer" marker, and the refresh timer. A model's view places the two
// boxes, adds its own widgets, and greys its live values while `stale()` holds.
class GeneralPageWidgets final : public QObject {
    Q_OBJECT
public:
    static constexpr int kTimerMs = 1000;
    using Handle = std::function<void(const std::function<void()>&)>;

    // `handle` runs a logic handler and then redraws the whole view; `tick` is the
    // view's timer step (the logic's tick and a redraw).
    GeneralPageWidgets(GeneralPage& logic, QWidget* parent, Handle handle, std::function<void()> tick);

    QGroupBox* connectionBox() const { return connectionBox_; }
    // Free cells of the connection box's grid start at row 3, column 2 (a model's extra button).
    QGridLayout* connectionGrid() const { return connectionGrid_; }
    QGroupBox* clockBox() const { return clockBox_; }
    // The page's top row: the connection box, and the clock box taking the rest.
    QHBoxLayout* topRow() const;
    QTimer* refreshTimer() const { return refreshTimer_; }
    QPushButton* button(const char* name, QWidget* parent, std::function<void()> click);

    void render();
    // The live values are those of the last answered refresh.
    bool stale() const;

private:
    GeneralPage& logic_;
    Handle handle_;
    QGroupBox* connectionBox_ = nullptr;
    QGridLayout* connectionGrid_ = nullptr;
    QGroupBox* clockBox_ = nullptr;
    QPushButton* connectSerialButton_ = nullptr;
    QPushButton* connectUsbButton_ = nullptr;
    QPushButton* connectIpButton_ = nullptr;
    QLabel* serialNumberPanel_ = nullptr;
    QLabel* firmwareVersionPanel_ = nullptr;
    QLabel* clockPanel_ = nullptr;
    QLabel* noAnswerLabel_ = nullptr;
    QPushButton* adjustClockFromPcButton_ = nullptr;
    QPushButton* adjustClockManuallyButton_ = nullptr;
    QPushButton* changePasswordButton_ = nullptr;
    QPushButton* changeIpButton_ = nullptr;
    QPushButton* saveConfigurationButton_ = nullptr;
    QPushButton* loadConfigurationButton_ = nullptr;
    QTimer* refreshTimer_ = nullptr;
};
