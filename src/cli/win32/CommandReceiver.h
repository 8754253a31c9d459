#pragma once
#include <windows.h>

#include <deque>

#include "cli/CommandPacket.h"
#include "cli/CommandRunner.h"
#include "cli/win32/MessageWindow.h"

namespace snapwright::win32 {

// The tray program's side of a command handed to it: takes it from the main window's WM_COPYDATA,
// carries it out from the message loop, where dialogs and automation work as for a hotkey, and
// sends the command its answer. A command that arrives while another waits for its dialog runs
// at once.
class CommandReceiver {
public:
    CommandReceiver(HWND programWindow, CommandRunner& runner, const Settings& settings);

    // True when the data is a command, which is then queued.
    bool Receive(const COPYDATASTRUCT& data);

private:
    void RunNext();
    void Answer(const HandedCommand& command, const CommandOutcome& outcome);

    HWND m_programWindow;
    CommandRunner& m_runner;
    const Settings& m_settings;  // the user's language
    std::deque<HandedCommand> m_queue;
    MessageWindow m_window;  // gets the message that runs the queue
};

}  // namespace snapwright::win32
