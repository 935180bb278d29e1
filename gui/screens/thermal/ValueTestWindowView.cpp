#include "gui/screens/thermal/ValueTestWindowView.h"

#include "gui/app/WidgetText.h"
#include "gui/screens/thermal/ValueGrid.h"
#include "screens/thermal/ValueTestWindow.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QPushButton* button(const char* name, QWidget* parent)
{
    auto* b = new QPushButton(parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

} // namespace

ValueTestWindowView::ValueTestWindowView(ValueTestWindow& logic, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , logic_(logic)
    , testActiveCheck_(new QCheckBox(this))
    , valueGrid_(makeValueGrid(ValueTestWindow::kRowCount, 60, 100, this))
    , sendButton_(button("sendButton", this))
    , sendSecondButton_(button("sendSecondButton", this))
{
    testActiveCheck_->setObjectName("testActiveCheck");
    connect(testActiveCheck_, &QCheckBox::clicked, this, [this](bool checked) { logic_.setTestActive(checked); });
    for (int r = 0; r < ValueTestWindow::kRowCount; ++r) {
        QLineEdit* cell = valueCell(*valueGrid_, r);
        cells_[static_cast<std::size_t>(r)] = cell;
        connect(cell, &QLineEdit::textEdited, this,
                [this, r](const QString& t) { logic_.setValue(r + 1, t.toStdString()); });
    }
    connect(sendButton_, &QPushButton::clicked, this, [this] { send(false); });
    connect(sendSecondButton_, &QPushButton::clicked, this, [this] { send(true); });

    auto* info = new QVBoxLayout;
    for (std::size_t i = 0; i < infoLabels_.size(); ++i) {
        infoLabels_[i] = new QLabel(this);
        infoLabels_[i]->setObjectName(QString("infoLabel%1").arg(i + 1));
        info->addWidget(infoLabels_[i]);
    }
    info->addStretch(1);
    info->addWidget(sendButton_);
    info->addWidget(sendSecondButton_);

    auto* columns = new QHBoxLayout;
    columns->addWidget(valueGrid_, 0, Qt::AlignTop);
    columns->addLayout(info, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(testActiveCheck_);
    layout->addLayout(columns);
}

void ValueTestWindowView::send(bool second)
{
    logic_.sendClicked(second);
    render();
}

void ValueTestWindowView::render()
{
    const ValueTestWindow::Captions& c = logic_.captions();
    setWindowTitle(qs(c.caption));
    testActiveCheck_->setText(qs(c.testActive));
    testActiveCheck_->setChecked(logic_.testActive());
    sendButton_->setText(qs(c.sendButton));
    sendSecondButton_->setText(qs(c.sendSecondButton));
    const std::array<const std::string*, 4> info{&c.infoLabel1, &c.infoLabel2, &c.infoLabel3, &c.infoLabel4};
    for (std::size_t i = 0; i < infoLabels_.size(); ++i)
        infoLabels_[i]->setText(qs(*info[i]));
    for (std::size_t r = 0; r < cells_.size(); ++r) {
        const std::string& label = logic_.labels()[r];
        const int row = static_cast<int>(r);
        valueGrid_->item(row, 0)->setText(qs(label));
        valueGrid_->setRowHidden(row, label.empty());
        setEditText(cells_[r], logic_.values()[r]);
    }
    fitValueGrid(*valueGrid_);
}

void ValueTestWindowView::showAt(QWidget* anchor)
{
    render();
    if (anchor != nullptr)
        move(anchor->mapToGlobal(QPoint(0, 0)) + QPoint(100, 100));
    show();
    raise();
    activateWindow();
}
