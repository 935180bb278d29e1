#pragma once

#include "app/FrameFactory.h"

class ConnectionSources;
class EventPump;
class FileChooser;

// What the pages borrow from the program beyond the main window: the event pump of
// the link, where connections can go and the file dialogs.
struct FrameServices {
    EventPump& pump;
    ConnectionSources& sources;
    FileChooser& files;
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
