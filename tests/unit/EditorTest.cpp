#include "unit/EditorFixture.h"

#include <set>

#include "editor/ScrollLayout.h"

namespace snapwright {
namespace {

using enum EditorControl;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

TEST(ScrollLayoutTest, MaximaRoundHalvesToEvenAndAlignTheFarEdgeAtTheMaximum) {
    struct Case {
        int picture, view, maximum;
    };
    for (const Case c : {Case{900, 980, -2}, Case{1030, 980, 1}, Case{1050, 980, 1}, Case{1055, 980, 2},
                         Case{1105, 980, 2}, Case{1004, 980, 0}, Case{960, 980, 0}}) {
        EXPECT_EQ(ScrollMaximum(c.picture, c.view), c.maximum) << c.picture << " in " << c.view;
    }
    EXPECT_EQ(ScrollOffset(1, 1, 1030, 980), 50);   // 50 pixels wider: one step, the edge flush
    EXPECT_EQ(ScrollOffset(1, 2, 1105, 980), 50);   // whole steps before the maximum
    EXPECT_EQ(ScrollOffset(2, 2, 1105, 980), 125);  // at it, the right edge meets the view's
    EXPECT_EQ(ScrollOffset(0, -2, 900, 900), 0);    // a smaller picture: a negative maximum is never reached
    EXPECT_EQ(ScrollOffset(0, 0, 1004, 980), 24);   // within half a step, the maximum is the start
}

// A click maps to the picture point the view shows under it, also at the scroll maximum, where
// the offset is no whole number of steps.
TEST_F(EditorTest, ClicksMapToThePointShownWhileScrolled) {
    OpenOn(1105, 1000);  // horizontal maximum 2 (125 pixels), vertical 7 (360 pixels)
    window.value[Id(HorizontalScroll)] = 2;
    window.value[Id(VerticalScroll)] = 7;
    editor.OnScroll();
    EXPECT_EQ(window.shownFrom, (Point{125, 360}));
    EXPECT_EQ(Core().ToPicture({10, 20}), (Point{135, 380}));
}

TEST_F(EditorTest, OnlyTheConfiguredSuitesOfficeButtonsShow) {
    settings.Office = OfficeSuite::OpenOffice;
    OpenOn(100, 100);
    for (const char* button : {"Word", "Excel", "PowerPoint"}) EXPECT_FALSE(form.State(Button(button)).visible);
    for (const char* button : {"Writer", "Calc", "Impress"}) EXPECT_TRUE(form.State(Button(button)).visible);
}

// Before the first capture there is nothing to hand on; an image opened then becomes the current
// screenshot. The picture handed on is the editor's, and becomes the current screenshot too.
TEST_F(EditorTest, BeforeTheFirstCaptureOnlyAnOpenedImageIsHandedOn) {
    editor.OnLoad();
    EXPECT_FALSE(Core().HasPicture());
    for (const char* button : {"Save", "Print", "Copy", "Word"}) Click(button);
    EXPECT_EQ(window.informed.size(), 4u);
    EXPECT_THAT(window.informed[0], HasSubstr("no picture"));
    EXPECT_TRUE(handedOn.empty());
    EXPECT_EQ(currentShot.Get(), nullptr);

    WillOpen("C:\\pictures\\logo.png");
    fileContents.picture = std::make_shared<fakes::FakePicture>(64, 32, 7);
    Click("Open");
    EXPECT_EQ(fakes::SerialOf(currentShot.Get()), 7);
    DrawFrame();
    Click("Print");
    EXPECT_THAT(handedOn, ElementsAre("load C:\\pictures\\logo.png", "print " + std::to_string(Serial())));
    EXPECT_EQ(currentShot.Get(), Core().LastPicture());
    EXPECT_EQ(fakes::PixelsOf(*currentShot.Get()), Pixels()) << "the frame painted in";
    EXPECT_EQ(Core().Marked().Marks().Count(), 1u) << "and still a mark";
}

// The editor speaks the language chosen in the options dialog from the next question on, even
// while it is open; a file it cannot open is told with the reason in that language too.
TEST_F(EditorTest, QuestionsAndMessagesAreInTheLanguageChosenWhileTheEditorIsOpen) {
    OpenOn(400, 300);
    DrawFrame();
    settings.Language = 1;
    window.answers = {EditorAnswer::Cancel};
    EXPECT_FALSE(editor.OnClose());
    EXPECT_THAT(window.questions, ElementsAre("Änderungen an dieser Datei speichern?"));

    window.answers = {EditorAnswer::Yes};
    WillOpen("C:\\bilder\\riesig.png", "Screenshot-Datei öffnen");
    fileContents = {nullptr, {TextId::PictureTooLargeReason, {{"size", "60000 × 20"}, {"limit", "16384"}}}};
    Click("Open");
    ASSERT_EQ(messages.errors.size(), 1u);
    EXPECT_EQ(messages.errors[0], "Snapwright konnte\nC:\\bilder\\riesig.png\nnicht öffnen.\n\nDas Bild ist 60000 × 20 "
                                  "Pixel groß. Snapwright öffnet Bilder mit bis zu 16384 Pixeln je Seite.");
}

// The buttons' names (which automation reads), their tips with the keyboard's name for Ctrl, the
// labels and the language's face go on the window when it opens, and at once on an open window
// when the language chosen in the options is saved; a closed window is left alone until it opens.
TEST_F(EditorTest, TheWindowSpeaksTheLanguageFromItsOpeningAndAtOnceWhenItChanges) {
    settings.Language = 1;
    OpenOn(400, 300);
    EXPECT_EQ(form.State(Button("Undo")).text, "Rückgängig");
    EXPECT_EQ(window.tips[Button("Undo")], "Letzte Änderung rückgängig machen (Strg+Z)");
    EXPECT_EQ(form.State(Button("Word")).text, "Word");
    EXPECT_EQ(window.tips[Button("Word")], "Bild an Microsoft Word senden");
    EXPECT_EQ(form.State(Id(StrengthLabel)).text, "Stärke:");
    EXPECT_EQ(window.tips[Id(HelpButton)], "Hilfe");
    EXPECT_EQ(window.textFont, "Arial 8");

    settings.Language = 16;
    editor.OnLanguageChanged();
    EXPECT_EQ(form.State(Button("Redact")).text, "Απόκρυψη");
    EXPECT_EQ(window.tips[Button("Text")].substr(0, 15), "Κείμενο:");
    EXPECT_EQ(form.State(Id(ColourButton)).text, "Χρώμα");
    EXPECT_EQ(window.textFont, "Arial 11");

    ASSERT_TRUE(editor.OnClose());
    settings.Language = 0;
    editor.OnLanguageChanged();
    EXPECT_EQ(form.State(Button("Redact")).text, "Απόκρυψη") << "a closed window is not loaded to change it";
    editor.OnLoad();
    EXPECT_EQ(form.State(Button("Redact")).text, "Redact");
}

// Automation finds a button by its name: within the editor no two controls share one, and every
// button and list has a tip, in every language.
TEST_F(EditorTest, EveryControlHasItsOwnNameAndATipInEveryLanguage) {
    OpenOn(100, 100);
    std::vector<ControlId> named = {Id(ColourButton), Id(HelpButton), Id(StrengthLabel), Id(TextSizeLabel)};
    for (std::size_t i = 0; i < editor.Toolbar().size(); ++i) named.push_back(ToolbarControl(i));
    for (int language = 0; language < kLanguageCount; ++language) {
        settings.Language = language;
        editor.OnLanguageChanged();
        std::set<std::string> names;
        for (ControlId control : named) {
            const std::string name = form.State(control).text;
            EXPECT_FALSE(name.empty()) << language << ": control " << control;
            EXPECT_TRUE(names.insert(name).second) << language << ": \"" << name << "\" twice";
            if (control != Id(StrengthLabel) && control != Id(TextSizeLabel)) {
                EXPECT_FALSE(window.tips[control].empty()) << language << ": control " << control;
            }
        }
        EXPECT_FALSE(window.tips[Id(StrengthList)].empty() || window.tips[Id(TextSizeList)].empty()) << language;
    }
}

TEST_F(EditorTest, NewAndCloseAskFirstAndKeepWhatWasNotSaved) {
    OpenOn(400, 300);
    EXPECT_TRUE(editor.OnClose());  // nothing changed: no question
    EXPECT_TRUE(window.questions.empty());
    EXPECT_TRUE(form.Hidden()) << "closed, the window is hidden at once and not shown again";

    DrawFrame();
    window.answers = {EditorAnswer::Cancel, EditorAnswer::Yes};
    saveWrites = false;
    EXPECT_FALSE(editor.OnClose());
    EXPECT_FALSE(editor.OnClose());  // "Yes", but the save did not happen
    window.answers = {EditorAnswer::No};
    Click("New");  // "No" to discarding: saved first, which fails again
    EXPECT_TRUE(Core().HasPicture() && Core().changed);
    EXPECT_EQ(Core().UndoCount(), 1u) << "a save that wrote nothing keeps the changes";
    EXPECT_THAT(window.questions, ElementsAre("Save changes to this file?", "Save changes to this file?",
                                              "Really discard this file?"));

    saveWrites = true;
    window.answers = {EditorAnswer::No};
    Click("New");
    EXPECT_FALSE(Core().HasPicture());
    EXPECT_FALSE(form.State(VerticalScroll).visible);
    EXPECT_EQ(Core().UndoCount(), 0u);
    EXPECT_TRUE(editor.OnClose()) << "an empty editor has nothing to save";
    EXPECT_EQ(window.questions.size(), 4u);
}

// The editor is out of the way while the region is drawn; what was not saved is asked about
// first, as New asks, and a cancelled region leaves everything as it was.
TEST_F(EditorTest, RegionTakesANewPictureWithTheEditorHidden) {
    OpenOn(400, 300);
    DrawFrame();
    PicturePtr region;
    editor.SetRegionCapture([&] {
        EXPECT_TRUE(form.Hidden());
        return region;
    });
    window.answers = {EditorAnswer::Yes, EditorAnswer::Yes};
    Click("Region");
    EXPECT_FALSE(form.Hidden());
    EXPECT_TRUE(Core().changed) << "cancelled";
    region = std::make_shared<fakes::FakePicture>(240, 180, 5);
    Click("Region");
    EXPECT_THAT(window.questions, ElementsAre("Really discard this file?", "Really discard this file?"));
    EXPECT_EQ(Serial(), 5);
    EXPECT_FALSE(Core().changed);
    EXPECT_EQ(fakes::SerialOf(currentShot.Get()), 5);
}

// The options dialog's help button is seen in the e2e tests; the editor's opens the same file.
TEST_F(EditorTest, TheHelpButtonOpensTheHelpFileBesideTheProgramMaximised) {
    const std::string path = "C:\\Program Files\\Snapwright\\Snapwright.chm";
    files.files[path] = {'c', 'h', 'm'};
    editor.OnClick(Id(HelpButton));
    EXPECT_THAT(shell.opened, ElementsAre(fakes::FakeShell::Opened{path, ShowAs::Maximized}));
}

}  // namespace
}  // namespace snapwright
