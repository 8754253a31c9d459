#include "lang/ApplyLanguage.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "apps/AskApplicationControls.h"
#include "apps/StartApplication.h"
#include "apps/StartApplicationControls.h"
#include "fakes/FakeForm.h"
#include "lang/LanguageTable.h"
#include "save/SaveAsControls.h"
#include "settings/OptionsControls.h"
#include "ui/AboutControls.h"

namespace snapwright {
namespace {

using ::testing::IsEmpty;

constexpr int kEnglish = 0;
constexpr int kGreek = 16;

std::vector<FormCall> Applied(int windowId, int language) {
    FakeForm form;
    ApplyLanguage(windowId, language, form);
    return form.Calls();
}

class ApplyLanguageTest : public ::testing::Test {
protected:
    void SetUp() override { m_savedName = ApplicationToStart(); }
    void TearDown() override { ApplicationToStart() = m_savedName; }

private:
    std::string m_savedName;
};

// Each window's language texts go on its own controls: the caption label first, which keeps its
// design size, then the others in the language's face and size. The controls whose text no
// language changes keep their design text and font.
TEST_F(ApplyLanguageTest, EachWindowTakesTheFaceAndTextsOnItsOwnControlsOnly) {
    struct Window {
        int id;
        ControlId captionLabel;
        std::set<ControlId> untouched;
    };
    const Window windows[] = {
        {kAboutWindow, Id(AboutControl::CaptionLabel), {Id(AboutControl::CreditsButton), Id(AboutControl::TitleLabel)}},
        {kAskApplicationWindow, Id(AskApplicationControl::CaptionLabel), {Id(AskApplicationControl::Editor)}},
        {kOptionsWindow,
         Id(OptionsControl::CaptionLabel),
         {Id(OptionsControl::PortraitOneShot), Id(OptionsControl::HeaderFooterFrame), Id(OptionsControl::TimestampBox),
          Id(OptionsControl::LanguageList), Id(OptionsControl::SendToEditor)}},
        {kSaveAsWindow, Id(SaveAsControl::CaptionLabel), {Id(SaveAsControl::ThumbnailBox), Id(SaveAsControl::BrowseButton)}},
        {kStartApplicationWindow, Id(StartApplicationControl::CaptionLabel), {}},
    };
    const LanguageTable& lang = Languages();
    for (const Window& w : windows) {
        SCOPED_TRACE("window " + std::to_string(w.id));
        FakeForm form;
        ApplyLanguage(w.id, kGreek, form);
        const std::vector<FormCall>& calls = form.Calls();
        ASSERT_GE(calls.size(), 2u);
        EXPECT_EQ(calls[0], FormCall::SetFontName(w.captionLabel, lang.FontName(kGreek)));
        EXPECT_EQ(form.State(w.captionLabel).fontSize, 0) << "the caption label keeps its design size";
        for (const FormCall& call : calls) {
            EXPECT_EQ(w.untouched.count(call.control), 0u) << "control " << call.control << " was relabelled";
            if (call.control != w.captionLabel) {
                EXPECT_EQ(form.State(call.control).fontSize, lang.FontSize(kGreek)) << "control " << call.control;
            }
            EXPECT_FALSE(form.State(call.control).text.empty()) << "control " << call.control;
        }
    }
}

TEST_F(ApplyLanguageTest, TheStartDialogNamesTheApplicationInCaptionAndQuestion) {
    using enum StartApplicationControl;
    ApplicationToStart() = "Microsoft Word";
    FakeForm form;
    ApplyLanguage(kStartApplicationWindow, kEnglish, form);
    EXPECT_EQ(form.State(CaptionLabel).text, "Send Screenshot to Microsoft Word");
    EXPECT_EQ(form.State(Question).text, "Microsoft Word is not running. Start it now?");
}

TEST_F(ApplyLanguageTest, OtherWindowIdsChangeNothing) {
    for (int windowId : {0, 5, 7}) EXPECT_THAT(Applied(windowId, 1), IsEmpty()) << "window id " << windowId;
}

// A damaged Language setting puts English on the window instead of reading past the tables.
TEST_F(ApplyLanguageTest, LanguageOutsideTheTablesAppliesEnglish) {
    ApplicationToStart() = "Writer";
    for (int windowId :
         {kAboutWindow, kAskApplicationWindow, kOptionsWindow, kSaveAsWindow, kStartApplicationWindow}) {
        EXPECT_EQ(Applied(windowId, 17), Applied(windowId, kEnglish)) << "window id " << windowId;
        EXPECT_EQ(Applied(windowId, 255), Applied(windowId, kEnglish)) << "window id " << windowId;
    }
}

}  // namespace
}  // namespace snapwright
