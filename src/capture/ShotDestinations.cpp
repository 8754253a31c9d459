#include "capture/ShotDestinations.h"

#include <exception>
#include <string>
#include <type_traits>
#include <utility>

#include "platform/Diagnostics.h"

namespace snapwright {

namespace {

Delivery DeliveryOf(bool done) {
    return done ? Delivery::Done : Delivery::NotDone;
}

Delivery DeliveryOf(PageOutcome page) {
    switch (page) {
        case PageOutcome::Printed: return Delivery::Done;
        case PageOutcome::WaitsForNextShot: return Delivery::WaitsForNextShot;
        case PageOutcome::NotPrinted: break;
    }
    return Delivery::NotDone;
}

template <typename Target, typename... Args>
Delivery Run(const Target& target, const char* what, Args&&... args) {
    if (!target) {
        DebugOutput(std::string("No ") + what + " in this program: the screenshot stays on the clipboard.");
        return Delivery::Failed;
    }
    if constexpr (std::is_void_v<std::invoke_result_t<const Target&, Args...>>) {
        target(std::forward<Args>(args)...);
        return Delivery::Done;
    } else {
        return DeliveryOf(target(std::forward<Args>(args)...));
    }
}

}  // namespace

ShotDestinations::ShotDestinations(const Settings& settings, Targets targets)
    : m_settings(settings), m_targets(std::move(targets)) {}

Delivery ShotDestinations::Deliver(Destination destination, PicturePtr shot) {
    switch (destination) {
        case Destination::Print: return Run(m_targets.printHardcopy, "printing", std::move(shot));
        case Destination::Save: return Run(m_targets.startSaveAs, "saving", std::move(shot));
        case Destination::Send: return DispatchSend(std::move(shot));
    }
    return Delivery::Failed;
}

// Sending is best effort: a step that fails is skipped, as the user can always paste the
// screenshot from the clipboard himself.
Delivery ShotDestinations::DispatchSend(PicturePtr shot) {
    try {
        switch (m_settings.SendTo) {
            case SendTarget::WordProcessor: return SendToOffice(OfficeKind::WordProcessor, std::move(shot));
            case SendTarget::Spreadsheet: return SendToOffice(OfficeKind::Spreadsheet, std::move(shot));
            case SendTarget::Presentation: return SendToOffice(OfficeKind::Presentation, std::move(shot));
            case SendTarget::AskAtSend: return Run(m_targets.askApplication, "application choice", std::move(shot));
            case SendTarget::Editor: return Run(m_targets.openEditor, "editor");
            case SendTarget::Nowhere: return Delivery::Done;
        }
    } catch (const std::exception& error) {
        DebugOutput(std::string("Sending the screenshot failed: ") + error.what());
    } catch (...) {
        DebugOutput("Sending the screenshot failed.");
    }
    return Delivery::Failed;
}

Delivery ShotDestinations::SendToOffice(OfficeKind kind, PicturePtr shot) {
    return Run(m_targets.sendTo, "sending", ProgramOf(m_settings.Office, kind), std::move(shot));
}

}  // namespace snapwright
