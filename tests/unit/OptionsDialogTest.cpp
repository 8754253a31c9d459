#include "settings/OptionsDialog.h"

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <tuple>
#include <utility>

#include "fakes/FakeForm.h"
#include "fakes/FakePorts.h"
#include "fakes/FakeSavePorts.h"
#include "fakes/FakeShell.h"

// The e2e tests click through the dialog (language, formats, Save, Cancel, defaults, help); these
// cases show the record on the controls, which only the store's odd values reach.
namespace snapwright {
namespace {

using enum OptionsControl;
using fakes::FakeSettingsStore;
using fakes::FakeFileSystem;
using fakes::FakeShell;
using fakes::FakeUserMessages;
using Controls = std::vector<OptionsControl>;

const OptionsControl kOptionButtons[] = {DefaultPrinter, ChoosePrinter,     SaveToProgramFolder, AskForFile, SendToWordProcessor, SendToSpreadsheet,
                                         SendToPresentation,     AskAtSend, SendToEditor,  PortraitOneShot,      PortraitTwoShots,    LandscapeOneShot};

void Put(FakeSettingsStore& store, std::initializer_list<std::pair<const char*, const char*>> values) {
    for (const auto& [key, value] : values) store.Put(key, value);
}

// A form that, like a real dialog, loads itself when it is first addressed (once a test gives it
// the load): its load reads the settings again while the first LoadSettings is still showing them.
// The e2e tests start the program on stored settings, which takes this path with sound ones.
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

class OptionsDialogTest : public ::testing::Test {
protected:
    OptionsDialogTest() { manager.SetView(&options); }

    // The option buttons that are checked.
    Controls Chosen() const {
        Controls chosen;
        for (OptionsControl option : kOptionButtons) {
            if (form.State(option).checked) chosen.push_back(option);
        }
        return chosen;
    }

    SelfLoadingForm form;
    FakeSettingsStore store;
    Settings settings;
    SettingsManager manager{store, settings};
    FakeShell shell;
    FakeFileSystem files;
    FakeUserMessages messages;
    HelpFile help{shell, files, messages};
    OptionsDialog options{form, manager, settings, help};
};

TEST_F(OptionsDialogTest, LoadSettingsChoosesTheStoredValuesOnTheControls) {
    struct Case {
        const char *printTo, *saveTo, *sendTo, *printformat;
        Controls chosen;
    };
    const Case cases[] = {
        {"1", "1", "1", "1", {DefaultPrinter, SaveToProgramFolder, SendToWordProcessor, PortraitOneShot}},
        {"2", "2", "2", "2", {ChoosePrinter, AskForFile, SendToSpreadsheet, PortraitTwoShots}},
        {"1", "2", "3", "3", {DefaultPrinter, AskForFile, SendToPresentation, LandscapeOneShot}},
        {"2", "1", "4", "1", {ChoosePrinter, SaveToProgramFolder, AskAtSend, PortraitOneShot}},
        {"1", "1", "5", "2", {DefaultPrinter, SaveToProgramFolder, SendToEditor, PortraitTwoShots}},
    };
    Put(store, {{"Language", "1"}, {"PrintTimeStamp", "0"}, {"PrintUser", "1"}, {"PrintComputer", "0"}});
    for (const Case& c : cases) {
        Put(store,
            {{"PrintTo", c.printTo}, {"SaveTo", c.saveTo}, {"SendTo", c.sendTo}, {"Printformat", c.printformat}});
        form.controls.clear();
        manager.LoadSettings();
        EXPECT_EQ(Chosen(), c.chosen);
        // The click handlers of the chosen buttons wrote the same values back.
        EXPECT_EQ((std::vector<std::string>{ByteToText(settings.PrintTo), ByteToText(settings.SaveTo),
                                            ByteToText(settings.SendTo), ByteToText(settings.Printformat)}),
                  (std::vector<std::string>{c.printTo, c.saveTo, c.sendTo, c.printformat}));
    }

    EXPECT_EQ(form.State(LanguageList).listIndex, 1);
    EXPECT_EQ(form.State(SaveButton).text, "&Speichern") << "the language list's handler put German on the dialog";
    // The check boxes' handlers, too, write back what the boxes show, each into its own field.
    const std::vector<bool> stored{false, true, false, true};
    EXPECT_EQ((std::vector<bool>{form.State(TimestampBox).checked, form.State(UserNameBox).checked,
                                 form.State(ComputerNameBox).checked, form.State(FooterBox).checked}),
              stored);
    EXPECT_EQ((std::vector<bool>{settings.PrintTimeStamp, settings.PrintUser, settings.PrintComputer,
                                 settings.PrintFooter}),
              stored);
    EXPECT_TRUE(store.writes.empty()) << "loading writes nothing";
}

TEST_F(OptionsDialogTest, RestoreDefaultsShowsTheDefaultsOnEveryControl) {
    Put(store, {{"PrintTo", "2"}, {"SaveTo", "2"}, {"SendTo", "5"}, {"Printformat", "3"}, {"Language", "1"},
                {"Office", "1"}, {"PrintTimeStamp", "0"}, {"PrintFooter", "0"}});
    options.OnLoad();
    for (OptionsControl option : kOptionButtons) form.State(option).checked = false;  // as a group unchecks

    options.OnRestoreDefaults();

    EXPECT_EQ(Chosen(), (Controls{DefaultPrinter, SaveToProgramFolder, SendToWordProcessor, PortraitOneShot}));
    for (OptionsControl box : {TimestampBox, UserNameBox, ComputerNameBox, FooterBox}) {
        EXPECT_TRUE(form.State(box).checked) << "#" << Id(box);
    }
    EXPECT_EQ(form.State(OfficeSuiteList).listIndex, 0);
    EXPECT_EQ(form.State(LanguageList).listIndex, 0);
    EXPECT_EQ(form.State(SaveButton).text, "&Save");
    EXPECT_TRUE(form.State(WordIcon).visible);
    EXPECT_FALSE(form.State(WriterIcon).visible);
    EXPECT_EQ(store.Get("Printformat"), "1");
    EXPECT_EQ(store.Get("PrintFooter"), "1");
}

// Cancel (and closing the dialog otherwise) takes back every click: the record is as loaded.
TEST_F(OptionsDialogTest, CancelReturnsTheRecordToWhatIsStored) {
    Put(store, {{"PrintTo", "2"}, {"SendTo", "3"}, {"Printformat", "2"}, {"PrintUser", "0"}});
    options.OnLoad();
    const Settings loaded = settings;
    options.OnDefaultPrinter();
    options.OnAskForFile();
    options.OnSendToEditor();
    options.OnLandscapePage();
    form.State(UserNameBox).checked = true;
    options.OnUserNameBox();
    form.SetListIndex(Id(OfficeSuiteList), 1);
    options.OnOfficeSuiteChosen();
    form.SetListIndex(Id(LanguageList), 1);
    options.OnLanguageChosen();
    ASSERT_EQ(settings.Language, 1);

    options.OnCancel();

    EXPECT_EQ(std::tie(settings.PrintTo, settings.SaveTo, settings.SendTo, settings.Printformat, settings.NumShots,
                       settings.Language, settings.Office, settings.PrintUser),
              std::tie(loaded.PrintTo, loaded.SaveTo, loaded.SendTo, loaded.Printformat, loaded.NumShots,
                       loaded.Language, loaded.Office, loaded.PrintUser));
    EXPECT_TRUE(store.writes.empty());
    EXPECT_TRUE(form.Unloaded());
}

TEST_F(OptionsDialogTest, TheSuiteListShowsOneSuitesIconsWhereTheMicrosoftOnesStandAndKeepsTheCaptions) {
    const OptionsControl microsoft[] = {WordIcon, ExcelIcon, PowerPointIcon};
    const OptionsControl openOffice[] = {WriterIcon, CalcIcon, ImpressIcon};
    for (int i = 0; i < 3; ++i) {
        form.State(microsoft[i]).bounds = Rect{3360, 2295 + 195 * i, 240, 240};
        form.State(openOffice[i]).bounds = Rect{3540, 2295 + 195 * i, 240, 225};
    }
    form.State(OfficeSuiteList).listIndex = 1;
    options.OnOfficeSuiteChosen();
    EXPECT_EQ(settings.Office, 1);
    for (int i = 0; i < 3; ++i) {
        EXPECT_FALSE(form.State(microsoft[i]).visible) << i;
        EXPECT_TRUE(form.State(openOffice[i]).visible) << i;
        EXPECT_EQ(form.State(openOffice[i]).bounds, (Rect{3360, 2295 + 195 * i, 240, 225})) << i;
    }
    EXPECT_FALSE(form.Touched(SendToWordProcessor)) << "the captions stay";
    EXPECT_TRUE(store.writes.empty());
}

TEST_F(OptionsDialogTest, TheFirstLoadSettingsFromADamagedStoreEndsWithTheDefaultsStoredAgain) {
    form.onLoad = [this] { options.OnLoad(); };
    Put(store, {{"Printformat", "2"}, {"Office", "1"}, {"SendTo", ""}});
    manager.LoadSettings();
    EXPECT_EQ(form.State(LanguageList).items.size(), 17u);
    EXPECT_EQ(form.ModalShows(), 0) << "loaded, not shown";
    EXPECT_EQ(settings.Printformat, 1);
    EXPECT_EQ(settings.Office, 0);
    EXPECT_EQ(store.Get("SendTo"), "1") << "the defaults are stored again";
    EXPECT_TRUE(form.State(WordIcon).visible);
}

}  // namespace
}  // namespace snapwright
