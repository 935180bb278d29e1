#pragma once

#include <functional>

class AppSettings;
class ConnectionSources;
class EventPump;
class FileChooser;
class Ui;

// What the main window lends every general page for its whole run.
struct GeneralPageContext {
    AppSettings& settings;
    Ui& ui;
    EventPump& pump;
    ConnectionSources& sources;
    FileChooser& files;
    // Moves the main window's model selector (another model's signature).
    std::function<void(int)> selectDeviceType;
};
