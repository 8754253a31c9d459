#include "cli/CommandRunner.h"

#include <exception>
#include <optional>
#include <utility>
#include <vector>

#include "platform/Diagnostics.h"
#include "save/FileNaming.h"
#include "save/MissingFolders.h"
#include "save/SaveAsDialog.h"
#include "save/ThumbnailSize.h"

namespace snapwright {

namespace {

constexpr const char* kPageWaits = "The page waits for its second screenshot.";
constexpr const char* kPageOfTwoAlone =
    "The page takes two screenshots, and without Snapwright running in the tray no second one will come: "
    "nothing is printed. Start Snapwright first, or choose a page of one screenshot in its options.";

std::string Joined(const std::vector<std::string>& texts) {
    std::string joined;
    for (const std::string& text : texts) joined += (joined.empty() ? "" : "\n\n") + text;
    return joined;
}

}  // namespace

CommandRunner::CommandRunner(Ports ports) : m_ports(std::move(ports)) {}

// Every failure is told through the program's messages, whose texts become the answer; a step
// that did not happen without a word was cancelled by the user.
CommandOutcome CommandRunner::Run(const Command& command, bool showErrors) {
    m_ports.messages.BeginCommand(showErrors);
    CommandOutcome outcome;
    try {
        outcome = Carry(command);
    } catch (const std::exception& error) {
        outcome = Fail(std::string("Snapwright could not carry out the command: ") + error.what());
    }
    const std::vector<std::string> errors = m_ports.messages.EndCommand();
    if (outcome.exitCode != kExitDone) outcome.text = Joined(errors);
    return outcome;
}

// The file comes before the destination: a script that names a file wants it whatever a dialog
// of the destination is answered, and a file that fails ends the command before a page is printed.
CommandOutcome CommandRunner::Carry(const Command& command) {
    if (command.delayMilliseconds > 0) m_ports.wait(command.delayMilliseconds);
    std::string note;
    PicturePtr shot = Capture(command, note);
    if (!shot) return NotDone();
    bool onClipboard = true;
    // The region overlay and the scrolling capture have made their picture current and put it on
    // the clipboard.
    if (command.area != CaptureArea::Region && !command.scroll) {
        m_ports.currentShot.Set(shot);
        onClipboard = m_ports.engine.CopyShotToClipboard();
        if (!onClipboard) DebugOutput("The screenshot could not be put on the clipboard.");
    }
    if (!command.file.empty() && !WriteFile(command, shot)) return {kExitFailed, {}};
    CommandOutcome outcome = Deliver(command, std::move(shot), onClipboard);
    if (outcome.exitCode == kExitDone && !note.empty()) {
        outcome.text = outcome.text.empty() ? note : note + "\n" + outcome.text;
    }
    return outcome;
}

PicturePtr CommandRunner::Capture(const Command& command, std::string& note) {
    PicturePtr shot;
    switch (command.area) {
        case CaptureArea::Screen:
            shot = m_ports.engine.GrabScreenPicture();
            if (!shot) Fail("Snapwright could not take the screenshot: the screen could not be read.");
            break;
        case CaptureArea::Window:
            if (command.scroll && m_ports.scrollWindow) {
                ScrollOutcome scrolled = m_ports.scrollWindow();
                note = std::move(scrolled.note);
                return std::move(scrolled.picture);
            }
            shot = m_ports.engine.GrabActiveWindowPicture();
            if (!shot) Fail("Snapwright could not take the screenshot: there is no window in front, or it could not be read.");
            break;
        case CaptureArea::Region:
            if (m_ports.takeRegion) return m_ports.takeRegion();
            Fail("Snapwright cannot take a region here.");
            break;
    }
    return shot;
}

// An existing file is kept unless the command says otherwise: a script's command must not stop at a
// question that no one sees.
bool CommandRunner::WriteFile(const Command& command, const PicturePtr& shot) {
    const std::string& path = command.file;
    const auto refuse = [this](const std::string& file, const std::string& reason) {
        m_ports.messages.ShowError(SaveFailureMessage(file, reason));
        return false;
    };
    if (const std::string device = ReservedDeviceName(path); !device.empty()) {
        return refuse(path, "Windows keeps the name \"" + device + "\" for a device.");
    }
    std::optional<ThumbSize> thumbnail;
    if (command.thumbnailPercent) {
        thumbnail = ThumbnailSize(*command.thumbnailPercent, shot->Width(), static_cast<float>(shot->Height()));
    }
    if (!command.overwrite) {
        if (m_ports.files.Stamp(path)) return refuse(path, "The file exists already; --overwrite replaces it.");
        const std::string thumbnailPath = ThumbnailFileName(path);
        if (thumbnail && m_ports.files.Stamp(thumbnailPath)) {
            return refuse(thumbnailPath, "The thumbnail exists already; --overwrite replaces it.");
        }
    }
    if (const FolderOutcome folder = MakeFolderOf(m_ports.files, path); !folder.ok) {
        m_ports.messages.ShowError(FolderFailureMessage(folder.folder, folder.reason));
        return false;
    }
    const ExportOutcome written = m_ports.imageExport.Export(*command.format, path, shot, thumbnail);
    if (!written.ok) return refuse(written.path, written.reason);
    return true;
}

CommandOutcome CommandRunner::Deliver(const Command& command, PicturePtr shot, bool onClipboard) {
    Delivery delivery = Delivery::Done;
    switch (command.target) {
        case CommandTarget::Clipboard:
            // A file was the point of a command that names one; the clipboard only is it otherwise.
            if (onClipboard || !command.file.empty()) return {};
            return Fail("Snapwright could not put the screenshot on the clipboard: another program holds it.");
        case CommandTarget::Print: delivery = m_ports.destinations.Deliver(Destination::Print, std::move(shot)); break;
        case CommandTarget::Save: delivery = m_ports.destinations.Deliver(Destination::Save, std::move(shot)); break;
        case CommandTarget::Send: delivery = m_ports.destinations.Deliver(Destination::Send, std::move(shot)); break;
        case CommandTarget::Editor: m_ports.openEditor(std::move(shot)); break;
    }
    switch (delivery) {
        case Delivery::Done: return {};
        case Delivery::WaitsForNextShot: return m_ports.runsOn ? CommandOutcome{kExitDone, kPageWaits} : Fail(kPageOfTwoAlone);
        case Delivery::NotDone: return NotDone();
        case Delivery::Failed: break;
    }
    return Fail("Snapwright could not hand the screenshot on.");
}

CommandOutcome CommandRunner::Fail(const std::string& reason) {
    m_ports.messages.ShowError(reason);
    return {kExitFailed, {}};
}

CommandOutcome CommandRunner::NotDone() {
    return {m_ports.messages.AnyErrors() ? kExitFailed : kExitCancelled, {}};
}

}  // namespace snapwright
