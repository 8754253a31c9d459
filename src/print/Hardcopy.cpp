#include "print/Hardcopy.h"

#include <exception>
#include <utility>

#include "Version.h"
#include "lang/UserText.h"
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

const PageLayout& LayoutOf(PageFormat format) {
    switch (format) {
        case PageFormat::PortraitOneShot: return kPortraitOne;
        case PageFormat::PortraitTwoShots: return kPortraitTwo;
        case PageFormat::LandscapeOneShot: break;
    }
    return kLandscapeOne;
}

}  // namespace

std::string VendorLine() {
    return std::string(kProductName) + "\u2122 V" + std::to_string(kVersionMajor) + "." +
           std::to_string(kVersionMinor) + "." + std::to_string(kVersionRevision) + kVendorNotice;
}

Hardcopy::Hardcopy(const Settings& settings, Printer& printer, IPrintDialogService& dialogs, const IClock& clock,
                   const ISystemNames& names, IUserMessages& messages)
    : m_settings(settings), m_printer(printer), m_dialogs(dialogs), m_clock(clock), m_names(names), m_messages(messages) {}

bool Hardcopy::AnyHeader() const {
    return m_settings.PrintTimeStamp || m_settings.PrintUser || m_settings.PrintComputer;
}

std::string Hardcopy::HeaderLine(const PageShot& shot, int indent) const {
    std::string line(static_cast<std::size_t>(indent), ' ');
    line += "Screenshot ";
    // The names are asked anew for every line.
    if (m_settings.PrintUser) line += "from " + m_names.UserName() + " ";
    if (m_settings.PrintComputer) line += "at workstation " + m_names.ComputerName() + " ";
    if (m_settings.PrintTimeStamp) line += "about " + shot.time;
    return line;
}

PageOutcome Hardcopy::PrintHardcopy(PicturePtr shot) {
    if (!shot) return PageOutcome::NotPrinted;
    m_page.push_back({std::move(shot), m_clock.GeneralDateTimeNow()});
    // A page waiting for its second shot when the format changed to one shot a page prints the
    // newest shot alone.
    const auto shots = static_cast<std::size_t>(ShotsPerPage(m_settings.Printformat));
    if (m_page.size() > shots) m_page.erase(m_page.begin(), m_page.end() - static_cast<std::ptrdiff_t>(shots));
    if (m_page.size() < shots) return PageOutcome::WaitsForNextShot;

    // The page leaves the collection before anything can fail or open a dialog: a page that is
    // not printed takes its shots with it, and a print hotkey pressed meanwhile starts a new one.
    const Page page = std::exchange(m_page, {});
    if (m_settings.PrintTo == PrintTarget::ChosenPrinter && !ChoosePrinter()) return PageOutcome::NotPrinted;

    const std::string device = m_printer.DeviceName();
    const int language = m_settings.Language;
    if (!m_printer.CanOpenPrinter(device)) {
        m_messages.ShowError(device.empty()
                                 ? UserText(TextId::PrintNoPrinterMessage, language)
                                 : UserText(TextId::PrintPrinterUnusableMessage, language, {{"printer", device}}));
        return PageOutcome::NotPrinted;
    }

    try {
        ComposePage(page, LayoutOf(m_settings.Printformat));
        m_printer.EndDoc();
    } catch (const std::exception& error) {
        // A half-composed document must not stay open: the next page would be added to it.
        DebugOutput(std::string("Printing failed: ") + error.what());
        m_printer.KillDoc();
        m_messages.ShowError(UserText(TextId::PrintFailedMessage, language, {{"printer", device}}));
        return PageOutcome::NotPrinted;
    }
    return PageOutcome::Printed;
}

bool Hardcopy::ChoosePrinter() {
    PrintDialog dialog(m_dialogs, m_printer);
    dialog.SetDialogErrorHandler([](std::int32_t number, const std::string&) {
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

void Hardcopy::ComposePage(const Page& page, const PageLayout& layout) {
    m_printer.SetOrientation(layout.orientation);
    m_printer.SetFontName("Arial");
    // Two empty lines, and the line end that every output adds: the header is the fourth line.
    m_printer.Print("\r\n\r\n");
    if (AnyHeader()) m_printer.Print(HeaderLine(page[0], layout.headerIndent));
    DrawShot(page[0], layout.shotTop, layout);

    if (layout.secondShot && page.size() > 1) {
        m_printer.SetCurrentPosition(layout.secondHeaderX, layout.secondHeaderY);
        if (AnyHeader()) m_printer.Print(HeaderLine(page[1], layout.headerIndent));
        DrawShot(page[1], layout.secondShotTop, layout);
    }

    if (m_settings.PrintFooter) {
        m_printer.SetCurrentPosition(layout.vendorX, layout.vendorY);
        m_printer.Print(VendorLine());
    }
}

void Hardcopy::DrawShot(const PageShot& shot, double top, const PageLayout& layout) {
    const Picture& picture = *shot.picture;
    const FittedSize size = FitShot(picture.Width(), picture.Height(), layout.boxWidth, layout.boxHeight);
    if (size.width <= 0 || size.height <= 0) return;
    m_printer.PaintPicture(picture, layout.shotLeft, top, size.width, size.height);
}

}  // namespace snapwright
