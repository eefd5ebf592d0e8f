// Programs of the project started by the tests as processes of their own.
#pragma once

#include <windows.h>

#include <string>

// Starts Program in Folder (the current one when null) with its standard output on a pipe
// whose reading end goes to ReadEnd. Answers false, with nothing left open, when it cannot.
bool StartWithOutputPipe(const std::string& Program, const char* Folder,
                         PROCESS_INFORMATION& Process, HANDLE& ReadEnd);
