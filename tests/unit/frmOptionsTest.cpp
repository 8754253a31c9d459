#include "settings/frmOptions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "fakes/FakeForm.h"
#include "fakes/FakePorts.h"
#include "fakes/FakeShell.h"
#include "lang/UILang.h"

namespace snapwright {
namespace {

using enum OptionsControl;
using fakes::FakeSettingsStore;
using fakes::FakeShell;

const OptionsControl kOptionButtons[] = {optDfltPrt, optPrtSel,  optInstDir,    OptAskDestDir, optSendWord, optXL,
                                         optPpt,     optAskRuntime, optEditor, optHoch1,      optHoch2,    optQuer1};
const OptionsControl kCheckBoxes[] = {chkTimestamp, chkUsername, chkComputer, chkFooter};
const OptionsControl kIcons[] = {imWW, imXL, imPP, imWr, imSc, imIm};

class frmOptionsTest : public ::testing::Test {
protected:
    frmOptionsTest() { manager.SetView(&options); }

    // The option buttons the calls so far have chosen.
    std::vector<OptionsControl> Chosen() const {
        std::vector<OptionsControl> chosen;
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
    store.Put("PrintTo", "2");
    store.Put("SaveTo", "2");
    store.Put("SendTo", "4");
    store.Put("Printformat", "2");
    store.Put("NumShots", "1");
    store.Put("Language", "1");
    store.Put("PrintTimeStamp", "0");
    store.Put("PrintUser", "1");
    store.Put("PrintComputer", "0");
    store.Put("PrintFooter", "1");
    manager.LoadSettings();

    EXPECT_EQ(Chosen(), (std::vector<OptionsControl>{optPrtSel, OptAskDestDir, optAskRuntime, optHoch2}));
    EXPECT_EQ(form.State(cmbLang).listIndex, 1);
    EXPECT_FALSE(form.State(chkTimestamp).checked);
    EXPECT_TRUE(form.State(chkUsername).checked);
    EXPECT_FALSE(form.State(chkComputer).checked);
    EXPECT_TRUE(form.State(chkFooter).checked);

    // The handlers wrote the same values back, and the language list's handler put German on the dialog.
    EXPECT_EQ(settings.PrintTo, 2);
    EXPECT_EQ(settings.SaveTo, 2);
    EXPECT_EQ(settings.SendTo, 4);
    EXPECT_EQ(settings.Printformat, 2);
    EXPECT_EQ(settings.NumShots, 2);
    EXPECT_EQ(settings.Language, 1);
    EXPECT_FALSE(settings.PrintTimeStamp);
    EXPECT_TRUE(settings.PrintUser);
    EXPECT_FALSE(settings.PrintComputer);
    EXPECT_TRUE(settings.PrintFooter);
    EXPECT_EQ(form.State(cmdOK).text, "&Speichern");
    EXPECT_EQ(form.State(cmdCancel).text, "A&bbrechen");
    for (OptionsControl checkBox : kCheckBoxes) {
        const std::vector<FormCall> calls = form.CallsOn(checkBox);
        ASSERT_FALSE(calls.empty());
        EXPECT_EQ(calls.back().kind, FormCall::Kind::Checked)
            << "the handler of #" << Id(checkBox) << " reads the box after it was set";
    }
    EXPECT_TRUE(store.writes.empty()) << "loading writes nothing";
}

TEST_F(frmOptionsTest, EachStoredValueChoosesItsOwnButton) {
    struct Case {
        const char* key;
        const char* value;
        OptionsControl chosen;
    };
    const Case cases[] = {
        {"PrintTo", "1", optDfltPrt},     {"PrintTo", "2", optPrtSel},     {"SaveTo", "1", optInstDir},
        {"SaveTo", "2", OptAskDestDir},   {"SendTo", "1", optSendWord},    {"SendTo", "2", optXL},
        {"SendTo", "3", optPpt},          {"SendTo", "4", optAskRuntime},  {"SendTo", "5", optEditor},
        {"Printformat", "1", optHoch1},   {"Printformat", "2", optHoch2},  {"Printformat", "3", optQuer1},
    };
    for (const Case& c : cases) {
        FakeForm freshForm;
        FakeSettingsStore freshStore;
        Settings record;
        SettingsManager freshManager(freshStore, record);
        frmOptions dialog(freshForm, freshManager, record, shell);
        freshManager.SetView(&dialog);
        freshStore.Put(c.key, c.value);
        freshManager.LoadSettings();
        EXPECT_TRUE(freshForm.State(c.chosen).checked) << c.key << " " << c.value;
    }
}

TEST_F(frmOptionsTest, AValueNoButtonStandsForChoosesNothingAndStaysInTheRecord) {
    store.Put("PrintTo", "7");
    store.Put("SaveTo", "0");
    store.Put("SendTo", "9");
    store.Put("Printformat", "3");
    manager.LoadSettings();

    EXPECT_EQ(Chosen(), std::vector<OptionsControl>{optQuer1}) << "only the print format has a button for its value";
    EXPECT_EQ(settings.PrintTo, 7);
    EXPECT_EQ(settings.SaveTo, 0);
    EXPECT_EQ(settings.SendTo, 9);
}

TEST_F(frmOptionsTest, SetDefaultsLeavesPrintFormatSuiteListAndCheckBoxesAsTheyWere) {
    store.Put("PrintTo", "2");
    store.Put("SaveTo", "2");
    store.Put("SendTo", "5");
    store.Put("Printformat", "3");
    store.Put("Language", "1");
    store.Put("Office", "1");
    store.Put("PrintTimeStamp", "0");
    store.Put("PrintFooter", "0");
    options.Form_Load();
    ASSERT_EQ(form.State(cmbOfficeSuite).listIndex, 1);
    form.ClearCalls();

    manager.SetDefaults();

    EXPECT_EQ(Chosen(), (std::vector<OptionsControl>{optDfltPrt, optInstDir, optSendWord}));
    for (OptionsControl untouched : {optHoch1, optHoch2, optQuer1, cmbOfficeSuite, chkTimestamp, chkUsername,
                                     chkComputer, chkFooter}) {
        EXPECT_TRUE(form.CallsOn(untouched).empty()) << "#" << Id(untouched) << " was touched";
    }
    EXPECT_TRUE(form.State(optQuer1).checked);
    EXPECT_EQ(form.State(cmbOfficeSuite).listIndex, 1);
    EXPECT_FALSE(form.State(chkTimestamp).checked);

    // The first language is back on the dialog, the Microsoft icons show, the record holds the defaults.
    EXPECT_EQ(form.State(cmbLang).listIndex, 0);
    EXPECT_EQ(form.State(cmdOK).text, "&Save");
    EXPECT_TRUE(form.State(imWW).visible);
    EXPECT_FALSE(form.State(imWr).visible);
    EXPECT_EQ(settings.Printformat, 1);
    EXPECT_EQ(settings.NumShots, 1);
    EXPECT_EQ(settings.Office, 0);
    EXPECT_TRUE(settings.PrintTimeStamp && settings.PrintFooter);
    EXPECT_TRUE(store.writes.empty()) << "SetDefaults alone writes nothing";
}

TEST_F(frmOptionsTest, EveryOptionButtonWritesTheRecordAtOnce) {
    struct Case {
        OptionsControl option;
        void (frmOptions::*handler)();
        std::function<int(const Settings&)> field;
        int expected;
    };
    const auto printTo = [](const Settings& s) { return int{s.PrintTo}; };
    const auto saveTo = [](const Settings& s) { return int{s.SaveTo}; };
    const auto sendTo = [](const Settings& s) { return int{s.SendTo}; };
    const Case cases[] = {
        {optPrtSel, &frmOptions::optPrtSel_Click, printTo, 2},
        {optDfltPrt, &frmOptions::optDfltPrt_Click, printTo, 1},
        {OptAskDestDir, &frmOptions::OptAskDestDir_Click, saveTo, 2},
        {optInstDir, &frmOptions::optInstDir_Click, saveTo, 1},
        {optXL, &frmOptions::optXL_Click, sendTo, 2},
        {optPpt, &frmOptions::optPpt_Click, sendTo, 3},
        {optAskRuntime, &frmOptions::optAskRuntime_Click, sendTo, 4},
        {optEditor, &frmOptions::optEditor_Click, sendTo, 5},
        {optSendWord, &frmOptions::optSendWord_Click, sendTo, 1},
    };
    for (const Case& c : cases) {
        Click(c.option, c.handler);
        EXPECT_EQ(c.field(settings), c.expected) << "#" << Id(c.option);
    }
    EXPECT_TRUE(store.writes.empty());
}

TEST_F(frmOptionsTest, PrintFormatButtonsAndTheirPagesSetTheFormatAndTheShotsPerPage) {
    Click(optHoch2, &frmOptions::optHoch2_Click);
    EXPECT_EQ(settings.Printformat, 2);
    EXPECT_EQ(settings.NumShots, 2);
    Click(optQuer1, &frmOptions::optQuer1_Click);
    EXPECT_EQ(settings.Printformat, 3);
    EXPECT_EQ(settings.NumShots, 1);
    Click(optHoch1, &frmOptions::optHoch1_Click);
    EXPECT_EQ(settings.Printformat, 1);
    EXPECT_EQ(settings.NumShots, 1);

    // A click on a page picture chooses the button beneath it.
    options.Image2_Click();
    EXPECT_TRUE(form.State(optHoch2).checked);
    EXPECT_EQ(settings.NumShots, 2);
    options.Image3_Click();
    EXPECT_TRUE(form.State(optQuer1).checked);
    EXPECT_EQ(settings.Printformat, 3);
    options.Image1_Click();
    EXPECT_TRUE(form.State(optHoch1).checked);
    EXPECT_EQ(settings.Printformat, 1);
}

TEST_F(frmOptionsTest, CheckBoxesWriteTheirStateIntoTheRecord) {
    const std::pair<OptionsControl, void (frmOptions::*)()> boxes[] = {
        {chkTimestamp, &frmOptions::chkTimestamp_Click},
        {chkUsername, &frmOptions::chkUsername_Click},
        {chkComputer, &frmOptions::chkComputer_Click},
        {chkFooter, &frmOptions::chkFooter_Click},
    };
    const auto fields = [this] {
        return std::vector<bool>{settings.PrintTimeStamp, settings.PrintUser, settings.PrintComputer,
                                 settings.PrintFooter};
    };
    for (std::size_t i = 0; i < std::size(boxes); ++i) {
        form.State(boxes[i].first).checked = false;
        (options.*boxes[i].second)();
        std::vector<bool> expected(4, true);
        for (std::size_t j = 0; j <= i; ++j) expected[j] = false;
        EXPECT_EQ(fields(), expected) << "after clearing #" << Id(boxes[i].first);
    }
    form.State(chkUsername).checked = true;
    options.chkUsername_Click();
    EXPECT_TRUE(settings.PrintUser);
}

TEST_F(frmOptionsTest, LoadFillsBothListsAndRereadsTheStore) {
    store.Put("Office", "1");
    store.Put("Language", "2");
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
    for (OptionsControl icon : kIcons) EXPECT_TRUE(form.CallsOn(icon).empty()) << "#" << Id(icon);
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
    store.Put("SendTo", "3");
    store.Put("Language", "1");
    options.Form_Load();
    Click(optHoch2, &frmOptions::optHoch2_Click);
    options.cmdRestore_Click();

    EXPECT_FALSE(form.Unloaded());
    EXPECT_EQ(store.Get("SendTo"), "1");
    EXPECT_EQ(store.Get("Language"), "0");
    EXPECT_EQ(store.Get("Printformat"), "1");
    EXPECT_EQ(store.Get("NumShots"), "1");
    EXPECT_EQ(store.Get("ShowSplash"), "1");
    EXPECT_EQ(form.State(cmdCancel).text, "&Cancel");

    // Cancelling afterwards does not take the stored defaults back.
    options.cmdCancel_Click();
    EXPECT_EQ(store.Get("SendTo"), "1");
}

TEST_F(frmOptionsTest, SetOfficeShowsOneSuiteAndPutsItsIconsWhereTheOthersStand) {
    const Rect ww{3360, 2295, 240, 240}, xl{3360, 2490, 240, 240}, pp{3360, 2685, 240, 240};
    const Rect wr{3540, 2295, 240, 225}, sc{3540, 2490, 240, 225}, im{3540, 2685, 240, 225};
    form.State(imWW).bounds = ww;
    form.State(imXL).bounds = xl;
    form.State(imPP).bounds = pp;
    form.State(imWr).bounds = wr;
    form.State(imSc).bounds = sc;
    form.State(imIm).bounds = im;

    settings.Office = 1;
    options.SetOffice();
    for (OptionsControl icon : {imWW, imXL, imPP}) EXPECT_FALSE(form.State(icon).visible) << "#" << Id(icon);
    for (OptionsControl icon : {imWr, imSc, imIm}) EXPECT_TRUE(form.State(icon).visible) << "#" << Id(icon);
    EXPECT_EQ(form.State(imWr).bounds, (Rect{3360, 2295, 240, 225}));
    EXPECT_EQ(form.State(imSc).bounds, (Rect{3360, 2490, 240, 225}));
    EXPECT_EQ(form.State(imIm).bounds, (Rect{3360, 2685, 240, 225}));

    settings.Office = 0;
    options.SetOffice();
    for (OptionsControl icon : {imWW, imXL, imPP}) EXPECT_TRUE(form.State(icon).visible) << "#" << Id(icon);
    for (OptionsControl icon : {imWr, imSc, imIm}) EXPECT_FALSE(form.State(icon).visible) << "#" << Id(icon);

    form.ClearCalls();
    settings.Office = 2;
    options.SetOffice();
    EXPECT_TRUE(form.Changes().empty());
}

TEST_F(frmOptionsTest, TheSuiteListSwapsTheIconsAndKeepsTheCaptions) {
    options.Form_Load();
    const std::string wordCaption = form.State(optSendWord).text;
    form.ClearCalls();
    form.State(cmbOfficeSuite).listIndex = 1;
    options.cmbOfficeSuite_Click();
    EXPECT_EQ(settings.Office, 1);
    EXPECT_TRUE(form.State(imWr).visible);
    EXPECT_FALSE(form.State(imWW).visible);
    EXPECT_TRUE(form.CallsOn(optSendWord).empty());
    EXPECT_EQ(form.State(optSendWord).text, wordCaption);
    EXPECT_TRUE(store.writes.empty());
}

TEST_F(frmOptionsTest, TheLanguageListRelabelsTheDialogAtOnce) {
    options.Form_Load();
    form.ClearCalls();
    form.State(cmbLang).listIndex = 16;
    options.cmbLang_Click();

    EXPECT_EQ(settings.Language, 16);
    EXPECT_EQ(form.State(cmdOK).text, "&Apoqhkeush");
    EXPECT_EQ(form.State(frmPrint).fontName, "Greek");
    EXPECT_EQ(form.State(frmPrint).fontSize, 11);
    EXPECT_EQ(form.State(lblCaption).fontName, "Greek");
    EXPECT_TRUE(std::none_of(form.Calls().begin(), form.Calls().end(), [](const FormCall& call) {
        return call.kind == FormCall::Kind::SetFontSize && call.control == Id(lblCaption);
    })) << "the caption label keeps its design size";
    for (OptionsControl designText : {Frame1, Frame2, chkFooter, optEditor, optHoch1}) {
        EXPECT_TRUE(form.CallsOn(designText).empty()) << "#" << Id(designText);
    }
    EXPECT_TRUE(store.writes.empty()) << "the choice is stored only by Save";

    form.State(cmbLang).listIndex = 1;
    options.cmbLang_Click();
    EXPECT_EQ(form.State(cmdCancel).text, "A&bbrechen");
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
    int loads = 0;

private:
    void LoadOnce() {
        if (loads++ == 0 && onLoad) onLoad();
    }
};

TEST(frmOptionsStartUp, TheFirstLoadSettingsLoadsTheDialogHiddenAndEndsConsistent) {
    for (const bool damaged : {false, true}) {
        SelfLoadingForm form;
        FakeSettingsStore store;
        store.Put("Printformat", "2");
        store.Put("Office", "1");
        if (damaged) store.Put("SendTo", "");
        Settings settings;
        SettingsManager manager(store, settings);
        FakeShell shell;
        frmOptions options(form, manager, settings, shell);
        manager.SetView(&options);
        form.onLoad = [&] { options.Form_Load(); };

        manager.LoadSettings();

        EXPECT_EQ(form.State(cmbLang).items.size(), 17u) << damaged;
        EXPECT_FALSE(form.Unloaded());
        EXPECT_EQ(form.ModalShows(), 0) << "loaded, not shown";
        if (damaged) {
            EXPECT_EQ(settings.Printformat, 1);
            EXPECT_EQ(settings.Office, 0);
            EXPECT_EQ(store.Get("SendTo"), "1") << "the defaults are stored again";
            EXPECT_TRUE(form.State(imWW).visible);
        } else {
            EXPECT_EQ(settings.NumShots, 2);
            EXPECT_TRUE(form.State(optHoch2).checked);
            EXPECT_EQ(form.State(cmbOfficeSuite).listIndex, 1);
            EXPECT_TRUE(form.State(imWr).visible);
            EXPECT_TRUE(store.writes.empty());
        }
    }
}

}  // namespace
}  // namespace snapwright
