#pragma once

#include <QObject>

#include <functional>
#include <span>
#include <string>

class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QTimer;
class QWidget;
class GeneralPage;
class PageView;
class RadioGroupBox;

// The parts every general page's view has: the connection box (connect buttons, serial
// number and firmware panels, password and IP buttons, configuration files), the clock
// box with the "no answer" marker, and the refresh timer. A model's view places the two
// boxes, adds its own widgets (buttons and radio groups made here run a handler of the
// logic and redraw the view), and greys its live values while `stale()` holds.
class GeneralPageWidgets final : public QObject {
    Q_OBJECT
public:
    static constexpr int kTimerMs = 1000;

    // The boxes go on `parent`; `view` is redrawn after every handler and tick.
    GeneralPageWidgets(GeneralPage& logic, PageView& view, QWidget* parent);

    QGroupBox* connectionBox() const { return connectionBox_; }
    // Free cells of the connection box's grid start at row 3, column 2 (a model's extra button).
    QGridLayout* connectionGrid() const { return connectionGrid_; }
    QGroupBox* clockBox() const { return clockBox_; }
    // The page's top row: the connection box, and the clock box taking the rest.
    QHBoxLayout* topRow() const;
    QTimer* refreshTimer() const { return refreshTimer_; }
    // Runs a handler of the logic, then redraws the view.
    void handle(const std::function<void()>& f);
    QPushButton* button(const char* name, QWidget* parent, std::function<void()> click);
    RadioGroupBox* radioGroup(const char* name, int items, int columns, QWidget* parent,
                              std::function<void(int)> chosen);

    void render();
    // The live values are those of the last answered refresh.
    bool stale() const;

private:
    GeneralPage& logic_;
    PageView& view_;
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

// A radio group as the logic states it: its title and items in this language, and the
// chosen item (-1 for none).
void showChoices(RadioGroupBox* group, const std::string& title, std::span<const std::string> items, int chosen);
