#include "gui/screens/thermal/SetPointsPageView.h"

#include "gui/app/ApplyEdit.h"
#include "gui/app/DecimalSeparator.h"
#include "gui/app/RadioGroupBox.h"
#include "gui/app/WidgetText.h"
#include "screens/thermal/SetPointsPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFontMetrics>
#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QAbstractItemView>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace {

void keepRoomWhenHidden(QWidget* widget)
{
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

constexpr int kSetPointHeaderWidth = 45;
constexpr int kSetPointColumnWidth = 80;
constexpr int kSetPointGridColumns = 10;
constexpr int kSetPointGridRows = 9;
} // namespace

SetPointsPageView::SetPointsPageView(SetPointsPage& logic, QWidget* parent)
    : PageView(parent)
    , logic_(logic)
{
    setObjectName("SetPointsPageView");
    logic_.setDecimalSeparator(systemDecimalSeparator());
    QVBoxLayout* layout = addBackground();
    QWidget* backgroundPanel = background();

    // Row 0 and column 0 are the grid's own headers, drawn like the device's labels;
    // no cell can be selected: a click opens the in-place editor instead.
    setPointGrid_ = new QTableWidget(kSetPointGridRows, kSetPointGridColumns, backgroundPanel);
    setPointGrid_->setObjectName("setPointGrid");
    setPointGrid_->horizontalHeader()->hide();
    setPointGrid_->verticalHeader()->hide();
    setPointGrid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    setPointGrid_->setSelectionMode(QAbstractItemView::NoSelection);
    setPointGrid_->setFocusPolicy(Qt::NoFocus);
    setPointGrid_->setWordWrap(false);
    setPointGrid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setPointGrid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QFont bold = setPointGrid_->font();
    bold.setBold(true);
    for (int r = 0; r < kSetPointGridRows; ++r) {
        for (int c = 0; c < kSetPointGridColumns; ++c) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignCenter);
            if (r == 0 || c == 0) {
                item->setBackground(QColor(0xC0, 0xC0, 0xC0));
                item->setFont(bold);
            }
            setPointGrid_->setItem(r, c, item);
        }
    }
    connect(setPointGrid_, &QTableWidget::cellPressed, this, [this](int row, int column) {
        handle([&] { logic_.setPointCellPressed(column, row); });
    });
    layout->addWidget(setPointGrid_);

    cellEdit_ = new QLineEdit(setPointGrid_->viewport());
    cellEdit_->setObjectName("cellEdit");
    cellEdit_->hide();
    cellEdit_->installEventFilter(this);
    connect(cellEdit_, &QLineEdit::textEdited, this,
            [this](const QString& text) { logic_.setCellEditText(text.toStdString()); });
    // The editor also loses the focus to the message box of a refused value, and to
    // another window: neither is the user leaving the cell.
    connect(cellEdit_, &QLineEdit::editingFinished, this, [this] {
        if (cellEdit_->isVisible() && cellEdit_->window()->isActiveWindow())
            leaveCellEdit();
    });
    cellCombo_ = new QComboBox(setPointGrid_->viewport());
    cellCombo_->setObjectName("cellCombo");
    cellCombo_->hide();
    cellCombo_->setMaxVisibleItems(9);
    connect(cellCombo_, &QComboBox::activated, this, [this](int i) { handle([&] { logic_.cellChoiceChosen(i); }); });

    auto* groups = new QHBoxLayout;
    dailyCoolingBox_ = new QGroupBox(backgroundPanel);
    dailyCoolingBox_->setObjectName("dailyCoolingBox");
    auto* cooling = new QGridLayout(dailyCoolingBox_);
    dailyCoolingStartLabel_ = label("dailyCoolingStartLabel", dailyCoolingBox_);
    cooling->addWidget(dailyCoolingStartLabel_, 0, 0, 1, 3);
    cooling->addWidget(edit(SetPointEdit::CoolingStartHour, "coolingStartHourEdit", dailyCoolingBox_), 1, 0);
    cooling->addWidget(new QLabel(":", dailyCoolingBox_), 1, 1);
    cooling->addWidget(edit(SetPointEdit::CoolingStartMinute, "coolingStartMinuteEdit", dailyCoolingBox_), 1, 2);
    dailyCoolingDurationLabel_ = label("dailyCoolingDurationLabel", dailyCoolingBox_);
    cooling->addWidget(dailyCoolingDurationLabel_, 2, 0, 1, 3);
    cooling->addWidget(edit(SetPointEdit::CoolingDuration, "coolingDurationEdit", dailyCoolingBox_), 3, 0);
    cooling->setRowStretch(4, 1);
    cooling->setColumnStretch(3, 1);
    groups->addWidget(dailyCoolingBox_);

    configurationBox_ = new QGroupBox(backgroundPanel);
    configurationBox_->setObjectName("configurationBox");
    auto* config = new QGridLayout(configurationBox_);
    setPointAlternationLabel_ = label("setPointAlternationLabel", configurationBox_);
    setPointAlternationCombo_ = new QComboBox(configurationBox_);
    setPointAlternationCombo_->setObjectName("setPointAlternationCombo");
    connect(setPointAlternationCombo_, &QComboBox::activated, this, [this](int i) {
        background()->setFocus();
        sendAll([&] { logic_.setPointAlternationChosen(i); });
    });
    config->addWidget(setPointAlternationLabel_, 0, 0);
    config->addWidget(setPointAlternationCombo_, 1, 0);
    activeRtdCountGroup_ = new RadioGroupBox("activeRtdCountGroup", 6, 6, configurationBox_);
    connect(activeRtdCountGroup_, &RadioGroupBox::clicked, this, [this](int i) {
        background()->setFocus();
        sendAll([&] { logic_.activeRtdCountChosen(i); });
    });
    config->addWidget(activeRtdCountGroup_, 2, 0);
    redundantRtdsBox_ = new QGroupBox(configurationBox_);
    redundantRtdsBox_->setObjectName("redundantRtdsBox");
    auto* redundant = new QHBoxLayout(redundantRtdsBox_);
    for (int i = 0; i < SetPointsPageState::kRedundantBoxes; ++i) {
        auto* box = new QCheckBox(QString("RTD%1").arg(i + 2), redundantRtdsBox_);
        box->setObjectName(QString("redundantRtdCheck%1").arg(i + 2));
        connect(box, &QCheckBox::clicked, this, [this, i](bool checked) {
            background()->setFocus();
            sendAll([&] { logic_.redundantRtdToggled(i, checked); });
        });
        redundantRtdChecks_[static_cast<std::size_t>(i)] = box;
        redundant->addWidget(box);
    }
    config->addWidget(redundantRtdsBox_, 3, 0);
    // The redundancy boxes come and go with the number of active RTDs: their room
    // stays, so that the page does not reflow under the user's pointer.
    keepRoomWhenHidden(redundantRtdsBox_);
    for (QCheckBox* box : redundantRtdChecks_)
        keepRoomWhenHidden(box);
    maxTemperatureDifferenceLabel_ = label("maxTemperatureDifferenceLabel", configurationBox_);
    auto* maxDifferenceRow = new QHBoxLayout;
    maxDifferenceRow->addWidget(maxTemperatureDifferenceLabel_);
    maxDifferenceRow->addWidget(
        edit(SetPointEdit::MaxTemperatureDifference, "maxTemperatureDifferenceEdit", configurationBox_));
    config->addLayout(maxDifferenceRow, 4, 0);
    config->setRowStretch(5, 1);
    groups->addWidget(configurationBox_, 1);

    calculationBox_ = new QGroupBox(backgroundPanel);
    calculationBox_->setObjectName("calculationBox");
    auto* calculation = new QGridLayout(calculationBox_);
    nominalCurrentLabel_ = label("nominalCurrentLabel", calculationBox_);
    deltaTLabel_ = label("deltaTLabel", calculationBox_);
    timeConstantLabel_ = label("timeConstantLabel", calculationBox_);
    parameterMLabel_ = label("parameterMLabel", calculationBox_);
    calculation->addWidget(nominalCurrentLabel_, 0, 0);
    calculation->addWidget(deltaTLabel_, 1, 0);
    for (int w = 0; w < 3; ++w) {
        const QByteArray nominalCurrentName = QString("nominalCurrentEdit%1").arg(w + 1).toLatin1();
        const QByteArray deltaTName = QString("deltaTEdit%1").arg(w + 1).toLatin1();
        calculation->addWidget(edit(static_cast<SetPointEdit>(static_cast<int>(SetPointEdit::NominalCurrent1) + w), nominalCurrentName.constData(), calculationBox_), 0, 1 + w);
        calculation->addWidget(edit(static_cast<SetPointEdit>(static_cast<int>(SetPointEdit::DeltaT1) + w), deltaTName.constData(), calculationBox_), 1, 1 + w);
    }
    calculation->addWidget(timeConstantLabel_, 2, 0);
    calculation->addWidget(edit(SetPointEdit::TimeConstant, "timeConstantEdit", calculationBox_), 2, 1);
    calculation->addWidget(parameterMLabel_, 3, 0);
    calculation->addWidget(edit(SetPointEdit::ParameterM, "parameterMEdit", calculationBox_), 3, 1);
    calculation->setRowStretch(4, 1);
    groups->addWidget(calculationBox_);
    layout->addLayout(groups);
    layout->addStretch(1);
    render();
}

// An edit that has the focus loses it while the page is destroyed: that must not
// reach the logic through a page that is no longer whole.
SetPointsPageView::~SetPointsPageView()
{
    for (ApplyEdit* e : edits_)
        e->disconnect(this);
    cellEdit_->disconnect(this);
    cellEdit_->removeEventFilter(this);
}

template <typename F>
void SetPointsPageView::handle(F&& f)
{
    f();
    render();
}

// The box's or list's action sends every field, an edit left by this click included.
template <typename F>
void SetPointsPageView::sendAll(F&& f)
{
    for (ApplyEdit* e : edits_)
        e->dropPendingApply();
    handle(std::forward<F>(f));
}

// Enter applies the in-place edit (leaving the focus to the page); Escape drops it.
bool SetPointsPageView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == cellEdit_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Escape) {
            handle([&] { logic_.cellEditEscaped(); });
            background()->setFocus();
            return true;
        }
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            leaveCellEdit();
            return true;
        }
    }
    return PageView::eventFilter(watched, event);
}

// One refusal, one message: the focus the box takes must not refuse the value again.
void SetPointsPageView::leaveCellEdit()
{
    if (leavingCell_)
        return;
    leavingCell_ = true;
    handle([&] { logic_.cellEditLeft(); });
    leavingCell_ = false;
    if (cellEdit_->isVisible())
        cellEdit_->setFocus();
}

ApplyEdit* SetPointsPageView::edit(SetPointEdit which, const char* name, QWidget* parent)
{
    auto* e = new ApplyEdit(name, background());
    e->setParent(parent);
    e->setMaximumWidth(60);
    edits_[static_cast<std::size_t>(which)] = e;
    connect(e, &QLineEdit::textEdited, this, [this, which](const QString& text) { logic_.setEdit(which, text.toStdString()); });
    connect(e, &ApplyEdit::focusChanged, this, [this, which](bool in) {
        logic_.setFocusedEdit(in ? static_cast<int>(which) : SetPointsPage::kNoFocus);
    });
    connect(e, &ApplyEdit::applied, this, [this] { handle([&] { logic_.editLeft(); }); });
    return e;
}

QLabel* SetPointsPageView::label(const char* name, QWidget* parent)
{
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    return l;
}

void SetPointsPageView::placeEditors()
{
    const SetPointsPageState& s = logic_.state();
    const QRect cell = setPointGrid_->visualRect(setPointGrid_->model()->index(s.editRow, s.editColumn));
    if (s.editor == SetPointsPageState::Editor::Edit) {
        cellCombo_->hide();
        if (!cellEdit_->isVisible()) {
            cellEdit_->setGeometry(cell);
            cellEdit_->setText(qs(s.cellEditText));
            cellEdit_->show();
            cellEdit_->setFocus();
            cellEdit_->selectAll();
        }
        return;
    }
    if (s.editor == SetPointsPageState::Editor::List) {
        cellEdit_->hide();
        const QSignalBlocker quiet(cellCombo_);
        cellCombo_->clear();
        for (const std::string& item : s.cellChoices)
            cellCombo_->addItem(qs(item));
        cellCombo_->setCurrentIndex(s.cellChoiceIndex);
        // The box covers its own cell only; its list opens as wide as its longest choice.
        cellCombo_->setGeometry(cell);
        int widest = 0;
        for (int i = 0; i < cellCombo_->count(); ++i)
            widest = std::max(widest, cellCombo_->fontMetrics().horizontalAdvance(cellCombo_->itemText(i)));
        cellCombo_->view()->setMinimumWidth(widest + 2 * cellCombo_->view()->frameWidth() + 16);
        cellCombo_->show();
        cellCombo_->setFocus();
        return;
    }
    if (cellEdit_->isVisible() || cellCombo_->isVisible()) {
        cellEdit_->hide();
        cellCombo_->hide();
        background()->setFocus();
    }
}

// Columns as wide as their header and longest cell in this language, at least the
// device's own widths; the whole grid shows without scrolling.
void SetPointsPageView::fitGrid()
{
    const QFontMetrics plain(setPointGrid_->font());
    QFont boldFont = setPointGrid_->font();
    boldFont.setBold(true);
    const QFontMetrics bold(boldFont);
    int width = 2 * setPointGrid_->frameWidth();
    for (int c = 0; c < kSetPointGridColumns; ++c) {
        int w = c == 0 ? kSetPointHeaderWidth : kSetPointColumnWidth;
        for (int r = 0; r < kSetPointGridRows; ++r) {
            const QString text = setPointGrid_->item(r, c)->text();
            w = std::max(w, (r == 0 || c == 0 ? bold : plain).horizontalAdvance(text) + 14);
        }
        setPointGrid_->setColumnWidth(c, w);
        width += w;
    }
    setPointGrid_->setFixedSize(width, 2 * setPointGrid_->frameWidth() +
                                           kSetPointGridRows * setPointGrid_->verticalHeader()->defaultSectionSize());
}

void SetPointsPageView::render()
{
    const SetPointsPageCaptions& c = logic_.captions();
    const SetPointsPageState& s = logic_.state();
    for (int col = 0; col < kSetPointGridColumns; ++col)
        setPointGrid_->item(0, col)->setText(qs(c.header[static_cast<std::size_t>(col)]));
    for (int r = 1; r < kSetPointGridRows; ++r) {
        setPointGrid_->item(r, 0)->setText(QString::number(r));
        for (int col = 1; col < kSetPointGridColumns; ++col)
            setPointGrid_->item(r, col)->setText(qs(s.cells[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(col - 1)]));
    }
    fitGrid();
    placeEditors();

    dailyCoolingBox_->setTitle(qs(c.dailyCoolingBox));
    dailyCoolingStartLabel_->setText(qs(c.dailyCoolingStartLabel));
    dailyCoolingDurationLabel_->setText(qs(c.dailyCoolingDurationLabel));
    configurationBox_->setTitle(qs(c.configurationBox));
    setPointAlternationLabel_->setText(qs(c.setPointAlternationLabel));
    if (setPointAlternationCombo_->count() != static_cast<int>(c.setPointAlternationItems.size()) ||
        setPointAlternationCombo_->itemText(0) != qs(c.setPointAlternationItems[0])) {
        const QSignalBlocker quiet(setPointAlternationCombo_);
        setPointAlternationCombo_->clear();
        for (const std::string& item : c.setPointAlternationItems)
            setPointAlternationCombo_->addItem(qs(item));
    }
    {
        const QSignalBlocker quiet(setPointAlternationCombo_);
        setPointAlternationCombo_->setCurrentIndex(s.setPointAlternation);
    }
    activeRtdCountGroup_->setTexts(c.activeRtdCount, {"1", "2", "3", "4", "5", "6"});
    for (int i = 0; i < 6; ++i)
        activeRtdCountGroup_->item(i)->setVisible(i < s.activeRtdCountItems);
    activeRtdCountGroup_->select(s.activeRtdCount);
    redundantRtdsBox_->setTitle(qs(c.redundantRtdsBox));
    redundantRtdsBox_->setVisible(s.redundantRtdsBoxVisible);
    for (std::size_t i = 0; i < redundantRtdChecks_.size(); ++i) {
        redundantRtdChecks_[i]->setChecked(s.redundantRtds[i]);
        redundantRtdChecks_[i]->setVisible(s.redundantRtdVisible[i]);
    }
    maxTemperatureDifferenceLabel_->setText(qs(c.maxTemperatureDifferenceLabel));
    calculationBox_->setTitle(qs(c.calculationBox));
    nominalCurrentLabel_->setText(qs(c.nominalCurrentLabel));
    deltaTLabel_->setText(qs(c.deltaTLabel));
    timeConstantLabel_->setText(qs(c.timeConstantLabel));
    parameterMLabel_->setText(qs(c.parameterMLabel));
    for (std::size_t e = 0; e < edits_.size(); ++e)
        setEditText(edits_[e], s.edits[e]);
}
