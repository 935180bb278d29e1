#pragma once

#include <functional>
#include <string>

struct PageRow;
class MainWindow;

// Opens a page as a user would: selects the row's model, connects the general page
// through its USB button road to `port` (the password dialog is answered through
// the Ui), shows the page, calls `shown`, then opens the page's window. False when a
// step fails; the step has shown its own message.
bool openPage(MainWindow& mainWindow, const PageRow& row, const std::string& port,
              const std::function<void()>& shown = {});
