#pragma once

#include <string>

class Ui;

// The busy notice of a long operation: shown on creation without waiting, its text
// changed between steps, destroyed with the object. Screens destroy it before they
// show any result message.
class BusyNotice {
public:
    static constexpr int kDefaultWidth = 300;
    static constexpr int kOffsetX = 70;
    static constexpr int kOffsetY = 120;

    BusyNotice(Ui& ui, std::string message, int width = kDefaultWidth);
    ~BusyNotice();
    BusyNotice(const BusyNotice&) = delete;
    BusyNotice& operator=(const BusyNotice&) = delete;

    void setMessage(std::string message);
    const std::string& message() const { return message_; }
    int width() const { return width_; }

private:
    Ui& ui_;
    std::string message_;
    int width_;
};
