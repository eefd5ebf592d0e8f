// Drains the thread's pending messages for a bounded time instead of sleeping.
#pragma once

// Dispatches messages until the queue has been empty for QuietMs, at most MaxMs in all.
void PumpMessages(int MaxMs = 200, int QuietMs = 5);
