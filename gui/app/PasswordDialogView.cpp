#include "gui/app/PasswordDialogView.h"

#include "app/PasswordDialog.h"
#include "gui/app/WidgetText.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

PasswordDialogView::PasswordDialogView(PasswordDialog& logic, QWidget* parent)
    : LogicDialog(logic, parent)
    , logic_(logic)
    , passwordEdit_(new QLineEdit(this))
{
    setWindowTitle(qs(logic.caption()));
    auto* layout = new QVBoxLayout(this);
    auto* prompt = new QLabel(qs(logic.promptLabel()), this);
    layout->addWidget(prompt);
    passwordEdit_->setObjectName("passwordEdit");
    passwordEdit_->setEchoMode(QLineEdit::Password);
    passwordEdit_->setText(qs(logic.password()));
    passwordEdit_->selectAll();
    layout->addWidget(passwordEdit_);
    QPushButton* ok = makeButton("OK", "okButton", [this] { logic_.okClicked(); });
    ok->setDefault(true);
    layout->addWidget(ok, 0, Qt::AlignRight);
    setFixedWidth(260);

    forwardEdits(passwordEdit_, [this](const std::string& t) { logic_.setPassword(t); });
}
