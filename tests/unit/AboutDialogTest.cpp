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

TEST_F(AboutDialogTest, LoadShowsTitleVersionAndTheLanguagesTextsButNotTheCredits) {
    settings.Language = 1;
    about.OnLoad();
    EXPECT_EQ(form.State(VersionText).text, std::string("Version ") + SNAPWRIGHT_VERSION_TEXT);
    EXPECT_EQ(form.State(TitleLabel).text, "Snapwright");
    EXPECT_EQ(form.State(CaptionLabel).text, "\u00dcber Snapwright\u2122") << "the language of the settings";
    EXPECT_TRUE(form.CallsOn(CreditsButton).empty());
}

TEST_F(AboutDialogTest, VersionNumbersAndTheUpdateAddress) {
    EXPECT_EQ(VersionNumber(1, 0, 0), "1.0.0");
    EXPECT_EQ(VersionNumber(2, 10, 305), "2.10.305");
    EXPECT_EQ(UpdateAddress("1.0.0"), "https://snapwright.example/updates.php?ID=4&version=1.0.0&release=31.05.2006");
}

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

TEST_F(AboutDialogTest, CreditsShowTheFramedListInAnInformationBox) {
    about.OnCredits();
    ASSERT_EQ(informationBox.shown.size(), 1u);
    EXPECT_EQ(informationBox.shown[0].title, "Credits");
    const std::string& text = informationBox.shown[0].text;
    ASSERT_EQ(text.substr(text.size() - 2), "\r\n") << "every line ends with CR LF";
    std::vector<std::string> lines;
    for (std::size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    ASSERT_EQ(lines.size(), 18u);

    const std::string stars(61, '*');
    EXPECT_EQ(lines[0], stars);
    EXPECT_EQ(lines[1], "*************************  Credits  *************************");
    EXPECT_EQ(lines[2], stars);
    EXPECT_NE(lines[6].find("FreeImage"), std::string::npos);
    EXPECT_EQ(lines[8], "Translations:");
    const char* languages[] = {"Greek", "Czech", "Spanish", "French", "German and English", "Other languages"};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(lines[9 + i].rfind(languages[i], 0), 0u) << lines[9 + i];
    for (int empty : {3, 5, 7, 15}) EXPECT_EQ(lines[empty], "") << "line " << empty;
}

}  // namespace
}  // namespace snapwright
