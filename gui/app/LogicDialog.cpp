#include "gui/app/LogicDialog.h"

#include "app/Dialog.h"
#include "gui/app/WidgetText.h"

#include <QBoxLayout>
#include <QLineEdit>
#include <QPushButton>

LogicDialog::LogicDialog(Dialog& logic, QWidget* parent)
    : QDialog(parent)
    , logic_(logic)
{
    logic_.setChangedHandler([this] { render(); });
}

LogicDialog::~LogicDialog()
{
    logic_.setChangedHandler({});
}

int LogicDialog::execAt(QWidget* anchor)
{
    if (anchor != nullptr) {
        const Dialog::Offset o = logic_.offset();
        move(anchor->mapToGlobal(QPoint(0, 0)) + QPoint(o.x, o.y));
    }
    return exec();
}

QPushButton* LogicDialog::makeButton(const std::string& text, const char* name, std::function<void()> click)
{
    auto* b = new QPushButton(qs(text), this);
    b->setObjectName(name);
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, [this, click = std::move(click)] {
        click();
        render();
        closeIfDone();
    });
    return b;
}

void LogicDialog::addOkCancel(QBoxLayout* layout, const std::string& ok, std::function<void()> okClick,
                              const std::string& cancel, const char* cancelName, std::function<void()> cancelClick)
{
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    QPushButton* okButton = makeButton(ok, "okButton", std::move(okClick));
    okButton->setDefault(true);
    row->addWidget(okButton);
    row->addWidget(makeButton(cancel, cancelName, std::move(cancelClick)));
    layout->addLayout(row);
}

void LogicDialog::forwardEdits(QLineEdit* edit, std::function<void(const std::string&)> set)
{
    connect(edit, &QLineEdit::textEdited, this, [set = std::move(set)](const QString& t) { set(t.toStdString()); });
}

void LogicDialog::closeIfDone()
{
    if (logic_.closed())
        done(logic_.modalResult());
}

void LogicDialog::reject()
{
    logic_.cancel();
    done(logic_.modalResult());
}

void LogicDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!shown_) {
        shown_ = true;
        firstShow();
    }
    render();
}
