#pragma once
#include <functional>
#include <string>

#include "model/OfficeSuite.h"
#include "platform/Automation.h"
#include "platform/Clipboard.h"
#include "platform/TopLevelWindows.h"
#include "platform/UserMessages.h"

namespace snapwright {

// Whether a visible top-level window with a border has `text` in its caption, in any case,
// walking the z-order from the first window at the level of `relativeTo`.
bool IsWindowWithCaptionShown(const ITopLevelWindows& windows, WindowRef relativeTo, const std::string& text);

// Gives a window of this program a taskbar button (show) or takes it away.
void SetTaskbarButton(ITopLevelWindows& windows, WindowRef window, bool show);

// Hands a picture to an office program through the clipboard: puts it there, attaches to the
// running program, or asks the user and starts it, makes sure a document is open and pastes.
class OfficeSender {
public:
    struct Ports {
        IClipboard& clipboard;
        IAutomation& automation;
        ITopLevelWindows& windows;
        IUserMessages& messages;
        // The start dialog for a program that is not running: true when the user wants it started.
        std::function<bool(const std::string& displayName)> askToStart;
        std::function<void(int milliseconds)> wait;
        WindowRef mainWindow = 0;
        // The user's language, asked when a message is made.
        std::function<int()> language;
    };

    explicit OfficeSender(Ports ports);

    // Sends, and tells the user in one message when the program could not be reached; the
    // picture then stays on the clipboard. True when it was pasted; false also when the user
    // did not want the program started.
    bool Send(OfficeProgram program, PicturePtr picture);

private:
    bool Paste(OfficeProgram program);  // throws AutomationError when a step fails
    int Language() const;
    struct MicrosoftProgram;
    struct SuiteProgram;
    bool SendToMicrosoftProgram(const MicrosoftProgram& program);
    bool SendToSuiteProgram(const SuiteProgram& program);

    Ports m_ports;
};

// The text that tells the user, in his language, that a send failed and why.
std::string SendFailureMessage(OfficeProgram program, const AutomationError& error, int language);

}  // namespace snapwright
