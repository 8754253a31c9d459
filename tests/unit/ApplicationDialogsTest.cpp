#include <gtest/gtest.h>

#include "apps/AskApplicationControls.h"
#include "apps/AskApplicationDialog.h"
#include "apps/StartApplication.h"
#include "apps/StartApplicationControls.h"
#include "apps/StartApplicationDialog.h"
#include "fakes/FakeAutomation.h"
#include "fakes/FakeForm.h"
#include "fakes/FakePorts.h"

namespace snapwright {
namespace {

using enum AskApplicationControl;

class AskApplicationDialogTest : public ::testing::Test {
protected:
    FakeForm form;
    Settings settings;
    fakes::RecordingAutomation automation;
    fakes::FakeTopLevelWindows windows;
    fakes::FakeUserMessages messages;
    OfficeSender sender{{automation, windows, messages,
                         [this](const std::string& name) {
                             automation.log.push_back("ask " + name);
                             return false;
                         },
                         [](int) {}, 0}};
    int editorShown = 0;
    AskApplicationDialog dialog{{form, settings, sender, [this] {
                                     EXPECT_TRUE(form.Hidden()) << "the dialog hides before the editor shows";
                                     ++editorShown;
                                 }, nullptr}};
};

// The second suite's labels and its send are seen in the e2e tests.
TEST_F(AskApplicationDialogTest, TheFirstSuiteKeepsItsLabelsAndTheEditorOpensWithoutASend) {
    dialog.OnLoad();
    EXPECT_EQ(form.State(WordProcessor).text, "");  // the design caption stays
    EXPECT_EQ(form.State(CaptionLabel).text, "Send Screenshoot to ...");
    form.State(Editor).checked = true;
    dialog.OnOk();
    EXPECT_EQ(editorShown, 1);
    EXPECT_TRUE(automation.log.empty());
    EXPECT_TRUE(form.Unloaded());
}

TEST_F(AskApplicationDialogTest, OkWithoutAChoiceAndCancelSendNothing) {
    dialog.OnOk();
    EXPECT_TRUE(form.Unloaded());
    dialog.OnCancel();
    EXPECT_TRUE(automation.log.empty());
    EXPECT_EQ(editorShown, 0);
}

TEST(StartApplicationDialogTest, OnlyOkStartsTheProgram) {
    using enum StartApplicationControl;
    FakeForm form;
    Settings settings;
    StartApplicationDialog dialog(form, settings);
    form.OnShowModal([&] {
        dialog.OnLoad();
        dialog.OnOk();
    });
    EXPECT_TRUE(dialog.Ask("Impress"));
    EXPECT_EQ(ApplicationToStart(), "Impress");
    EXPECT_EQ(form.State(Question).text, "Impress is not running. Start it now?");

    form.OnShowModal([&] { dialog.OnCancel(); });
    EXPECT_FALSE(dialog.Ask("Writer"));
    form.OnShowModal([] {});  // closed without a button
    EXPECT_FALSE(dialog.Ask("Writer"));
}

}  // namespace
}  // namespace snapwright
