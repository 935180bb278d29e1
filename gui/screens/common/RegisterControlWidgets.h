#pragma once

#include "screens/common/RegisterControl.h"

#include <QObject>

#include <functional>
#include <vector>

class QLabel;
class QWidget;

// The widgets of a settings page's controls, named after them: an edit with its
// label, or a titled radio group. Typing reaches the logic at once; leaving an edit
// that sends when left (or Enter in it) and clicking an item run the page's handlers.
class RegisterControlWidgets final : public QObject {
    Q_OBJECT
public:
    struct Handlers {
        std::function<void(std::size_t, const std::string&)> setText;
        std::function<void()> applied;
        std::function<void(std::size_t, int)> optionChosen;
    };

    // The handlers of a page logic with setText, editLeft and optionChosen: typing goes
    // straight to it, the other two through `handle` (the view's guard and redraw), an
    // option after `beforeOption` when one is given.
    template <class Logic, class Handle>
    static Handlers pageHandlers(Logic& logic, Handle handle, std::function<void()> beforeOption = {})
    {
        return {[&logic](std::size_t i, const std::string& text) { logic.setText(i, text); },
                [&logic, handle] { handle([&logic] { logic.editLeft(); }); },
                [&logic, handle, beforeOption](std::size_t i, int index) {
                    if (beforeOption)
                        beforeOption();
                    handle([&logic, i, index] { logic.optionChosen(i, index); });
                }};
    }

    static constexpr int kDefaultEditWidth = 70;

    RegisterControlWidgets(const std::vector<RegisterControl>& controls, QWidget* background, Handlers handlers,
                           int editWidth = kDefaultEditWidth);

    // The label of an edit (none for a radio group) and the control's own widget.
    QLabel* label(std::size_t control) const { return labels_.at(control); }
    QWidget* widget(std::size_t control) const { return widgets_.at(control); }
    // Places the controls [first, last) in a two-column grid inside `parent`.
    void placeIn(QWidget* parent, std::size_t first, std::size_t last) const;

    // The page's values overwrite the edits, also the one being edited.
    void render(const std::vector<ControlValue>& values, int language);

private:
    const std::vector<RegisterControl>& controls_;
    std::vector<QLabel*> labels_;
    std::vector<QWidget*> widgets_;
};
