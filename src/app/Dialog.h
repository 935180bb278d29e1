#pragma once

#include "app/ModalResult.h"

#include <functional>
#include <utility>

// What every modal dialog's logic shares: where it opens relative to the screen that
// opens it, and how it ended. A dialog closes by setting its modal result.
class Dialog {
public:
    struct Offset {
        int x;
        int y;
    };

    explicit Dialog(Offset offset)
        : offset_(offset)
    {
    }
    virtual ~Dialog() = default;

    // Top-left corner relative to the opening screen's client origin.
    Offset offset() const { return offset_; }
    int modalResult() const { return modalResult_; }
    bool closed() const { return modalResult_ != mrNone; }
    // The window's close box or Escape.
    void cancel() { modalResult_ = mrCancel; }
    // The view redraws when the logic changes its state before a message of its own.
    void setChangedHandler(std::function<void()> handler) { changed_ = std::move(handler); }

protected:
    void close(int result) { modalResult_ = result; }
    void changed()
    {
        if (changed_)
            changed_();
    }

private:
    std::function<void()> changed_;
    Offset offset_;
    int modalResult_ = mrNone;
};
