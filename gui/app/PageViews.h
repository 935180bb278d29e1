#pragma once

class MainWindowView;
class MainWindow;

// Gives every page that has logic its view in the main window.
void attachPageViews(MainWindow& logic, MainWindowView& window);
