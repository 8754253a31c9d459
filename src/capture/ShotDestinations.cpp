#include "capture/ShotDestinations.h"

#include <exception>
#include <string>
#include <utility>

#include "platform/Diagnostics.h"

namespace snapwright {

namespace {

template <typename Target, typename... Args>
void Run(const Target& target, const char* what, Args&&... args) {
    if (target) {
        target(std::forward<Args>(args)...);
    } else {
        DebugOutput(std::string("No ") + what + " in this program: the screenshot stays on the clipboard.");
    }
}

}  // namespace

ShotDestinations::ShotDestinations(const Settings& settings, Targets targets)
    : m_settings(settings), m_targets(std::move(targets)) {}

void ShotDestinations::Deliver(Destination destination, PicturePtr shot) {
    switch (destination) {
        case Destination::Print: Run(m_targets.printHardcopy, "printing", std::move(shot)); break;
        case Destination::Save: Run(m_targets.startSaveAs, "saving", std::move(shot)); break;
        case Destination::Send: DispatchSend(std::move(shot)); break;
    }
}

// Sending is best effort: a step that fails is skipped, as the user can always paste the
// screenshot from the clipboard himself.
void ShotDestinations::DispatchSend(PicturePtr shot) {
    try {
        switch (m_settings.SendTo) {
            case SendTarget::WordProcessor: SendToOffice(OfficeKind::WordProcessor, std::move(shot)); break;
            case SendTarget::Spreadsheet: SendToOffice(OfficeKind::Spreadsheet, std::move(shot)); break;
            case SendTarget::Presentation: SendToOffice(OfficeKind::Presentation, std::move(shot)); break;
            case SendTarget::AskAtSend: Run(m_targets.askApplication, "application choice", std::move(shot)); break;
            case SendTarget::Editor: Run(m_targets.openEditor, "editor"); break;
            case SendTarget::Nowhere: break;
        }
    } catch (const std::exception& error) {
        DebugOutput(std::string("Sending the screenshot failed: ") + error.what());
    } catch (...) {
        DebugOutput("Sending the screenshot failed.");
    }
}

void ShotDestinations::SendToOffice(OfficeKind kind, PicturePtr shot) {
    Run(m_targets.sendTo, "sending", ProgramOf(m_settings.Office, kind), std::move(shot));
}

}  // namespace snapwright
