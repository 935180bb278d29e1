#include "app/AppFrameFactory.h"

#include "app/TFrame.h"

std::unique_ptr<TFrame> AppFrameFactory::create(FrameId, TFormMain&)
{
    return nullptr;
}
