#include "ui/frmAbout.h"

#include <gtest/gtest.h>

#include <sstream>

#include "fakes/FakeForm.h"
#include "fakes/FakeShell.h"
#include "ui/AboutControls.h"
#include "ui/MakerSite.h"

namespace snapwright {
namespace {

using enum AboutControl;
using fakes::FakeInformationBox;
using fakes::FakeShell;

class frmAboutTest : public ::testing::Test {
protected:
    FakeForm form;
    Settings settings;
    FakeShell shell;
    FakeInformationBox informationBox;
    frmAbout about{form, settings, shell, informationBox};
};

std::vector<std::string> CrLfLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    EXPECT_EQ(start, text.size()) << "the text ends with a line end";
    return lines;
}

TEST_F(frmAboutTest, LoadShowsTitleVersionAndTheLanguagesTexts) {
    about.Form_Load();
    EXPECT_EQ(form.State(lblVersion).text, "Version 1.1.9");
    EXPECT_EQ(form.State(lblTitle).text, "Snapwright");
    EXPECT_EQ(form.State(lblCaption).text, "About Snapwright\u2122");
    EXPECT_EQ(form.State(cmdOK).text, "&OK");
    EXPECT_EQ(form.State(cmdUpdate).text, "&Update ?");
    EXPECT_EQ(form.State(cmdOK).fontName, "Arial");
}

TEST_F(frmAboutTest, AnotherLanguageChangesTheNoticesAndButtonsButNotCreditsOrVersion) {
    settings.Language = 1;
    about.Form_Load();
    EXPECT_EQ(form.State(lblCaption).text, "\u00dcber Snapwright\u2122");
    EXPECT_NE(form.State(lblDisclaimer).text.find("Urheberrecht"), std::string::npos);
    EXPECT_EQ(form.State(lblVersion).text, "Version 1.1.9");
    EXPECT_TRUE(form.CallsOn(cmdCredits).empty());

    FakeForm greekForm;
    settings.Language = 16;
    frmAbout greek(greekForm, settings, shell, informationBox);
    greek.Form_Load();
    EXPECT_EQ(greekForm.State(cmdUpdate).fontName, "Greek");
    EXPECT_EQ(greekForm.State(cmdUpdate).fontSize, 11);
    EXPECT_EQ(greekForm.State(lblCaption).fontSize, 0) << "the caption label keeps its design size";
}

TEST_F(frmAboutTest, VersionNumbersAndTheUpdateAddress) {
    EXPECT_EQ(VersionNumber(1, 0, 0), "1.0.0");
    EXPECT_EQ(VersionNumber(2, 10, 305), "2.10.305");
    EXPECT_EQ(UpdateAddress("1.0.0"), "https://snapwright.example/updates.php?ID=4&version=1.0.0&release=31.05.2006");
    EXPECT_EQ(VersionLabel(), "Version 1.1.9");
}

TEST_F(frmAboutTest, ButtonsAndPicturesOpenTheMakersPagesWithTheShell) {
    about.cmdUpdate_Click();
    about.Image1_Click();
    about.Image2_Click();
    EXPECT_EQ(shell.opened,
              (std::vector<FakeShell::Opened>{
                  {"https://snapwright.example/updates.php?ID=4&version=1.1.9&release=31.05.2006", ShowAs::Normal},
                  {"https://snapwright.example/", ShowAs::Normal},
                  {"mailto:support@snapwright.example", ShowAs::Normal}}));
    EXPECT_FALSE(form.Unloaded());
    about.cmdOK_Click();
    EXPECT_TRUE(form.Unloaded());
}

TEST_F(frmAboutTest, CreditsShowTheFramedListInAnInformationBox) {
    about.cmdCredits_Click();
    ASSERT_EQ(informationBox.shown.size(), 1u);
    EXPECT_EQ(informationBox.shown[0].title, "Credits");
    const std::vector<std::string> lines = CrLfLines(informationBox.shown[0].text);
    ASSERT_EQ(lines.size(), 18u);

    const std::string stars(61, '*');
    EXPECT_EQ(lines[0], stars);
    EXPECT_EQ(lines[1], "*************************  Credits  *************************");
    EXPECT_EQ(lines[1].size(), 61u);
    EXPECT_EQ(lines[2], stars);
    EXPECT_EQ(lines[3], "");
    EXPECT_NE(lines[4].find("2002-2006"), std::string::npos);
    EXPECT_EQ(lines[5], "");
    EXPECT_NE(lines[6].find("FreeImage"), std::string::npos);
    EXPECT_NE(lines[6].find("https://freeimage.sourceforge.io"), std::string::npos);
    EXPECT_EQ(lines[7], "");
    EXPECT_EQ(lines[8], "Translations:");
    const char* languages[] = {"Greek", "Czech", "Spanish", "French", "German and English", "Other languages"};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(lines[9 + i].rfind(languages[i], 0), 0u) << lines[9 + i];
    EXPECT_NE(lines[13].find("2002-2006"), std::string::npos);
    EXPECT_NE(lines[14].find("machine-translation"), std::string::npos);
    EXPECT_EQ(lines[15], "");
    EXPECT_NE(lines[17].find("all the other programming web sites"), std::string::npos);
    for (const std::string& line : lines) EXPECT_EQ(line.find('\n'), std::string::npos);
}

}  // namespace
}  // namespace snapwright
