#include "gui/screens/parallelism/ParallelismPageView.h"

#include "gui/app/DecimalSeparator.h"
#include "gui/screens/common/RegisterControlWidgets.h"
#include "screens/parallelism/ParallelismControls.h"
#include "screens/parallelism/ParallelismPage.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

ParallelismPageView::ParallelismPageView(ParallelismPage& logic, QWidget* parent)
    : PageView(parent)
    , logic_(logic)
{
    setObjectName("ParallelismPageView");
    logic_.setDecimalSeparator(systemDecimalSeparator());
    QVBoxLayout* layout = addBackground();
    const std::vector<RegisterControl>& controls = parallelismControls();
    controls_ = new RegisterControlWidgets(
        controls, background(),
        RegisterControlWidgets::pageHandlers(logic_, [this](const auto& work) { handle(work); },
                                             [this] { background()->setFocus(); }));
    // The address first, as the technician sets it first, then the other edits; the
    // position reading beside them and the relays' functions in a row below.
    const std::size_t address = controlIndex(controls, "addressEdit");
    const std::size_t positionReading = controlIndex(controls, "positionReadingGroup");
    std::vector<std::size_t> screenOrder{address};
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (i != address)
            screenOrder.push_back(i);
    }
    auto* top = new QHBoxLayout;
    auto* form = new QFormLayout;
    auto* relays = new QHBoxLayout;
    for (const std::size_t i : screenOrder) {
        if (QLabel* label = controls_->label(i))
            form->addRow(label, controls_->widget(i));
        else if (i != positionReading)
            relays->addWidget(controls_->widget(i), 1);
    }
    top->addLayout(form);
    top->addWidget(controls_->widget(positionReading), 0, Qt::AlignTop);
    top->addStretch(1);
    layout->addLayout(top);
    layout->addLayout(relays);
    layout->addStretch(1);
    // Tab follows the screen: the address, made last, goes first.
    QWidget* previous = nullptr;
    for (const std::size_t i : screenOrder) {
        QWidget* w = controls_->widget(i);
        // A radio group's stops are its buttons.
        const QList<QWidget*> stops =
            w->focusPolicy() != Qt::NoFocus ? QList<QWidget*>{w} : w->findChildren<QWidget*>();
        for (QWidget* stop : stops) {
            if (previous != nullptr)
                QWidget::setTabOrder(previous, stop);
            previous = stop;
        }
    }
    render();
}

// An edit that has the focus loses it while the page is destroyed: that must not
// reach the logic through a page that is no longer whole.
ParallelismPageView::~ParallelismPageView()
{
    delete controls_;
}

template <typename F>
void ParallelismPageView::handle(F&& f)
{
    f();
    render();
}

void ParallelismPageView::render()
{
    controls_->render(logic_.controls().values(), logic_.language());
}
