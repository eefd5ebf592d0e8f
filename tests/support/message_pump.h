// Drains the thread's pending messages for a bounded time instead of sleeping.
#pragma once

#include <functional>

// Dispatches messages until the queue has been empty for QuietMs, at most MaxMs in all.
void PumpMessages(int MaxMs = 200, int QuietMs = 5);
// Runs Work on a new thread and waits for it, answering the messages it sends meanwhile.
void RunOnOtherThread(const std::function<void()>& Work);
