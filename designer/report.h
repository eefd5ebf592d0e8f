// The designer's messages to its user: message boxes, or lines of a log file when the program
// runs unattended (tests), where a box would wait for a click nobody gives.
#pragma once

#include <windows.h>

#include <string>

// From now on messages are appended to the file at Path instead of shown.
void ReportToLog(const std::string& Path);
// Shows Text to the user (or logs it), owned by Owner.
void Report(HWND Owner, const std::string& Text);
