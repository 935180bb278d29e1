#include "gui/app/FormTrocarSenhaView.h"

#include "app/FormTrocarSenhaF.h"
#include "gui/app/WidgetText.h"

#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

FormTrocarSenhaView::FormTrocarSenhaView(TFormTrocarSenha& logic, QWidget* parent)
    : LogicDialog(logic, parent)
    , logic_(logic)
    , pnSenhaAtual_(new QLabel(this))
    , edSenhaNova_(new QLineEdit(this))
{
    setWindowTitle(qs(logic.caption()));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    pnSenhaAtual_->setObjectName("pnSenhaAtual");
    pnSenhaAtual_->setFrameShape(QFrame::StyledPanel);
    pnSenhaAtual_->setMinimumHeight(24);
    edSenhaNova_->setObjectName("edSenhaNova");
    edSenhaNova_->setMaxLength(4);
    form->addRow(qs(logic.lblSenhaAtual()), pnSenhaAtual_);
    form->addRow(qs(logic.lblSenhaNova()), edSenhaNova_);
    layout->addLayout(form);
    addOkCancel(layout, logic.bbOk(), [this] { logic_.bbOkClick(); }, logic.bbCancelar(), "bbCancelar",
                [this] { logic_.bbCancelarClick(); });
    setFixedWidth(280);

    connect(edSenhaNova_, &QLineEdit::textEdited, this, [this](const QString& t) {
        logic_.setEdSenhaNova(t.toStdString());
        const int cursor = edSenhaNova_->cursorPosition();
        edSenhaNova_->setText(qs(logic_.edSenhaNova()));
        edSenhaNova_->setCursorPosition(cursor);
    });
}

void FormTrocarSenhaView::firstShow()
{
    logic_.FormShow();
}

void FormTrocarSenhaView::render()
{
    pnSenhaAtual_->setText(qs(logic_.pnSenhaAtual()));
}
