#pragma once
#include <functional>

#include "model/OfficeSuite.h"
#include "model/Settings.h"
#include "platform/Picture.h"
#include "print/PageOutcome.h"

namespace snapwright {

// Where a screenshot goes once it has been taken and put on the clipboard.
enum class Destination { Print, Save, Send };

// What became of a screenshot at its destination.
enum class Delivery {
    Done,
    WaitsForNextShot,  // the first shot of a page of two
    NotDone,           // the user cancelled, or it failed and the user has been told why
    Failed,            // it failed and no one has been told
};

// Hands a screenshot to its destination: the printed page, the save dialog, or, for sending, the
// program, the question or the editor that the settings choose. A destination that is not wired
// leaves the screenshot on the clipboard.
class ShotDestinations {
public:
    struct Targets {
        std::function<PageOutcome(PicturePtr)> printHardcopy{};
        std::function<bool(PicturePtr)> startSaveAs{};             // true when a file was written
        std::function<bool(OfficeProgram, PicturePtr)> sendTo{};   // true when it was pasted
        std::function<bool(PicturePtr)> askApplication{};          // modal; true when it went somewhere
        std::function<void()> openEditor{};                        // modal, on the current screenshot
    };

    ShotDestinations(const Settings& settings, Targets targets);

    Delivery Deliver(Destination destination, PicturePtr shot);

private:
    Delivery DispatchSend(PicturePtr shot);
    Delivery SendToOffice(OfficeKind kind, PicturePtr shot);

    const Settings& m_settings;
    Targets m_targets;
};

}  // namespace snapwright
