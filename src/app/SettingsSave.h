#pragma once

class AppSettings;
class Ui;

// Writes conf.ini; a failure is shown to the user (the record keeps its values).
bool saveSettings(AppSettings& settings, Ui& ui, int language);
