#include "gui/screens/thermal/ThermalGeneralPageView.h"

#include "gui/app/DecimalSeparator.h"
#include "gui/app/WidgetText.h"
#include "gui/screens/common/GeneralPageWidgets.h"
#include "gui/screens/common/RelayStrip.h"
#include "screens/thermal/ThermalGeneralPage.h"

#include <QButtonGroup>
#include <QEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kGridRowHeight = 22;

QTableWidget* grid(const char* name, int columns, int rows, std::initializer_list<int> widths, QWidget* parent)
{
    auto* g = new QTableWidget(rows, columns, parent);
    g->setObjectName(name);
    g->verticalHeader()->hide();
    g->verticalHeader()->setDefaultSectionSize(kGridRowHeight);
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->setSelectionMode(QAbstractItemView::NoSelection);
    g->setFocusPolicy(Qt::NoFocus);
    g->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    g->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QVariantList least;
    for (int w : widths)
        least << w;
    g->setProperty("leastWidths", least);
    g->horizontalHeader()->setStretchLastSection(true);
    for (int r = 0; r < rows; ++r) {
        auto* label = new QTableWidgetItem(QString::number(r + 1));
        label->setTextAlignment(Qt::AlignCenter);
        g->setItem(r, 0, label);
        for (int col = 1; col < columns; ++col) {
            auto* cell = new QTableWidgetItem;
            cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            g->setItem(r, col, cell);
        }
    }
    g->setFixedHeight(g->horizontalHeader()->sizeHint().height() + rows * g->verticalHeader()->defaultSectionSize() + 2);
    return g;
}

// Columns keep their set widths, widened where a language's header would not fit.
void setHeader(QTableWidget* g, const auto& texts)
{
    QStringList labels;
    for (const std::string& t : texts)
        labels << qs(t);
    if (g->property("headerLabels").toStringList() == labels)
        return;
    g->setProperty("headerLabels", labels);
    g->setHorizontalHeaderLabels(labels);
    const QFontMetrics metrics(g->horizontalHeader()->font());
    const QVariantList least = g->property("leastWidths").toList();
    int total = 2;
    for (int c = 0; c < least.size(); ++c) {
        const int w = std::max(least[c].toInt(), metrics.horizontalAdvance(labels[c]) + 12);
        g->setColumnWidth(c, w);
        total += w;
    }
    g->setFixedWidth(total);
}

void setCell(QTableWidget* g, int row, int column, const std::string& text)
{
    QTableWidgetItem* item = g->item(row, column);
    if (item->text() != qs(text))
        item->setText(qs(text));
}

void select(QButtonGroup* group, int index)
{
    if (index < 0) {
        // An exclusive group cannot uncheck its checked button.
        group->setExclusive(false);
        for (QAbstractButton* b : group->buttons())
            b->setChecked(false);
        group->setExclusive(true);
    } else if (QAbstractButton* b = group->button(index)) {
        b->setChecked(true);
    }
}

template <std::size_t N>
void setItems(QGroupBox* box, QButtonGroup* group, const std::string& title, const std::array<std::string, N>& items)
{
    box->setTitle(qs(title));
    for (std::size_t i = 0; i < N; ++i)
        group->button(static_cast<int>(i))->setText(qs(items[i]));
}

} // namespace

ThermalGeneralPageView::ThermalGeneralPageView(ThermalGeneralPage& logic, QWidget* parent)
    : PageView(parent)
    , logic_(logic)
{
    setObjectName("ThermalGeneralPageView");
    logic_.setDecimalSeparator(systemDecimalSeparator());
    QVBoxLayout* layout = addBackground();
    backgroundPanel_ = background();
    general_ = new GeneralPageWidgets(logic_, backgroundPanel_, [this](const std::function<void()>& f) { handle(f); },
                                      [this] { tick(); });
    membraneTestButton_ =
        general_->button("membraneTestButton", general_->connectionBox(), [this] { logic_.membraneTestClicked(); });
    general_->connectionGrid()->addWidget(membraneTestButton_, 3, 2);
    layout->addLayout(general_->topRow());
    layout->addWidget(buildSettings());
    layout->addWidget(buildGrids());
    layout->addWidget(buildRelays());
    layout->addStretch(1);
    render();
}

QTimer* ThermalGeneralPageView::refreshTimer() const
{
    return general_->refreshTimer();
}

void ThermalGeneralPageView::handle(const std::function<void()>& f)
{
    f();
    render();
}

QButtonGroup* ThermalGeneralPageView::radioGroup(QGroupBox* box, const char* name, int items,
                                                 std::function<void(int)> click)
{
    box->setObjectName(name);
    auto* column = new QVBoxLayout(box);
    column->setSpacing(2);
    auto* group = new QButtonGroup(box);
    for (int i = 0; i < items; ++i) {
        auto* radio = new QRadioButton(box);
        radio->setObjectName(QString("%1%2").arg(name).arg(i));
        group->addButton(radio, i);
        column->addWidget(radio);
    }
    column->addStretch(1);
    // Only the user's clicks: a redraw that checks a button sends nothing.
    connect(group, &QButtonGroup::idClicked, this, [this, click = std::move(click)](int id) { handle([&] { click(id); }); });
    return group;
}

QWidget* ThermalGeneralPageView::buildSettings()
{
    auto* row = new QWidget(backgroundPanel_);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    displayModeGroup_ = new QGroupBox(row);
    operatingFrequencyGroup_ = new QGroupBox(row);
    deviceLanguageGroup_ = new QGroupBox(row);
    displayModeButtons_ =
        radioGroup(displayModeGroup_, "displayModeGroup", 3, [this](int i) { logic_.displayModeChosen(i); });
    operatingFrequencyButtons_ = radioGroup(operatingFrequencyGroup_, "operatingFrequencyGroup", 2,
                                            [this](int i) { logic_.operatingFrequencyChosen(i); });
    deviceLanguageButtons_ =
        radioGroup(deviceLanguageGroup_, "deviceLanguageGroup", 3, [this](int i) { logic_.deviceLanguageChosen(i); });
    layout->addWidget(displayModeGroup_, 1);
    layout->addWidget(operatingFrequencyGroup_, 1);
    layout->addWidget(deviceLanguageGroup_, 1);
    return row;
}

QWidget* ThermalGeneralPageView::buildGrids()
{
    auto* row = new QWidget(backgroundPanel_);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    measurementGrid_ = grid("measurementGrid", 3, 6, {40, 100, 100}, row);
    windingMeasurementGrid_ = grid("windingMeasurementGrid", 4, 3, {40, 90, 90, 90}, row);
    layout->addWidget(measurementGrid_, 0, Qt::AlignTop);
    layout->addStretch(1);
    layout->addWidget(windingMeasurementGrid_, 0, Qt::AlignTop);
    return row;
}

QWidget* ThermalGeneralPageView::buildRelays()
{
    relays_ = new RelayStrip(ThermalGeneralPage::kRelayCount, backgroundPanel_);
    for (int i = 0; i < ThermalGeneralPage::kRelayCount; ++i) {
        auto* edit = namedEdit("", relays_);
        edit->setObjectName(QString("relayNameEdit%1").arg(i + 1));
        edit->setAlignment(Qt::AlignCenter);
        edit->setMaximumWidth(60);
        edit->setProperty("relay", i);
        edit->installEventFilter(this);
        connect(edit, &QLineEdit::textEdited, this, [this, i](const QString& text) { logic_.setRelayName(i, text.toStdString()); });
        connect(edit, &QLineEdit::editingFinished, this, [this, edit] {
            // Enter leaves the edit for the background, as a focus change would.
            if (edit->hasFocus())
                backgroundPanel_->setFocus();
            handle([this] { logic_.relayNameLeft(); });
        });
        relays_->grid()->addWidget(edit, 2, i, Qt::AlignHCenter);
        relayNameEdits_[static_cast<std::size_t>(i)] = edit;
    }
    return relays_;
}

bool ThermalGeneralPageView::eventFilter(QObject* watched, QEvent* event)
{
    // Only the name edits are watched.
    if (event->type() == QEvent::FocusIn)
        logic_.setFocusedEdit(watched->property("relay").toInt());
    else if (event->type() == QEvent::FocusOut)
        logic_.setFocusedEdit(ThermalGeneralPage::kNoFocus);
    return PageView::eventFilter(watched, event);
}

void ThermalGeneralPageView::tick()
{
    logic_.tick();
    render();
}

void ThermalGeneralPageView::render()
{
    general_->render();
    const ThermalGeneralPageCaptions& c = logic_.captions();
    const ThermalGeneralPageState& s = logic_.state();
    membraneTestButton_->setText(qs(c.membraneTest));
    membraneTestButton_->setVisible(s.membraneTestVisible);
    setItems(displayModeGroup_, displayModeButtons_, c.displayMode, c.displayModeItems);
    setItems(operatingFrequencyGroup_, operatingFrequencyButtons_, c.operatingFrequency, c.operatingFrequencyItems);
    setItems(deviceLanguageGroup_, deviceLanguageButtons_, c.deviceLanguage, c.deviceLanguageItems);
    select(displayModeButtons_, s.displayMode);
    select(operatingFrequencyButtons_, s.operatingFrequency);
    select(deviceLanguageButtons_, s.deviceLanguage);
    setHeader(measurementGrid_, c.measurementHeader);
    setHeader(windingMeasurementGrid_, c.windingMeasurementHeader);
    for (int r = 0; r < static_cast<int>(s.measurements.size()); ++r) {
        for (int col = 0; col < 2; ++col)
            setCell(measurementGrid_, r, col + 1,
                    s.measurements[static_cast<std::size_t>(r)][static_cast<std::size_t>(col)]);
    }
    for (int r = 0; r < static_cast<int>(s.windingMeasurements.size()); ++r) {
        for (int col = 0; col < 3; ++col)
            setCell(windingMeasurementGrid_, r, col + 1,
                    s.windingMeasurements[static_cast<std::size_t>(r)][static_cast<std::size_t>(col)]);
    }
    // Values of the last answered refresh are drawn greyed while the device is silent.
    const bool live = !general_->stale();
    measurementGrid_->setEnabled(live);
    windingMeasurementGrid_->setEnabled(live);
    for (std::size_t i = 0; i < relayNameEdits_.size(); ++i) {
        relays_->setRelay(static_cast<int>(i), s.relays[i]);
        setEditText(relayNameEdits_[i], s.relayNames[i]);
        relayNameEdits_[i]->setEnabled(s.relayNamesEnabled);
    }
}
