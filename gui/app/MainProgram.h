#pragma once

// The qlx700 program: the main window, optionally with the demo devices, or a
// picture of the main window (see AppOptions).
int runMainProgram(int argc, char** argv);
