#pragma once

#include "app/PageId.h"

#include <memory>

class MainWindow;
class Page;

// Creates the logic of each page once, at start-up. A page that has no logic yet
// gets none, and the main window shows its client area empty.
class PageFactory {
public:
    virtual ~PageFactory() = default;
    virtual std::unique_ptr<Page> create(PageId id, MainWindow& mainWindow) = 0;
};
