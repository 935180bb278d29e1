#include "gui/screens/parallelism/ParallelismPageView.h"

#include "gui/app/ApplyEdit.h"
#include "gui/app/DecimalSeparator.h"
#include "gui/app/RadioGroupBox.h"
#include "gui/app/WidgetText.h"
#include "screens/parallelism/ParallelismPage.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {
// In the order of ParallelismEdit and ParallelismRadio.
constexpr const char* kEditNames[] = {"busSizeEdit", "positionCountEdit", "resistancePerPositionEdit",
                                      "parallelismErrorTimeEdit", "configurationErrorTimeEdit", "addressEdit"};
constexpr const char* kRadioNames[] = {"positionReadingGroup", "relay7FunctionGroup", "relay8FunctionGroup",
                                       "relay9FunctionGroup"};
constexpr int kRadioItems[] = {3, 10, 10, 10};
// The address first on screen, as the technician sets it first.
constexpr int kScreenOrder[] = {5, 0, 1, 2, 3, 4};
} // namespace

ParallelismPageView::ParallelismPageView(ParallelismPage& logic, QWidget* parent)
    : PageView(parent)
    , logic_(logic)
{
    setObjectName("ParallelismPageView");
    logic_.setDecimalSeparator(systemDecimalSeparator());
    QVBoxLayout* layout = addBackground();
    QWidget* backgroundPanel = background();
    auto* top = new QHBoxLayout;
    auto* form = new QFormLayout;
    for (const int e : kScreenOrder) {
        auto* label = new QLabel(backgroundPanel);
        auto* edit = new ApplyEdit(kEditNames[e], backgroundPanel);
        edit->setMaximumWidth(70);
        const auto which = static_cast<ParallelismEdit>(e);
        connect(edit, &QLineEdit::textEdited, this, [this, which](const QString& text) { logic_.setEdit(which, text.toStdString()); });
        connect(edit, &ApplyEdit::applied, this, [this] {
            logic_.editLeft();
            render();
        });
        form->addRow(label, edit);
        edits_[static_cast<std::size_t>(e)] = edit;
        labels_[static_cast<std::size_t>(e)] = label;
    }
    top->addLayout(form);
    radios_[0] = new RadioGroupBox(kRadioNames[0], kRadioItems[0], 1, backgroundPanel);
    top->addWidget(radios_[0], 0, Qt::AlignTop);
    top->addStretch(1);
    layout->addLayout(top);
    auto* relays = new QHBoxLayout;
    for (int r = 1; r < kParallelismRadioCount; ++r) {
        radios_[static_cast<std::size_t>(r)] = new RadioGroupBox(kRadioNames[r], kRadioItems[r], 1, backgroundPanel);
        relays->addWidget(radios_[static_cast<std::size_t>(r)], 1);
    }
    layout->addLayout(relays);
    for (int r = 0; r < kParallelismRadioCount; ++r) {
        const auto group = static_cast<ParallelismRadio>(r);
        connect(radios_[static_cast<std::size_t>(r)], &RadioGroupBox::clicked, this, [this, group](int i) {
            background()->setFocus();
            logic_.optionChosen(group, i);
            render();
        });
    }
    layout->addStretch(1);
    render();
}

// An edit that has the focus loses it while the page is destroyed: that must not
// reach the logic through a page that is no longer whole.
ParallelismPageView::~ParallelismPageView()
{
    for (ApplyEdit* e : edits_)
        e->disconnect(this);
}

// The edits follow the device at every redraw, even the one being typed in.
void ParallelismPageView::render()
{
    const ParallelismPageCaptions& c = logic_.captions();
    const ParallelismPageState& s = logic_.state();
    for (std::size_t e = 0; e < edits_.size(); ++e) {
        labels_[e]->setText(qs(c.labels[e]));
        if (edits_[e]->text() != qs(s.edits[e]))
            edits_[e]->setText(qs(s.edits[e]));
    }
    for (std::size_t r = 0; r < radios_.size(); ++r) {
        radios_[r]->setTexts(c.radioTitles[r], c.radioItems[r]);
        radios_[r]->select(s.radios[r]);
    }
}
