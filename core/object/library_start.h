/// \file
/// Starting and stopping the library: what loading and unloading core.dll do, for programs
/// that link the library's archive instead.
#pragma once

/// Registers every window class of the library, allocates the message-box owner cell and
/// creates Application. Calls after the first, until StopLibrary, do nothing.
void StartLibrary();
/// Unregisters the classes and frees the cell. Application stays, as it does when core.dll
/// unloads, and a later StartLibrary keeps it. Does nothing when the library is not started.
void StopLibrary();
