#include "print/Hardcopy.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "Version.h"
#include "fakes/FakePrinter.h"

// The e2e tests print real pages (two shots a page after a cancelled printer choice, landscape, a
// printer that cannot be opened) and measure them; these cases pin what a measured page cannot
// show: the header lines' indents and times, the switches, and the rarer paths.
namespace snapwright {
namespace {

using Ops = std::vector<std::string>;

const std::string kIndent40(40, ' ');
const std::string kVendor = std::string("Snapwright\u2122 V") + SNAPWRIGHT_VERSION_TEXT + " - the screenshot tool for Windows";

class HardcopyTest : public testing::Test {
protected:
    // One print hotkey: a shot of the given size in the next slot, then the hardcopy.
    void PrintShot(int width, int height) {
        slots.BeginCapture(true, settings.NumShots);
        slots.SetCurrentPicture(std::make_shared<fakes::FakePicture>(width, height, ++serial));
        hardcopy.PrintHardcopy();
    }
    void UseFormat(std::uint8_t printformat) {
        settings.Printformat = printformat;
        settings.NumShots = printformat == 2 ? 2 : 1;
    }
    void Headers(bool user, bool computer, bool time) {
        settings.PrintUser = user;
        settings.PrintComputer = computer;
        settings.PrintTimeStamp = time;
    }

    CaptureSlots slots;
    Settings settings;
    fakes::RecordingPrinter printer;
    fakes::FakePrintDialogService dialogs;
    fakes::FakeClock clock;
    fakes::FakeSystemNames names;
    fakes::FakeUserMessages messages;
    Hardcopy hardcopy{slots, settings, printer, dialogs, clock, names, messages};
    int serial = 0;
};

TEST_F(HardcopyTest, FormatTwoWaitsForTheSecondShotAndPrintsBothWithTheirOwnTimes) {
    hardcopy.PrintHardcopy();
    EXPECT_TRUE(printer.openChecks.empty() && hardcopy.ShotTimes().empty()) << "nothing before the first shot";
    UseFormat(2);
    clock.times = {"08:00:01", "08:00:02", "08:00:03"};
    PrintShot(1024, 768);
    EXPECT_TRUE(printer.TakeOps().empty()) << "the first shot only waits";
    EXPECT_TRUE(printer.openChecks.empty());

    PrintShot(512, 768);
    EXPECT_EQ(printer.TakeOps(),
              (Ops{"orientation 1", "font Arial",
                   "text 0,15 " + kIndent40 + "Screenshot from anna at workstation DESK-7 about 08:00:01",
                   "picture #1 20,15 160x120",
                   "text 20,140 " + kIndent40 + "Screenshot from anna at workstation DESK-7 about 08:00:02",
                   "picture #2 20,145 80x120", "text 35,270 " + kVendor, "end"}));
    EXPECT_EQ(slots.ShotCounter(), 0);
    EXPECT_EQ(slots.SlotCount(), 1);
    EXPECT_EQ(names.queries, 4) << "the names are asked anew for every header line";

    PrintShot(1024, 768);
    EXPECT_TRUE(printer.TakeOps().empty()) << "the third shot starts the next page";
    EXPECT_EQ(hardcopy.ShotTimes(), (Ops{"08:00:03"}));
    PrintShot(1024, 768);
    EXPECT_EQ(printer.TakeOps().at(2).substr(0, 10), "text 0,15 ") << "the next page starts at the top again";
}

TEST_F(HardcopyTest, HeaderLineNamesWhatItsSwitchesAsk) {
    clock.times = {"T"};
    PrintShot(10, 10);
    Headers(false, false, true);
    EXPECT_EQ(hardcopy.HeaderLine(1, 40), kIndent40 + "Screenshot about T");
    Headers(false, true, false);
    EXPECT_EQ(hardcopy.HeaderLine(1, 40), kIndent40 + "Screenshot at workstation DESK-7 ");
    Headers(true, false, true);
    EXPECT_EQ(hardcopy.HeaderLine(1, 40), kIndent40 + "Screenshot from anna about T");
}

TEST_F(HardcopyTest, WithoutHeaderSwitchesThereIsNoHeaderButTheVendorLineKeepsItsPlace) {
    Headers(false, false, false);
    UseFormat(2);
    PrintShot(1024, 768);
    PrintShot(1024, 768);
    EXPECT_EQ(printer.TakeOps(), (Ops{"orientation 1", "font Arial", "picture #1 20,15 160x120",
                                      "picture #2 20,145 160x120", "text 35,270 " + kVendor, "end"}));
    EXPECT_EQ(names.queries, 0);

    settings.PrintFooter = false;
    UseFormat(1);
    PrintShot(1024, 768);
    EXPECT_EQ(printer.TakeOps(), (Ops{"orientation 1", "font Arial", "picture #3 15,15 180x135", "end"}));
}

TEST_F(HardcopyTest, WithoutAnyPrinterTheUserIsToldSo) {
    printer.current.clear();
    PrintShot(10, 10);
    ASSERT_EQ(messages.errors.size(), 1u);
    EXPECT_NE(messages.errors[0].find("no printer is installed"), std::string::npos) << messages.errors[0];
    EXPECT_TRUE(printer.TakeOps().empty());
}

TEST_F(HardcopyTest, AFailureWhileComposingAbandonsTheDocumentAndTellsTheUser) {
    printer.failPictures = true;
    PrintShot(10, 10);
    const Ops ops = printer.TakeOps();
    EXPECT_EQ(ops.back(), "kill");
    EXPECT_EQ(std::count(ops.begin(), ops.end(), "end"), 0);
    ASSERT_EQ(messages.errors.size(), 1u);
    EXPECT_NE(messages.errors[0].find("\"Office Laser\""), std::string::npos);
    EXPECT_EQ(slots.ShotCounter(), 0);

    printer.failPictures = false;
    PrintShot(10, 10);
    const Ops next = printer.TakeOps();
    EXPECT_EQ(next.back(), "end");
    EXPECT_EQ(next[2].substr(0, 10), "text 0,15 ") << "the next page starts at the top again";
}

}  // namespace
}  // namespace snapwright
