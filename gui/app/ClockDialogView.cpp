#include "gui/app/ClockDialogView.h"

#include "app/ClockDialog.h"
#include "gui/app/QtLanguage.h"
#include "gui/app/WidgetText.h"

#include <QDateEdit>
#include <QFormLayout>
#include <QTimeEdit>
#include <QVBoxLayout>

ClockDialogView::ClockDialogView(ClockDialog& logic, QWidget* parent)
    : LogicDialog(logic, parent)
    , logic_(logic)
    , dateEdit_(new QDateEdit(this))
    , timeEdit_(new QTimeEdit(this))
{
    setWindowTitle(qs(logic.caption()));
    const LocalDateTime& v = logic.value();
    dateEdit_->setObjectName("dateEdit");
    // The picker's month names and date order are those of the tool's language.
    dateEdit_->setLocale(languageLocale(logic.language()));
    dateEdit_->setCalendarPopup(true);
    dateEdit_->setDateRange(QDate(ClockDialog::kFirstYear, 1, 1), QDate(ClockDialog::kLastYear, 12, 31));
    dateEdit_->setDate(QDate(v.year, v.month, v.day));
    timeEdit_->setObjectName("timeEdit");
    timeEdit_->setDisplayFormat("HH:mm:ss");
    timeEdit_->setTime(QTime(v.hour, v.minute, v.second));

    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    form->addRow(qs(logic.dateLabel()), dateEdit_);
    form->addRow(qs(logic.timeLabel()), timeEdit_);
    layout->addLayout(form);
    addOkCancel(layout, logic.okButton(), [this] { logic_.okClicked(); }, logic.cancelButton(), "cancelButton",
                [this] { logic_.cancelClicked(); });

    connect(dateEdit_, &QDateEdit::dateChanged, this,
            [this](const QDate& d) { logic_.setDate(d.year(), d.month(), d.day()); });
    connect(timeEdit_, &QTimeEdit::timeChanged, this,
            [this](const QTime& t) { logic_.setTime(t.hour(), t.minute(), t.second()); });
}
