#pragma once

#include <QLineEdit>

// An edit on a page's background whose value is applied when it loses the focus and
// on Enter; Enter leaves the focus to the background, so the key goes no further. It
// reports its focus, so that a redraw leaves what the user is typing alone.
class ApplyEdit final : public QLineEdit {
    Q_OBJECT
public:
    ApplyEdit(const char* name, QWidget* background);

signals:
    void focusChanged(bool in);
    void applied();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};
