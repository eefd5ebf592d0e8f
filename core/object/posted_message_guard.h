/// \file
/// Keeps the designer messages, and notifications to library windows, that arrive through a
/// message queue from reaching any window procedure: they carry an address that only a sender
/// on the window's own thread can vouch for, and anyone may post to a window.
#pragma once

/// Guards the calling thread's queue, once per thread: every QM_SETWINDOWINFO, QM_GETWINDOWINFO
/// and QM_SETVALUE, and every WM_NOTIFY to a library window, taken from it by any message loop
/// becomes WM_NULL.
void GuardPostedAddresses();
/// What a start of the library does: guards the calling thread and, after a removal, every
/// other thread again at its next message to a library window (RenewPostedAddressGuard), so
/// that windows made before a stop are guarded again.
void ResumePostedAddressGuards();
/// Called by the window procedures at every message of a bound window: guards the calling
/// thread when a start after a removal asks for it, otherwise costs one load.
void RenewPostedAddressGuard();
/// Removes every thread's guard: its procedure must not outlive the library's code.
void RemovePostedAddressGuards();
