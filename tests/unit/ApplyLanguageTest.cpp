#include "lang/ApplyLanguage.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

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

using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

constexpr int kEnglish = 0;
constexpr int kGerman = 1;
constexpr int kGreek = 16;

struct Caption {
    ControlId control;
    std::string text;
};

// Every call that puts a language on a window, and no other: the face on each listed control,
// the size on all but the caption label (the first), then the text. A control that is not listed
// keeps its design text and font.
std::vector<FormCall> Expected(const std::vector<Caption>& captions, const std::string& face = "Arial", int size = 8) {
    std::vector<FormCall> calls;
    for (std::size_t i = 0; i < captions.size(); ++i) {
        calls.push_back(FormCall::SetFontName(captions[i].control, face));
        if (i > 0) calls.push_back(FormCall::SetFontSize(captions[i].control, size));
        calls.push_back(FormCall::SetText(captions[i].control, captions[i].text));
    }
    return calls;
}

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

TEST_F(ApplyLanguageTest, AboutBoxLeavesTheCreditsButton) {
    using enum AboutControl;
    const LanguageTable& lang = Languages();
    EXPECT_THAT(Applied(kAboutWindow, kEnglish),
                ElementsAreArray(Expected({{Id(CaptionLabel), "About Snapwright™"},
                                           {Id(CopyrightLabel), lang.AboutCopyright(kEnglish)},
                                           {Id(DisclaimerLabel), lang.AboutDisclaimer(kEnglish)},
                                           {Id(OkButton), "&OK"},
                                           {Id(UpdateButton), "&Update ?"}})));
}

TEST_F(ApplyLanguageTest, ApplicationChoiceDialog) {
    using enum AskApplicationControl;
    EXPECT_THAT(Applied(kAskApplicationWindow, kEnglish),
                ElementsAreArray(Expected({{Id(CaptionLabel), "Send Screenshoot to ..."},
                                           {Id(ChoiceFrame), "Choose Application"},
                                           {Id(CancelButton), "&Cancel"},
                                           {Id(OkButton), "&OK"}})));
}

std::vector<Caption> GermanOptions() {
    using enum OptionsControl;
    return {{Id(CaptionLabel), "Snapwright™ Optionen"},
            {Id(PrintFrame), "Drucken"},
            {Id(DefaultPrinter), "auf Standarddrucker drucken"},
            {Id(ChoosePrinter), "Druckerauswahl anzeigen"},
            {Id(SaveFrame), "Speichern"},
            {Id(SaveToProgramFolder), "immer ins Snapwright™-Verzeichnis mit Standardnamen speichern"},
            {Id(AskForFile), "immer nach Zielverzeichnis und Dateinamen fragen"},
            {Id(SendFrame), "An Anwendung senden"},
            {Id(SendToWordProcessor), "Screenshot senden an"},
            {Id(SendToSpreadsheet), "Screenshot senden an"},
            {Id(SendToPresentation), "Screenshot senden an"},
            {Id(AskAtSend), "nach dem Zielprogramm fragen"},
            {Id(LanguageFrame), "Sprache"},
            {Id(LanguageLabel), "Sprache auswählen"},
            {Id(CancelButton), "A&bbrechen"},
            {Id(DefaultsButton), "Stan&dardeinst."},
            {Id(SaveButton), "&Speichern"}};
}

TEST_F(ApplyLanguageTest, OptionsDialogLeavesFormatHeaderFooterAndListControls) {
    EXPECT_THAT(Applied(kOptionsWindow, kGerman), ElementsAreArray(Expected(GermanOptions())));
}

// Picking Greek in the options dialog's language list relabels the dialog at once; the caption
// label keeps its design size, everything else takes the Greek face and size.
TEST_F(ApplyLanguageTest, OptionsDialogSwitchedToGreek) {
    using enum OptionsControl;
    FakeForm form;
    form.State(CaptionLabel).fontSize = 10;  // the caption label's design size
    ApplyLanguage(kOptionsWindow, kEnglish, form);
    ApplyLanguage(kOptionsWindow, kGreek, form);
    for (const Caption& c : GermanOptions()) {
        EXPECT_EQ(form.State(c.control).fontName, "Greek") << c.control;
        EXPECT_EQ(form.State(c.control).fontSize, c.control == Id(CaptionLabel) ? 10 : 11) << c.control;
    }
    EXPECT_EQ(form.State(CancelButton).text, "Diakoph");
    EXPECT_EQ(form.State(SendToPresentation).text, Languages().SendToOfficeOption(kGreek));
}

TEST_F(ApplyLanguageTest, SaveDialogLeavesTheThumbnailBoxAndTheBrowseButton) {
    using enum SaveAsControl;
    EXPECT_THAT(Applied(kSaveAsWindow, kEnglish),
                ElementsAreArray(Expected({{Id(CaptionLabel), "Save Screenshot As ..."},
                                           {Id(FormatFrame), "choose file format"},
                                           {Id(CancelButton), "&Cancel"},
                                           {Id(OkButton), "&OK"}})));
}

TEST_F(ApplyLanguageTest, StartDialogNamesTheApplication) {
    using enum StartApplicationControl;
    ApplicationToStart() = "Microsoft Word";
    EXPECT_THAT(Applied(kStartApplicationWindow, kEnglish),
                ElementsAreArray(Expected({{Id(CaptionLabel), "Send Screenshot to Microsoft Word"},
                                           {Id(Question), "Microsoft Word is not running. Start it now?"},
                                           {Id(CancelButton), "&Cancel"},
                                           {Id(OkButton), "&OK"}})));
}

TEST_F(ApplyLanguageTest, OtherWindowIdsChangeNothing) {
    for (int windowId : {0, 5, 7}) EXPECT_THAT(Applied(windowId, kGerman), IsEmpty()) << "window id " << windowId;
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
