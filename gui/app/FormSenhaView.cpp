#include "gui/app/FormSenhaView.h"

#include "app/FormSenhaF.h"
#include "gui/app/WidgetText.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

FormSenhaView::FormSenhaView(TFormSenha& logic, QWidget* parent)
    : LogicDialog(logic, parent)
    , logic_(logic)
    , edSenha_(new QLineEdit(this))
{
    setWindowTitle(qs(logic.caption()));
    auto* layout = new QVBoxLayout(this);
    auto* prompt = new QLabel(qs(logic.lblEntreSenha()), this);
    layout->addWidget(prompt);
    edSenha_->setObjectName("edSenha");
    edSenha_->setEchoMode(QLineEdit::Password);
    edSenha_->setText(qs(logic.edSenha()));
    edSenha_->selectAll();
    layout->addWidget(edSenha_);
    QPushButton* ok = makeButton("OK", "bbOk", [this] { logic_.bbOkClick(); });
    ok->setDefault(true);
    layout->addWidget(ok, 0, Qt::AlignRight);
    setFixedWidth(260);

    forwardEdits(edSenha_, [this](const std::string& t) { logic_.setEdSenha(t); });
}
