#include "gui/screens/position/FrameConfQLX700CView.h"

#include "gui/app/ApplyEdit.h"
#include "gui/app/DecimalSeparator.h"
#include "gui/app/RadioGroupBox.h"
#include "gui/app/WidgetText.h"
#include "screens/position/FrameConfQLX700CF.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {
constexpr const char* kEditNames[] = {"edResPorPos", "edNumPos", "edPosMin", "edPosMax"};
constexpr const char* kLabelNames[] = {"lblResPorPos", "lblNumPos", "lblPosMin", "lblPosMax"};
} // namespace

FrameConfQLX700CView::FrameConfQLX700CView(TFrameConfQLX700C& logic, QWidget* parent)
    : PageView(parent)
    , logic_(logic)
{
    setObjectName("FrameConfQLX700CView");
    logic_.setDecimalSeparator(systemDecimalSeparator());
    QVBoxLayout* layout = addBackground();
    gbComutador_ = new QGroupBox(background());
    gbComutador_->setObjectName("gbComutador");
    auto* column = new QVBoxLayout(gbComutador_);
    auto* form = new QFormLayout;
    for (int e = 0; e < kPositionEditCount; ++e) {
        auto* label = new QLabel(gbComutador_);
        label->setObjectName(kLabelNames[e]);
        auto* edit = new ApplyEdit(kEditNames[e], background());
        edit->setParent(gbComutador_);
        edit->setMaximumWidth(80);
        const auto which = static_cast<PositionEdit>(e);
        connect(edit, &QLineEdit::textEdited, this, [this, which](const QString& text) { logic_.setEdit(which, text.toStdString()); });
        // Only the resistance sends; the other edits go out with it.
        if (which == PositionEdit::ResPorPos) {
            connect(edit, &ApplyEdit::applied, this, [this] {
                logic_.edResPorPosExit();
                render();
            });
        }
        form->addRow(label, edit);
        edits_[static_cast<std::size_t>(e)] = edit;
        labels_[static_cast<std::size_t>(e)] = label;
    }
    column->addLayout(form);
    rgModoLeitura_ = new RadioGroupBox("rgModoLeitura", 2, 2, gbComutador_);
    connect(rgModoLeitura_, &RadioGroupBox::clicked, this, [this](int i) {
        background()->setFocus();
        logic_.rgModoLeituraClick(i);
        render();
    });
    column->addWidget(rgModoLeitura_);
    auto* row = new QHBoxLayout;
    row->addWidget(gbComutador_);
    row->addStretch(1);
    layout->addLayout(row);
    layout->addStretch(1);
    render();
}

// The resistance edit loses the focus while the page is destroyed: that must not
// reach the logic through a page that is no longer whole.
FrameConfQLX700CView::~FrameConfQLX700CView()
{
    for (ApplyEdit* e : edits_)
        e->disconnect(this);
}

// The edits follow the device at every redraw, even the one being typed in.
void FrameConfQLX700CView::render()
{
    const FrameConfQLX700CCaptions& c = logic_.captions();
    const FrameConfQLX700CState& s = logic_.state();
    gbComutador_->setTitle(qs(c.gbComutador));
    for (std::size_t e = 0; e < edits_.size(); ++e) {
        labels_[e]->setText(qs(c.labels[e]));
        if (edits_[e]->text() != qs(s.edits[e]))
            edits_[e]->setText(qs(s.edits[e]));
    }
    rgModoLeitura_->setTexts(c.rgModoLeitura, {c.rgModoLeituraItems.begin(), c.rgModoLeituraItems.end()});
    rgModoLeitura_->select(s.rgModoLeitura);
}
