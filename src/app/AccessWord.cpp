#include "app/AccessWord.h"

#include <cctype>
#include <utility>

AccessWord::AccessWord(std::string word)
    : word_(std::move(word))
{
}

bool AccessWord::keyDown(int keyCode, bool shift)
{
    if (complete() || keyCode < 0x41 || keyCode > 0x7A)
        return false;
    const unsigned char c = static_cast<unsigned char>(word_[static_cast<std::size_t>(matched_)]);
    const bool capital = std::isupper(c) != 0;
    if (keyCode != std::toupper(c) || shift != capital) {
        matched_ = 0;
        return false;
    }
    ++matched_;
    return complete();
}
