#pragma once

#include "screens/common/RelayLamp.h"

#include <QGroupBox>

#include <span>
#include <string>
#include <vector>

class QGridLayout;
class QLabel;

// A row of relays as the general pages draw them: a round lamp and the contact
// picture under it, for each relay, and under those the model's captions or edits.
class RelayStrip final : public QGroupBox {
    Q_OBJECT
public:
    static constexpr int kLampSize = 14;

    RelayStrip(int count, QWidget* parent);

    // Places `widget` under relay `index`.
    void placeUnder(int index, QWidget* widget, Qt::Alignment alignment = Qt::AlignHCenter);
    // A centred caption under relay `index`, named relayLabelN (N counting from 1).
    // `setLabels` fills the captions in the order they were added.
    QLabel* addLabel(int index, Qt::Alignment alignment = Qt::AlignHCenter);

    void setRelays(std::span<const RelayLamp> relays);
    // The picture is reassigned only when it changes.
    void setRelay(int index, const RelayLamp& relay);
    void setLabels(std::span<const std::string> texts);
    void setLabelsVisible(bool visible);

private:
    QGridLayout* grid_ = nullptr;
    std::vector<QLabel*> lamps_;
    std::vector<QLabel*> pictures_;
    std::vector<QLabel*> labels_;
};
