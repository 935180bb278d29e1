#include "gui/app/ChangePasswordDialogView.h"

#include "app/ChangePasswordDialog.h"
#include "gui/app/WidgetText.h"

#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

ChangePasswordDialogView::ChangePasswordDialogView(ChangePasswordDialog& logic, QWidget* parent)
    : LogicDialog(logic, parent)
    , logic_(logic)
    , currentPasswordPanel_(new QLabel(this))
    , newPasswordEdit_(new QLineEdit(this))
{
    setWindowTitle(qs(logic.caption()));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    currentPasswordPanel_->setObjectName("currentPasswordPanel");
    currentPasswordPanel_->setFrameShape(QFrame::StyledPanel);
    currentPasswordPanel_->setMinimumHeight(24);
    newPasswordEdit_->setObjectName("newPasswordEdit");
    newPasswordEdit_->setMaxLength(4);
    form->addRow(qs(logic.currentPasswordLabel()), currentPasswordPanel_);
    form->addRow(qs(logic.newPasswordLabel()), newPasswordEdit_);
    layout->addLayout(form);
    addOkCancel(layout, logic.okButton(), [this] { logic_.okClicked(); }, logic.cancelButton(), "cancelButton",
                [this] { logic_.cancelClicked(); });
    setFixedWidth(280);

    connect(newPasswordEdit_, &QLineEdit::textEdited, this, [this](const QString& t) {
        logic_.setNewPassword(t.toStdString());
        const int cursor = newPasswordEdit_->cursorPosition();
        newPasswordEdit_->setText(qs(logic_.newPassword()));
        newPasswordEdit_->setCursorPosition(cursor);
    });
}

void ChangePasswordDialogView::firstShow()
{
    logic_.readDevice();
}

void ChangePasswordDialogView::render()
{
    currentPasswordPanel_->setText(qs(logic_.currentPassword()));
}
