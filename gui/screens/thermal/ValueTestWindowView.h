#pragma once

#include "screens/thermal/ValueTestWindow.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

// The measurement simulation window. It lives as long as the page that owns the
// logic and is shown without being modal; whoever activates the logic redraws it.
class ValueTestWindowView final : public QWidget {
    Q_OBJECT
public:
    explicit ValueTestWindowView(ValueTestWindow& logic, QWidget* parent = nullptr);

    // Redraws every control from the logic (captions, rows of the model, values).
    void render();
    // Redraws and shows the window 100 pixels right of and below `anchor`'s top-left corner.
    void showAt(QWidget* anchor);

private:
    void send(bool second);

    ValueTestWindow& logic_;
    QCheckBox* testActiveCheck_;
    QTableWidget* valueGrid_;
    std::array<QLineEdit*, ValueTestWindow::kRowCount> cells_{};
    QPushButton* sendButton_;
    QPushButton* sendSecondButton_;
    std::array<QLabel*, 4> infoLabels_{};
};
