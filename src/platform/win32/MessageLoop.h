#pragma once
#include <windows.h>

#include <functional>

namespace snapwright::win32 {

// The message loops of the program: one for the whole run, one for every modal window and every
// wait. Each hands a message to the keys of the program's forms first (FormRegistry), then to the
// window it is for.

// The program's loop, until WM_QUIT; returns the exit code it carries.
int RunMessageLoop();
// A nested loop for a modal window or a wait: runs until `finished` is true, asked before each
// message. False when WM_QUIT came first; it stays queued for the loop beneath.
bool RunModalLoop(const std::function<bool()>& finished);
// Lets time pass while the thread's windows go on answering: handles every message that comes
// meanwhile. A WM_QUIT ends the wait early and stays queued for the message loop.
void PumpMessagesFor(unsigned milliseconds);

}  // namespace snapwright::win32
