#include "app/BusyNotice.h"

#include "app/Ui.h"

#include <utility>

BusyNotice::BusyNotice(Ui& ui, std::string message, int width)
    : ui_(ui)
    , message_(std::move(message))
    , width_(width)
{
    ui_.openNotice(*this);
}

BusyNotice::~BusyNotice()
{
    ui_.closeNotice(*this);
}

void BusyNotice::setMessage(std::string message)
{
    message_ = std::move(message);
    ui_.refreshNotice(*this);
}
