#include "gui/screens/regulator/RegulatorSettingsPageView.h"

#include "gui/app/DecimalSeparator.h"
#include "gui/app/WidgetText.h"
#include "gui/screens/common/RegisterControlWidgets.h"
#include "screens/regulator/RegulatorControls.h"
#include "screens/regulator/RegulatorSettingsPage.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QVBoxLayout>

namespace {

// The controls of each group, as ranges of the page's control list.
constexpr std::array<std::pair<std::size_t, std::size_t>, 4> kGroupControls{{{0, 5}, {5, 10}, {10, 13}, {13, 20}}};
constexpr std::array<const char*, 4> kGroupNames{"lineDropCompensationBox", "instrumentTransformerBox", "blockingBox",
                                                 "tapChangerBox"};

} // namespace

RegulatorSettingsPageView::RegulatorSettingsPageView(RegulatorSettingsPage& logic, QWidget* parent)
    : PageView(parent)
    , logic_(logic)
{
    setObjectName("RegulatorSettingsPageView");
    logic_.setDecimalSeparator(systemDecimalSeparator());
    QVBoxLayout* layout = addBackground();
    QWidget* back = background();
    controls_ = new RegisterControlWidgets(
        regulatorControls(), back,
        RegisterControlWidgets::pageHandlers(logic_, [this](const auto& work) { handle(work); }));
    auto* grid = new QGridLayout;
    for (std::size_t g = 0; g < groups_.size(); ++g) {
        groups_[g] = new QGroupBox(back);
        groups_[g]->setObjectName(kGroupNames[g]);
        controls_->placeIn(groups_[g], kGroupControls[g].first, kGroupControls[g].second);
        grid->addWidget(groups_[g], static_cast<int>(g % 2), static_cast<int>(g / 2));
    }
    layout->addLayout(grid);
    layout->addStretch(1);
    render();
}

// An edit that has the focus loses it while the page is destroyed: that must not
// reach the logic through a page that is no longer whole.
RegulatorSettingsPageView::~RegulatorSettingsPageView()
{
    delete controls_;
}

template <typename F>
void RegulatorSettingsPageView::handle(F&& f)
{
    f();
    render();
}

void RegulatorSettingsPageView::render()
{
    for (std::size_t g = 0; g < groups_.size(); ++g)
        groups_[g]->setTitle(qs(logic_.groupCaptions()[g]));
    controls_->render(logic_.controls().values(), logic_.language());
}
