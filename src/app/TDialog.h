#pragma once

#include "app/ModalResult.h"

// What every modal dialog's logic shares: where it opens relative to the screen that
// opens it, and how it ended. A dialog closes by setting its modal result.
class TDialog {
public:
    struct Offset {
        int x;
        int y;
    };

    explicit TDialog(Offset offset)
        : offset_(offset)
    {
    }
    virtual ~TDialog() = default;

    // Top-left corner relative to the opening screen's client origin.
    Offset offset() const { return offset_; }
    int modalResult() const { return modalResult_; }
    bool closed() const { return modalResult_ != mrNone; }
    // The window's close box or Escape.
    void cancel() { modalResult_ = mrCancel; }

protected:
    void close(int result) { modalResult_ = result; }

private:
    Offset offset_;
    int modalResult_ = mrNone;
};
