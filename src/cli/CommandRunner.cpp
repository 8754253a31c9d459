#include "cli/CommandRunner.h"

#include <exception>
#include <optional>
#include <utility>
#include <vector>

#include "platform/Diagnostics.h"
#include "save/FileNaming.h"
#include "save/MissingFolders.h"
#include "save/PathReasons.h"
#include "save/SaveAsDialog.h"
#include "save/ThumbnailSize.h"

namespace snapwright {

namespace {

std::string Joined(const std::vector<std::string>& texts) {
    std::string joined;
    for (const std::string& text : texts) joined += (joined.empty() ? "" : "\n\n") + text;
    return joined;
}

}  // namespace

CommandRunner::CommandRunner(Ports ports) : m_ports(std::move(ports)) {}

// The delay is waited out from the message loop, not in a loop of the command's own: a command
// given meanwhile runs and ends at once, and none waits for another's delay.
void CommandRunner::Run(const Command& command, bool showErrors, Answer answer) {
    if (command.delayMilliseconds > 0 && m_ports.later) {
        m_ports.later(command.delayMilliseconds,
                      [this, command, showErrors, answer = std::move(answer)] { answer(RunNow(command, showErrors)); });
        return;
    }
    answer(RunNow(command, showErrors));
}

// Every failure is told through the program's messages, whose texts become the answer; a step
// that did not happen without a word was cancelled by the user.
CommandOutcome CommandRunner::RunNow(const Command& command, bool showErrors) {
    m_ports.messages.BeginCommand(showErrors);
    CommandOutcome outcome;
    try {
        outcome = Carry(command);
    } catch (const std::exception& error) {
        outcome = Fail(Text(TextId::CommandFailedMessage, {{"reason", error.what()}}));
    }
    const std::vector<std::string> errors = m_ports.messages.EndCommand();
    if (outcome.exitCode != kExitDone) outcome.text = Joined(errors);
    return outcome;
}

// The file comes before the destination: a script that names a file wants it whatever a dialog
// of the destination is answered, and a file that fails ends the command before a page is printed.
CommandOutcome CommandRunner::Carry(const Command& command) {
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
            if (!shot) Fail(TextId::ScreenUnreadableMessage);
            break;
        case CaptureArea::Window:
            if (command.scroll && m_ports.scrollWindow) {
                ScrollOutcome scrolled = m_ports.scrollWindow();
                note = std::move(scrolled.note);
                return std::move(scrolled.picture);
            }
            shot = m_ports.engine.GrabActiveWindowPicture();
            if (!shot) Fail(TextId::NoWindowInFrontMessage);
            break;
        case CaptureArea::Region: {
            if (!m_ports.takeRegion) {
                Fail(TextId::NoRegionHereMessage);
                break;
            }
            RegionTaken region = m_ports.takeRegion(command.scroll);
            if (region.busy) Fail(TextId::RegionInUseMessage);
            note = std::move(region.note);
            shot = std::move(region.picture);
            break;
        }
    }
    return shot;
}

// What can be known before anything is written is settled first, for the thumbnail too, so that
// a thumbnail that cannot be written leaves no main file. An existing file is kept unless the
// command says otherwise: a script's command must not stop at a question that no one sees.
bool CommandRunner::WriteFile(const Command& command, const PicturePtr& shot) {
    const std::string& path = command.file;
    const int language = m_ports.settings.Language;
    const auto refuse = [this, language](const std::string& file, const Message& reason) {
        m_ports.messages.ShowError(SaveFailureMessage(file, reason, language));
        return false;
    };
    std::optional<ThumbSize> thumbnail;
    if (command.thumbnailPercent) {
        thumbnail = ThumbnailSize(*command.thumbnailPercent, shot->Width(), static_cast<float>(shot->Height()));
    }
    const std::string thumbnailPath = ThumbnailFileName(path);
    if (const std::optional<Message> refusal = TargetRefusal(m_ports.files, path)) return refuse(path, *refusal);
    if (thumbnail) {
        if (const std::optional<Message> refusal = TargetRefusal(m_ports.files, thumbnailPath)) {
            return refuse(thumbnailPath, *refusal);
        }
    }
    if (!command.overwrite) {
        if (m_ports.files.Stamp(path)) return refuse(path, Message{TextId::FileExistsError});
        if (thumbnail && m_ports.files.Stamp(thumbnailPath)) return refuse(thumbnailPath, Message{TextId::ThumbnailExistsError});
    }
    if (const FolderOutcome folder = MakeFolderOf(m_ports.files, path); !folder.ok) {
        m_ports.messages.ShowError(FolderFailureMessage(folder.folder, folder.reason, language));
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
            return Fail(TextId::ClipboardHeldMessage);
        case CommandTarget::Print: delivery = m_ports.destinations.Deliver(Destination::Print, std::move(shot)); break;
        case CommandTarget::Save: delivery = m_ports.destinations.Deliver(Destination::Save, std::move(shot)); break;
        case CommandTarget::Send: delivery = m_ports.destinations.Deliver(Destination::Send, std::move(shot)); break;
        case CommandTarget::Editor:
            // The command ends once the editor has the picture: what the editor then asks (about its
            // own unsaved changes) is the user's business, not the command's.
            if (!m_ports.openEditor) return Fail(TextId::NotHandedOnMessage);
            if (m_ports.runsOn && m_ports.later) {
                m_ports.later(0, [open = m_ports.openEditor, shot = std::move(shot)] { open(shot); });
            } else {
                m_ports.openEditor(std::move(shot));
            }
            break;
    }
    switch (delivery) {
        case Delivery::Done: return {};
        case Delivery::WaitsForNextShot:
            if (m_ports.runsOn) return {kExitDone, Text(TextId::PageWaitsMessage)};
            return Fail(TextId::PageOfTwoAloneMessage);
        case Delivery::NotDone: return NotDone();
        case Delivery::Failed: break;
    }
    return Fail(TextId::NotHandedOnMessage);
}

CommandOutcome CommandRunner::Fail(TextId message) {
    return Fail(Text(message));
}

CommandOutcome CommandRunner::Fail(const std::string& text) {
    m_ports.messages.ShowError(text);
    return {kExitFailed, {}};
}

CommandOutcome CommandRunner::NotDone() {
    return {m_ports.messages.AnyErrors() ? kExitFailed : kExitCancelled, {}};
}

std::string CommandRunner::Text(TextId id, std::initializer_list<TextValue> values) const {
    return UserText(id, m_ports.settings.Language, values);
}

}  // namespace snapwright
