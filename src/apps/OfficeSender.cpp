#include "apps/OfficeSender.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "lang/UserText.h"

namespace snapwright {

namespace {

constexpr int kWaitAfterStartMs = 1000;
constexpr std::int32_t kFirstSlide = 1;
constexpr std::int32_t kBlankSlideLayout = 12;

std::string Lowered(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// The object a member gives; a program that gives none cannot go on with the send.
AutomationObjectPtr Require(const AutomationValue& value, const std::string& member) {
    AutomationObjectPtr object = ObjectOf(value);
    if (!object) throw AutomationError(AutomationFailure::NoObject, member);
    return object;
}

AutomationObjectPtr Member(const AutomationObjectPtr& object, const std::string& member) {
    return Require(object->Get(member), member);
}

}  // namespace

// Any visible bordered window counts, whoever owns it: "Calc" also finds a calculator.
bool IsWindowWithCaptionShown(const ITopLevelWindows& windows, WindowRef relativeTo, const std::string& text) {
    const std::string searched = Lowered(text);
    for (WindowRef window = windows.FirstAtLevel(relativeTo); window != 0; window = windows.Next(window)) {
        const std::uint32_t style = windows.Style(window);
        if ((style & kStyleVisible) && (style & kStyleBorder) &&
            Lowered(windows.Caption(window)).find(searched) != std::string::npos) {
            return true;
        }
    }
    return false;
}

// The extended style only takes effect on a hidden window; the desktop is locked meanwhile so
// that the window does not flicker away and back.
void SetTaskbarButton(ITopLevelWindows& windows, WindowRef window, bool show) {
    windows.LockDesktopUpdates(true);
    windows.SetShown(window, false);
    const std::uint32_t style = windows.ExtendedStyle(window);
    windows.SetExtendedStyle(window, show ? (style | kExStyleAppWindow) : (style & ~kExStyleAppWindow));
    windows.SetShown(window, true);
    windows.LockDesktopUpdates(false);
}

namespace {

TextId ReasonText(AutomationFailure failure) {
    switch (failure) {
        case AutomationFailure::NotInstalled: return TextId::AutomationNotInstalledReason;
        case AutomationFailure::Unreachable: return TextId::AutomationUnreachableReason;
        case AutomationFailure::NotStarted: return TextId::AutomationNotStartedReason;
        case AutomationFailure::UnknownMember: return TextId::AutomationUnknownMemberReason;
        case AutomationFailure::Busy: return TextId::AutomationBusyReason;
        case AutomationFailure::Closed: return TextId::AutomationClosedReason;
        case AutomationFailure::Refused: break;
        case AutomationFailure::NoMemory: return TextId::AutomationNoMemoryReason;
        case AutomationFailure::NoObject: return TextId::AutomationNoObjectReason;
        case AutomationFailure::NotScriptable: return TextId::AutomationNotScriptableReason;
    }
    return TextId::AutomationRefusedReason;
}

}  // namespace

// The reason is a clause after a colon; the program's own words in it may end its sentence already.
std::string SendFailureMessage(OfficeProgram program, const AutomationError& error, int language) {
    std::string reason = UserText(ReasonText(error.Failure()), language,
                                  {{"member", error.Member()}, {"reason", error.Detail()}});
    if (reason.back() != '.' && reason.back() != '!') reason += '.';
    return UserText(TextId::SendFailedMessage, language, {{"program", DisplayName(program)}, {"reason", reason}});
}

// The Microsoft programs are reached through their own automation objects.
struct OfficeSender::MicrosoftProgram {
    OfficeProgram program;
    const char* programmaticId;
    const char* documents;
    bool blankSlideWithNewDocument;
    std::vector<const char*> pasteTarget;  // the members that lead from the application to Paste
};

// The second suite is reached through its service manager, which dispatches its paste command
// to a frame.
struct OfficeSender::SuiteProgram {
    OfficeProgram program;
    const char* factory;
};

OfficeSender::OfficeSender(Ports ports) : m_ports(std::move(ports)) {}

int OfficeSender::Language() const {
    return m_ports.language ? m_ports.language() : 0;
}

bool OfficeSender::Send(OfficeProgram program, PicturePtr picture) {
    if (!picture || !m_ports.clipboard.PutPicture(std::move(picture))) {
        m_ports.messages.ShowError(
            UserText(TextId::SendClipboardFailedMessage, Language(), {{"program", DisplayName(program)}}));
        return false;
    }
    try {
        return Paste(program);
    } catch (const AutomationError& error) {
        m_ports.messages.ShowError(SendFailureMessage(program, error, Language()));
    }
    return false;
}

bool OfficeSender::Paste(OfficeProgram program) {
    static const MicrosoftProgram kWord{OfficeProgram::Word, "Word.Application", "documents", false, {"Selection"}};
    static const MicrosoftProgram kExcel{OfficeProgram::Excel, "Excel.Application", "workbooks", false,
                                         {"activesheet"}};
    static const MicrosoftProgram kPowerPoint{OfficeProgram::PowerPoint, "Powerpoint.Application", "Presentations",
                                              true, {"ActiveWindow", "View"}};
    switch (program) {
        case OfficeProgram::Word: return SendToMicrosoftProgram(kWord);
        case OfficeProgram::Excel: return SendToMicrosoftProgram(kExcel);
        case OfficeProgram::PowerPoint: return SendToMicrosoftProgram(kPowerPoint);
        case OfficeProgram::Writer: return SendToSuiteProgram({program, "private:factory/swriter"});
        case OfficeProgram::Calc: return SendToSuiteProgram({program, "private:factory/scalc"});
        case OfficeProgram::Impress: return SendToSuiteProgram({program, "private:factory/simpress"});
    }
    return false;
}

bool OfficeSender::SendToMicrosoftProgram(const MicrosoftProgram& target) {
    const std::string name = DisplayName(target.program);
    AutomationObjectPtr application;
    if (IsWindowWithCaptionShown(m_ports.windows, m_ports.mainWindow, name)) {
        application = m_ports.automation.Attach(target.programmaticId);
    } else {
        // Current versions title their windows "Document1 - Word": a running instance that the
        // caption search misses is still the one to paste into, rather than a second one.
        try {
            application = m_ports.automation.Attach(target.programmaticId);
        } catch (const AutomationError&) {
        }
    }

    bool documentAdded = false;
    if (application) {
        const AutomationObjectPtr documents = Member(application, target.documents);
        const AutomationValue count = documents->Get("Count");
        const auto* number = std::get_if<std::int32_t>(&count);
        if (!number || *number == 0) {
            documents->Call("Add");
            documentAdded = true;
        }
    } else {
        if (!m_ports.askToStart(name)) return false;
        application = m_ports.automation.Create(target.programmaticId);
        application->Put("Visible", true);
        // A program that has just started refuses calls until it has set itself up.
        m_ports.wait(kWaitAfterStartMs);
        Member(application, target.documents)->Call("Add");
        documentAdded = true;
    }

    if (documentAdded && target.blankSlideWithNewDocument) {
        Member(Member(application, "ActivePresentation"), "Slides")->Call("Add", {kFirstSlide, kBlankSlideLayout});
    }
    AutomationObjectPtr pasteTarget = application;
    for (const char* member : target.pasteTarget) pasteTarget = Member(pasteTarget, member);
    pasteTarget->Call("Paste");
    return true;
}

bool OfficeSender::SendToSuiteProgram(const SuiteProgram& target) {
    const std::string name = DisplayName(target.program);
    const std::string desktopService = "com.sun.star.frame.Desktop";
    const std::string dispatchService = "com.sun.star.frame.DispatchHelper";
    const std::string paste = ".uno:Paste";

    // The service manager comes first in any case; making it may start the suite in the background.
    const AutomationObjectPtr serviceManager = m_ports.automation.Create("com.sun.star.ServiceManager");
    const AutomationObjectPtr desktop =
        Require(serviceManager->Call("createinstance", {desktopService}), desktopService);

    // A matching window need not be the suite's ("Calc" is also in "Calculator"): without a
    // current document there is nothing to paste into, so the suite is taken as not running.
    AutomationObjectPtr component;
    if (IsWindowWithCaptionShown(m_ports.windows, m_ports.mainWindow, name)) {
        component = ObjectOf(desktop->Get("currentcomponent"));
    }
    if (component) {
        const AutomationObjectPtr frame = Member(Member(component, "currentcontroller"), "Frame");
        const AutomationObjectPtr dispatcher =
            Require(serviceManager->Call("createinstance", {dispatchService}), dispatchService);
        dispatcher->Call("executeDispatch", {frame, paste, std::string(), std::int32_t{0}, EmptyArray{}});
        return true;
    }

    if (!m_ports.askToStart(name)) return false;
    const AutomationObjectPtr document =
        Require(desktop->Call("loadComponentfromURL",
                              {std::string(target.factory), std::string("_blank"), std::int32_t{0}, EmptyArray{true}}),
                "loadComponentfromURL");
    const AutomationObjectPtr dispatcher =
        Require(serviceManager->Call("createinstance", {dispatchService}), dispatchService);
    const AutomationObjectPtr frame = Member(Member(document, "currentcontroller"), "Frame");
    dispatcher->Call("executeDispatch", {frame, paste, std::string(), std::int32_t{0}, EmptyArray{}});
    return true;
}

}  // namespace snapwright
