#pragma once
#include <functional>

#include "apps/OfficeSuite.h"
#include "platform/Picture.h"
#include "settings/Settings.h"

namespace snapwright {

// Where a screenshot goes once it has been taken and put on the clipboard.
enum class Destination { Print, Save, Send };

// Hands a screenshot to its destination: the printed page, the save dialog, or, for sending, the
// program, the question or the editor that the settings choose. A destination that is not wired
// leaves the screenshot on the clipboard.
class ShotDestinations {
public:
    struct Targets {
        std::function<void(PicturePtr)> printHardcopy{};
        std::function<void(PicturePtr)> startSaveAs{};
        std::function<void(OfficeProgram, PicturePtr)> sendTo{};
        std::function<void(PicturePtr)> askApplication{};  // modal
        std::function<void()> openEditor{};                // modal, on the current screenshot
    };

    ShotDestinations(const Settings& settings, Targets targets);

    void Deliver(Destination destination, PicturePtr shot);

private:
    void DispatchSend(PicturePtr shot);
    void SendToOffice(OfficeKind kind, PicturePtr shot);

    const Settings& m_settings;
    Targets m_targets;
};

}  // namespace snapwright
