#include "print/Hardcopy.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "Version.h"
#include "fakes/FakePrinter.h"
#include "fakes/FakeSavePorts.h"

// The e2e tests print real pages (two shots a page after a cancelled printer choice, from the
// editor and from the hotkeys, landscape, a printer that cannot be opened) and measure them; these
// cases pin what a measured page cannot show: the header lines' indents and times, the switches,
// and the rarer paths.
namespace snapwright {
namespace {

using Ops = std::vector<std::string>;

const std::string kIndent40(40, ' ');
const std::string kVendor = std::string("Snapwright\u2122 V") + SNAPWRIGHT_VERSION_TEXT + " - the screenshot tool for Windows";

class HardcopyTest : public testing::Test {
protected:
    PageOutcome PrintShot(int width, int height) {
        return hardcopy.PrintHardcopy(std::make_shared<fakes::FakePicture>(width, height, ++serial));
    }

    Settings settings;
    fakes::RecordingPrinter printer;
    fakes::FakePrintDialogService dialogs;
    fakes::FakeClock clock;
    fakes::FakeSystemNames names;
    fakes::FakeUserMessages messages;
    Hardcopy hardcopy{settings, printer, dialogs, clock, names, messages};
    int serial = 0;
};

TEST_F(HardcopyTest, TwoShotsAPageWaitForTheSecondAndPrintBothWithTheirOwnTimes) {
    EXPECT_EQ(hardcopy.PrintHardcopy(nullptr), PageOutcome::NotPrinted);
    settings.Printformat = PageFormat::PortraitTwoShots;
    clock.times = {"08:00:01", "08:00:02", "08:00:03"};
    EXPECT_EQ(PrintShot(1024, 768), PageOutcome::WaitsForNextShot);
    EXPECT_TRUE(printer.TakeOps().empty()) << "the first shot only waits";

    EXPECT_EQ(PrintShot(512, 768), PageOutcome::Printed);
    EXPECT_EQ(printer.TakeOps(),
              (Ops{"orientation 1", "font Arial",
                   "text 0,15 " + kIndent40 + "Screenshot from anna at workstation DESK-7 about 08:00:01",
                   "picture #1 20,15 160x120",
                   "text 20,140 " + kIndent40 + "Screenshot from anna at workstation DESK-7 about 08:00:02",
                   "picture #2 20,145 80x120", "text 35,270 " + kVendor, "end"}));
    EXPECT_EQ(names.queries, 4) << "the names are asked anew for every header line";

    EXPECT_EQ(PrintShot(1024, 768), PageOutcome::WaitsForNextShot) << "the third shot starts the next page";
    // A waiting page whose format changes to one shot prints the newest shot alone.
    settings.Printformat = PageFormat::PortraitOneShot;
    EXPECT_EQ(PrintShot(1024, 768), PageOutcome::Printed);
    const Ops page = printer.TakeOps();
    EXPECT_EQ(page.at(2), "text 0,15 " + kIndent40 + "Screenshot from anna at workstation DESK-7 about 08:00:03");
    EXPECT_EQ(page.at(3), "picture #4 15,15 180x135");
}

TEST_F(HardcopyTest, HeaderLinesNameWhatTheirSwitchesAskAndTheVendorLineKeepsItsPlace) {
    clock.times = {"T"};
    // The user, the computer and the time, each switched on or off.
    const std::tuple<bool, bool, bool, std::string> headers[] = {{false, false, true, "Screenshot about T"},
                                                                 {false, true, false, "Screenshot at workstation DESK-7 "},
                                                                 {true, false, true, "Screenshot from anna about T"}};
    for (const auto& [user, computer, time, line] : headers) {
        std::tie(settings.PrintUser, settings.PrintComputer, settings.PrintTimeStamp) = std::tie(user, computer, time);
        PrintShot(10, 10);
        EXPECT_EQ(printer.TakeOps().at(2), "text 0,15 " + kIndent40 + line);
    }
    settings.PrintUser = settings.PrintComputer = settings.PrintTimeStamp = false;
    settings.Printformat = PageFormat::PortraitTwoShots;
    PrintShot(1024, 768);
    PrintShot(1024, 768);
    EXPECT_EQ(printer.TakeOps(), (Ops{"orientation 1", "font Arial", "picture #4 20,15 160x120",
                                      "picture #5 20,145 160x120", "text 35,270 " + kVendor, "end"}));
    settings.PrintFooter = false;
    settings.Printformat = PageFormat::PortraitOneShot;
    PrintShot(1024, 768);
    EXPECT_EQ(printer.TakeOps(), (Ops{"orientation 1", "font Arial", "picture #6 15,15 180x135", "end"}));
}

// A print hotkey pressed while the printer choice is open starts the next page; the page being
// printed keeps the shots it had.
TEST_F(HardcopyTest, AShotTakenWhileThePrinterChoiceIsOpenStartsTheNextPage) {
    settings.PrintTo = PrintTarget::ChosenPrinter;
    settings.Printformat = PageFormat::PortraitTwoShots;
    dialogs.answer = fakes::FakePrintDialogService::Confirmed("Office Laser");
    dialogs.whileOpen = [this] { EXPECT_EQ(PrintShot(640, 480), PageOutcome::WaitsForNextShot); };
    PrintShot(1024, 768);
    EXPECT_EQ(PrintShot(1024, 768), PageOutcome::Printed);
    const Ops page = printer.TakeOps();
    EXPECT_EQ(std::count_if(page.begin(), page.end(), [](const std::string& op) { return op.starts_with("picture #3"); }), 0);
    EXPECT_EQ(page.at(page.size() - 3), "picture #2 20,145 160x120");
}

TEST_F(HardcopyTest, AFailureWhileComposingAbandonsTheDocumentAndTellsTheUser) {
    printer.failPictures = true;
    EXPECT_EQ(PrintShot(10, 10), PageOutcome::NotPrinted);
    const Ops ops = printer.TakeOps();
    EXPECT_EQ(ops.back(), "kill");
    EXPECT_EQ(std::count(ops.begin(), ops.end(), "end"), 0);
    ASSERT_EQ(messages.errors.size(), 1u);
    EXPECT_NE(messages.errors[0].find("\"Office Laser\""), std::string::npos);

    printer.failPictures = false;
    PrintShot(10, 10);
    const Ops next = printer.TakeOps();
    EXPECT_EQ(next.back(), "end");
    EXPECT_EQ(next[2].substr(0, 10), "text 0,15 ") << "the next page starts at the top again";
}

}  // namespace
}  // namespace snapwright
