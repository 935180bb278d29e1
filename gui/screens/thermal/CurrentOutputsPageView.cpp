#include "gui/screens/thermal/CurrentOutputsPageView.h"

#include "gui/app/ApplyEdit.h"
#include "gui/app/DecimalSeparator.h"
#include "gui/app/RadioGroupBox.h"
#include "gui/app/WidgetText.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

CurrentOutputsPageView::CurrentOutputsPageView(CurrentOutputsPage& logic, QWidget* parent)
    : PageView(parent)
    , logic_(logic)
{
    setObjectName("CurrentOutputsPageView");
    logic_.setDecimalSeparator(systemDecimalSeparator());
    QVBoxLayout* layout = addBackground();
    QWidget* backgroundPanel = background();

    // The fixed-range panel takes the range's place.
    auto* range = new QVBoxLayout;
    rangeGroup_ = new RadioGroupBox("rangeGroup", 5, 5, backgroundPanel);
    connect(rangeGroup_, &RadioGroupBox::clicked, this, [this](int i) { handle([&] { logic_.rangeChosen(i); }); });
    fixedRangePanel_ = namedPanel("fixedRangePanel", backgroundPanel);
    fixedRangePanel_->setAlignment(Qt::AlignCenter);
    fixedRangePanel_->setMinimumHeight(40);
    range->addWidget(rangeGroup_);
    range->addWidget(fixedRangePanel_);
    layout->addLayout(range);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    fullScaleLabel_ = new QLabel(backgroundPanel);
    fullScaleLabel_->setObjectName("fullScaleLabel");
    fullScaleEdit_ = edit("fullScaleEdit", CurrentOutputsPage::kFullScaleEdit);
    connect(fullScaleEdit_, &QLineEdit::textEdited, this,
            [this](const QString& t) { logic_.setFullScale(t.toStdString()); });
    currentFullScaleLabel_ = new QLabel(backgroundPanel);
    currentFullScaleLabel_->setObjectName("currentFullScaleLabel");
    currentFullScaleEdit_ = edit("currentFullScaleEdit", CurrentOutputsPage::kCurrentFullScaleEdit);
    connect(currentFullScaleEdit_, &QLineEdit::textEdited, this,
            [this](const QString& t) { logic_.setCurrentFullScale(t.toStdString()); });
    grid->addWidget(fullScaleLabel_, 0, 0);
    grid->addWidget(fullScaleEdit_, 0, 1);
    grid->addWidget(currentFullScaleLabel_, 1, 0);
    grid->addWidget(currentFullScaleEdit_, 1, 1);
    for (std::size_t k = 0; k < kOutputs; ++k) {
        auto* label = new QLabel(backgroundPanel);
        label->setObjectName(QString("outputChannelLabel%1").arg(k));
        auto* list = new QComboBox(backgroundPanel);
        list->setObjectName(QString("outputChannelCombo%1").arg(k));
        list->setMinimumWidth(150);
        const int output = static_cast<int>(k);
        connect(list, &QComboBox::activated, this,
                [this, output](int entry) { handle([&] { logic_.outputChannelChosen(output, entry); }); });
        grid->addWidget(label, static_cast<int>(k) + 2, 0);
        grid->addWidget(list, static_cast<int>(k) + 2, 1);
        outputChannelLabels_[k] = label;
        outputChannelCombos_[k] = list;
    }
    grid->setColumnStretch(2, 1);
    layout->addLayout(grid);
    layout->addStretch(1);
    render();
}

// An edit that has the focus loses it while the page is destroyed: that must not
// reach the logic through a page that is no longer whole.
CurrentOutputsPageView::~CurrentOutputsPageView()
{
    for (ApplyEdit* e : {fullScaleEdit_, currentFullScaleEdit_})
        e->disconnect(this);
}

template <typename F>
void CurrentOutputsPageView::handle(F&& f)
{
    // Every action of the page sends every field, an edit left by this click included.
    for (ApplyEdit* e : {fullScaleEdit_, currentFullScaleEdit_})
        e->dropPendingApply();
    f();
    render();
}

ApplyEdit* CurrentOutputsPageView::edit(const char* name, CurrentOutputsPage::Focus focus)
{
    auto* e = new ApplyEdit(name, background());
    e->setMaximumWidth(90);
    connect(e, &ApplyEdit::focusChanged, this, [this, focus](bool in) {
        logic_.setFocus(in ? focus : CurrentOutputsPage::kNoFocus);
    });
    connect(e, &ApplyEdit::applied, this, [this] { handle([&] { logic_.fullScaleLeft(); }); });
    return e;
}

void CurrentOutputsPageView::render()
{
    const CurrentOutputsPageCaptions& c = logic_.captions();
    const CurrentOutputsPageState& s = logic_.state();
    rangeGroup_->setTexts(c.range, {c.rangeItems.begin(), c.rangeItems.end()});
    rangeGroup_->select(s.range);
    rangeGroup_->setVisible(s.rangeVisible);
    fixedRangePanel_->setText(qs(c.fixedRangePanel));
    fixedRangePanel_->setVisible(s.fixedRangePanelVisible);
    fullScaleLabel_->setText(qs(c.fullScaleLabel));
    setEditText(fullScaleEdit_, s.fullScale);
    fullScaleLabel_->setVisible(s.fullScaleVisible);
    fullScaleEdit_->setVisible(s.fullScaleVisible);
    currentFullScaleLabel_->setText(qs(c.currentFullScaleLabel));
    setEditText(currentFullScaleEdit_, s.currentFullScale);
    currentFullScaleLabel_->setVisible(s.currentFullScaleVisible);
    currentFullScaleEdit_->setVisible(s.currentFullScaleVisible);
    QStringList entries;
    for (const std::string& e : s.channelNames)
        entries << qs(e);
    for (std::size_t k = 0; k < kOutputs; ++k) {
        QComboBox* list = outputChannelCombos_[k];
        outputChannelLabels_[k]->setText(qs(c.outputChannelLabels[k]));
        outputChannelLabels_[k]->setVisible(s.outputVisible[k]);
        list->setVisible(s.outputVisible[k]);
        // A list whose drop-down is open is left to the user.
        if (list->view()->isVisible())
            continue;
        const QSignalBlocker quiet(list);
        QStringList shown;
        for (int i = 0; i < list->count(); ++i)
            shown << list->itemText(i);
        if (shown != entries) {
            list->clear();
            list->addItems(entries);
        }
        list->setCurrentIndex(s.outputChannels[k]);
    }
}
