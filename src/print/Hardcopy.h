#pragma once
#include <string>
#include <vector>

#include "model/Settings.h"
#include "platform/Clock.h"
#include "platform/Picture.h"
#include "platform/PrintDialog.h"
#include "platform/Printer.h"
#include "platform/SystemNames.h"
#include "platform/UserMessages.h"
#include "print/PageOutcome.h"

namespace snapwright {

// Where a page format puts its shots and lines.
struct PageLayout;

// The vendor line at the foot of the page.
std::string VendorLine();

// The printed page with one or two shots, the header lines and the vendor line.
class Hardcopy {
public:
    Hardcopy(const Settings& settings, Printer& printer, IPrintDialogService& dialogs, const IClock& clock,
             const ISystemNames& names, IUserMessages& messages);

    // Takes a shot meant for the printer as the page's next one, with its time, and prints the
    // page once it has as many as its format holds. A page that is not printed (no printer, a
    // cancelled choice, a failure) is discarded with its shots: the next shot starts a new one.
    PageOutcome PrintHardcopy(PicturePtr shot);

private:
    struct PageShot {
        PicturePtr picture;
        std::string time;
    };
    using Page = std::vector<PageShot>;

    bool ChoosePrinter();
    void ComposePage(const Page& page, const PageLayout& layout);
    std::string HeaderLine(const PageShot& shot, int indent) const;
    void DrawShot(const PageShot& shot, double top, const PageLayout& layout);
    bool AnyHeader() const;

    const Settings& m_settings;
    Printer& m_printer;
    IPrintDialogService& m_dialogs;
    const IClock& m_clock;
    const ISystemNames& m_names;
    IUserMessages& m_messages;
    Page m_page;  // the shots collected for the next page
};

}  // namespace snapwright
