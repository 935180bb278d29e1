#pragma once

#include <string>

class Ui;

// A TCP/UDP port typed by the user: a whole number 0..65535. Anything else shows the
// invalid-port message and gives false.
bool checkPort(const std::string& text, int& port, Ui& ui, int language);
