#include "gui/screens/irrigation/Frame_QLX700IRR_RegistrosView.h"

#include "gui/app/WidgetText.h"
#include "screens/irrigation/Frame_QLX700IRR_RegistrosF.h"

#include <algorithm>

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
constexpr int kColumnWidths[] = {150, 70, 70, 70};
constexpr int kHeaderPadding = 16;
} // namespace

Frame_QLX700IRR_RegistrosView::Frame_QLX700IRR_RegistrosView(TFrame_QLX700IRR_Registros& logic, QWidget* parent)
    : PageView(parent)
    , logic_(logic)
{
    setObjectName("Frame_QLX700IRR_RegistrosView");
    QVBoxLayout* layout = addBackground();
    QWidget* pnBack = background();

    sgRegistros_ = new QTableWidget(irrrecords::kMaxRecords, irrrecords::kFieldCount, pnBack);
    sgRegistros_->setObjectName("sgRegistros");
    sgRegistros_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sgRegistros_->setSelectionBehavior(QAbstractItemView::SelectRows);
    sgRegistros_->setWordWrap(false);
    sgRegistros_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sgRegistros_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    sgRegistros_->verticalHeader()->setDefaultSectionSize(sgRegistros_->fontMetrics().height() + 6);
    sgRegistros_->horizontalHeader()->setStretchLastSection(true);
    for (int r = 0; r < irrrecords::kMaxRecords; ++r)
        for (int c = 0; c < irrrecords::kFieldCount; ++c)
            sgRegistros_->setItem(r, c, new QTableWidgetItem);
    // Every column shows whole, with room for the row numbers and the scroll bar.
    int width = 2 * sgRegistros_->frameWidth() + sgRegistros_->verticalHeader()->sizeHint().width() +
        sgRegistros_->verticalScrollBar()->sizeHint().width();
    for (const int w : kColumnWidths)
        width += w;
    sgRegistros_->setMinimumWidth(width);
    layout->addWidget(sgRegistros_, 1);

    auto* buttons = new QHBoxLayout;
    bbArquivo_ = button("bbArquivo", [this] { logic_.bbArquivoClick(); });
    bbApagarEventos_ = button("bbApagarEventos", [this] { logic_.bbApagarEventosClick(); });
    buttons->addWidget(bbArquivo_);
    buttons->addWidget(bbApagarEventos_);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    render();
}

QPushButton* Frame_QLX700IRR_RegistrosView::button(const char* name, std::function<void()> click)
{
    auto* b = new QPushButton(background());
    b->setObjectName(name);
    connect(b, &QPushButton::clicked, this, [this, click = std::move(click)] {
        click();
        render();
    });
    return b;
}

void Frame_QLX700IRR_RegistrosView::render()
{
    const Frame_QLX700IRR_RegistrosCaptions& c = logic_.captions();
    QStringList header;
    for (const std::string& h : c.header)
        header << qs(h);
    sgRegistros_->setHorizontalHeaderLabels(header);
    // A caption wider than its column in this language widens the column.
    const QFontMetrics metrics = sgRegistros_->horizontalHeader()->fontMetrics();
    for (int col = 0; col < irrrecords::kFieldCount; ++col) {
        const int needed = metrics.horizontalAdvance(header[col]) + kHeaderPadding;
        sgRegistros_->setColumnWidth(col, std::max(kColumnWidths[col], needed));
    }
    const auto& rows = logic_.rows();
    for (int r = 0; r < irrrecords::kMaxRecords; ++r)
        for (int col = 0; col < irrrecords::kFieldCount; ++col)
            sgRegistros_->item(r, col)->setText(qs(rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(col)]));
    bbArquivo_->setText(qs(c.bbArquivo));
    bbApagarEventos_->setText(qs(c.bbApagarEventos));
}
