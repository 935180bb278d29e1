#pragma once

class QWidget;

// Sets a true/false property the style sheet selects on (`[name="true"]`) and redraws
// the widget with it when it changed.
void setStyleFlag(QWidget* widget, const char* name, bool on);
