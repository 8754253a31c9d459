#include "lang/ApplyLanguage.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

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

constexpr int kEnglish = 0;
constexpr int kGreek = 16;

std::map<ControlId, FakeControl> Applied(int windowId, int language) {
    FakeForm form;
    ApplyLanguage(windowId, language, form);
    return form.controls;
}

class ApplyLanguageTest : public ::testing::Test {
protected:
    void SetUp() override { m_savedName = ApplicationToStart(); }
    void TearDown() override { ApplicationToStart() = m_savedName; }

private:
    std::string m_savedName;
};

// Each window's language texts go on its own controls in the language's face: the caption label
// keeps its design size, the others take the language's size. The controls whose text no
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
        const std::map<ControlId, FakeControl> controls = Applied(w.id, kGreek);
        ASSERT_GE(controls.size(), 2u);
        ASSERT_EQ(controls.count(w.captionLabel), 1u);
        EXPECT_EQ(controls.at(w.captionLabel).fontSize, 0) << "the caption label keeps its design size";
        for (const auto& [control, state] : controls) {
            EXPECT_EQ(w.untouched.count(control), 0u) << "control " << control << " was relabelled";
            EXPECT_EQ(state.fontName, lang.FontName(kGreek)) << "control " << control;
            if (control != w.captionLabel) {
                EXPECT_EQ(state.fontSize, lang.FontSize(kGreek)) << "control " << control;
            }
            EXPECT_FALSE(state.text.empty()) << "control " << control;
        }
    }
}

// A damaged Language setting puts English on the window (its face, size and texts) instead of
// reading past the tables.
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
