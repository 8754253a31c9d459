#include "settings/frmOptions.h"

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <tuple>
#include <utility>

#include "fakes/FakeForm.h"
#include "fakes/FakePorts.h"
#include "fakes/FakeShell.h"
#include "lang/UILang.h"

namespace snapwright {
namespace {

using enum OptionsControl;
using fakes::FakeSettingsStore;
using fakes::FakeShell;
using Controls = std::vector<OptionsControl>;

const OptionsControl kOptionButtons[] = {optDfltPrt, optPrtSel,     optInstDir, OptAskDestDir, optSendWord, optXL,
                                         optPpt,     optAskRuntime, optEditor,  optHoch1,      optHoch2,    optQuer1};

void Put(FakeSettingsStore& store, std::initializer_list<std::pair<const char*, const char*>> values) {
    for (const auto& [key, value] : values) store.Put(key, value);
}

class frmOptionsTest : public ::testing::Test {
protected:
    frmOptionsTest() { manager.SetView(&options); }

    // The option buttons the calls so far have chosen.
    Controls Chosen() const {
        Controls chosen;
        for (OptionsControl option : kOptionButtons) {
            for (const FormCall& call : form.CallsOn(option)) {
                if (call == FormCall::SetChecked(option, true)) chosen.push_back(option);
            }
        }
        return chosen;
    }

    // The user clicks an option button: it becomes chosen, then its handler runs.
    void Click(OptionsControl option, void (frmOptions::*handler)()) {
        form.State(option).checked = true;
        (options.*handler)();
    }

    FakeForm form;
    FakeSettingsStore store;
    Settings settings;
    SettingsManager manager{store, settings};
    FakeShell shell;
    frmOptions options{form, manager, settings, shell};
};

TEST_F(frmOptionsTest, LoadSettingsChoosesTheStoredValuesOnTheControls) {
    struct Case {
        const char *printTo, *saveTo, *sendTo, *printformat;
        Controls chosen;
    };
    const Case cases[] = {
        {"1", "1", "1", "1", {optDfltPrt, optInstDir, optSendWord, optHoch1}},
        {"2", "2", "2", "2", {optPrtSel, OptAskDestDir, optXL, optHoch2}},
        {"1", "2", "3", "3", {optDfltPrt, OptAskDestDir, optPpt, optQuer1}},
        {"2", "1", "4", "1", {optPrtSel, optInstDir, optAskRuntime, optHoch1}},
        {"1", "1", "5", "2", {optDfltPrt, optInstDir, optEditor, optHoch2}},
    };
    Put(store, {{"Language", "1"}, {"PrintTimeStamp", "0"}, {"PrintUser", "1"}, {"PrintComputer", "0"}});
    for (const Case& c : cases) {
        Put(store,
            {{"PrintTo", c.printTo}, {"SaveTo", c.saveTo}, {"SendTo", c.sendTo}, {"Printformat", c.printformat}});
        form.ClearCalls();
        manager.LoadSettings();
        EXPECT_EQ(Chosen(), c.chosen);
        // The click handlers of the chosen buttons wrote the same values back.
        EXPECT_EQ((std::vector<std::string>{ByteToText(settings.PrintTo), ByteToText(settings.SaveTo),
                                            ByteToText(settings.SendTo), ByteToText(settings.Printformat)}),
                  (std::vector<std::string>{c.printTo, c.saveTo, c.sendTo, c.printformat}));
    }

    EXPECT_EQ(form.State(cmbLang).listIndex, 1);
    EXPECT_EQ(form.State(cmdOK).text, "&Speichern") << "the language list's handler put German on the dialog";
    const std::vector<bool> stored{false, true, false, true};
    EXPECT_EQ((std::vector<bool>{form.State(chkTimestamp).checked, form.State(chkUsername).checked,
                                 form.State(chkComputer).checked, form.State(chkFooter).checked}),
              stored);
    EXPECT_EQ((std::vector<bool>{settings.PrintTimeStamp, settings.PrintUser, settings.PrintComputer,
                                 settings.PrintFooter}),
              stored);
    EXPECT_TRUE(store.writes.empty()) << "loading writes nothing";
}

TEST_F(frmOptionsTest, AValueNoButtonStandsForChoosesNothingAndStaysInTheRecord) {
    Put(store, {{"PrintTo", "7"}, {"SaveTo", "0"}, {"SendTo", "9"}, {"Printformat", "3"}});
    manager.LoadSettings();
    EXPECT_EQ(Chosen(), Controls{optQuer1}) << "only the print format has a button for its value";
    EXPECT_EQ(settings.PrintTo, 7);
    EXPECT_EQ(settings.SaveTo, 0);
    EXPECT_EQ(settings.SendTo, 9);
}

TEST_F(frmOptionsTest, SetDefaultsLeavesPrintFormatSuiteListAndCheckBoxesAsTheyWere) {
    Put(store, {{"PrintTo", "2"}, {"SaveTo", "2"}, {"SendTo", "5"}, {"Printformat", "3"}, {"Language", "1"},
                {"Office", "1"}, {"PrintTimeStamp", "0"}});
    options.Form_Load();
    form.ClearCalls();

    manager.SetDefaults();

    EXPECT_EQ(Chosen(), (Controls{optDfltPrt, optInstDir, optSendWord}));
    for (OptionsControl untouched : {optHoch1, optHoch2, optQuer1, cmbOfficeSuite, chkTimestamp, chkUsername,
                                     chkComputer, chkFooter}) {
        EXPECT_TRUE(form.CallsOn(untouched).empty()) << "#" << Id(untouched) << " was touched";
    }
    // The first language is back on the dialog, the Microsoft icons show, the record holds the defaults.
    EXPECT_EQ(form.State(cmbLang).listIndex, 0);
    EXPECT_EQ(form.State(cmdOK).text, "&Save");
    EXPECT_TRUE(form.State(imWW).visible);
    EXPECT_FALSE(form.State(imWr).visible);
    EXPECT_EQ(settings.Printformat, 1);
    EXPECT_EQ(settings.Office, 0);
    EXPECT_TRUE(settings.PrintTimeStamp);
    EXPECT_TRUE(store.writes.empty()) << "SetDefaults alone writes nothing";
}

TEST_F(frmOptionsTest, APagePictureChoosesTheFormatButtonBeneathItWithItsShotsPerPage) {
    const std::tuple<void (frmOptions::*)(), OptionsControl, int, int> pictures[] = {
        {&frmOptions::Image2_Click, optHoch2, 2, 2},
        {&frmOptions::Image3_Click, optQuer1, 3, 1},
        {&frmOptions::Image1_Click, optHoch1, 1, 1},
    };
    for (const auto& [click, option, printformat, shots] : pictures) {
        (options.*click)();
        EXPECT_TRUE(form.State(option).checked) << Id(option);
        EXPECT_EQ(settings.Printformat, printformat);
        EXPECT_EQ(settings.NumShots, shots);
    }
    EXPECT_TRUE(store.writes.empty());
}

TEST_F(frmOptionsTest, EachCheckBoxWritesItsOwnStateIntoItsOwnField) {
    const std::tuple<OptionsControl, void (frmOptions::*)(), bool Settings::*> boxes[] = {
        {chkTimestamp, &frmOptions::chkTimestamp_Click, &Settings::PrintTimeStamp},
        {chkUsername, &frmOptions::chkUsername_Click, &Settings::PrintUser},
        {chkComputer, &frmOptions::chkComputer_Click, &Settings::PrintComputer},
        {chkFooter, &frmOptions::chkFooter_Click, &Settings::PrintFooter},
    };
    for (const auto& [box, handler, field] : boxes) {
        for (const auto& other : boxes) form.State(std::get<0>(other)).checked = std::get<0>(other) != box;
        settings = Settings{};
        (options.*handler)();
        EXPECT_FALSE(settings.*field) << "#" << Id(box);
        EXPECT_EQ(settings.PrintTimeStamp + settings.PrintUser + settings.PrintComputer + settings.PrintFooter, 3);
    }
}

TEST_F(frmOptionsTest, LoadFillsBothListsAndRereadsTheStore) {
    Put(store, {{"Office", "1"}, {"Language", "2"}});
    settings.PrintTo = 2;  // clicked in an earlier opening and cancelled
    options.Form_Load();

    const clsUILang& lang = UILang();
    ASSERT_EQ(form.State(cmbLang).items.size(), 17u);
    for (int i = 0; i < 17; ++i) EXPECT_EQ(form.State(cmbLang).items[i], lang.LangStr(i));
    EXPECT_EQ(form.State(cmbOfficeSuite).items,
              (std::vector<std::string>{"Microsoft Office (Word, Excel, Powerpoint)",
                                        "OpenOffice/StarOffice (Writer, Calc, Impress)"}));
    EXPECT_EQ(form.State(cmbOfficeSuite).listIndex, 1);
    EXPECT_EQ(form.State(cmbLang).listIndex, 2);
    EXPECT_EQ(form.State(lblCaption).text, lang.OptDlgC(2));
    EXPECT_TRUE(form.State(imSc).visible);
    EXPECT_FALSE(form.State(imXL).visible);
    EXPECT_EQ(settings.PrintTo, 1) << "the stored value replaces the cancelled click";
}

TEST_F(frmOptionsTest, AnOfficeValueTheListDoesNotKnowSelectsNothingAndMovesNoIcon) {
    store.Put("Office", "3");
    options.Form_Load();
    EXPECT_EQ(form.State(cmbOfficeSuite).listIndex, -1);
    EXPECT_EQ(settings.Office, 3);
    for (OptionsControl icon : {imWW, imXL, imPP, imWr, imSc, imIm}) {
        EXPECT_TRUE(form.CallsOn(icon).empty()) << Id(icon);
    }
}

TEST_F(frmOptionsTest, CancelClosesWithoutStoringAndKeepsTheClicks) {
    options.Form_Load();
    Click(optPrtSel, &frmOptions::optPrtSel_Click);
    Click(optHoch2, &frmOptions::optHoch2_Click);
    options.cmdCancel_Click();

    EXPECT_TRUE(form.Unloaded());
    EXPECT_EQ(settings.PrintTo, 2) << "the next hotkey asks for a printer";
    EXPECT_EQ(settings.NumShots, 2);
    EXPECT_TRUE(store.writes.empty());
}

TEST_F(frmOptionsTest, SaveStoresTheRecordAndCloses) {
    options.Form_Load();
    Click(optHoch2, &frmOptions::optHoch2_Click);
    form.State(chkFooter).checked = false;
    options.chkFooter_Click();
    options.cmdOK_Click();

    EXPECT_TRUE(form.Unloaded());
    EXPECT_EQ(store.Get("Printformat"), "2");
    EXPECT_EQ(store.Get("NumShots"), "2");
    EXPECT_EQ(store.Get("PrintFooter"), "0");
    EXPECT_EQ(store.writes.size(), 12u);
}

TEST_F(frmOptionsTest, RestoreDefaultsStoresTheDefaultsAtOnceAndStaysOpen) {
    Put(store, {{"SendTo", "3"}, {"Language", "1"}});
    options.Form_Load();
    Click(optHoch2, &frmOptions::optHoch2_Click);
    options.cmdRestore_Click();

    EXPECT_FALSE(form.Unloaded());
    EXPECT_EQ(store.Get("SendTo"), "1");
    EXPECT_EQ(store.Get("Language"), "0");
    EXPECT_EQ(store.Get("NumShots"), "1");
    EXPECT_EQ(form.State(cmdCancel).text, "&Cancel");

    options.cmdCancel_Click();
    EXPECT_EQ(store.Get("SendTo"), "1") << "cancelling afterwards does not take the stored defaults back";
}

TEST_F(frmOptionsTest, TheSuiteListShowsOneSuitesIconsWhereTheMicrosoftOnesStandAndKeepsTheCaptions) {
    const OptionsControl microsoft[] = {imWW, imXL, imPP};
    const OptionsControl openOffice[] = {imWr, imSc, imIm};
    for (int i = 0; i < 3; ++i) {
        form.State(microsoft[i]).bounds = Rect{3360, 2295 + 195 * i, 240, 240};
        form.State(openOffice[i]).bounds = Rect{3540, 2295 + 195 * i, 240, 225};
    }
    form.State(cmbOfficeSuite).listIndex = 1;
    options.cmbOfficeSuite_Click();
    EXPECT_EQ(settings.Office, 1);
    for (int i = 0; i < 3; ++i) {
        EXPECT_FALSE(form.State(microsoft[i]).visible) << i;
        EXPECT_TRUE(form.State(openOffice[i]).visible) << i;
        EXPECT_EQ(form.State(openOffice[i]).bounds, (Rect{3360, 2295 + 195 * i, 240, 225})) << i;
    }
    EXPECT_TRUE(form.CallsOn(optSendWord).empty()) << "the captions stay";

    form.State(cmbOfficeSuite).listIndex = 0;
    options.cmbOfficeSuite_Click();
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(form.State(microsoft[i]).visible) << i;
        EXPECT_FALSE(form.State(openOffice[i]).visible) << i;
    }
    EXPECT_TRUE(store.writes.empty());

    form.ClearCalls();
    settings.Office = 2;
    options.SetOffice();
    EXPECT_TRUE(form.Changes().empty()) << "a suite the list does not know changes nothing";
}

TEST_F(frmOptionsTest, TheLanguageListRelabelsTheDialogAtOnce) {
    options.Form_Load();
    form.ClearCalls();
    form.State(cmbLang).listIndex = 16;
    options.cmbLang_Click();

    EXPECT_EQ(settings.Language, 16);
    EXPECT_EQ(form.State(cmdOK).text, "&Apoqhkeush");
    EXPECT_TRUE(store.writes.empty()) << "the choice is stored only by Save";
}

TEST_F(frmOptionsTest, HelpOpensTheHelpFileFromTheCurrentFolderMaximised) {
    options.optHelp_Click();
    EXPECT_EQ(shell.opened, (std::vector<FakeShell::Opened>{{"Snapwright.chm", ShowAs::Maximized}}));
}

// A form that, like a real dialog, loads itself when it is first addressed: its load reads the
// settings again while the first LoadSettings is still showing them.
class SelfLoadingForm : public FakeForm {
public:
    std::function<void()> onLoad;
    void SetChecked(ControlId control, bool checked) override {
        LoadOnce();
        FakeForm::SetChecked(control, checked);
    }
    void SetListIndex(ControlId control, int index) override {
        LoadOnce();
        FakeForm::SetListIndex(control, index);
    }

private:
    void LoadOnce() {
        if (!m_loaded && onLoad) {
            m_loaded = true;
            onLoad();
        }
    }
    bool m_loaded = false;
};

TEST(frmOptionsStartUp, TheFirstLoadSettingsLoadsTheDialogHiddenAndEndsConsistent) {
    for (const bool damaged : {false, true}) {
        SCOPED_TRACE(damaged ? "damaged store" : "sound store");
        SelfLoadingForm form;
        FakeSettingsStore store;
        Put(store, {{"Printformat", "2"}, {"Office", "1"}});
        if (damaged) store.Put("SendTo", "");
        Settings settings;
        SettingsManager manager(store, settings);
        FakeShell shell;
        frmOptions options(form, manager, settings, shell);
        manager.SetView(&options);
        form.onLoad = [&] { options.Form_Load(); };

        manager.LoadSettings();

        EXPECT_EQ(form.State(cmbLang).items.size(), 17u);
        EXPECT_EQ(form.ModalShows(), 0) << "loaded, not shown";
        if (damaged) {
            EXPECT_EQ(settings.Printformat, 1);
            EXPECT_EQ(settings.Office, 0);
            EXPECT_EQ(store.Get("SendTo"), "1") << "the defaults are stored again";
            EXPECT_TRUE(form.State(imWW).visible);
        } else {
            EXPECT_EQ(settings.NumShots, 2);
            EXPECT_TRUE(form.State(optHoch2).checked);
            EXPECT_TRUE(form.State(imWr).visible);
            EXPECT_TRUE(store.writes.empty());
        }
    }
}

}  // namespace
}  // namespace snapwright
