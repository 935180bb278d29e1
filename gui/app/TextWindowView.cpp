#include "gui/app/TextWindowView.h"

#include "app/TextWindow.h"
#include "gui/app/WidgetText.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

TextWindowView::TextWindowView(TextWindow& logic, QWidget* parent)
    : LogicDialog(logic, parent)
{
    auto* layout = new QVBoxLayout(this);
    auto* textEdit = new QPlainTextEdit(this);
    textEdit->setObjectName("textEdit");
    textEdit->setReadOnly(true);
    textEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    textEdit->setFont(QFont("DejaVu Sans Mono"));
    QStringList lines;
    for (const std::string& line : logic.lines())
        lines << qs(line);
    textEdit->setPlainText(lines.join('\n'));
    layout->addWidget(textEdit);
    resize(360, 420);
}
