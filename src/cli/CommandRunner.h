#pragma once
#include <functional>
#include <string>

#include "capture/CaptureEngine.h"
#include "capture/CurrentShot.h"
#include "capture/ScrollCapture.h"
#include "capture/ShotDestinations.h"
#include "cli/CommandLine.h"
#include "cli/CommandMessages.h"
#include "lang/UserText.h"
#include "platform/FileSystem.h"
#include "save/ImageExport.h"
#include "model/Settings.h"

namespace snapwright {

// What became of a region that a command asked for.
struct RegionTaken {
    PicturePtr picture;  // current and on the clipboard; null when there is none
    bool busy = false;   // a region was being drawn already, and none was taken
    std::string note{};  // where a window taken whole by scrolling ended early, in words
};

// Carries out a command as the hotkeys do: the capture becomes the current screenshot and goes onto
// the clipboard, then into the file and to the destination it names. A command waits only for its
// own delay and its own dialogs: others run meanwhile, each answered when it is done.
class CommandRunner {
public:
    struct Ports {
        CaptureEngine& engine;
        CurrentShot& currentShot;
        ShotDestinations& destinations;
        ImageExport& imageExport;
        IFileSystem& files;
        CommandMessages& messages;
        const Settings& settings;  // the user's language
        // The region overlay. `clickScrolls`: a window taken by a click is scrolled whole, as by S.
        std::function<RegionTaken(bool clickScrolls)> takeRegion;
        std::function<void(PicturePtr)> openEditor;
        // Calls the function after the milliseconds, from the program's message loop: the program
        // answers meanwhile, and other commands run.
        std::function<void(int milliseconds, std::function<void()> then)> later;
        // The program runs on after the command, so that a page of two can wait for its second shot
        // and the editor stays open after the command has ended.
        bool runsOn = true;
        // The whole scrolled content of the window in front.
        std::function<ScrollOutcome()> scrollWindow{};
    };
    using Answer = std::function<void(const CommandOutcome&)>;

    explicit CommandRunner(Ports ports);

    // `showErrors`: errors are also shown to the user as they arise, as without a command. The
    // answer comes at once, or after the delay when the command has one.
    void Run(const Command& command, bool showErrors, Answer answer);

private:
    CommandOutcome RunNow(const Command& command, bool showErrors);
    CommandOutcome Carry(const Command& command);
    // `note`: what the capture has to tell about the picture, such as where it ends.
    PicturePtr Capture(const Command& command, std::string& note);
    bool WriteFile(const Command& command, const PicturePtr& shot);
    CommandOutcome Deliver(const Command& command, PicturePtr shot, bool onClipboard);
    CommandOutcome Fail(TextId message);
    CommandOutcome Fail(const std::string& text);
    CommandOutcome NotDone();
    std::string Text(TextId id, std::initializer_list<TextValue> values = {}) const;

    Ports m_ports;
};

}  // namespace snapwright
