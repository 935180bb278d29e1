#include "gui/screens/thermal/FormTesteValoresView.h"

#include "gui/app/WidgetText.h"
#include "gui/screens/thermal/ValueGrid.h"
#include "screens/thermal/FormTesteValoresF.h"

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

FormTesteValoresView::FormTesteValoresView(TFormTesteValores& logic, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , logic_(logic)
    , cbAtiva_(new QCheckBox(this))
    , sgValores_(makeValueGrid(TFormTesteValores::kRowCount, 60, 100, this))
    , bbEnvia_(button("bbEnvia", this))
    , bbEnvia2_(button("bbEnvia2", this))
{
    cbAtiva_->setObjectName("cbAtiva");
    connect(cbAtiva_, &QCheckBox::clicked, this, [this](bool checked) { logic_.setCbAtiva(checked); });
    for (int r = 0; r < TFormTesteValores::kRowCount; ++r) {
        QLineEdit* cell = valueCell(*sgValores_, r);
        cells_[static_cast<std::size_t>(r)] = cell;
        connect(cell, &QLineEdit::textEdited, this,
                [this, r](const QString& t) { logic_.setValor(r + 1, t.toStdString()); });
    }
    connect(bbEnvia_, &QPushButton::clicked, this, [this] { send(false); });
    connect(bbEnvia2_, &QPushButton::clicked, this, [this] { send(true); });

    auto* info = new QVBoxLayout;
    for (std::size_t i = 0; i < lblInfo_.size(); ++i) {
        lblInfo_[i] = new QLabel(this);
        lblInfo_[i]->setObjectName(QString("lblInfo%1").arg(i + 1));
        info->addWidget(lblInfo_[i]);
    }
    info->addStretch(1);
    info->addWidget(bbEnvia_);
    info->addWidget(bbEnvia2_);

    auto* columns = new QHBoxLayout;
    columns->addWidget(sgValores_, 0, Qt::AlignTop);
    columns->addLayout(info, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(cbAtiva_);
    layout->addLayout(columns);
}

void FormTesteValoresView::send(bool second)
{
    logic_.bbEnviaClick(second);
    render();
}

void FormTesteValoresView::render()
{
    const TFormTesteValores::Captions& c = logic_.captions();
    setWindowTitle(qs(c.caption));
    cbAtiva_->setText(qs(c.cbAtiva));
    cbAtiva_->setChecked(logic_.cbAtiva());
    bbEnvia_->setText(qs(c.bbEnvia));
    bbEnvia2_->setText(qs(c.bbEnvia2));
    const std::array<const std::string*, 4> info{&c.lblInfo1, &c.lblInfo2, &c.lblInfo3, &c.lblInfo4};
    for (std::size_t i = 0; i < lblInfo_.size(); ++i)
        lblInfo_[i]->setText(qs(*info[i]));
    for (std::size_t r = 0; r < cells_.size(); ++r) {
        const std::string& label = logic_.labels()[r];
        const int row = static_cast<int>(r);
        sgValores_->item(row, 0)->setText(qs(label));
        sgValores_->setRowHidden(row, label.empty());
        setEditText(cells_[r], logic_.valores()[r]);
    }
    fitValueGrid(*sgValores_);
}

void FormTesteValoresView::showAt(QWidget* anchor)
{
    render();
    if (anchor != nullptr)
        move(anchor->mapToGlobal(QPoint(0, 0)) + QPoint(100, 100));
    show();
    raise();
    activateWindow();
}
