#include "gui/app/QtUi.h"

#include "app/BusyNotice.h"
#include "app/ChangeIpDialog.h"
#include "app/ChangePasswordDialog.h"
#include "app/ClockDialog.h"
#include "app/IpConnectDialog.h"
#include "app/PasswordDialog.h"
#include "app/SerialConnectDialog.h"
#include "app/TextWindow.h"
#include "gui/app/BusyNoticeView.h"
#include "gui/app/ChangeIpDialogView.h"
#include "gui/app/ChangePasswordDialogView.h"
#include "gui/app/ClockDialogView.h"
#include "gui/app/IpConnectDialogView.h"
#include "gui/app/PasswordDialogView.h"
#include "gui/app/SerialConnectDialogView.h"
#include "gui/app/TextWindowView.h"
#include "gui/app/WidgetText.h"
#include "gui/screens/calibration/OutputCalibrationWindowView.h"
#include "gui/screens/calibration/RegressionWindowView.h"
#include "gui/screens/calibration/RtdTableWindowView.h"
#include "gui/screens/irrigation/ManualOperationWindowView.h"
#include "gui/screens/thermal/FaultDetectionWindowView.h"
#include "screens/calibration/InputRegressionWindow.h"
#include "screens/calibration/RtdRegressionWindow.h"

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

template <typename View, typename Logic>
void run(Logic& dialog, QWidget* anchor)
{
    View view(dialog, anchor);
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

void QtUi::openNotice(BusyNotice& notice)
{
    auto view = std::make_unique<BusyNoticeView>(notice, anchor_);
    view->show();
    view->render();
    notices_[&notice] = std::move(view);
}

void QtUi::refreshNotice(BusyNotice& notice)
{
    const auto it = notices_.find(&notice);
    if (it != notices_.end())
        it->second->render();
}

void QtUi::closeNotice(BusyNotice& notice)
{
    notices_.erase(&notice);
}

void QtUi::exec(PasswordDialog& dialog)
{
    if (passwordAnswer_.empty()) {
        run<PasswordDialogView>(dialog, anchor_);
        return;
    }
    dialog.setPassword(std::exchange(passwordAnswer_, {}));
    dialog.okClicked();
}

void QtUi::exec(ChangePasswordDialog& dialog)
{
    run<ChangePasswordDialogView>(dialog, anchor_);
}

void QtUi::exec(ClockDialog& dialog)
{
    run<ClockDialogView>(dialog, anchor_);
}

void QtUi::exec(TextWindow& dialog)
{
    run<TextWindowView>(dialog, anchor_);
}

void QtUi::exec(SerialConnectDialog& dialog)
{
    run<SerialConnectDialogView>(dialog, anchor_);
}

void QtUi::exec(IpConnectDialog& dialog)
{
    run<IpConnectDialogView>(dialog, anchor_);
}

void QtUi::exec(ChangeIpDialog& dialog)
{
    run<ChangeIpDialogView>(dialog, anchor_);
}

void QtUi::exec(OutputCalibrationWindow& dialog)
{
    run<OutputCalibrationWindowView>(dialog, anchor_);
}

void QtUi::exec(RtdRegressionWindow& dialog)
{
    RegressionWindowView view(dialog, &dialog, anchor_);
    view.execAt(anchor_);
}

void QtUi::exec(InputRegressionWindow& dialog)
{
    RegressionWindowView view(dialog, nullptr, anchor_);
    view.execAt(anchor_);
}

void QtUi::exec(RtdTableWindow& dialog)
{
    run<RtdTableWindowView>(dialog, anchor_);
}

void QtUi::exec(ManualOperationWindow& dialog)
{
    run<ManualOperationWindowView>(dialog, anchor_);
}

void QtUi::exec(FaultDetectionWindow& dialog)
{
    FaultDetectionWindowView view(dialog, anchor_);
    view.execAt(anchor_);
}
