#include "gui/screens/thermal/ThermalGeneralPageView.h"

#include "gui/app/ApplyEdit.h"
#include "gui/app/DecimalSeparator.h"
#include "gui/app/RadioGroupBox.h"
#include "gui/app/WidgetText.h"
#include "gui/screens/common/GeneralPageWidgets.h"
#include "gui/screens/common/MeasureGrid.h"
#include "gui/screens/common/RelayStrip.h"
#include "screens/thermal/ThermalGeneralPage.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// Column 0 numbers the rows; every column is at least as wide as `widths` says.
MeasureGrid* numberedGrid(const char* name, int columns, int rows, std::initializer_list<int> widths, QWidget* parent)
{
    auto* g = new MeasureGrid(name,
                              {.rows = rows,
                               .rowHeight = 22,
                               .columns = columns,
                               .header = true,
                               .valueAlignment = Qt::AlignRight | Qt::AlignVCenter},
                              parent);
    QVariantList least;
    for (int w : widths)
        least << w;
    g->setProperty("leastWidths", least);
    g->horizontalHeader()->setStretchLastSection(true);
    for (int r = 0; r < rows; ++r) {
        g->item(r, 0)->setText(QString::number(r + 1));
        g->item(r, 0)->setTextAlignment(Qt::AlignCenter);
    }
    return g;
}

// Columns keep their set widths, widened where a language's header would not fit.
void setHeader(MeasureGrid* g, const auto& texts)
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

// The items stay at the top of a group that its row makes taller.
void keepItemsAtTop(RadioGroupBox* group)
{
    if (auto* grid = qobject_cast<QGridLayout*>(group->layout()))
        grid->setRowStretch(grid->rowCount(), 1);
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
    general_ = new GeneralPageWidgets(logic_, *this, backgroundPanel_);
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

QWidget* ThermalGeneralPageView::buildSettings()
{
    auto* row = new QWidget(backgroundPanel_);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    displayModeGroup_ =
        general_->radioGroup("displayModeGroup", 3, 1, row, [this](int i) { logic_.displayModeChosen(i); });
    operatingFrequencyGroup_ = general_->radioGroup("operatingFrequencyGroup", 2, 1, row,
                                                    [this](int i) { logic_.operatingFrequencyChosen(i); });
    deviceLanguageGroup_ =
        general_->radioGroup("deviceLanguageGroup", 3, 1, row, [this](int i) { logic_.deviceLanguageChosen(i); });
    for (RadioGroupBox* group : {displayModeGroup_, operatingFrequencyGroup_, deviceLanguageGroup_}) {
        keepItemsAtTop(group);
        layout->addWidget(group, 1);
    }
    return row;
}

QWidget* ThermalGeneralPageView::buildGrids()
{
    auto* row = new QWidget(backgroundPanel_);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    measurementGrid_ = numberedGrid("measurementGrid", 3, 6, {40, 100, 100}, row);
    windingMeasurementGrid_ = numberedGrid("windingMeasurementGrid", 4, 3, {40, 90, 90, 90}, row);
    layout->addWidget(measurementGrid_, 0, Qt::AlignTop);
    layout->addStretch(1);
    layout->addWidget(windingMeasurementGrid_, 0, Qt::AlignTop);
    return row;
}

QWidget* ThermalGeneralPageView::buildRelays()
{
    relays_ = new RelayStrip(ThermalGeneralPage::kRelayCount, backgroundPanel_);
    for (int i = 0; i < ThermalGeneralPage::kRelayCount; ++i) {
        const QByteArray name = QString("relayNameEdit%1").arg(i + 1).toLatin1();
        auto* edit = new ApplyEdit(name.constData(), backgroundPanel_);
        edit->setAlignment(Qt::AlignCenter);
        edit->setMaximumWidth(60);
        connect(edit, &QLineEdit::textEdited, this, [this, i](const QString& text) { logic_.setRelayName(i, text.toStdString()); });
        connect(edit, &ApplyEdit::focusChanged, this,
                [this, i](bool in) { logic_.setFocusedEdit(in ? i : ThermalGeneralPage::kNoFocus); });
        connect(edit, &ApplyEdit::applied, this, [this] { general_->handle([this] { logic_.relayNameLeft(); }); });
        relays_->placeUnder(i, edit);
        relayNameEdits_[static_cast<std::size_t>(i)] = edit;
    }
    return relays_;
}

void ThermalGeneralPageView::render()
{
    general_->render();
    const ThermalGeneralPageCaptions& c = logic_.captions();
    const ThermalGeneralPageState& s = logic_.state();
    membraneTestButton_->setText(qs(c.membraneTest));
    membraneTestButton_->setVisible(s.membraneTestVisible);
    showChoices(displayModeGroup_, c.displayMode, c.displayModeItems, s.displayMode);
    showChoices(operatingFrequencyGroup_, c.operatingFrequency, c.operatingFrequencyItems, s.operatingFrequency);
    showChoices(deviceLanguageGroup_, c.deviceLanguage, c.deviceLanguageItems, s.deviceLanguage);
    setHeader(measurementGrid_, c.measurementHeader);
    setHeader(windingMeasurementGrid_, c.windingMeasurementHeader);
    for (std::size_t r = 0; r < s.measurements.size(); ++r)
        measurementGrid_->setValues(static_cast<int>(r), s.measurements[r]);
    for (std::size_t r = 0; r < s.windingMeasurements.size(); ++r)
        windingMeasurementGrid_->setValues(static_cast<int>(r), s.windingMeasurements[r]);
    // Values of the last answered refresh are drawn greyed while the device is silent.
    const bool live = !general_->stale();
    measurementGrid_->setEnabled(live);
    windingMeasurementGrid_->setEnabled(live);
    relays_->setRelays(s.relays);
    for (std::size_t i = 0; i < relayNameEdits_.size(); ++i) {
        setEditText(relayNameEdits_[i], s.relayNames[i]);
        relayNameEdits_[i]->setEnabled(s.relayNamesEnabled);
    }
}
