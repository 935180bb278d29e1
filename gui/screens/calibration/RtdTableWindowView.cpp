#include "gui/screens/calibration/RtdTableWindowView.h"

#include "gui/app/WidgetText.h"
#include "gui/screens/calibration/GridCellEditor.h"
#include "gui/screens/calibration/ValueGrid.h"
#include "screens/calibration/RtdTableWindow.h"

#include <QTimer>
#include <QVBoxLayout>

RtdTableWindowView::RtdTableWindowView(RtdTableWindow& logic, QWidget* parent)
    : LogicDialog(logic, parent)
    , logic_(logic)
{
    setObjectName("RtdTableWindowView");
    auto* layout = new QVBoxLayout(this);
    valueGrid_ = new ValueGrid({.columnWidths = {50, 110, 110, 110, 110}}, this);
    cellEditor_ = GridCellEditor::forWindow(valueGrid_, logic_, [this] { render(); }, this);
    layout->addWidget(valueGrid_);
    auto* timer = new QTimer(this);
    timer->setInterval(1000);
    connect(timer, &QTimer::timeout, this, [this] {
        logic_.tick();
        render();
    });
    timer->start();
    resize(520, 260);
    render();
}

void RtdTableWindowView::render()
{
    setWindowTitle(qs(logic_.captions().caption));
    valueGrid_->setTexts(logic_.captions().header, logic_.rows());
    // The RTD numbers read as row titles.
    valueGrid_->shadeColumn(0, QColor(192, 192, 192));
    cellEditor_->place();
}
