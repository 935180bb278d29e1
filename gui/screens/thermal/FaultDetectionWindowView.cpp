#include "gui/screens/thermal/FaultDetectionWindowView.h"

#include "gui/app/WidgetText.h"
#include "gui/screens/thermal/ValueGrid.h"
#include "screens/thermal/FaultDetectionWindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QLabel* widePanel(const char* name, QWidget* parent)
{
    QLabel* p = namedPanel(name, parent);
    p->setMinimumWidth(180);
    return p;
}

} // namespace

FaultDetectionWindowView::FaultDetectionWindowView(FaultDetectionWindow& logic, QWidget* parent)
    : LogicDialog(logic, parent)
    , logic_(logic)
    , valueGrid_(makeValueGrid(FaultDetectionWindow::kRowCount, 70, 100, this))
    , statePanel_(widePanel("statePanel", this))
    , resultPanel_(widePanel("resultPanel", this))
    , measurementPanel_(widePanel("measurementPanel", this))
    , timer_(new QTimer(this))
{
    const FaultDetectionWindow::Captions& c = logic.captions();
    setWindowTitle(qs(c.caption));
    for (int r = 0; r < FaultDetectionWindow::kRowCount; ++r) {
        valueGrid_->item(r, 0)->setText(qs(logic.labels()[static_cast<std::size_t>(r)]));
        cells_[static_cast<std::size_t>(r)] = valueCell(*valueGrid_, r);
        forwardEdits(cells_[static_cast<std::size_t>(r)], [this, r](const std::string& t) { logic_.setValue(r + 1, t); });
    }

    auto* info = new QLabel(qs(c.infoLabel), this);
    info->setObjectName("infoLabel");
    info->setWordWrap(true);

    recordButton_ = new QPushButton(qs(c.recordButton), this);
    recordButton_->setObjectName("recordButton");
    recordButton_->setCheckable(true);
    recordButton_->setAutoDefault(false);
    // A cancelled file choice leaves the button up, a failed recording lifts it.
    connect(recordButton_, &QPushButton::clicked, this, [this](bool down) {
        logic_.recordingToggled(down);
        render();
    });

    auto* panels = new QVBoxLayout;
    panels->addWidget(statePanel_);
    panels->addWidget(resultPanel_);
    panels->addWidget(measurementPanel_);
    panels->addStretch(1);
    panels->addWidget(makeButton(c.sendButton, "sendButton", [this] { logic_.sendClicked(); }));
    panels->addWidget(recordButton_);

    auto* columns = new QHBoxLayout;
    columns->addWidget(valueGrid_);
    columns->addLayout(panels, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(info);

    timer_->setInterval(kTickInterval);
    connect(timer_, &QTimer::timeout, this, &FaultDetectionWindowView::tick);
}

void FaultDetectionWindowView::tick()
{
    logic_.tick();
    render();
}

void FaultDetectionWindowView::showEvent(QShowEvent* event)
{
    LogicDialog::showEvent(event);
    timer_->start();
}

void FaultDetectionWindowView::hideEvent(QHideEvent* event)
{
    timer_->stop();
    LogicDialog::hideEvent(event);
}

void FaultDetectionWindowView::render()
{
    for (std::size_t r = 0; r < cells_.size(); ++r)
        setEditText(cells_[r], logic_.values()[r]);
    statePanel_->setText(qs(logic_.stateText()));
    resultPanel_->setText(qs(logic_.resultText()));
    measurementPanel_->setText(qs(logic_.measurementText()));
    recordButton_->setChecked(logic_.recording());
}
