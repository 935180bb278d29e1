#include "gui/app/QtUi.h"

#include "app/FormAlterarRelogioF.h"
#include "app/FormChangeIpF.h"
#include "app/FormConectaComF.h"
#include "app/FormEntraIPF.h"
#include "app/FormMemoF.h"
#include "app/FormNotificacaoF.h"
#include "app/FormSenhaF.h"
#include "app/FormTrocarSenhaF.h"
#include "gui/app/FormAlterarRelogioView.h"
#include "gui/app/FormChangeIpView.h"
#include "gui/app/FormConectaComView.h"
#include "gui/app/FormEntraIPView.h"
#include "gui/app/FormMemoView.h"
#include "gui/app/FormNotificacaoView.h"
#include "gui/app/FormSenhaView.h"
#include "gui/app/FormTrocarSenhaView.h"
#include "gui/app/WidgetText.h"
#include "gui/screens/calibration/FormCalibCorrenteView.h"
#include "gui/screens/calibration/FormCalibRTDView.h"
#include "gui/screens/calibration/FormCalibRegressaoView.h"
#include "gui/screens/irrigation/Form_QLX700IRR_ManualView.h"
#include "gui/screens/thermal/FormDetectFalhaParamView.h"
#include "screens/calibration/FormCalibEntrCorrRegressaoF.h"
#include "screens/calibration/FormCalibRTDRegressaoF.h"

#include <QApplication>
#include <QMessageBox>

namespace {

QMessageBox::Icon iconOf(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Error:
        return QMessageBox::Critical;
    case MessageKind::Warning:
        return QMessageBox::Warning;
    case MessageKind::Confirmation:
        return QMessageBox::Question;
    case MessageKind::Information:
        break;
    }
    return QMessageBox::Information;
}

template <typename View, typename Form>
void run(Form& form, QWidget* anchor)
{
    View view(form, anchor);
    view.execAt(anchor);
}

} // namespace

QtUi::QtUi(QWidget* anchor)
    : anchor_(anchor)
{
}

QtUi::~QtUi() = default;

void QtUi::closeNotices()
{
    notices_.clear();
}

void QtUi::showMessage(MessageKind kind, const std::string& text)
{
    closeNotices();
    QMessageBox box(iconOf(kind), QStringLiteral("QLX700"), qs(text), QMessageBox::Ok, anchor_);
    box.exec();
}

bool QtUi::ask(MessageKind kind, const std::string& text)
{
    closeNotices();
    QMessageBox box(iconOf(kind), QStringLiteral("QLX700"), qs(text), QMessageBox::Yes | QMessageBox::No,
                    anchor_);
    return box.exec() == QMessageBox::Yes;
}

Ui::Answer QtUi::askYesNoCancel(MessageKind kind, const std::string& text)
{
    closeNotices();
    QMessageBox box(iconOf(kind), QStringLiteral("QLX700"), qs(text),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, anchor_);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

void QtUi::openNotice(TFormNotificacao& notice)
{
    auto view = std::make_unique<FormNotificacaoView>(notice, anchor_);
    view->show();
    view->render();
    notices_[&notice] = std::move(view);
}

void QtUi::refreshNotice(TFormNotificacao& notice)
{
    const auto it = notices_.find(&notice);
    if (it != notices_.end())
        it->second->render();
}

void QtUi::closeNotice(TFormNotificacao& notice)
{
    notices_.erase(&notice);
}

void QtUi::exec(TFormSenha& form)
{
    if (passwordAnswer_.empty()) {
        run<FormSenhaView>(form, anchor_);
        return;
    }
    form.setEdSenha(std::exchange(passwordAnswer_, {}));
    form.bbOkClick();
}

void QtUi::exec(TFormTrocarSenha& form)
{
    run<FormTrocarSenhaView>(form, anchor_);
}

void QtUi::exec(TFormAlterarRelogio& form)
{
    run<FormAlterarRelogioView>(form, anchor_);
}

void QtUi::exec(TFormMemo& form)
{
    run<FormMemoView>(form, anchor_);
}

void QtUi::exec(TFormConectaCom& form)
{
    run<FormConectaComView>(form, anchor_);
}

void QtUi::exec(TFormEntraIP& form)
{
    run<FormEntraIPView>(form, anchor_);
}

void QtUi::exec(TFormChangeIp& form)
{
    run<FormChangeIpView>(form, anchor_);
}

void QtUi::exec(TFormCalibCorrente& form)
{
    run<FormCalibCorrenteView>(form, anchor_);
}

void QtUi::exec(TFormCalibRTDRegressao& form)
{
    FormCalibRegressaoView view(form, &form, anchor_);
    view.execAt(anchor_);
}

void QtUi::exec(TFormCalibEntrCorrRegressao& form)
{
    FormCalibRegressaoView view(form, nullptr, anchor_);
    view.execAt(anchor_);
}

void QtUi::exec(TFormCalibRTD& form)
{
    run<FormCalibRTDView>(form, anchor_);
}

void QtUi::exec(TForm_QLX700IRR_Manual& form)
{
    run<Form_QLX700IRR_ManualView>(form, anchor_);
}

void QtUi::exec(TFormDetectFalhaParam& form)
{
    FormDetectFalhaParamView view(form, anchor_);
    view.execAt(anchor_);
}
