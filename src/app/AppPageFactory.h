#pragma once

#include "app/PageFactory.h"

class ConnectionSources;
class EventPump;
class FileChooser;

// What the pages borrow from the program beyond the main window: the event pump of
// the link, where connections can go and the file dialogs.
struct PageServices {
    EventPump& pump;
    ConnectionSources& sources;
    FileChooser& files;
};

// The program's pages. Each page joins here when its logic is built; until then its
// client area stays empty.
class AppPageFactory final : public PageFactory {
public:
    explicit AppPageFactory(PageServices services)
        : services_(services)
    {
    }

    std::unique_ptr<Page> create(PageId id, MainWindow& mainWindow) override;

private:
    PageServices services_;
};
