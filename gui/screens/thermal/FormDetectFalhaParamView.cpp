#include "gui/screens/thermal/FormDetectFalhaParamView.h"

#include "gui/app/WidgetText.h"
#include "gui/screens/thermal/ValueGrid.h"
#include "screens/thermal/FormDetectFalhaParamF.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QLabel* panel(const char* name, QWidget* parent)
{
    QLabel* p = namedPanel(name, parent);
    p->setMinimumWidth(180);
    return p;
}

} // namespace

FormDetectFalhaParamView::FormDetectFalhaParamView(TFormDetectFalhaParam& logic, QWidget* parent)
    : LogicDialog(logic, parent)
    , logic_(logic)
    , sgValores_(makeValueGrid(TFormDetectFalhaParam::kRowCount, 70, 100, this))
    , pnEstado_(panel("pnEstado", this))
    , pnResult_(panel("pnResult", this))
    , pnMedida_(panel("pnMedida", this))
    , timer_(new QTimer(this))
{
    const TFormDetectFalhaParam::Captions& c = logic.captions();
    setWindowTitle(qs(c.caption));
    for (int r = 0; r < TFormDetectFalhaParam::kRowCount; ++r) {
        sgValores_->item(r, 0)->setText(qs(logic.labels()[static_cast<std::size_t>(r)]));
        cells_[static_cast<std::size_t>(r)] = valueCell(*sgValores_, r);
        forwardEdits(cells_[static_cast<std::size_t>(r)], [this, r](const std::string& t) { logic_.setValor(r + 1, t); });
    }

    auto* info = new QLabel(qs(c.lblInfo), this);
    info->setObjectName("lblInfo");
    info->setWordWrap(true);

    sbSalvar_ = new QPushButton(qs(c.sbSalvar), this);
    sbSalvar_->setObjectName("sbSalvar");
    sbSalvar_->setCheckable(true);
    sbSalvar_->setAutoDefault(false);
    // A cancelled file choice leaves the button up, a failed recording lifts it.
    connect(sbSalvar_, &QPushButton::clicked, this, [this](bool down) {
        logic_.sbSalvarClick(down);
        render();
    });

    auto* panels = new QVBoxLayout;
    panels->addWidget(pnEstado_);
    panels->addWidget(pnResult_);
    panels->addWidget(pnMedida_);
    panels->addStretch(1);
    panels->addWidget(makeButton(c.bbEnvia, "bbEnvia", [this] { logic_.bbEnviaClick(); }));
    panels->addWidget(sbSalvar_);

    auto* columns = new QHBoxLayout;
    columns->addWidget(sgValores_);
    columns->addLayout(panels, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(info);

    timer_->setInterval(kTickInterval);
    connect(timer_, &QTimer::timeout, this, &FormDetectFalhaParamView::tick);
}

void FormDetectFalhaParamView::tick()
{
    logic_.timerUpdate();
    render();
}

void FormDetectFalhaParamView::showEvent(QShowEvent* event)
{
    LogicDialog::showEvent(event);
    timer_->start();
}

void FormDetectFalhaParamView::hideEvent(QHideEvent* event)
{
    timer_->stop();
    LogicDialog::hideEvent(event);
}

void FormDetectFalhaParamView::render()
{
    for (std::size_t r = 0; r < cells_.size(); ++r)
        setEditText(cells_[r], logic_.valores()[r]);
    pnEstado_->setText(qs(logic_.pnEstado()));
    pnResult_->setText(qs(logic_.pnResult()));
    pnMedida_->setText(qs(logic_.pnMedida()));
    sbSalvar_->setChecked(logic_.recording());
}
