#pragma once

#include <QLineEdit>

// The edit of a value grid's cell. Like any grid editor it starts with its whole text
// selected, also when a click gives it the focus, so that what is typed replaces the
// value instead of being appended to it; a click in a cell already being typed in
// places the cursor as usual.
class ValueCellEdit final : public QLineEdit {
public:
    explicit ValueCellEdit(QWidget* parent);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    bool selectOnPress_ = false;
};
