#pragma once

#include "screens/common/RelayLamp.h"

#include <QGroupBox>

#include <vector>

class QGridLayout;
class QLabel;

// A row of relays as the general pages draw them: a round lamp and the contact
// picture under it, for each relay. Row 2 of grid() is the model's (names, labels).
class RelayStrip final : public QGroupBox {
    Q_OBJECT
public:
    static constexpr int kLampSize = 14;

    RelayStrip(int count, QWidget* parent);

    QGridLayout* grid() const { return grid_; }
    // The picture is reassigned only when it changes.
    void setRelay(int index, const RelayLamp& relay);

private:
    QGridLayout* grid_ = nullptr;
    std::vector<QLabel*> lamps_;
    std::vector<QLabel*> pictures_;
};
