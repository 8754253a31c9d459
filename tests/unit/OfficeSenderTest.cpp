#include "apps/OfficeSender.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "fakes/FakeAutomation.h"
#include "fakes/FakePorts.h"

namespace snapwright {
namespace {

using fakes::FakeTopLevelWindows;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using Log = std::vector<std::string>;

class OfficeSenderTest : public ::testing::Test {
protected:
    // The log with the second suite's long service names shortened.
    Log Sent(OfficeProgram program) {
        sender.Send(program);
        Log log = automation.log;
        for (std::string& line : log) {
            for (const auto& [name, shortName] : {std::pair{"com.sun.star.ServiceManager", "SM"},
                                                  {"com.sun.star.frame.Desktop", "Desktop"},
                                                  {"com.sun.star.frame.DispatchHelper", "Dispatcher"}}) {
                for (auto at = line.find(name); at != std::string::npos; at = line.find(name)) {
                    line.replace(at, std::string(name).size(), shortName);
                }
            }
        }
        return log;
    }

    fakes::RecordingAutomation automation;
    FakeTopLevelWindows windows;
    fakes::FakeUserMessages messages;
    bool startAnswer = true;
    OfficeSender sender{{automation, windows, messages,
                         [this](const std::string& name) {
                             automation.log.push_back("ask " + name);
                             return startAnswer;
                         },
                         [this](int ms) { automation.log.push_back("wait " + std::to_string(ms)); }, 0}};
};

// Word's sequences, and Calc's and Writer's, are read from the real automation calls in the e2e
// tests; these cover the other programs, the wait after a start and the blank slide.
TEST_F(OfficeSenderTest, MicrosoftProgramsGetADocumentWhenNoneIsOpenAndPowerPointABlankSlideWithIt) {
    windows.Add("Mappe1 - MICROSOFT EXCEL");
    automation.running = {"Excel.Application"};
    EXPECT_THAT(Sent(OfficeProgram::Excel),
                ElementsAre("attach Excel.Application", "Excel.Application get workbooks()",
                            "Excel.Application.workbooks get Count()", "Excel.Application.workbooks call Add()",
                            "Excel.Application get activesheet()", "Excel.Application.activesheet call Paste()"));

    automation.log.clear();
    const Log started = Sent(OfficeProgram::PowerPoint);
    EXPECT_THAT(started,
                ElementsAre("attach Powerpoint.Application", "ask Microsoft Powerpoint", "create Powerpoint.Application",
                            "Powerpoint.Application put Visible(true)", "wait 1000",
                            "Powerpoint.Application get Presentations()",
                            "Powerpoint.Application.Presentations call Add()",
                            "Powerpoint.Application get ActivePresentation()",
                            "Powerpoint.Application.ActivePresentation get Slides()",
                            "Powerpoint.Application.ActivePresentation.Slides call Add(1, 12)",
                            "Powerpoint.Application get ActiveWindow()", "Powerpoint.Application.ActiveWindow get View()",
                            "Powerpoint.Application.ActiveWindow.View call Paste()"));

    // A running PowerPoint with a presentation open is pasted into as it is.
    automation.log.clear();
    windows.Add("Microsoft PowerPoint - [Presentation1]");
    automation.running = {"Powerpoint.Application"};
    automation.counts["Powerpoint.Application.Presentations"] = 2;
    EXPECT_THAT(Sent(OfficeProgram::PowerPoint),
                ElementsAre("attach Powerpoint.Application", "Powerpoint.Application get Presentations()",
                            "Powerpoint.Application.Presentations get Count()",
                            "Powerpoint.Application get ActiveWindow()", "Powerpoint.Application.ActiveWindow get View()",
                            "Powerpoint.Application.ActiveWindow.View call Paste()"));
}

TEST_F(OfficeSenderTest, SecondSuiteLoadsANewDocumentOfTheSearchedKind) {
    const std::pair<OfficeProgram, std::string> programs[] = {
        {OfficeProgram::Writer, "swriter"}, {OfficeProgram::Calc, "scalc"}, {OfficeProgram::Impress, "simpress"}};
    for (const auto& [program, factory] : programs) {
        automation.log.clear();
        EXPECT_EQ(Sent(program).at(3),
                  "Desktop call loadComponentfromURL(\"private:factory/" + factory + "\", \"_blank\", 0, &[])");
    }
    automation.log.clear();
    windows.Add("Untitled 1 - LibreOffice Impress");
    EXPECT_EQ(Sent(OfficeProgram::Impress).back(),
              "Dispatcher call executeDispatch(<Desktop.currentcomponent.currentcontroller.Frame>, \".uno:Paste\", \"\", 0, [])");
}

TEST_F(OfficeSenderTest, DecliningTheStartCreatesAndPastesNothing) {
    startAnswer = false;
    EXPECT_THAT(Sent(OfficeProgram::Impress), ElementsAre("create SM", "SM call createinstance(\"Desktop\")", "ask Impress"));
    EXPECT_TRUE(messages.errors.empty());
}

TEST_F(OfficeSenderTest, WindowSearchTakesVisibleBorderedWindowsOfAnyCase) {
    windows.Add("Microsoft Word - hidden", kStyleBorder);
    windows.Add("Microsoft Word - borderless", kStyleVisible);
    EXPECT_FALSE(IsWindowWithCaptionShown(windows, 0, "Microsoft Word"));
    windows.Add("Calculator");
    EXPECT_TRUE(IsWindowWithCaptionShown(windows, 0, "Calc"));
    EXPECT_TRUE(IsWindowWithCaptionShown(windows, 0, "CALCULATOR"));
    // Current Office captions do not name the maker: the search alone misses them.
    windows.Add("Document1 - Word");
    EXPECT_FALSE(IsWindowWithCaptionShown(windows, 0, "Microsoft Word"));
}

TEST_F(OfficeSenderTest, AFailedSendTellsWhichProgramAndWhyAndStopsThere) {
    automation.unregistered = {"Word.Application", "com.sun.star.ServiceManager"};
    Sent(OfficeProgram::Word);
    Sent(OfficeProgram::Calc);
    ASSERT_EQ(messages.errors.size(), 2u);
    EXPECT_THAT(messages.errors[0], HasSubstr("to Microsoft Word: class not registered"));
    EXPECT_THAT(messages.errors[1], HasSubstr("to Calc: class not registered"));
    EXPECT_THAT(messages.errors[1], HasSubstr("on the clipboard"));

    automation.log.clear();
    automation.unregistered.clear();
    automation.refused = "Word.Application.documents Add";
    EXPECT_EQ(Sent(OfficeProgram::Word).back(), "Word.Application.documents call Add()");
    EXPECT_EQ(messages.errors.size(), 3u);
}

// A running Word whose window reads "Document1 - Word" is pasted into, not started a second time.
TEST_F(OfficeSenderTest, RunningInstanceWithAModernCaptionIsUsed) {
    windows.Add("Document1 - Word");
    automation.running = {"Word.Application"};
    automation.counts["Word.Application.documents"] = 1;
    const Log log = Sent(OfficeProgram::Word);
    EXPECT_EQ(log.front(), "attach Word.Application");
    EXPECT_EQ(log.back(), "Word.Application.Selection call Paste()");
    EXPECT_THAT(log, ::testing::Not(::testing::Contains(HasSubstr("ask"))));
}

// A calculator matches "Calc", but the suite then has no document: a new one is made after asking.
TEST_F(OfficeSenderTest, AMatchingWindowWithoutACurrentDocumentTakesTheNotRunningPath) {
    windows.Add("Calculator");
    automation.nothing = {"com.sun.star.frame.Desktop.currentcomponent"};
    const Log log = Sent(OfficeProgram::Calc);
    EXPECT_THAT(Log(log.begin() + 2, log.begin() + 5),
                ElementsAre("Desktop get currentcomponent()", "ask Calc",
                            "Desktop call loadComponentfromURL(\"private:factory/scalc\", \"_blank\", 0, &[])"));
    EXPECT_THAT(log.back(), HasSubstr("executeDispatch(<Desktop.loadComponentfromURL"));
}

TEST(TaskbarButtonTest, TheAppWindowBitChangesWhileTheWindowIsHidden) {
    FakeTopLevelWindows windows;
    windows.Add("Snapwright ScreenshotEditor");
    windows.windows[0].exStyle = 0x100;
    SetTaskbarButton(windows, 1, true);
    EXPECT_EQ(windows.windows[0].exStyle, 0x100u | kExStyleAppWindow);
    SetTaskbarButton(windows, 1, false);
    EXPECT_EQ(windows.windows[0].exStyle, 0x100u);
    EXPECT_TRUE(windows.windows[0].shown);
    EXPECT_THAT(windows.events, ElementsAre("lock", "style while hidden", "unlock", "lock", "style while hidden", "unlock"));
}

}  // namespace
}  // namespace snapwright
