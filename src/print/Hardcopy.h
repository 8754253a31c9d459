#pragma once
#include <string>
#include <vector>

#include "capture/CaptureSlots.h"
#include "platform/Clock.h"
#include "platform/PrintDialog.h"
#include "platform/Printer.h"
#include "platform/SystemNames.h"
#include "platform/UserMessages.h"
#include "settings/Settings.h"

namespace snapwright {

// Where a page format puts its shots and lines.
struct PageLayout;

// What became of a shot handed to the page.
enum class PageOutcome { Printed, WaitsForNextShot, NotPrinted };

// The vendor line at the foot of the page.
std::string VendorLine();

// The printed page with one or two shots, the header lines and the vendor line.
class Hardcopy {
public:
    Hardcopy(CaptureSlots& slots, const Settings& settings, Printer& printer, IPrintDialogService& dialogs,
             const IClock& clock, const ISystemNames& names, IUserMessages& messages);

    // Called after every shot meant for the printer: records its time and prints the page once
    // it has all its shots.
    PageOutcome PrintHardcopy();

    // Capture times of the page's shots, entry 0 for shot 1.
    const std::vector<std::string>& ShotTimes() const { return m_shotTimes; }
    std::string CurrentUserName() const;
    std::string CurrentComputerName() const;
    // The header line for shot k (1 or 2), starting with the indent of spaces.
    std::string HeaderLine(int shot, int indent) const;

private:
    bool ChoosePrinter();
    void ComposePage(const PageLayout& layout);
    void DrawShot(int slot, double left, double top, const PageLayout& layout);
    bool AnyHeader() const;
    void DiscardCollectedShots();

    CaptureSlots& m_slots;
    const Settings& m_settings;
    Printer& m_printer;
    IPrintDialogService& m_dialogs;
    const IClock& m_clock;
    const ISystemNames& m_names;
    IUserMessages& m_messages;
    std::vector<std::string> m_shotTimes;
};

}  // namespace snapwright
