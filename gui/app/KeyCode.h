#pragma once

class QKeyEvent;

// The key code the main window's access word works with: letters as their capital
// (0x41..0x5A), digits as 0x30..0x39 (keypad digits too), F1..F11 as 0x70..0x7A
// (they break the word), and 0 for every other key (Shift, space, arrows...).
int accessKeyCode(const QKeyEvent& event);
