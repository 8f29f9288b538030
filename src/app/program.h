// The program's entry, shared by both flavours.
#pragma once

class QMainWindow;

// The main window with the program's own caption.
QMainWindow* CreateMainWindow();

int RunProgram(int argc, char** argv);
