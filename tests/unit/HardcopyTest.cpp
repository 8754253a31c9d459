#include "print/Hardcopy.h"

#include <gtest/gtest.h>

#include "Version.h"
#include "fakes/FakePrinter.h"

namespace snapwright {
namespace {

using Ops = std::vector<std::string>;

const std::string kIndent40(40, ' ');
const std::string kIndent100(100, ' ');
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

TEST(HardcopyVendorLine, NamesTheProductAndVersionFollowedByTheNotice) {
    EXPECT_EQ(VendorLine(), kVendor);
}

TEST_F(HardcopyTest, FormatOnePutsTheShotInItsPortraitBoxBelowTheHeader) {
    clock.times = {"14.01.2000 12:34:56"};
    PrintShot(1024, 768);
    EXPECT_EQ(printer.TakeOps(),
              (Ops{"orientation 1", "font Arial",
                   "text 0,15 " + kIndent40 + "Screenshot from anna at workstation DESK-7 about 14.01.2000 12:34:56",
                   "picture #1 15,15 180x135", "text 35,270 " + kVendor, "end"}));
    EXPECT_EQ(printer.openChecks, (Ops{"Office Laser"}));
    EXPECT_TRUE(dialogs.requests.empty());
    EXPECT_TRUE(messages.errors.empty());
    EXPECT_EQ(slots.ShotCounter(), 0);
    EXPECT_EQ(hardcopy.ShotTimes(), (Ops{"14.01.2000 12:34:56"}));
}

TEST_F(HardcopyTest, FormatTwoWaitsForTheSecondShotAndPrintsBothWithTheirOwnTimes) {
    UseFormat(2);
    clock.times = {"08:00:01", "08:00:02", "08:00:03"};
    PrintShot(1024, 768);
    EXPECT_TRUE(printer.TakeOps().empty()) << "the first shot only waits";
    EXPECT_TRUE(printer.openChecks.empty());
    EXPECT_EQ(slots.ShotCounter(), 1);
    EXPECT_EQ(hardcopy.ShotTimes(), (Ops{"08:00:01"}));

    PrintShot(512, 768);
    EXPECT_EQ(printer.TakeOps(),
              (Ops{"orientation 1", "font Arial",
                   "text 0,15 " + kIndent40 + "Screenshot from anna at workstation DESK-7 about 08:00:01",
                   "picture #1 20,15 160x120",
                   "text 20,140 " + kIndent40 + "Screenshot from anna at workstation DESK-7 about 08:00:02",
                   "picture #2 20,145 80x120", "text 35,270 " + kVendor, "end"}));
    EXPECT_EQ(slots.ShotCounter(), 0);
    EXPECT_EQ(slots.SlotCount(), 1);

    PrintShot(1024, 768);
    EXPECT_TRUE(printer.TakeOps().empty()) << "the third shot starts the next page";
    EXPECT_EQ(slots.ShotCounter(), 1);
    EXPECT_EQ(hardcopy.ShotTimes(), (Ops{"08:00:03"}));
}

TEST_F(HardcopyTest, FormatThreeIsALandscapePageWithAWiderIndent) {
    UseFormat(3);
    clock.times = {"T"};
    PrintShot(1024, 768);
    EXPECT_EQ(printer.TakeOps(),
              (Ops{"orientation 2", "font Arial",
                   "text 0,15 " + kIndent100 + "Screenshot from anna at workstation DESK-7 about T",
                   "picture #1 30,15 232x174", "text 75,195 " + kVendor, "end"}));
}

TEST_F(HardcopyTest, ShotsOnAWideScreenKeepTheirAspect) {
    UseFormat(3);
    PrintShot(1920, 1080);
    UseFormat(1);
    PrintShot(960, 1080);
    Ops pictures;
    for (const std::string& op : printer.TakeOps()) {
        if (op.rfind("picture", 0) == 0) pictures.push_back(op);
    }
    EXPECT_EQ(pictures, (Ops{"picture #1 30,15 232x130.5", "picture #2 15,15 120x135"}));
}

TEST_F(HardcopyTest, HeaderLineForEveryCombinationOfTheThreeSwitches) {
    clock.times = {"T"};
    PrintShot(10, 10);
    struct Case {
        bool user, computer, time;
        std::string line;
    };
    const Case cases[] = {
        {false, false, true, "Screenshot about T"},
        {true, false, false, "Screenshot from anna "},
        {false, true, false, "Screenshot at workstation DESK-7 "},
        {true, true, false, "Screenshot from anna at workstation DESK-7 "},
        {true, false, true, "Screenshot from anna about T"},
        {false, true, true, "Screenshot at workstation DESK-7 about T"},
        {true, true, true, "Screenshot from anna at workstation DESK-7 about T"},
    };
    for (const Case& c : cases) {
        Headers(c.user, c.computer, c.time);
        EXPECT_EQ(hardcopy.HeaderLine(1, 40), kIndent40 + c.line)
            << "user " << c.user << ", computer " << c.computer << ", time " << c.time;
    }
}

TEST_F(HardcopyTest, WithoutHeaderSwitchesThereIsNoHeaderButTheVendorLineKeepsItsPlace) {
    Headers(false, false, false);
    PrintShot(1024, 768);
    EXPECT_EQ(printer.TakeOps(),
              (Ops{"orientation 1", "font Arial", "picture #1 15,15 180x135", "text 35,270 " + kVendor, "end"}));

    UseFormat(2);
    PrintShot(1024, 768);
    PrintShot(1024, 768);
    EXPECT_EQ(printer.TakeOps(), (Ops{"orientation 1", "font Arial", "picture #2 20,15 160x120",
                                      "picture #3 20,145 160x120", "text 35,270 " + kVendor, "end"}));
    EXPECT_EQ(names.queries, 0);
}

TEST_F(HardcopyTest, ThePageHeaderAsksForTheNamesAnewForEveryLine) {
    UseFormat(2);
    PrintShot(10, 10);
    PrintShot(10, 10);
    EXPECT_EQ(names.queries, 4);
}

TEST_F(HardcopyTest, WithoutTheFooterSwitchThereIsNoVendorLine) {
    settings.PrintFooter = false;
    Headers(false, false, false);
    PrintShot(1024, 768);
    EXPECT_EQ(printer.TakeOps(), (Ops{"orientation 1", "font Arial", "picture #1 15,15 180x135", "end"}));
}

TEST_F(HardcopyTest, AnUnknownFormatEndsAnEmptyDocumentAndDiscardsTheShots) {
    settings.Printformat = 9;
    PrintShot(1024, 768);
    EXPECT_EQ(printer.TakeOps(), (Ops{"end"}));
    EXPECT_EQ(slots.ShotCounter(), 0);
    EXPECT_TRUE(messages.errors.empty());
}

TEST_F(HardcopyTest, ChoosingThePrinterAsksForTheWholeDocumentAndPrintsOnTheChosenPrinter) {
    settings.PrintTo = 2;
    dialogs.answer = fakes::FakePrintDialogService::Confirmed("SnapwrightPDF");
    dialogs.answer.deviceName = "SnapwrightPDF";
    PrintShot(1024, 768);

    ASSERT_EQ(dialogs.requests.size(), 1u);
    const PrintDialogRequest& request = dialogs.requests[0];
    EXPECT_EQ(request.owner, 0u);
    EXPECT_EQ(request.flags, 0u);
    EXPECT_EQ(request.fromPage, 1);
    EXPECT_EQ(request.toPage, 1);
    EXPECT_EQ(request.minPage, 1);
    EXPECT_EQ(request.maxPage, 1);
    EXPECT_EQ(request.copies, 0);

    const Ops ops = printer.TakeOps();
    ASSERT_GE(ops.size(), 2u);
    EXPECT_EQ(ops.front(), "select SnapwrightPDF");
    EXPECT_EQ(ops.back(), "end");
    EXPECT_EQ(printer.openChecks, (Ops{"SnapwrightPDF"}));
}

TEST_F(HardcopyTest, ACancelledChoiceDiscardsThePageSoTheNextHotkeyStartsAFreshOne) {
    settings.PrintTo = 2;
    UseFormat(2);
    clock.times = {"t1", "t2", "t3", "t4"};
    PrintShot(10, 10);
    PrintShot(10, 10);
    EXPECT_EQ(dialogs.requests.size(), 1u);
    EXPECT_TRUE(printer.TakeOps().empty());
    EXPECT_TRUE(printer.openChecks.empty());
    EXPECT_TRUE(messages.errors.empty()) << "a cancel is the user's own choice";
    EXPECT_EQ(slots.ShotCounter(), 0);
    EXPECT_TRUE(hardcopy.ShotTimes().empty());

    PrintShot(10, 10);
    EXPECT_EQ(dialogs.requests.size(), 1u) << "shot 3 is the first of a new page";
    dialogs.answer = fakes::FakePrintDialogService::Confirmed("Office Laser");
    PrintShot(10, 10);
    Ops pictures;
    for (const std::string& op : printer.TakeOps()) {
        if (op.rfind("picture", 0) == 0 || op.rfind("text 0,15", 0) == 0 || op.rfind("text 20,140", 0) == 0) {
            pictures.push_back(op);
        }
    }
    EXPECT_EQ(pictures, (Ops{"text 0,15 " + kIndent40 + "Screenshot from anna at workstation DESK-7 about t3",
                             "picture #3 20,15 120x120",
                             "text 20,140 " + kIndent40 + "Screenshot from anna at workstation DESK-7 about t4",
                             "picture #4 20,145 120x120"}));
}

TEST_F(HardcopyTest, APrinterThatCannotBeOpenedIsNamedToTheUserAndThePageIsDiscarded) {
    UseFormat(2);
    printer.unopenable = {"Office Laser"};
    PrintShot(10, 10);
    PrintShot(10, 10);
    EXPECT_TRUE(printer.TakeOps().empty());
    ASSERT_EQ(messages.errors.size(), 1u);
    EXPECT_NE(messages.errors[0].find("\"Office Laser\""), std::string::npos) << messages.errors[0];
    EXPECT_EQ(slots.ShotCounter(), 0);
    EXPECT_TRUE(hardcopy.ShotTimes().empty());

    printer.unopenable.clear();
    PrintShot(10, 10);
    EXPECT_TRUE(printer.TakeOps().empty()) << "the next page needs two shots again";
    PrintShot(10, 10);
    EXPECT_EQ(printer.TakeOps().back(), "end");
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
    ASSERT_FALSE(ops.empty());
    EXPECT_EQ(ops.back(), "kill");
    EXPECT_EQ(printer.documentsEnded, 0);
    ASSERT_EQ(messages.errors.size(), 1u);
    EXPECT_NE(messages.errors[0].find("\"Office Laser\""), std::string::npos);
    EXPECT_EQ(slots.ShotCounter(), 0);

    printer.failPictures = false;
    PrintShot(10, 10);
    const Ops next = printer.TakeOps();
    EXPECT_EQ(next.back(), "end");
    EXPECT_EQ(next[2].substr(0, 10), "text 0,15 ") << "the next page starts at the top again";
}

TEST_F(HardcopyTest, AFailedDialogGoesOnWithTheCurrentPrinter) {
    settings.PrintTo = 2;
    dialogs.answer.outcome = PrintDialogResult::Outcome::Failed;
    dialogs.answer.errorCode = 0x100B;
    PrintShot(10, 10);
    EXPECT_EQ(printer.openChecks, (Ops{"Office Laser"}));
    EXPECT_EQ(printer.TakeOps().back(), "end");
}

TEST_F(HardcopyTest, NothingHappensBeforeTheFirstShot) {
    hardcopy.PrintHardcopy();
    EXPECT_TRUE(printer.TakeOps().empty());
    EXPECT_TRUE(hardcopy.ShotTimes().empty());
    EXPECT_TRUE(printer.openChecks.empty());
}

}  // namespace
}  // namespace snapwright
