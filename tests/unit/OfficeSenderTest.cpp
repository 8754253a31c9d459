#include "apps/OfficeSender.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "fakes/FakeAutomation.h"

namespace snapwright {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using Log = std::vector<std::string>;

class OfficeSenderTest : public ::testing::Test, protected fakes::FakeSending {
protected:
    // The log with the second suite's long service names shortened.
    Log Sent(OfficeProgram program) {
        sender.Send(program, std::make_shared<fakes::FakePicture>(8, 8, 1));
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

    // Hidden or borderless, a window is no running program.
    windows.Add("Microsoft Powerpoint - hidden", kStyleBorder);
    windows.Add("Microsoft Powerpoint - borderless", kStyleVisible);
    automation.log.clear();
    const Log started = Sent(OfficeProgram::PowerPoint);
    ASSERT_GE(started.size(), 9u) << "the program was not started";
    EXPECT_THAT(Log(started.begin() + 1, started.begin() + 5),
                ElementsAre("ask Microsoft Powerpoint", "create Powerpoint.Application",
                            "Powerpoint.Application put Visible(true)", "wait 1000"));
    EXPECT_THAT(Log(started.end() - 4, started.end()),
                ElementsAre("Powerpoint.Application.ActivePresentation.Slides call Add(1, 12)",
                            "Powerpoint.Application get ActiveWindow()", "Powerpoint.Application.ActiveWindow get View()",
                            "Powerpoint.Application.ActiveWindow.View call Paste()"));
}

// The e2e tests send to a Word that is registered nowhere; a program that refuses a step, and a
// picture that cannot reach the clipboard, stop the send there too. The user is told in his
// language, the program's own words about the refusal kept as they are.
TEST_F(OfficeSenderTest, AFailedStepTellsWhichProgramAndWhyAndStopsThere) {
    automation.refused = "Word.Application.documents Add";
    EXPECT_EQ(Sent(OfficeProgram::Word).back(), "Word.Application.documents call Add()");
    ASSERT_EQ(messages.errors.size(), 1u);
    EXPECT_EQ(messages.errors[0], "Snapwright could not send the screenshot to Microsoft Word: it refused \"Add\" (the "
                                  "call was refused).\r\n\r\nThe screenshot is on the clipboard: you can paste it "
                                  "into Microsoft Word yourself.");

    language = [] { return 1; };
    Sent(OfficeProgram::Word);
    EXPECT_EQ(messages.errors.at(1), "Snapwright konnte den Screenshot nicht an Microsoft Word senden: es hat „Add“ "
                                     "abgelehnt (the call was refused).\r\n\r\nDer Screenshot ist in der "
                                     "Zwischenablage: Sie können ihn selbst in Microsoft Word einfügen.");

    language = [] { return 0; };
    automation.log.clear();
    clipboard.fail = true;
    EXPECT_TRUE(Sent(OfficeProgram::Calc).empty());
    EXPECT_THAT(messages.errors.at(2), HasSubstr("could not put the picture on the clipboard, so it cannot send it to Calc."));
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

// A calculator matches "Calc" in any case, but the suite then has no document: a new one is made
// after asking.
TEST_F(OfficeSenderTest, AMatchingWindowWithoutACurrentDocumentTakesTheNotRunningPath) {
    windows.Add("CALCULATOR");
    automation.nothing = {"com.sun.star.frame.Desktop.currentcomponent"};
    const Log log = Sent(OfficeProgram::Calc);
    EXPECT_THAT(Log(log.begin() + 2, log.begin() + 5),
                ElementsAre("Desktop get currentcomponent()", "ask Calc",
                            "Desktop call loadComponentfromURL(\"private:factory/scalc\", \"_blank\", 0, &[])"));
    EXPECT_THAT(log.back(), HasSubstr("executeDispatch(<Desktop.loadComponentfromURL"));
}

}  // namespace
}  // namespace snapwright
