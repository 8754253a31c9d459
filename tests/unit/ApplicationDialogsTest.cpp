#include <gtest/gtest.h>

#include "apps/AskApplicationControls.h"
#include "apps/AskApplicationDialog.h"
#include "fakes/FakeAutomation.h"
#include "fakes/FakeForm.h"

namespace snapwright {
namespace {

using enum AskApplicationControl;

class AskApplicationDialogTest : public ::testing::Test, protected fakes::FakeSending {
protected:
    AskApplicationDialogTest() { startAnswer = false; }
    void Open(std::function<void()> user) {
        form.OnShowModal([this, user] {
            dialog.OnLoad();
            user();
        });
        dialog.Show(shot);
    }

    FakeForm form;
    Settings settings;
    int editorShown = 0;
    AskApplicationDialog dialog{{form, settings, sender, [this] {
                                     EXPECT_TRUE(form.Hidden()) << "the dialog hides before the editor shows";
                                     ++editorShown;
                                 }, nullptr}};
    PicturePtr shot = std::make_shared<fakes::FakePicture>(64, 48, 5);
};

// The second suite's choices and a send to Writer are seen in the e2e tests; the editor is chosen
// without a send, and Cancel sends nothing.
TEST_F(AskApplicationDialogTest, TheChoicesNameTheSuitesProgramsAndTheShotGoesToTheChosenOne) {
    Open([this] {
        EXPECT_EQ(form.State(Presentation).text, "Microsoft Powerpoint");
        form.State(Editor).checked = true;
        dialog.OnOk();
    });
    EXPECT_EQ(editorShown, 1);
    EXPECT_TRUE(automation.log.empty() && form.Unloaded());
    Open([this] { dialog.OnCancel(); });
    EXPECT_EQ(clipboard.held, nullptr);

    form.State(Editor).checked = false;
    Open([this] {
        form.State(Spreadsheet).checked = true;
        dialog.OnOk();
    });
    EXPECT_EQ(fakes::SerialOf(clipboard.held), 5) << "the shot the dialog was opened for";
    EXPECT_EQ(automation.log.back(), "ask Microsoft Excel");
    EXPECT_EQ(editorShown, 1);
}

}  // namespace
}  // namespace snapwright
