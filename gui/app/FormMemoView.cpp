#include "gui/app/FormMemoView.h"

#include "app/FormMemoF.h"
#include "gui/app/WidgetText.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

FormMemoView::FormMemoView(TFormMemo& logic, QWidget* parent)
    : LogicDialog(logic, parent)
{
    auto* layout = new QVBoxLayout(this);
    auto* memo = new QPlainTextEdit(this);
    memo->setObjectName("Memo1");
    memo->setReadOnly(true);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setFont(QFont("DejaVu Sans Mono"));
    QStringList lines;
    for (const std::string& line : logic.lines())
        lines << qs(line);
    memo->setPlainText(lines.join('\n'));
    layout->addWidget(memo);
    resize(360, 420);
}
