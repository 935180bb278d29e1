#pragma once

#include <QWidget>

class QLabel;
class BusyNotice;

// The busy notice: a borderless window whose one panel shows the message in large,
// bold green letters on silver.
class BusyNoticeView final : public QWidget {
    Q_OBJECT
public:
    BusyNoticeView(const BusyNotice& logic, QWidget* anchor);

    // Takes the logic's text and draws it at once (the caller is busy).
    void render();
    QString message() const;

private:
    const BusyNotice& logic_;
    QLabel* messagePanel_;
};
