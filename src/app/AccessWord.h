#pragma once

#include <string>

// The typed word that reveals the calibration page. Keys arrive as key codes: a
// letter's code is its capital ("A" = 0x41), Shift is reported apart, Caps Lock
// plays no part. Keys outside 0x41..0x7A (Shift alone, digits, space, arrows)
// neither advance nor reset the count.
class AccessWord {
public:
    explicit AccessWord(std::string word);

    // True on the key that completes the word.
    bool keyDown(int keyCode, bool shift);
    int matched() const { return matched_; }
    bool complete() const { return matched_ == static_cast<int>(word_.size()); }

private:
    std::string word_;
    int matched_ = 0;
};
