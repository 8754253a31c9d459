#include "cli/CommandRunner.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <tuple>

#include "fakes/FakePorts.h"
#include "fakes/FakeSavePorts.h"

namespace snapwright {
namespace {

using namespace fakes;
using ::testing::HasSubstr;

class CommandRunnerTest : public ::testing::Test {
protected:
    void SetUp() override { codec.WorkInto(files); }

    CommandOutcome Run(const std::vector<std::string>& arguments, bool runsOn = true, bool showErrors = false) {
        const ParsedCommandLine parsed = ParseCommandLine(arguments);
        EXPECT_EQ(parsed.request, Request::Capture) << parsed.error;
        CommandRunner runner({engine, currentShot, destinations, exporter, files, messages, nullptr, nullptr,
                              [this](int milliseconds) { waits.push_back(milliseconds); }, runsOn,
                              [this] {
                                  // As the scrolling capture does: current and on the clipboard, or told.
                                  if (scrolled.picture) {
                                      currentShot.Set(scrolled.picture);
                                      engine.CopyShotToClipboard();
                                  } else {
                                      messages.ShowError("The window cannot be read.");
                                  }
                                  return scrolled;
                              }});
        return runner.Run(parsed.command, showErrors);
    }

    FakeScreen screen;
    FakeWindowService windows;
    FakeScreenCapture capture;
    FakeClipboard clipboard;
    CurrentShot currentShot;
    CaptureEngine engine{screen, windows, capture, clipboard, currentShot};
    FakeUserMessages shown;
    CommandMessages messages{shown};
    Settings settings;
    PageOutcome page = PageOutcome::Printed;
    std::string printerError;  // told when the page is not printed
    ShotDestinations destinations{settings, {.printHardcopy = [this](PicturePtr) {
                                                 if (!printerError.empty()) messages.ShowError(printerError);
                                                 return page;
                                             }}};
    FakeFileSystem files;
    ::testing::NiceMock<MockCodec> codec;
    ::testing::NiceMock<MockBitmapFileWriter> bitmapFiles;
    ImageExport exporter{codec, bitmapFiles, files};
    std::vector<int> waits;
    ScrollOutcome scrolled;
};

TEST_F(CommandRunnerTest, TheShotIsCurrentOnTheClipboardAndInTheFileWhoseFoldersAreMadeButNeverReplacedUnasked) {
    const std::vector<std::string> command = {"--screen", "--delay", "1.5", "--file", "C:\\shots\\new\\a.png"};
    EXPECT_EQ(Run(command), CommandOutcome{});
    EXPECT_EQ(waits, std::vector<int>{1500});
    EXPECT_TRUE(files.folders.contains("C:\\shots\\new"));
    ASSERT_TRUE(files.files.contains("C:\\shots\\new\\a.png"));
    EXPECT_EQ(SerialOf(currentShot.Get()), 1);
    EXPECT_EQ(clipboard.held, currentShot.Get());

    files.files["C:\\shots\\new\\a.png"] = {'m', 'i', 'n', 'e'};
    const CommandOutcome refused = Run(command);
    EXPECT_EQ(refused.exitCode, kExitFailed);
    EXPECT_THAT(refused.text, ::testing::AllOf(HasSubstr("C:\\shots\\new\\a.png"), HasSubstr("--overwrite replaces it")));
    EXPECT_EQ(files.files["C:\\shots\\new\\a.png"], (std::vector<std::uint8_t>{'m', 'i', 'n', 'e'}));
    EXPECT_TRUE(shown.errors.empty()) << "the answer carries the reason; nothing shows";

    files.files.erase("C:\\shots\\new\\a.png");
    files.files["C:\\shots\\new\\a_thumb.png"] = {'m', 'i', 'n', 'e'};
    EXPECT_EQ(Run({"--screen", "--file", "C:\\shots\\new\\a.png", "--thumbnail", "10"}).exitCode, kExitFailed);
    EXPECT_FALSE(files.files.contains("C:\\shots\\new\\a.png")) << "nothing written when the thumbnail is refused";
    EXPECT_EQ(Run({"--screen", "--file", "C:\\shots\\new\\a.png", "--thumbnail", "10", "--overwrite"}), CommandOutcome{});
    EXPECT_EQ(files.files["C:\\shots\\new\\a_thumb.png"], (std::vector<std::uint8_t>{'i', 'm', 'g'}));
}

TEST_F(CommandRunnerTest, TheDestinationTellsDoneWaitingCancelledOrFailed) {
    windows.foreground = 7;
    windows.rectangles[7] = {10, 10, 90, 50};
    const std::tuple<PageOutcome, std::string, bool, int, std::string> cases[] = {
        {PageOutcome::Printed, "", true, kExitDone, ""},
        {PageOutcome::WaitsForNextShot, "", true, kExitDone, "The page waits for its second screenshot."},
        {PageOutcome::WaitsForNextShot, "", false, kExitFailed, "The page takes two screenshots"},
        {PageOutcome::NotPrinted, "", true, kExitCancelled, ""},
        {PageOutcome::NotPrinted, "The printer is off.", true, kExitFailed, "The printer is off."},
    };
    for (const auto& [pageOutcome, error, runsOn, exitCode, text] : cases) {
        page = pageOutcome;
        printerError = error;
        const CommandOutcome outcome = Run({"--window", "--to", "print"}, runsOn);
        EXPECT_EQ(outcome.exitCode, exitCode) << text;
        EXPECT_EQ(outcome.text.substr(0, text.size()), text);
    }
    EXPECT_TRUE(shown.errors.empty()) << "the answer carries the reasons";
    windows.foreground = 0;
    EXPECT_EQ(Run({"--window"}, true, true).exitCode, kExitFailed);
    EXPECT_THAT(shown.errors, ::testing::ElementsAre(HasSubstr("no window in front"))) << "shown when asked";
}

TEST_F(CommandRunnerTest, AScrolledWindowGoesOnAsAnyShotAndItsNoteIsTheAnswer) {
    scrolled = {std::make_shared<FakePicture>(90, 4000, 9), ScrollEnding::DoesNotScroll, "It does not scroll."};
    page = PageOutcome::WaitsForNextShot;
    EXPECT_EQ(Run({"--window", "--scroll", "--to", "print", "--file", "C:\\long.png"}),
              (CommandOutcome{kExitDone, "It does not scroll.\nThe page waits for its second screenshot."}));
    EXPECT_EQ(SerialOf(currentShot.Get()), 9);
    EXPECT_EQ(clipboard.held, currentShot.Get());
    EXPECT_TRUE(files.files.contains("C:\\long.png"));

    scrolled = {};
    EXPECT_EQ(Run({"--window", "--scroll"}), (CommandOutcome{kExitFailed, "The window cannot be read."}));
}

}  // namespace
}  // namespace snapwright
