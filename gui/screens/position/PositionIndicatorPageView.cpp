#include "gui/screens/position/PositionIndicatorPageView.h"

#include "gui/app/ApplyEdit.h"
#include "gui/app/DecimalSeparator.h"
#include "gui/app/RadioGroupBox.h"
#include "gui/app/WidgetText.h"
#include "screens/position/PositionIndicatorPage.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {
constexpr const char* kEditNames[] = {"resistancePerPositionEdit", "positionCountEdit", "minPositionEdit",
                                      "maxPositionEdit"};
constexpr const char* kLabelNames[] = {"resistancePerPositionLabel", "positionCountLabel", "minPositionLabel",
                                       "maxPositionLabel"};
} // namespace

PositionIndicatorPageView::PositionIndicatorPageView(PositionIndicatorPage& logic, QWidget* parent)
    : PageView(parent)
    , logic_(logic)
{
    setObjectName("PositionIndicatorPageView");
    logic_.setDecimalSeparator(systemDecimalSeparator());
    QVBoxLayout* layout = addBackground();
    tapChangerBox_ = new QGroupBox(background());
    tapChangerBox_->setObjectName("tapChangerBox");
    auto* column = new QVBoxLayout(tapChangerBox_);
    auto* form = new QFormLayout;
    for (int e = 0; e < kPositionEditCount; ++e) {
        auto* label = new QLabel(tapChangerBox_);
        label->setObjectName(kLabelNames[e]);
        auto* edit = new ApplyEdit(kEditNames[e], background());
        edit->setParent(tapChangerBox_);
        edit->setMaximumWidth(80);
        const auto which = static_cast<PositionEdit>(e);
        connect(edit, &QLineEdit::textEdited, this, [this, which](const QString& text) { logic_.setEdit(which, text.toStdString()); });
        // Only the resistance sends; the other edits go out with it.
        if (which == PositionEdit::ResistancePerPosition) {
            connect(edit, &ApplyEdit::applied, this, [this] {
                logic_.resistancePerPositionLeft();
                render();
            });
        }
        form->addRow(label, edit);
        edits_[static_cast<std::size_t>(e)] = edit;
        labels_[static_cast<std::size_t>(e)] = label;
    }
    column->addLayout(form);
    readingModeGroup_ = new RadioGroupBox("readingModeGroup", 2, 2, tapChangerBox_);
    connect(readingModeGroup_, &RadioGroupBox::clicked, this, [this](int i) {
        background()->setFocus();
        logic_.readingModeChosen(i);
        render();
    });
    column->addWidget(readingModeGroup_);
    auto* row = new QHBoxLayout;
    row->addWidget(tapChangerBox_);
    row->addStretch(1);
    layout->addLayout(row);
    layout->addStretch(1);
    render();
}

// The resistance edit loses the focus while the page is destroyed: that must not
// reach the logic through a page that is no longer whole.
PositionIndicatorPageView::~PositionIndicatorPageView()
{
    for (ApplyEdit* e : edits_)
        e->disconnect(this);
}

// The edits follow the device at every redraw, even the one being typed in.
void PositionIndicatorPageView::render()
{
    const PositionIndicatorPageCaptions& c = logic_.captions();
    const PositionIndicatorPageState& s = logic_.state();
    tapChangerBox_->setTitle(qs(c.tapChanger));
    for (std::size_t e = 0; e < edits_.size(); ++e) {
        labels_[e]->setText(qs(c.labels[e]));
        if (edits_[e]->text() != qs(s.edits[e]))
            edits_[e]->setText(qs(s.edits[e]));
    }
    readingModeGroup_->setTexts(c.readingMode, {c.readingModeItems.begin(), c.readingModeItems.end()});
    readingModeGroup_->select(s.readingMode);
}
