#include "gui/screens/common/RegisterControlWidgets.h"

#include "gui/app/ApplyEdit.h"
#include "gui/app/RadioGroupBox.h"
#include "gui/app/WidgetText.h"

#include <QGridLayout>
#include <QLabel>

RegisterControlWidgets::RegisterControlWidgets(const std::vector<RegisterControl>& controls, QWidget* background,
                                               Handlers handlers, int editWidth)
    : QObject(background)
    , controls_(controls)
{
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const RegisterControl& c = controls[i];
        if (c.kind == ControlKind::Radio) {
            const int items = static_cast<int>(c.items.size());
            // Two items side by side; longer lists in a column, so the page stays narrow.
            auto* group = new RadioGroupBox(c.name, items, items > 2 ? 1 : items, background);
            connect(group, &RadioGroupBox::clicked, this,
                    [click = handlers.optionChosen, i](int index) { click(i, index); });
            labels_.push_back(nullptr);
            widgets_.push_back(group);
            continue;
        }
        auto* edit = new ApplyEdit(c.name, background);
        edit->setFixedWidth(editWidth);
        connect(edit, &QLineEdit::textEdited, this,
                [set = handlers.setText, i](const QString& text) { set(i, text.toStdString()); });
        if (c.sendsWhenLeft)
            connect(edit, &ApplyEdit::applied, this, handlers.applied);
        auto* label = new QLabel(background);
        // "vtRatioEdit" is labelled by "vtRatioLabel".
        label->setObjectName(QString(c.name).chopped(4) + "Label");
        labels_.push_back(label);
        widgets_.push_back(edit);
    }
}

void RegisterControlWidgets::placeIn(QWidget* parent, std::size_t first, std::size_t last) const
{
    auto* grid = new QGridLayout(parent);
    grid->setVerticalSpacing(4);
    int row = 0;
    for (std::size_t i = first; i < last; ++i, ++row) {
        widgets_[i]->setParent(parent);
        if (labels_[i] == nullptr) {
            grid->addWidget(widgets_[i], row, 0, 1, 2);
            continue;
        }
        labels_[i]->setParent(parent);
        grid->addWidget(labels_[i], row, 0);
        grid->addWidget(widgets_[i], row, 1);
    }
    grid->setRowStretch(row, 1);
}

void RegisterControlWidgets::render(const std::vector<ControlValue>& values, int language)
{
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        const RegisterControl& c = controls_[i];
        if (auto* group = qobject_cast<RadioGroupBox*>(widgets_[i])) {
            std::vector<std::string> items;
            for (const LangText& item : c.items)
                items.push_back(item.in(language));
            group->setTexts(c.caption.in(language), items);
            group->select(values[i].selected);
            continue;
        }
        labels_[i]->setText(qs(c.caption.in(language)));
        auto* edit = static_cast<QLineEdit*>(widgets_[i]);
        if (edit->text() != qs(values[i].text))
            edit->setText(qs(values[i].text));
    }
}
