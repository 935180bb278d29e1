#include "gui/screens/regulator/FrameConfConjuntoRegView.h"

#include "gui/app/DecimalSeparator.h"
#include "gui/app/WidgetText.h"
#include "gui/screens/regulator/RegisterControlWidgets.h"
#include "screens/regulator/FrameConfConjuntoRegF.h"
#include "screens/regulator/RegulatorControls.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

// Positions in the page's control list: the fields above the times of day, then
// the start and end hour and minute.
constexpr std::size_t kPlainFields = 7;
constexpr std::size_t kInicioHora = 7;
constexpr std::size_t kFimHora = 9;

} // namespace

FrameConfConjuntoRegView::FrameConfConjuntoRegView(TFrameConfConjuntoReg& logic, QWidget* parent)
    : PageView(parent)
    , logic_(logic)
{
    setObjectName("FrameConfConjuntoRegView");
    logic_.setDecimalSeparator(systemDecimalSeparator());
    QVBoxLayout* layout = addBackground();
    QWidget* back = background();
    cbConjunto_ = new QComboBox(back);
    cbConjunto_->setObjectName("cbConjunto");
    for (int s = 1; s <= TFrameConfConjuntoReg::kSetCount; ++s)
        cbConjunto_->addItem(QString::number(s));
    connect(cbConjunto_, &QComboBox::activated, this, [this](int index) { handle([&] { logic_.cbConjuntoSelect(index); }); });
    controls_ = new RegisterControlWidgets(
        regulatorSetControls(), back,
        {[this](std::size_t i, const std::string& text) { logic_.setText(i, text); },
         [this] { handle([this] { logic_.editExit(); }); },
         [this](std::size_t i, int index) { handle([this, i, index] { logic_.radioClick(i, index); }); }});
    gbConjunto_ = new QGroupBox(back);
    gbConjunto_->setObjectName("gbConjunto");
    auto* grid = new QGridLayout(gbConjunto_);
    int row = 0;
    for (std::size_t i = 0; i < kPlainFields; ++i, ++row) {
        QWidget* w = controls_->widget(i);
        w->setParent(gbConjunto_);
        if (QLabel* label = controls_->label(i)) {
            label->setParent(gbConjunto_);
            grid->addWidget(label, row, 0);
            grid->addWidget(w, row, 1, 1, 3);
        } else {
            grid->addWidget(w, row, 0, 1, 4);
        }
    }
    // Hour ":" minute.
    int colon = 1;
    for (std::size_t hour : {kInicioHora, kFimHora}) {
        QLabel* label = controls_->label(hour);
        label->setParent(gbConjunto_);
        grid->addWidget(label, row, 0);
        auto* pair = new QHBoxLayout;
        controls_->widget(hour)->setParent(gbConjunto_);
        controls_->widget(hour + 1)->setParent(gbConjunto_);
        controls_->label(hour + 1)->hide();
        auto* separator = new QLabel(":", gbConjunto_);
        separator->setObjectName(QString("lblDoisPontos%1").arg(colon++));
        pair->addWidget(controls_->widget(hour));
        pair->addWidget(separator);
        pair->addWidget(controls_->widget(hour + 1));
        pair->addStretch(1);
        grid->addLayout(pair, row++, 1, 1, 3);
    }
    auto* top = new QHBoxLayout;
    top->addWidget(cbConjunto_);
    top->addStretch(1);
    layout->addLayout(top);
    layout->addWidget(gbConjunto_);
    layout->addStretch(1);
    render();
}

template <typename F>
void FrameConfConjuntoRegView::handle(F&& f)
{
    f();
    render();
}

void FrameConfConjuntoRegView::render()
{
    gbConjunto_->setTitle(qs(logic_.gbConjunto()));
    if (logic_.cbConjunto() >= 0 && cbConjunto_->currentIndex() != logic_.cbConjunto())
        cbConjunto_->setCurrentIndex(logic_.cbConjunto());
    controls_->render(logic_.controls().values(), logic_.language());
}
