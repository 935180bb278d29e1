#include "gui/screens/regulator/RegulatorGeneralPageView.h"

#include "gui/app/DecimalSeparator.h"
#include "gui/app/RadioGroupBox.h"
#include "gui/app/WidgetText.h"
#include "gui/screens/common/GeneralPageWidgets.h"
#include "gui/screens/common/RelayStrip.h"
#include "screens/regulator/RegulatorGeneralPage.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int kGridRows = 9;
constexpr int kColumnWidth = 90;
constexpr int kGridRowHeight = 20;

// Two columns of at least 90 pixels: the row names and the values.
QTableWidget* grid(const char* name, QWidget* parent)
{
    auto* g = new QTableWidget(kGridRows, 2, parent);
    g->setObjectName(name);
    g->verticalHeader()->hide();
    g->verticalHeader()->setMinimumSectionSize(kGridRowHeight);
    g->verticalHeader()->setDefaultSectionSize(kGridRowHeight);
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->setSelectionMode(QAbstractItemView::NoSelection);
    g->setFocusPolicy(Qt::NoFocus);
    g->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    g->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    g->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    g->horizontalHeader()->setMinimumSectionSize(kColumnWidth);
    g->horizontalHeader()->setStretchLastSection(true);
    // Every row shows.
    g->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    g->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    for (int r = 0; r < kGridRows; ++r) {
        g->setItem(r, 0, new QTableWidgetItem);
        auto* value = new QTableWidgetItem;
        value->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        g->setItem(r, 1, value);
    }
    return g;
}

void setCell(QTableWidget* g, int row, int column, const std::string& text)
{
    QTableWidgetItem* item = g->item(row, column);
    if (item->text() != qs(text))
        item->setText(qs(text));
}

void fillGrid(QTableWidget* g, const std::string& header, const std::array<std::string, 9>& names,
              const std::array<std::string, 9>& values)
{
    const QStringList labels{QString(), qs(header)};
    if (g->property("headerLabels").toStringList() != labels) {
        g->setProperty("headerLabels", labels);
        g->setHorizontalHeaderLabels(labels);
    }
    for (int r = 0; r < kGridRows; ++r) {
        setCell(g, r, 0, names[static_cast<std::size_t>(r)]);
        setCell(g, r, 1, values[static_cast<std::size_t>(r)]);
    }
    g->setFixedWidth(g->horizontalHeader()->length() + 2 * g->frameWidth());

}

template <std::size_t N>
std::vector<std::string> items(const std::array<std::string, N>& texts)
{
    return {texts.begin(), texts.end()};
}

} // namespace

RegulatorGeneralPageView::RegulatorGeneralPageView(RegulatorGeneralPage& logic, QWidget* parent)
    : PageView(parent)
    , logic_(logic)
{
    setObjectName("RegulatorGeneralPageView");
    logic_.setDecimalSeparator(systemDecimalSeparator());
    QVBoxLayout* layout = addBackground();
    backgroundPanel_ = background();
    general_ = new GeneralPageWidgets(logic_, backgroundPanel_, [this](const std::function<void()>& f) { handle(f); },
                                      [this] { tick(); });
    layout->addLayout(general_->topRow());
    layout->addWidget(buildSettings());
    layout->addWidget(buildGrids());
    layout->addWidget(buildRelays());
    layout->addStretch(1);
    render();
}

QTimer* RegulatorGeneralPageView::refreshTimer() const
{
    return general_->refreshTimer();
}

void RegulatorGeneralPageView::handle(const std::function<void()>& f)
{
    f();
    render();
}

QWidget* RegulatorGeneralPageView::buildSettings()
{
    auto* row = new QWidget(backgroundPanel_);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    indicationModeGroup_ = new RadioGroupBox("indicationModeGroup", 5, 3, row);
    deviceLanguageGroup_ = new RadioGroupBox("deviceLanguageGroup", 3, 3, row);
    connect(indicationModeGroup_, &RadioGroupBox::clicked, this,
            [this](int i) { handle([&] { logic_.indicationModeChosen(i); }); });
    connect(deviceLanguageGroup_, &RadioGroupBox::clicked, this,
            [this](int i) { handle([&] { logic_.deviceLanguageChosen(i); }); });
    layout->addWidget(indicationModeGroup_, 1);
    layout->addWidget(deviceLanguageGroup_, 1, Qt::AlignTop);
    return row;
}

QWidget* RegulatorGeneralPageView::buildGrids()
{
    auto* row = new QWidget(backgroundPanel_);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    measurementGrid_ = grid("measurementGrid", row);
    secondMeasurementGrid_ = grid("secondMeasurementGrid", row);
    auto* commands = new QVBoxLayout;
    positionUpButton_ = general_->button("positionUpButton", row, [this] { logic_.positionUpClicked(); });
    positionDownButton_ = general_->button("positionDownButton", row, [this] { logic_.positionDownClicked(); });
    resetMaxMinCountButton_ =
        general_->button("resetMaxMinCountButton", row, [this] { logic_.resetMaxMinCountClicked(); });
    commands->addWidget(positionUpButton_);
    commands->addWidget(positionDownButton_);
    commands->addSpacing(12);
    commands->addWidget(resetMaxMinCountButton_);
    commands->addStretch(1);
    layout->addWidget(measurementGrid_, 0, Qt::AlignTop);
    layout->addWidget(secondMeasurementGrid_, 0, Qt::AlignTop);
    layout->addStretch(1);
    layout->addLayout(commands);
    return row;
}

QWidget* RegulatorGeneralPageView::buildRelays()
{
    relays_ = new RelayStrip(RegulatorGeneralPage::kRelayCount, backgroundPanel_);
    for (int i = 0; i < RegulatorGeneralPage::kRelayCount; ++i) {
        auto* label = new QLabel(relays_);
        label->setObjectName(QString("relayLabel%1").arg(i + 1));
        label->setAlignment(Qt::AlignCenter);
        label->setWordWrap(true);
        relays_->grid()->addWidget(label, 2, i, Qt::AlignHCenter);
        relayLabels_[static_cast<std::size_t>(i)] = label;
    }
    return relays_;
}

void RegulatorGeneralPageView::tick()
{
    logic_.tick();
    render();
}

void RegulatorGeneralPageView::render()
{
    general_->render();
    const RegulatorGeneralPageCaptions& c = logic_.captions();
    const RegulatorGeneralPageState& s = logic_.state();
    positionUpButton_->setText(qs(c.positionUp));
    positionDownButton_->setText(qs(c.positionDown));
    resetMaxMinCountButton_->setText(qs(c.resetMaxMinCount));
    indicationModeGroup_->setTexts(c.indicationMode, items(c.indicationModeItems));
    deviceLanguageGroup_->setTexts(c.deviceLanguage, items(c.deviceLanguageItems));
    indicationModeGroup_->select(s.indicationMode);
    deviceLanguageGroup_->select(s.deviceLanguage);
    fillGrid(measurementGrid_, c.measurementHeader, c.measurementRows, s.measurements);
    fillGrid(secondMeasurementGrid_, "", c.secondMeasurementRows, s.secondMeasurements);
    // Values of the last answered refresh are drawn greyed while the device is silent.
    const bool live = !general_->stale();
    measurementGrid_->setEnabled(live);
    secondMeasurementGrid_->setEnabled(live);
    for (std::size_t i = 0; i < relayLabels_.size(); ++i) {
        relays_->setRelay(static_cast<int>(i), s.relays[i]);
        relayLabels_[i]->setText(qs(c.relayLabels[i]));
    }
}
