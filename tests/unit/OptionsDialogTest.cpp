#include "settings/OptionsDialog.h"

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
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
using Controls = std::vector<OptionsControl>;

const OptionsControl kOptionButtons[] = {DefaultPrinter,     ChoosePrinter, SaveToProgramFolder, AskForFile,
                                         SendToWordProcessor, SendToSpreadsheet, SendToPresentation, AskAtSend,
                                         SendToEditor,       PortraitOneShot, PortraitTwoShots,   LandscapeOneShot};

void Put(FakeSettingsStore& store, std::initializer_list<std::pair<const char*, const char*>> values) {
    for (const auto& [key, value] : values) store.Put(key, value);
}

// A form that, like a real dialog, loads itself when it is first addressed (once a test gives it
// the load): its load reads the settings again while the first LoadSettings is still showing them.
class SelfLoadingForm : public FakeForm {
public:
    std::function<void()> onLoad;
    void SetChecked(ControlId control, bool checked) override {
        if (onLoad) std::exchange(onLoad, nullptr)();
        FakeForm::SetChecked(control, checked);
    }
};

class OptionsDialogTest : public ::testing::Test {
protected:
    OptionsDialogTest() { manager.SetView(&options); }

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
    fakes::FakeShell shell;
    fakes::FakeFileSystem files;
    fakes::FakeUserMessages messages;
    HelpFile help{shell, files, messages};
    OptionsDialog options{form, manager, settings, help};
};

TEST_F(OptionsDialogTest, LoadSettingsChoosesTheStoredValuesOnTheControls) {
    Put(store, {{"PrintTo", "2"}, {"SaveTo", "2"}, {"SendTo", "5"}, {"Printformat", "2"}, {"Language", "1"},
                {"PrintTimeStamp", "0"}, {"PrintComputer", "0"}});
    manager.LoadSettings();
    EXPECT_EQ(Chosen(), (Controls{ChoosePrinter, AskForFile, SendToEditor, PortraitTwoShots}));
    EXPECT_EQ(form.State(LanguageList).listIndex, 1);
    EXPECT_EQ(form.State(SaveButton).text, "&Speichern") << "the language list's handler put German on the dialog";
    EXPECT_EQ((std::vector<bool>{form.State(TimestampBox).checked, form.State(UserNameBox).checked,
                                 form.State(ComputerNameBox).checked, form.State(FooterBox).checked}),
              (std::vector<bool>{false, true, false, true}));
    EXPECT_TRUE(store.writes.empty()) << "loading writes nothing";
}

// The defaults are shown on every control at once and stored only by Save (the e2e tests save and
// cancel them); Cancel (and closing the dialog otherwise) takes back every click: the record is as loaded.
TEST_F(OptionsDialogTest, ClicksWriteTheRecordAtOnceTheDefaultsShowAndCancelTakesThemBack) {
    Put(store, {{"PrintTo", "2"}, {"SendTo", "3"}, {"Printformat", "2"}, {"PrintUser", "0"}, {"PrintFooter", "0"}});
    options.OnLoad();
    const Settings loaded = settings;
    for (OptionsControl option : {DefaultPrinter, AskForFile, SendToEditor, LandscapeOneShotPicture}) {
        options.OnOption(option);
    }
    form.State(UserNameBox).checked = true;
    options.OnCheckBox(UserNameBox);
    form.SetListIndex(Id(OfficeSuiteList), 1);
    options.OnOfficeSuiteChosen();
    form.SetListIndex(Id(LanguageList), 1);
    options.OnLanguageChosen();
    EXPECT_TRUE(form.State(LandscapeOneShot).checked) << "the page picture chose its button";
    EXPECT_EQ(settings, (Settings{.SaveTo = SaveTarget::AskForFile, .SendTo = SendTarget::Editor,
                                  .Printformat = PageFormat::LandscapeOneShot, .Language = 1,
                                  .Office = OfficeSuite::OpenOffice, .PrintFooter = false}));
    EXPECT_TRUE(form.State(WriterIcon).visible);
    EXPECT_FALSE(form.State(WordIcon).visible);
    EXPECT_EQ(form.State(SendToWordProcessor).text, "Screenshot senden an") << "the suite changes icons, not captions";
    EXPECT_EQ(form.State(kWindowTitle).text, "Optionen für Snapwright") << "the taskbar's title follows at once";

    for (OptionsControl option : kOptionButtons) form.State(option).checked = false;  // as a group unchecks
    options.OnRestoreDefaults();
    EXPECT_EQ(Chosen(), (Controls{DefaultPrinter, SaveToProgramFolder, SendToWordProcessor, PortraitOneShot}));
    EXPECT_TRUE(form.State(FooterBox).checked);
    EXPECT_EQ(form.State(OfficeSuiteList).listIndex, 0);
    EXPECT_EQ(form.State(SaveButton).text, "&Save");
    EXPECT_TRUE(form.State(WordIcon).visible);
    EXPECT_FALSE(form.State(WriterIcon).visible);

    options.OnCancel();
    EXPECT_EQ(settings, loaded);
    EXPECT_TRUE(store.writes.empty());
    EXPECT_TRUE(form.Unloaded());
}

// The open editor hears of a language only when Save stores one the store did not hold.
TEST_F(OptionsDialogTest, SavingAnotherLanguageTellsTheOpenWindows) {
    int told = 0;
    options.SetLanguageSavedHandler([&told] { ++told; });
    options.OnLoad();
    EXPECT_EQ(form.State(kWindowTitle).text, "Options for Snapwright");
    options.OnSave();
    EXPECT_EQ(told, 0) << "the language stayed";
    options.OnLoad();
    form.SetListIndex(Id(LanguageList), 14);
    options.OnLanguageChosen();
    EXPECT_EQ(told, 0) << "not before it is saved";
    options.OnSave();
    EXPECT_EQ(told, 1);
    EXPECT_EQ(store.Get("Language"), "14");
}

TEST_F(OptionsDialogTest, TheFirstLoadSettingsFromADamagedStoreEndsWithTheDefaultsStoredAgain) {
    form.onLoad = [this] { options.OnLoad(); };
    Put(store, {{"Printformat", "2"}, {"Office", "1"}, {"SendTo", ""}});
    manager.LoadSettings();
    EXPECT_EQ(form.State(LanguageList).items.size(), 17u);
    EXPECT_EQ(form.ModalShows(), 0) << "loaded, not shown";
    EXPECT_EQ(settings, Settings{});
    EXPECT_EQ(store.Get("SendTo"), "1") << "the defaults are stored again";
    EXPECT_TRUE(form.State(WordIcon).visible);
}

}  // namespace
}  // namespace snapwright
