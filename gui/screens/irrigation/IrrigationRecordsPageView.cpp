#include "gui/screens/irrigation/IrrigationRecordsPageView.h"

#include "gui/app/WidgetText.h"
#include "screens/irrigation/IrrigationRecordsPage.h"

#include <algorithm>

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
constexpr int kRecordColumnWidths[] = {150, 70, 70, 70};
constexpr int kHeaderPadding = 16;
} // namespace

IrrigationRecordsPageView::IrrigationRecordsPageView(IrrigationRecordsPage& logic, QWidget* parent)
    : PageView(parent)
    , logic_(logic)
{
    setObjectName("IrrigationRecordsPageView");
    QVBoxLayout* layout = addBackground();
    QWidget* backgroundPanel = background();

    recordGrid_ = new QTableWidget(irrigationrecords::kMaxRecords, irrigationrecords::kFieldCount, backgroundPanel);
    recordGrid_->setObjectName("recordGrid");
    recordGrid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    recordGrid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    recordGrid_->setWordWrap(false);
    recordGrid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    recordGrid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    recordGrid_->verticalHeader()->setDefaultSectionSize(recordGrid_->fontMetrics().height() + 6);
    recordGrid_->horizontalHeader()->setStretchLastSection(true);
    for (int r = 0; r < irrigationrecords::kMaxRecords; ++r)
        for (int c = 0; c < irrigationrecords::kFieldCount; ++c)
            recordGrid_->setItem(r, c, new QTableWidgetItem);
    // Every column shows whole, with room for the row numbers and the scroll bar.
    int width = 2 * recordGrid_->frameWidth() + recordGrid_->verticalHeader()->sizeHint().width() +
        recordGrid_->verticalScrollBar()->sizeHint().width();
    for (const int w : kRecordColumnWidths)
        width += w;
    recordGrid_->setMinimumWidth(width);
    layout->addWidget(recordGrid_, 1);

    auto* buttons = new QHBoxLayout;
    saveToFileButton_ = button("saveToFileButton", [this] { logic_.saveToFileClicked(); });
    eraseRecordsButton_ = button("eraseRecordsButton", [this] { logic_.eraseRecordsClicked(); });
    buttons->addWidget(saveToFileButton_);
    buttons->addWidget(eraseRecordsButton_);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    // A new reading empties the grid before the notice shows over it.
    logic_.setRowsClearedHandler([this] { render(); });
    render();
}

IrrigationRecordsPageView::~IrrigationRecordsPageView()
{
    logic_.setRowsClearedHandler({});
}

QPushButton* IrrigationRecordsPageView::button(const char* name, std::function<void()> click)
{
    auto* b = new QPushButton(background());
    b->setObjectName(name);
    connect(b, &QPushButton::clicked, this, [this, click = std::move(click)] {
        click();
        render();
    });
    return b;
}

void IrrigationRecordsPageView::render()
{
    const IrrigationRecordsPageCaptions& c = logic_.captions();
    QStringList header;
    for (const std::string& h : c.header)
        header << qs(h);
    recordGrid_->setHorizontalHeaderLabels(header);
    // A caption wider than its column in this language widens the column.
    const QFontMetrics metrics = recordGrid_->horizontalHeader()->fontMetrics();
    for (int col = 0; col < irrigationrecords::kFieldCount; ++col) {
        const int needed = metrics.horizontalAdvance(header[col]) + kHeaderPadding;
        recordGrid_->setColumnWidth(col, std::max(kRecordColumnWidths[col], needed));
    }
    const auto& rows = logic_.rows();
    for (int r = 0; r < irrigationrecords::kMaxRecords; ++r)
        for (int col = 0; col < irrigationrecords::kFieldCount; ++col)
            recordGrid_->item(r, col)->setText(qs(rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(col)]));
    saveToFileButton_->setText(qs(c.saveToFileButton));
    eraseRecordsButton_->setText(qs(c.eraseRecordsButton));
}
