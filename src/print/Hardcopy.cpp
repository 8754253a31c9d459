#include "print/Hardcopy.h"

#include <exception>

#include "Version.h"
#include "platform/Diagnostics.h"
#include "print/PrintDialog.h"
#include "print/ShotFitting.h"

namespace snapwright {

// Positions and sizes of a page format, in millimetres from the top-left corner of the
// printable area.
struct PageLayout {
    int orientation = kPortrait;
    int boxWidth = 0;
    int boxHeight = 0;
    double shotLeft = 0;
    double shotTop = 0;
    int headerIndent = 0;  // spaces before the header line
    bool secondShot = false;
    double secondHeaderX = 0;
    double secondHeaderY = 0;
    double secondShotTop = 0;
    double vendorX = 0;
    double vendorY = 0;
};

namespace {

constexpr PageLayout kPortraitOne{kPortrait, 180, 135, 15, 15, 40, false, 0, 0, 0, 35, 270};
constexpr PageLayout kPortraitTwo{kPortrait, 160, 120, 20, 15, 40, true, 20, 140, 145, 35, 270};
constexpr PageLayout kLandscapeOne{kLandscape, 232, 174, 30, 15, 100, false, 0, 0, 0, 75, 195};

constexpr const char* kVendorNotice = " - the screenshot tool for Windows";
constexpr const char* kStillOnClipboard = " The last screenshot is still on the clipboard.";

// The layout of Printformat 1, 2 or 3; nothing for any other value.
const PageLayout* LayoutForPrintformat(int printformat) {
    switch (printformat) {
        case 1: return &kPortraitOne;
        case 2: return &kPortraitTwo;
        case 3: return &kLandscapeOne;
        default: return nullptr;
    }
}

}  // namespace

std::string VendorLine() {
    return std::string(kProductName) + "\u2122 V" + std::to_string(kVersionMajor) + "." +
           std::to_string(kVersionMinor) + "." + std::to_string(kVersionRevision) + kVendorNotice;
}

Hardcopy::Hardcopy(CaptureSlots& slots, const Settings& settings, Printer& printer, IPrintDialogService& dialogs,
                   const IClock& clock, const ISystemNames& names, IUserMessages& messages)
    : m_slots(slots),
      m_settings(settings),
      m_printer(printer),
      m_dialogs(dialogs),
      m_clock(clock),
      m_names(names),
      m_messages(messages) {}

std::string Hardcopy::CurrentUserName() const {
    return m_names.UserName();
}

std::string Hardcopy::CurrentComputerName() const {
    return m_names.ComputerName();
}

bool Hardcopy::AnyHeader() const {
    return m_settings.PrintTimeStamp || m_settings.PrintUser || m_settings.PrintComputer;
}

std::string Hardcopy::HeaderLine(int shot, int indent) const {
    std::string line(static_cast<std::size_t>(indent), ' ');
    line += "Screenshot ";
    // The names are asked anew for every line.
    if (m_settings.PrintUser) line += "from " + CurrentUserName() + " ";
    if (m_settings.PrintComputer) line += "at workstation " + CurrentComputerName() + " ";
    if (m_settings.PrintTimeStamp) {
        line += "about ";
        if (shot >= 1 && shot <= static_cast<int>(m_shotTimes.size())) {
            line += m_shotTimes[static_cast<std::size_t>(shot - 1)];
        }
    }
    return line;
}

PageOutcome Hardcopy::PrintHardcopy() {
    const int shotCounter = m_slots.ShotCounter();
    if (shotCounter < 1) return PageOutcome::NotPrinted;
    m_shotTimes.resize(static_cast<std::size_t>(shotCounter));
    m_shotTimes[static_cast<std::size_t>(shotCounter - 1)] = m_clock.GeneralDateTimeNow();
    if (shotCounter < m_settings.NumShots) return PageOutcome::WaitsForNextShot;

    // A page that is not printed takes its shots with it, so that the next print hotkey starts
    // a fresh page instead of printing these with a later shot lost.
    if (m_settings.PrintTo == 2 && !ChoosePrinter()) {
        DiscardCollectedShots();
        return PageOutcome::NotPrinted;
    }

    const std::string device = m_printer.DeviceName();
    if (!m_printer.CanOpenPrinter(device)) {
        m_messages.ShowError(device.empty()
                                 ? std::string("Snapwright could not print the screenshot: no printer is installed.") +
                                       kStillOnClipboard
                                 : "Snapwright could not print the screenshot: the printer \"" + device +
                                       "\" cannot be used. Check that it is installed and ready, or choose another "
                                       "printer." + kStillOnClipboard);
        DiscardCollectedShots();
        return PageOutcome::NotPrinted;
    }

    try {
        if (const PageLayout* layout = LayoutForPrintformat(m_settings.Printformat)) ComposePage(*layout);
        m_printer.EndDoc();
    } catch (const std::exception& error) {
        // A half-composed document must not stay open: the next page would be added to it.
        DebugOutput(std::string("Printing failed: ") + error.what());
        m_printer.KillDoc();
        m_messages.ShowError("Snapwright could not print the screenshot on the printer \"" + device + "\"." +
                             kStillOnClipboard);
        DiscardCollectedShots();
        return PageOutcome::NotPrinted;
    }
    m_slots.DiscardPage();
    return PageOutcome::Printed;
}

bool Hardcopy::ChoosePrinter() {
    PrintDialog dialog(m_dialogs, m_printer);
    dialog.SetDialogErrorHandler([](std::int32_t number, const std::string&, bool) {
        DebugOutput("The print dialog failed with error " + std::to_string(number) + "; printing on the current printer.");
    });
    // The whole document, a page range of 1 to 1 and no further choices.
    dialog.SetAllPages(true);
    dialog.SetSelection(false);
    dialog.SetPageNumbers(false);
    dialog.SetNoSelection(false);
    dialog.SetNoPageNumbers(false);
    dialog.SetCollateCopies(false);
    dialog.SetPrintToFile(false);
    dialog.SetPrintSetup(false);
    dialog.SetNoWarning(false);
    dialog.SetReturnDc(false);
    dialog.SetReturnIc(false);
    dialog.SetReturnDefault(false);
    dialog.SetHelpButton(false);
    dialog.SetUseDevModeCopies(false);
    dialog.SetDisablePrintToFile(false);
    dialog.SetHidePrintToFile(false);
    dialog.SetNoNetworkButton(false);
    dialog.SetFromPage(1);
    dialog.SetToPage(1);
    dialog.SetMinPage(dialog.FromPage());
    dialog.SetMaxPage(dialog.ToPage());
    dialog.ShowPrinter(0);
    return !dialog.Cancelled();
}

void Hardcopy::ComposePage(const PageLayout& layout) {
    m_printer.SetOrientation(layout.orientation);
    m_printer.SetFontName("Arial");
    // Two empty lines, and the line end that every output adds: the header is the fourth line.
    m_printer.Print("\r\n\r\n");
    if (AnyHeader()) m_printer.Print(HeaderLine(1, layout.headerIndent));
    DrawShot(1, layout.shotLeft, layout.shotTop, layout);

    if (layout.secondShot) {
        m_printer.SetCurrentPosition(layout.secondHeaderX, layout.secondHeaderY);
        if (AnyHeader()) m_printer.Print(HeaderLine(2, layout.headerIndent));
        DrawShot(2, layout.shotLeft, layout.secondShotTop, layout);
    }

    if (m_settings.PrintFooter) {
        m_printer.SetCurrentPosition(layout.vendorX, layout.vendorY);
        m_printer.Print(VendorLine());
    }
}

void Hardcopy::DrawShot(int slot, double left, double top, const PageLayout& layout) {
    const PicturePtr shot = m_slots.Slot(slot);
    if (!shot) return;
    const FittedSize size = FitShot(shot->Width(), shot->Height(), layout.boxWidth, layout.boxHeight);
    if (size.width <= 0 || size.height <= 0) return;
    m_printer.PaintPicture(*shot, left, top, size.width, size.height);
}

void Hardcopy::DiscardCollectedShots() {
    m_slots.DiscardPage();
    m_shotTimes.clear();
}

}  // namespace snapwright
