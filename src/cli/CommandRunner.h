#pragma once
#include <functional>
#include <string>

#include "capture/CaptureEngine.h"
#include "capture/CurrentShot.h"
#include "capture/ScrollCapture.h"
#include "capture/ShotDestinations.h"
#include "cli/CommandLine.h"
#include "cli/CommandMessages.h"
#include "platform/FileSystem.h"
#include "save/ImageExport.h"

namespace snapwright {

// Carries out a command as the hotkeys do: the capture becomes the current screenshot and goes onto
// the clipboard, then into the file and to the destination it names.
class CommandRunner {
public:
    struct Ports {
        CaptureEngine& engine;
        CurrentShot& currentShot;
        ShotDestinations& destinations;
        ImageExport& imageExport;
        IFileSystem& files;
        CommandMessages& messages;
        // The region overlay: the region, already current and on the clipboard; null when cancelled.
        std::function<PicturePtr()> takeRegion;
        std::function<void(PicturePtr)> openEditor;
        // Waits and keeps the program answering meanwhile.
        std::function<void(int milliseconds)> wait;
        // The program runs on after the command, so that a page of two can wait for its second shot.
        bool runsOn = true;
        // The whole scrolled content of the window in front.
        std::function<ScrollOutcome()> scrollWindow{};
    };

    explicit CommandRunner(Ports ports);

    // `showErrors`: errors are also shown to the user as they arise, as without a command.
    CommandOutcome Run(const Command& command, bool showErrors);

private:
    CommandOutcome Carry(const Command& command);
    // `note`: what the capture has to tell about the picture, such as where it ends.
    PicturePtr Capture(const Command& command, std::string& note);
    bool WriteFile(const Command& command, const PicturePtr& shot);
    CommandOutcome Deliver(const Command& command, PicturePtr shot, bool onClipboard);
    CommandOutcome Fail(const std::string& reason);
    CommandOutcome NotDone();

    Ports m_ports;
};

}  // namespace snapwright
