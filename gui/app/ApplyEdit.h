#pragma once

#include <QLineEdit>

// An edit on a page's background whose value is applied when it loses the focus and
// on Enter; Enter leaves the focus to the background, so the key goes no further. It
// reports its focus, so that a redraw leaves what the user is typing alone.
//
// A click elsewhere takes the focus on the button's press: the value is applied once
// that click is over, so that a message about it cannot swallow the click (a button
// left drawn half-pressed, its action lost); not at all when the click's own action
// showed a message box, having sent and checked every field itself.
class ApplyEdit final : public QLineEdit {
    Q_OBJECT
public:
    ApplyEdit(const char* name, QWidget* background);

    // The click's own action has applied every value: the edit's wait is over.
    void dropPendingApply() { pending_ = false; }

signals:
    void focusChanged(bool in);
    void applied();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void finish();

    bool pending_ = false;
    bool watching_ = false;
    bool releaseSeen_ = false;
};
