#include "gui/app/FormAlterarRelogioView.h"

#include "app/FormAlterarRelogioF.h"
#include "gui/app/QtLanguage.h"
#include "gui/app/WidgetText.h"

#include <QDateEdit>
#include <QFormLayout>
#include <QTimeEdit>
#include <QVBoxLayout>

FormAlterarRelogioView::FormAlterarRelogioView(TFormAlterarRelogio& logic, QWidget* parent)
    : LogicDialog(logic, parent)
    , logic_(logic)
    , dtpData_(new QDateEdit(this))
    , dtpHora_(new QTimeEdit(this))
{
    setWindowTitle(qs(logic.caption()));
    const LocalDateTime& v = logic.value();
    dtpData_->setObjectName("dtpData");
    // The picker's month names and date order are those of the tool's language.
    dtpData_->setLocale(languageLocale(logic.language()));
    dtpData_->setCalendarPopup(true);
    dtpData_->setDateRange(QDate(TFormAlterarRelogio::kFirstYear, 1, 1), QDate(TFormAlterarRelogio::kLastYear, 12, 31));
    dtpData_->setDate(QDate(v.year, v.month, v.day));
    dtpHora_->setObjectName("dtpHora");
    dtpHora_->setDisplayFormat("HH:mm:ss");
    dtpHora_->setTime(QTime(v.hour, v.minute, v.second));

    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    form->addRow(qs(logic.lblData()), dtpData_);
    form->addRow(qs(logic.lblHora()), dtpHora_);
    layout->addLayout(form);
    addOkCancel(layout, logic.bbOk(), [this] { logic_.bbOkClick(); }, logic.bbCancelar(), "bbCancelar",
                [this] { logic_.bbCancelarClick(); });

    connect(dtpData_, &QDateEdit::dateChanged, this,
            [this](const QDate& d) { logic_.setData(d.year(), d.month(), d.day()); });
    connect(dtpHora_, &QTimeEdit::timeChanged, this,
            [this](const QTime& t) { logic_.setHora(t.hour(), t.minute(), t.second()); });
}
