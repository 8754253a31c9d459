#include "cli/CommandRunner.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <list>
#include <tuple>

#include "CaptureSpine.h"
#include "fakes/FakeSavePorts.h"

namespace snapwright {
namespace {

using namespace fakes;
using ::testing::HasSubstr;

class CommandRunnerTest : public ::testing::Test, protected CaptureSpine {
protected:
    void SetUp() override { codec.WorkInto(files); }

    // Starts a command; its answer lands in `answers`, now or when the program's loop runs `later`.
    void Start(const std::vector<std::string>& arguments, bool showErrors = false) {
        const ParsedCommandLine parsed = ParseCommandLine(arguments);
        ASSERT_EQ(parsed.request, Request::Capture) << UserText(parsed.error, 0);
        runners.emplace_back(ports).Run(parsed.command, showErrors,
                                        [this](const CommandOutcome& outcome) { answers.push_back(outcome); });
    }
    CommandOutcome Run(const std::vector<std::string>& arguments, bool runsOn = true, bool showErrors = false) {
        ports.runsOn = runsOn;
        answers.clear();
        Start(arguments, showErrors);
        RunLater();
        EXPECT_EQ(answers.size(), 1u);
        return answers.empty() ? CommandOutcome{-1, "no answer"} : answers.back();
    }
    // The message loop: the calls asked for, in their order.
    void RunLater() {
        while (!later.empty()) {
            const auto call = std::move(later.front());
            later.erase(later.begin());
            waits.push_back(call.first);
            call.second();
        }
    }

    CommandMessages commandMessages{messages};  // over the messages the user would see
    PageOutcome page = PageOutcome::Printed;
    std::string printerError;                  // told when the page is not printed
    std::function<void()> whilePrintDialogOpen;  // what runs in the printer dialog's message loop
    ShotDestinations destinations{settings, {.printHardcopy = [this](PicturePtr) {
                                                 if (whilePrintDialogOpen) std::exchange(whilePrintDialogOpen, nullptr)();
                                                 if (!printerError.empty()) commandMessages.ShowError(printerError);
                                                 return page;
                                             }}};
    FakeFileSystem files;
    ::testing::NiceMock<MockCodec> codec;
    ::testing::NiceMock<MockBitmapFileWriter> bitmapFiles;
    ImageExport exporter{codec, bitmapFiles, files};
    std::vector<std::pair<int, std::function<void()>>> later;
    std::vector<int> waits;
    ScrollOutcome scrolled;
    std::vector<CommandOutcome> answers;
    RegionTaken region;
    std::vector<bool> clicksScroll;  // what each region was asked
    std::vector<int> editorGot;  // the serials of the pictures the editor was given
    CommandRunner::Ports ports{engine, currentShot, destinations, exporter, files, commandMessages, settings,
                               [this](bool clickScrolls) {
                                   clicksScroll.push_back(clickScrolls);
                                   return region;
                               },
                               [this](PicturePtr shot) { editorGot.push_back(SerialOf(shot)); },
                               [this](int milliseconds, std::function<void()> then) {
                                   later.emplace_back(milliseconds, std::move(then));
                               },
                               true,
                               [this] {
                                   // As the scrolling capture does: current and on the clipboard, or told.
                                   if (scrolled.picture) {
                                       currentShot.Set(scrolled.picture);
                                       engine.CopyShotToClipboard();
                                   } else {
                                       commandMessages.ShowError("The window cannot be read.");
                                   }
                                   return scrolled;
                               }};
    std::list<CommandRunner> runners;  // each command's, as long as it may be answered
};

TEST_F(CommandRunnerTest, TheShotIsCurrentOnTheClipboardAndInTheFileWhoseFoldersAreMadeButNeverReplacedUnasked) {
    const std::vector<std::string> command = {"--screen", "--delay", "1.5", "--file", "C:\\shots\\new\\a.png"};
    EXPECT_EQ(Run(command), CommandOutcome{});
    EXPECT_EQ(waits, std::vector<int>{1500});
    EXPECT_TRUE(files.folders.contains("C:\\shots\\new"));
    ASSERT_TRUE(files.files.contains("C:\\shots\\new\\a.png"));
    EXPECT_EQ(files.files.size(), 1u) << "nothing else left in the folder";
    EXPECT_EQ(SerialOf(currentShot.Get()), 1);
    EXPECT_EQ(clipboard.held, currentShot.Get());

    files.files["C:\\shots\\new\\a.png"] = {'m', 'i', 'n', 'e'};
    const CommandOutcome refused = Run(command);
    EXPECT_EQ(refused.exitCode, kExitFailed);
    EXPECT_THAT(refused.text, ::testing::AllOf(HasSubstr("C:\\shots\\new\\a.png"), HasSubstr("--overwrite replaces it")));
    EXPECT_EQ(files.files["C:\\shots\\new\\a.png"], (std::vector<std::uint8_t>{'m', 'i', 'n', 'e'}));
    EXPECT_TRUE(messages.errors.empty()) << "the answer carries the reason; nothing shows";

    files.files.erase("C:\\shots\\new\\a.png");
    files.files["C:\\shots\\new\\a_thumb.png"] = {'m', 'i', 'n', 'e'};
    EXPECT_EQ(Run({"--screen", "--file", "C:\\shots\\new\\a.png", "--thumbnail", "10"}).exitCode, kExitFailed);
    EXPECT_FALSE(files.files.contains("C:\\shots\\new\\a.png")) << "nothing written when the thumbnail is refused";
    EXPECT_EQ(Run({"--screen", "--file", "C:\\shots\\new\\a.png", "--thumbnail", "10", "--overwrite"}), CommandOutcome{});
    EXPECT_EQ(files.files["C:\\shots\\new\\a_thumb.png"], (std::vector<std::uint8_t>{'i', 'm', 'g'}));
}

// A thumbnail that cannot be written leaves no main file, so that the command can simply be given
// again; the place where no file can go is told in its own words, in the user's language (each
// reason is the path rules' own test).
TEST_F(CommandRunnerTest, AFileThatCannotBeWrittenIsToldWhyAndLeavesNothingBehind) {
    files.folders = {"C:\\shots", "C:\\shots\\b_thumb.png", "C:\\shots\\d.png"};
    const CommandOutcome thumbnail = Run({"--screen", "--file", "C:\\shots\\b.png", "--thumbnail", "20"});
    EXPECT_EQ(thumbnail.exitCode, kExitFailed);
    EXPECT_THAT(thumbnail.text, ::testing::AllOf(HasSubstr("C:\\shots\\b_thumb.png"), HasSubstr("A folder of this name exists")));
    EXPECT_THAT(Run({"--screen", "--file", "C:\\shots\\d.png", "--overwrite"}).text,
                HasSubstr("C:\\shots\\d.png\n\nA folder of this name exists already.")) << "no folder is replaced";

    settings.Language = 1;
    const CommandOutcome drive = Run({"--screen", "--file", "Q:\\x.png", "--overwrite"});
    EXPECT_EQ(drive.exitCode, kExitFailed);
    EXPECT_THAT(drive.text, HasSubstr("Q:\\x.png\n\nDas Laufwerk Q: gibt es nicht."));
    EXPECT_TRUE(files.files.empty());
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
    EXPECT_TRUE(messages.errors.empty()) << "the answer carries the reasons";
    windows.foreground = 0;
    EXPECT_EQ(Run({"--window"}, true, true).exitCode, kExitFailed);
    EXPECT_THAT(messages.errors, ::testing::ElementsAre(HasSubstr("no window in front"))) << "shown when asked";

    region = {nullptr, true};
    const CommandOutcome busy = Run({"--region"});
    EXPECT_EQ(busy.exitCode, kExitFailed) << "a region being drawn is no cancel";
    EXPECT_THAT(busy.text, HasSubstr("A region is being drawn already"));
    region = {nullptr, false};
    EXPECT_EQ(Run({"--region"}), (CommandOutcome{kExitCancelled, ""}));
}

// A command given while another one waits (for its delay, or in its dialog's message loop) runs at
// once and answers first, with its own errors; the one that waited gets its own answer after.
TEST_F(CommandRunnerTest, NoCommandWaitsForAnotherOnesDelayOrDialog) {
    Start({"--screen", "--delay", "60", "--file", "C:\\a.png"});
    EXPECT_TRUE(answers.empty()) << "the delay is the program loop's";
    Start({"--screen", "--file", "Q:\\b.png"});
    ASSERT_EQ(answers.size(), 1u) << "the second command answered; the first one still waits";
    EXPECT_EQ(answers[0].exitCode, kExitFailed);
    RunLater();
    EXPECT_EQ(waits, std::vector<int>{60000});
    ASSERT_EQ(answers.size(), 2u);
    EXPECT_EQ(answers[1], CommandOutcome{});

    answers.clear();
    later.clear();
    page = PageOutcome::NotPrinted;
    printerError = "The printer is off.";
    whilePrintDialogOpen = [this] { Start({"--screen", "--file", "C:\\inner.png"}); };
    Start({"--screen", "--to", "print"});
    ASSERT_EQ(answers.size(), 2u);
    EXPECT_EQ(answers[0], CommandOutcome{}) << "the command given meanwhile, done first";
    EXPECT_TRUE(files.files.contains("C:\\inner.png"));
    EXPECT_EQ(answers[1], (CommandOutcome{kExitFailed, "The printer is off."})) << "and the first one's own error";
}

// In the tray, a command to the editor ends before the editor takes the picture, so that the
// editor's own question about unsaved changes never holds the command; alone, it ends with the editor.
TEST_F(CommandRunnerTest, ACommandToTheEditorEndsBeforeTheEditorAsksAnything) {
    ports.runsOn = true;
    Start({"--screen", "--to", "editor"});
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_EQ(answers[0], CommandOutcome{});
    EXPECT_TRUE(editorGot.empty()) << "the editor takes it from the message loop";
    RunLater();
    EXPECT_EQ(editorGot, std::vector<int>{1});

    ports.runsOn = false;
    Start({"--screen", "--to", "editor"});
    EXPECT_EQ(editorGot, (std::vector<int>{1, 2})) << "without the tray the editor is the command's own end";
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

// With --region, --scroll has a click scroll the window it takes; the region capture has made the
// scrolled window current, and its note is the answer.
TEST_F(CommandRunnerTest, ARegionWithScrollAsksThatAClickScrollsTheWindowAndTellsItsNote) {
    region = {std::make_shared<FakePicture>(90, 16384, 5), false, "The height limit."};
    EXPECT_EQ(Run({"--region", "--scroll", "--file", "C:\\tall.png"}), (CommandOutcome{kExitDone, "The height limit."}));
    EXPECT_TRUE(files.files.contains("C:\\tall.png"));
    region = {std::make_shared<FakePicture>(90, 60, 6)};
    EXPECT_EQ(Run({"--region", "--to", "editor"}), (CommandOutcome{kExitDone, ""}));
    EXPECT_EQ(clicksScroll, (std::vector<bool>{true, false}));
    EXPECT_EQ(editorGot, std::vector<int>{6});
}

}  // namespace
}  // namespace snapwright
