// The program's start, run in the application its caller made: the dialogs
// and the guard every event handler runs through, the file services, the
// main window and the raw view, then the event loop. One optional argument
// names a table to open at once.
#pragma once

// Returns the event loop's exit code; `argc` and `argv` as the application
// left them, its own options taken out.
int RunProgram(int argc, char** argv);
