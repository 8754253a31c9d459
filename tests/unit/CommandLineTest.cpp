#include "cli/CommandLine.h"

#include <gtest/gtest.h>

namespace snapwright {
namespace {

using Arguments = std::vector<std::string>;

// A command handed to the running program travels as the arguments that say it in full.
TEST(CommandLine, GoodLinesGiveTheirCommandAndTheSameCommandAgainInFull) {
    const std::pair<Arguments, Command> cases[] = {
        {{"--screen"}, Command{CaptureArea::Screen}},
        {{"--window", "--delay", "0.25", "--to", "print"}, Command{CaptureArea::Window, 250, CommandTarget::Print}},
        {{"--delay=2", "--to=editor", "--region"}, Command{CaptureArea::Region, 2000, CommandTarget::Editor}},
        {{"--region", "--file=D:\\Bilder\\Übersicht.JPEG", "--thumbnail", "20", "--overwrite", "--quiet"},
         Command{CaptureArea::Region, 0, CommandTarget::Clipboard, "D:\\Bilder\\Übersicht.JPEG", &kSaveFormats[1], 20, true, true}},
        {{"--screen", "--file", "shot", "--format", "TIFF", "--to", "send"},
         Command{CaptureArea::Screen, 0, CommandTarget::Send, "shot", &kSaveFormats[3]}},
        // Options and their words in any case, as Windows users type them; the path as it is.
        {{"--Window", "--TO", "EDITOR", "--File=Shot.PNG", "--Quiet"},
         Command{CaptureArea::Window, 0, CommandTarget::Editor, "Shot.PNG", &kSaveFormats[2], std::nullopt, false, true}},
        {{"--scroll", "--window", "--file", "long.png"},
         Command{CaptureArea::Window, 0, CommandTarget::Clipboard, "long.png", &kSaveFormats[2], {}, false, false, true}},
        {{"--region", "--scroll", "--to", "editor"},
         Command{CaptureArea::Region, 0, CommandTarget::Editor, "", nullptr, {}, false, false, true}},
    };
    for (const auto& [arguments, expected] : cases) {
        const ParsedCommandLine parsed = ParseCommandLine(arguments);
        ASSERT_EQ(parsed.request, Request::Capture) << arguments[0] << ": " << UserText(parsed.error, 0);
        EXPECT_EQ(parsed.command, expected) << arguments[0];
        EXPECT_EQ(ParseCommandLine(CommandArguments(parsed.command)).command, expected) << arguments[0];
    }
}

TEST(CommandLine, BadLinesSayWhatIsWrongWithCodeTwo) {
    const std::pair<Arguments, std::string> cases[] = {
        {{}, "Give a capture: --screen, --window or --region."},
        {{"--screen", "--fax"}, "Unknown option \"--fax\"."},
        {{"--screen", "shot.png"}, "Unexpected argument \"shot.png\"."},
        {{"--screen", "--window"}, "Give only one capture, not --screen and --window."},
        {{"--screen", "--to", "print", "--to", "save"}, "\"--to\" is given twice."},
        {{"--screen", "--to", "print", "--TO", "save"}, "\"--TO\" is given twice."},
        {{"--screen", "--to"}, "\"--to\" needs a value."},
        {{"--screen=yes"}, "\"--screen\" takes no value."},
        {{"--screen", "--to", "fax"}, "--to takes clipboard, print, save, send or editor, not \"fax\"."},
        {{"--screen", "--delay", "-1"}, "--delay takes seconds from 0 to 3600, such as 2 or 0.5, not \"-1\"."},
        {{"--screen", "--delay", "3600.5"}, "--delay takes seconds from 0 to 3600, such as 2 or 0.5, not \"3600.5\"."},
        {{"--screen", "--file", "a.png", "--format", "jpg"}, "--format jpg does not match the file \"a.png\"."},
        {{"--screen", "--file", "notes"},
         "The format of \"notes\" is unknown: give --format or an extension (.bmp, .jpg, .png, .tif, .mng)."},
        {{"--screen", "--format", "gif", "--file", "a.gif"}, "--format takes bmp, jpg, png, tif or mng, not \"gif\"."},
        {{"--screen", "--format", "png"}, "--format needs --file."},
        {{"--screen", "--file", "a.png", "--thumbnail", "60"}, "--thumbnail takes a percentage from 10 to 50, not \"60\"."},
        {{"--screen", "--file", "a.png", "--to", "save"},
         "--file cannot go with --to save: the save dialog asks for the file itself."},
        {{"--screen", "--scroll"}, "--scroll goes with --window or --region: it scrolls a window."},
    };
    for (const auto& [arguments, error] : cases) {
        const ParsedCommandLine parsed = ParseCommandLine(arguments);
        EXPECT_EQ(parsed.request, Request::Invalid) << error;
        EXPECT_EQ(UserText(parsed.error, 0), error);
        EXPECT_EQ(AnswerWithoutCapture(parsed, 0),
                  (CommandOutcome{kExitBadArguments, error + "\nRun snapwright.exe --help to see the options."}));
    }
    // The words in the user's language, the user's own word in them as typed, the options as they are.
    EXPECT_EQ(AnswerWithoutCapture(ParseCommandLine({"--screen", "--to", "Fax"}), 1).text,
              "--to nimmt clipboard, print, save, send oder editor, nicht „Fax“.\n"
              "Mit snapwright.exe --help sehen Sie die Optionen.");
}

TEST(CommandLine, HelpAndVersionAnswerWhateverElseTheLineSaysAndQuietHoldsOnABadLine) {
    EXPECT_EQ(AnswerWithoutCapture(ParseCommandLine({"--screen", "--bogus", "--help"}), 1),
              (CommandOutcome{kExitDone, UsageText()})) << "the help is English in every language";
    EXPECT_EQ(ParseCommandLine({"--version", "--window"}).request, Request::Version);
    EXPECT_EQ(ParseCommandLine({"--VERSION"}).request, Request::Version);
    EXPECT_TRUE(ParseCommandLine({"--bogus", "--Quiet"}).command.quiet);
}

}  // namespace
}  // namespace snapwright
