// Garbage in the messages whose parameter is an address in the receiver's memory: a sender on
// another thread or in another process can only ever hand such a window a meaningless number.
#pragma once

#include <windows.h>

#include <random>

// Sends Count messages of each kind to Window with an address that is null, tiny, unmapped,
// just freed or random. Each waits at most a second for the answer.
void SendGarbageAddresses(HWND Window, std::mt19937& Random, int Count);
