#include "lang/ApplyLanguage.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "apps/AskApplicationControls.h"
#include "apps/StartApplication.h"
#include "apps/StartApplicationControls.h"
#include "fakes/FakeForm.h"
#include "lang/UILang.h"
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

// The calls that put a language on a window: the face on every control, the size on all but the
// caption label (the first), then the text.
std::vector<FormCall> Expected(const std::string& face, int size, const std::vector<Caption>& captions) {
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
    void SetUp() override { m_savedName = StartAppName(); }
    void TearDown() override { StartAppName() = m_savedName; }

private:
    std::string m_savedName;
};

TEST_F(ApplyLanguageTest, AboutBox) {
    using enum AboutControl;
    const clsUILang& lang = UILang();
    EXPECT_THAT(Applied(kAboutWindow, kEnglish),
                ElementsAreArray(Expected("Arial", 8,
                                          {{Id(lblCaption), "About Snapwright™"},
                                           {Id(lblCopyright), lang.AboutCopyright(kEnglish)},
                                           {Id(lblDisclaimer), lang.AboutDisclaimer(kEnglish)},
                                           {Id(cmdOK), "&OK"},
                                           {Id(cmdUpdate), "&Update ?"}})));

    FakeForm form;
    form.State(cmdCredits).text = "Credits...";
    ApplyLanguage(kAboutWindow, kGerman, form);
    EXPECT_EQ(form.State(lblCaption).text, "Über Snapwright™");
    EXPECT_EQ(form.State(lblCopyright).text, lang.AboutCopyright(kGerman));
    EXPECT_EQ(form.State(lblDisclaimer).text, lang.AboutDisclaimer(kGerman));
    EXPECT_EQ(form.State(cmdOK).text, "&OK");
    EXPECT_EQ(form.State(cmdUpdate).text, "&Update ?");
    for (AboutControl untouched : {Image1, Image2, lblTitle, lblVersion, Line1, cmdCredits}) {
        EXPECT_THAT(form.CallsOn(untouched), IsEmpty()) << Id(untouched);
    }
    EXPECT_EQ(form.State(cmdCredits).text, "Credits...");
}

TEST_F(ApplyLanguageTest, ApplicationChoiceDialog) {
    using enum AskApplicationControl;
    EXPECT_THAT(Applied(kAskApplicationWindow, kEnglish),
                ElementsAreArray(Expected("Arial", 8,
                                          {{Id(lblCaption), "Send Screenshoot to ..."},
                                           {Id(frmApp), "Choose Application"},
                                           {Id(cmdCancel), "&Cancel"},
                                           {Id(cmdOK), "&OK"}})));
    EXPECT_THAT(Applied(kAskApplicationWindow, kGerman),
                ElementsAreArray(Expected("Arial", 8,
                                          {{Id(lblCaption), "Screenshot senden an ..."},
                                           {Id(frmApp), "Wählen Sie eine Anwendung aus"},
                                           {Id(cmdCancel), "A&bbrechen"},
                                           {Id(cmdOK), "&OK"}})));
}

std::vector<Caption> GermanOptions() {
    using enum OptionsControl;
    return {{Id(lblCaption), "Snapwright™ Optionen"},
            {Id(frmPrint), "Drucken"},
            {Id(optDfltPrt), "auf Standarddrucker drucken"},
            {Id(optPrtSel), "Druckerauswahl anzeigen"},
            {Id(frmSave), "Speichern"},
            {Id(optInstDir), "immer ins Snapwright™-Verzeichnis mit Standardnamen speichern"},
            {Id(OptAskDestDir), "immer nach Zielverzeichnis und Dateinamen fragen"},
            {Id(frmApp), "An Anwendung senden"},
            {Id(optSendWord), "Screenshot senden an"},
            {Id(optXL), "Screenshot senden an"},
            {Id(optPpt), "Screenshot senden an"},
            {Id(optAskRuntime), "nach dem Zielprogramm fragen"},
            {Id(frmLang), "Sprache"},
            {Id(lblLanguage), "Sprache auswählen"},
            {Id(cmdCancel), "A&bbrechen"},
            {Id(cmdRestore), "Stan&dardeinst."},
            {Id(cmdOK), "&Speichern"}};
}

TEST_F(ApplyLanguageTest, OptionsDialog) {
    using enum OptionsControl;
    EXPECT_THAT(Applied(kOptionsWindow, kGerman), ElementsAreArray(Expected("Arial", 8, GermanOptions())));

    FakeForm form;
    ApplyLanguage(kOptionsWindow, kEnglish, form);
    EXPECT_EQ(form.State(lblCaption).text, "Options");
    EXPECT_EQ(form.State(optPrtSel).text, "show printer selection");
    EXPECT_EQ(form.State(optXL).text, "send screenshot to");
    EXPECT_EQ(form.State(lblLanguage).text, "choose language");
    EXPECT_EQ(form.State(cmdRestore).text, "&Default Settings");
    EXPECT_EQ(form.State(cmdOK).text, "&Save");
    // The editor choice, the suite and language lists, the print format, the page header and
    // footer boxes and the help button keep what their own window gives them.
    for (OptionsControl untouched : {optEditor, cmbOfficeSuite, imWW, imWr, Frame1, optHoch1, optHoch2, optQuer1,
                                     Frame2, chkTimestamp, chkUsername, chkComputer, chkFooter, cmbLang, optHelp}) {
        EXPECT_THAT(form.CallsOn(untouched), IsEmpty()) << Id(untouched);
    }
}

// Picking Greek in the options dialog's language list relabels the dialog at once; the caption
// label keeps its design size, everything else takes the Greek face and size.
TEST_F(ApplyLanguageTest, OptionsDialogSwitchedToGreekAndBack) {
    using enum OptionsControl;
    const clsUILang& lang = UILang();
    FakeForm form;
    form.State(lblCaption).fontSize = 10;  // the caption label's design size
    ApplyLanguage(kOptionsWindow, kEnglish, form);
    ApplyLanguage(kOptionsWindow, kGreek, form);

    const std::vector<Caption> listed = GermanOptions();
    for (const Caption& c : listed) {
        EXPECT_EQ(form.State(c.control).fontName, "Greek") << c.control;
        EXPECT_EQ(form.State(c.control).fontSize, c.control == Id(lblCaption) ? 10 : 11) << c.control;
    }
    EXPECT_EQ(form.State(lblCaption).text, lang.OptDlgC(kGreek));
    EXPECT_EQ(form.State(optPpt).text, lang.optOffice(kGreek));
    EXPECT_EQ(form.State(cmdCancel).text, "Diakoph");
    EXPECT_EQ(form.State(cmdOK).text, lang.SaveBtn(kGreek));

    ApplyLanguage(kOptionsWindow, kEnglish, form);
    for (const Caption& c : listed) {
        EXPECT_EQ(form.State(c.control).fontName, "Arial") << c.control;
        EXPECT_EQ(form.State(c.control).fontSize, c.control == Id(lblCaption) ? 10 : 8) << c.control;
    }
    EXPECT_EQ(form.State(cmdCancel).text, "&Cancel");
}

TEST_F(ApplyLanguageTest, SaveDialog) {
    using enum SaveAsControl;
    EXPECT_THAT(Applied(kSaveAsWindow, kEnglish),
                ElementsAreArray(Expected("Arial", 8,
                                          {{Id(lblCaption), "Save Screenshot As ..."},
                                           {Id(Frame1), "choose file format"},
                                           {Id(cmdCancel), "&Cancel"},
                                           {Id(cmdOK), "&OK"}})));

    FakeForm form;
    form.State(chkThumbnail).text = "create thumbnail";
    form.State(Command1).text = "...";
    ApplyLanguage(kSaveAsWindow, kGerman, form);
    EXPECT_EQ(form.State(lblCaption).text, "Screenshot speichern unter ...");
    EXPECT_EQ(form.State(Frame1).text, "Wählen Sie ein Dateiformat");
    EXPECT_EQ(form.State(cmdCancel).text, "A&bbrechen");
    for (SaveAsControl untouched : {cmbFileFormat, lblfilename, Command1, chkThumbnail, sldTn, lblTn}) {
        EXPECT_THAT(form.CallsOn(untouched), IsEmpty()) << Id(untouched);
    }
    EXPECT_EQ(form.State(chkThumbnail).text, "create thumbnail");
    EXPECT_EQ(form.State(Command1).text, "...");
}

TEST_F(ApplyLanguageTest, StartDialogNamesTheApplication) {
    using enum StartApplicationControl;
    StartAppName() = "Microsoft Word";
    EXPECT_THAT(Applied(kStartApplicationWindow, kEnglish),
                ElementsAreArray(Expected("Arial", 8,
                                          {{Id(lblCaption), "Send Screenshot to Microsoft Word"},
                                           {Id(Label1), "Microsoft Word is not running. Start it now?"},
                                           {Id(cmdCancel), "&Cancel"},
                                           {Id(cmdOK), "&OK"}})));

    StartAppName() = "Calc";
    EXPECT_THAT(Applied(kStartApplicationWindow, kGerman),
                ElementsAreArray(Expected("Arial", 8,
                                          {{Id(lblCaption), "Screenshot senden an Calc"},
                                           {Id(Label1), "Calc ist nicht gestartet. Jetzt starten?"},
                                           {Id(cmdCancel), "A&bbrechen"},
                                           {Id(cmdOK), "&OK"}})));
}

TEST_F(ApplyLanguageTest, GreekFaceAndSizeOnEveryWindowButTheCaptionSize) {
    StartAppName() = "Impress";
    for (int windowId : {kAboutWindow, kAskApplicationWindow, kOptionsWindow, kSaveAsWindow, kStartApplicationWindow}) {
        SCOPED_TRACE(windowId);
        const std::vector<FormCall> calls = Applied(windowId, kGreek);
        ASSERT_FALSE(calls.empty());
        const ControlId captionLabel = calls.front().control;
        EXPECT_EQ(captionLabel, 0);  // lblCaption is the first control of every one of these windows
        for (const FormCall& call : calls) {
            if (call.kind == FormCall::Kind::SetFontName) {
                EXPECT_EQ(call.text, "Greek");
            }
            if (call.kind == FormCall::Kind::SetFontSize) {
                EXPECT_NE(call.control, captionLabel);
                EXPECT_EQ(call.number, 11);
            }
        }
    }
}

TEST_F(ApplyLanguageTest, OtherWindowIdsChangeNothing) {
    for (int windowId : {0, 5, 7, -1, 255}) {
        FakeForm form;
        ApplyLanguage(windowId, kGerman, form);
        EXPECT_THAT(form.Calls(), IsEmpty()) << "window id " << windowId;
    }
}

// A damaged Language setting puts English on the window instead of reading past the tables.
TEST_F(ApplyLanguageTest, LanguageOutsideTheTablesAppliesEnglish) {
    StartAppName() = "Writer";
    for (int windowId : {kAboutWindow, kAskApplicationWindow, kOptionsWindow, kSaveAsWindow, kStartApplicationWindow}) {
        const std::vector<FormCall> english = Applied(windowId, kEnglish);
        EXPECT_EQ(Applied(windowId, 17), english) << "window id " << windowId;
        EXPECT_EQ(Applied(windowId, 255), english) << "window id " << windowId;
    }
}

}  // namespace
}  // namespace snapwright
