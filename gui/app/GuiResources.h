#pragma once

// Registers the pictures and the style sheet compiled into the static library (a
// static library's resources are not registered on their own).
void initGuiResources();
// Registers them and gives the whole application the program's style sheet.
void applyAppStyleSheet();
