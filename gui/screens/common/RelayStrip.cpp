#include "gui/screens/common/RelayStrip.h"

#include "gui/app/WidgetText.h"
#include "gui/screens/common/PanelStyle.h"

#include <QGridLayout>
#include <QIcon>
#include <QLabel>

namespace {

constexpr QSize kContactSize{40, 28};

QString contactName(RelayLamp::Contact contact)
{
    switch (contact) {
    case RelayLamp::Contact::Closed: return "closed";
    case RelayLamp::Contact::Open: return "open";
    case RelayLamp::Contact::None: break;
    }
    return {};
}

} // namespace

RelayStrip::RelayStrip(int count, QWidget* parent)
    : QGroupBox(parent)
{
    setObjectName("relayStrip");
    grid_ = new QGridLayout(this);
    grid_->setHorizontalSpacing(4);
    for (int i = 0; i < count; ++i) {
        auto* lamp = new QLabel(this);
        lamp->setObjectName(QString("relayLamp%1").arg(i + 1));
        lamp->setFixedSize(kLampSize, kLampSize);
        auto* picture = new QLabel(this);
        picture->setObjectName(QString("relayContact%1").arg(i + 1));
        picture->setFixedSize(kContactSize);
        picture->setAlignment(Qt::AlignCenter);
        grid_->addWidget(lamp, 0, i, Qt::AlignHCenter);
        grid_->addWidget(picture, 1, i, Qt::AlignHCenter);
        lamps_.push_back(lamp);
        pictures_.push_back(picture);
        setRelay(i, {});
    }
}

void RelayStrip::placeUnder(int index, QWidget* widget, Qt::Alignment alignment)
{
    grid_->addWidget(widget, 2, index, alignment);
}

QLabel* RelayStrip::addLabel(int index, Qt::Alignment alignment)
{
    auto* label = new QLabel(this);
    label->setObjectName(QString("relayLabel%1").arg(index + 1));
    label->setAlignment(Qt::AlignCenter);
    placeUnder(index, label, alignment);
    labels_.push_back(label);
    return label;
}

void RelayStrip::setRelays(std::span<const RelayLamp> relays)
{
    for (std::size_t i = 0; i < relays.size() && i < lamps_.size(); ++i)
        setRelay(static_cast<int>(i), relays[i]);
}

void RelayStrip::setLabels(std::span<const std::string> texts)
{
    for (std::size_t i = 0; i < texts.size() && i < labels_.size(); ++i)
        labels_[i]->setText(qs(texts[i]));
}

void RelayStrip::setLabelsVisible(bool visible)
{
    for (QLabel* label : labels_)
        label->setVisible(visible);
}

void RelayStrip::setRelay(int index, const RelayLamp& relay)
{
    const auto i = static_cast<std::size_t>(index);
    const QString lamp = QString("background: %1; border-radius: %2px;").arg(colourName(relay.lamp)).arg(kLampSize / 2);
    if (lamps_[i]->styleSheet() != lamp)
        lamps_[i]->setStyleSheet(lamp);
    const QString contact = contactName(relay.picture);
    if (pictures_[i]->property("contact").toString() == contact)
        return;
    pictures_[i]->setProperty("contact", contact);
    if (contact.isEmpty())
        pictures_[i]->clear();
    else
        pictures_[i]->setPixmap(QIcon(relay.picture == RelayLamp::Contact::Closed ? ":/icons/relay-closed.svg"
                                                                                  : ":/icons/relay-open.svg")
                                    .pixmap(kContactSize));
}
