#include "ui/AboutDialog.h"

#include <gtest/gtest.h>

#include "Version.h"
#include "fakes/FakeForm.h"
#include "fakes/FakeShell.h"
#include "ui/AboutControls.h"
#include "ui/MakerSite.h"

namespace snapwright {
namespace {

using enum AboutControl;
using fakes::FakeInformationBox;
using fakes::FakeShell;

class AboutDialogTest : public ::testing::Test {
protected:
    FakeForm form;
    Settings settings;
    FakeShell shell;
    FakeInformationBox informationBox;
    AboutDialog about{form, settings, shell, informationBox};
};

TEST_F(AboutDialogTest, ButtonsAndPicturesOpenTheMakersPagesWithTheShell) {
    about.OnUpdate();
    about.OnLogo();
    about.OnMailIcon();
    EXPECT_EQ(shell.opened, (std::vector<FakeShell::Opened>{
                                {std::string("https://snapwright.example/updates.php?ID=4&version=") +
                                     SNAPWRIGHT_VERSION_TEXT + "&release=31.05.2006",
                                 ShowAs::Normal},
                                {"https://snapwright.example/", ShowAs::Normal},
                                {"mailto:support@snapwright.example", ShowAs::Normal}}));
    EXPECT_FALSE(form.Unloaded());
    about.OnOk();
    EXPECT_TRUE(form.Unloaded());
}

}  // namespace
}  // namespace snapwright
