#include "gui/screens/regulator/RegulatorSetsPageView.h"

#include "gui/app/DecimalSeparator.h"
#include "gui/app/WidgetText.h"
#include "gui/screens/common/RegisterControlWidgets.h"
#include "screens/regulator/RegulatorControls.h"
#include "screens/regulator/RegulatorSetsPage.h"

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
constexpr std::size_t kStartHour = 7;
constexpr std::size_t kEndHour = 9;

} // namespace

RegulatorSetsPageView::RegulatorSetsPageView(RegulatorSetsPage& logic, QWidget* parent)
    : PageView(parent)
    , logic_(logic)
{
    setObjectName("RegulatorSetsPageView");
    logic_.setDecimalSeparator(systemDecimalSeparator());
    QVBoxLayout* layout = addBackground();
    QWidget* back = background();
    regulationSetCombo_ = new QComboBox(back);
    regulationSetCombo_->setObjectName("regulationSetCombo");
    for (int s = 1; s <= RegulatorSetsPage::kSetCount; ++s)
        regulationSetCombo_->addItem(QString::number(s));
    connect(regulationSetCombo_, &QComboBox::activated, this,
            [this](int index) { handle([&] { logic_.regulationSetChosen(index); }); });
    controls_ = new RegisterControlWidgets(
        regulatorSetControls(), back,
        RegisterControlWidgets::pageHandlers(logic_, [this](const auto& work) { handle(work); }));
    regulationSetBox_ = new QGroupBox(back);
    regulationSetBox_->setObjectName("regulationSetBox");
    auto* grid = new QGridLayout(regulationSetBox_);
    int row = 0;
    for (std::size_t i = 0; i < kPlainFields; ++i, ++row) {
        QWidget* w = controls_->widget(i);
        w->setParent(regulationSetBox_);
        if (QLabel* label = controls_->label(i)) {
            label->setParent(regulationSetBox_);
            grid->addWidget(label, row, 0);
            grid->addWidget(w, row, 1, 1, 3);
        } else {
            grid->addWidget(w, row, 0, 1, 4);
        }
    }
    // Hour ":" minute.
    int colon = 1;
    for (std::size_t hour : {kStartHour, kEndHour}) {
        QLabel* label = controls_->label(hour);
        label->setParent(regulationSetBox_);
        grid->addWidget(label, row, 0);
        auto* pair = new QHBoxLayout;
        controls_->widget(hour)->setParent(regulationSetBox_);
        controls_->widget(hour + 1)->setParent(regulationSetBox_);
        controls_->label(hour + 1)->hide();
        auto* separator = new QLabel(":", regulationSetBox_);
        separator->setObjectName(QString("colonLabel%1").arg(colon++));
        pair->addWidget(controls_->widget(hour));
        pair->addWidget(separator);
        pair->addWidget(controls_->widget(hour + 1));
        pair->addStretch(1);
        grid->addLayout(pair, row++, 1, 1, 3);
    }
    auto* top = new QHBoxLayout;
    top->addWidget(regulationSetCombo_);
    top->addStretch(1);
    layout->addLayout(top);
    layout->addWidget(regulationSetBox_);
    layout->addStretch(1);
    render();
}

// An edit that has the focus loses it while the page is destroyed: that must not
// reach the logic through a page that is no longer whole.
RegulatorSetsPageView::~RegulatorSetsPageView()
{
    delete controls_;
}

template <typename F>
void RegulatorSetsPageView::handle(F&& f)
{
    f();
    render();
}

void RegulatorSetsPageView::render()
{
    regulationSetBox_->setTitle(qs(logic_.regulationSetTitle()));
    if (logic_.selectedSet() >= 0 && regulationSetCombo_->currentIndex() != logic_.selectedSet())
        regulationSetCombo_->setCurrentIndex(logic_.selectedSet());
    controls_->render(logic_.controls().values(), logic_.language());
}
