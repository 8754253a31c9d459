#pragma once

namespace snapwright::win32 {

// Lets time pass while the thread's windows go on answering: handles every message that comes
// meanwhile. A WM_QUIT ends the wait early and stays queued for the message loop.
void PumpMessagesFor(unsigned milliseconds);

}  // namespace snapwright::win32
