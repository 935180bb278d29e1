#pragma once

#include "app/FrameFactory.h"

class ConnectionSources;
class EventPump;
class FileChooser;
class ThermalUi;

// What the pages borrow from the program beyond the main window: the event pump of
// the link, where connections can go, the file dialogs and the thermal pages' windows.
struct FrameServices {
    EventPump& pump;
    ConnectionSources& sources;
    FileChooser& files;
    ThermalUi& thermalUi;
};

// The program's pages. Each page joins here when its logic is built; until then its
// client area stays empty.
class AppFrameFactory final : public FrameFactory {
public:
    explicit AppFrameFactory(FrameServices services)
        : services_(services)
    {
    }

    std::unique_ptr<TFrame> create(FrameId id, TFormMain& main) override;

private:
    FrameServices services_;
};
