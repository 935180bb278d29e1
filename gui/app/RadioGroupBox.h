#pragma once

#include <QGroupBox>

#include <string>
#include <vector>

class QButtonGroup;
class QRadioButton;

// A titled group of radio buttons in columns, named by `name`, as the tests find it
// (the buttons NAME0, NAME1, ...). Only the user's clicks are signalled: a redraw
// that selects an item sends nothing.
class RadioGroupBox final : public QGroupBox {
    Q_OBJECT
public:
    RadioGroupBox(const char* name, int items, int columns, QWidget* parent);

    void setTexts(const std::string& title, const std::vector<std::string>& items);
    // -1 selects none.
    void select(int index);
    int selected() const;
    QRadioButton* item(int index) const;

signals:
    void clicked(int index);

private:
    QButtonGroup* group_;
};
