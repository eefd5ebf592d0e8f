/// \file
/// Diagnostic lines on standard output, and the system's error texts.
#pragma once

#include <windows.h>

#include <string>

/// Writes Bytes to standard output, after whatever the C runtime has buffered.
void WriteStandardOutput(const std::string& Bytes);
/// Writes Line and CR LF to standard output.
void WriteDiagnosticLine(const std::string& Line);

/// The system's message text for an error code, without surrounding spaces.
std::string SysErrorText(DWORD Code);
