#include "gui/screens/position/PositionIndicatorPageView.h"

#include "gui/app/DecimalSeparator.h"
#include "gui/app/WidgetText.h"
#include "gui/screens/common/RegisterControlWidgets.h"
#include "screens/position/PositionIndicatorControls.h"
#include "screens/position/PositionIndicatorPage.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

PositionIndicatorPageView::PositionIndicatorPageView(PositionIndicatorPage& logic, QWidget* parent)
    : PageView(parent)
    , logic_(logic)
{
    setObjectName("PositionIndicatorPageView");
    logic_.setDecimalSeparator(systemDecimalSeparator());
    QVBoxLayout* layout = addBackground();
    tapChangerBox_ = new QGroupBox(background());
    tapChangerBox_->setObjectName("tapChangerBox");
    const std::vector<RegisterControl>& controls = positionIndicatorControls();
    controls_ = new RegisterControlWidgets(
        controls, background(),
        RegisterControlWidgets::pageHandlers(logic_, [this](const auto& work) { handle(work); },
                                             [this] { background()->setFocus(); }),
        80);
    // The edits in a form, the reading mode under them.
    auto* column = new QVBoxLayout(tapChangerBox_);
    auto* form = new QFormLayout;
    column->addLayout(form);
    for (std::size_t i = 0; i < controls.size(); ++i) {
        controls_->widget(i)->setParent(tapChangerBox_);
        if (QLabel* label = controls_->label(i)) {
            label->setParent(tapChangerBox_);
            form->addRow(label, controls_->widget(i));
        } else {
            column->addWidget(controls_->widget(i));
        }
    }
    auto* row = new QHBoxLayout;
    row->addWidget(tapChangerBox_);
    row->addStretch(1);
    layout->addLayout(row);
    layout->addStretch(1);
    render();
}

// An edit loses the focus while the page is destroyed: that must not reach the logic
// through a page that is no longer whole.
PositionIndicatorPageView::~PositionIndicatorPageView()
{
    delete controls_;
}

template <typename F>
void PositionIndicatorPageView::handle(F&& f)
{
    f();
    render();
}

void PositionIndicatorPageView::render()
{
    tapChangerBox_->setTitle(qs(logic_.tapChangerTitle()));
    controls_->render(logic_.controls().values(), logic_.language());
}
