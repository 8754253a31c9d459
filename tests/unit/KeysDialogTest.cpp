#include "capture/KeysDialog.h"

#include <gtest/gtest.h>

#include <utility>

#include "CaptureSpine.h"
#include "capture/KeyChoices.h"
#include "capture/KeyMessages.h"
#include "fakes/FakeForm.h"

// The e2e tests choose keys in the dialog's fields and see them work; these cases follow the
// dialog's rows through loads, switches, defaults and refusals.
namespace snapwright {
namespace {

using namespace fakes;
using enum KeysControl;

class KeysDialogTest : public ::testing::Test, protected CaptureSpine {
protected:
    KeysDialogTest() {
        store.Put("Hotkey3", "Ctrl+Alt+S");
        store.Put("Hotkey5", "");
        EXPECT_TRUE(hotkeys.RegisterHotkeys());
    }

    std::vector<std::string> Fields() const {
        std::vector<std::string> texts;
        for (std::size_t row = 0; row < kHotkeyCount; ++row) texts.push_back(form.State(KeyField(row)).text);
        return texts;
    }
    // Opens the dialog (its load), lets `whileOpen` act on it and returns when it closes.
    void Open(std::function<void()> whileOpen) {
        form.OnShowModal([this, whileOpen] {
            dialog.OnLoad();
            whileOpen();
        });
        dialog.Show();
    }
    void Check(std::size_t row, bool on) {
        form.State(RowBox(row)).checked = on;
        dialog.OnRowSwitched(row);
    }

    FakeForm form;
    ShotDestinations destinations{settings, {}};
    Hotkeys hotkeys{service, messages, engine, currentShot, destinations, store, settings};
    KeysDialog dialog{form, hotkeys, messages, settings};
};

// A row switched off shows its default greyed, ready to be switched on again; keys that would take
// typing away are let pass; while the dialog is open the program's own keys are given back.
TEST_F(KeysDialogTest, TheRowsShowTheChosenKeysAndTakeTheKeysPressedInThem) {
    Open([this] {
        EXPECT_TRUE(service.registered.empty()) << "the keys reach the fields";
        EXPECT_EQ(Fields(), (std::vector<std::string>{"Print Screen", "Alt+Print Screen", "Ctrl+Alt+S",
                                                      "Alt+Shift+Print Screen", "Ctrl+Print Screen",
                                                      "Ctrl+Alt+Print Screen", "Ctrl+Shift+Print Screen"}));
        EXPECT_FALSE(form.State(RowBox(4)).checked);
        EXPECT_FALSE(form.State(KeyField(4)).enabled);
        EXPECT_EQ(form.State(RowBox(6)).text, "Draw a region for the editor");
        EXPECT_EQ(form.State(DefaultsButton).text, "&Defaults");

        dialog.OnKeyPressed(0, {kModControl | kModShift, 0x78});
        dialog.OnKeyPressed(1, {0, 'S'});
        dialog.OnKeyPressed(4, {kModControl, 'E'});  // switched off: the field takes nothing
        EXPECT_EQ(form.State(KeyField(0)).text, "Ctrl+Shift+F9");
        EXPECT_EQ(form.State(KeyField(1)).text, "Alt+Print Screen");
        EXPECT_EQ(form.State(KeyField(4)).text, "Ctrl+Print Screen");
        Check(6, false);
        dialog.OnOk();
    });
    EXPECT_TRUE(form.Unloaded());
    EXPECT_EQ(store.Get("Hotkey1"), "Ctrl+Shift+F9");
    EXPECT_EQ(store.Get("Hotkey7"), "");
    EXPECT_EQ(service.Held().size(), 5u) << "the keys resume with the new choice";
    EXPECT_EQ(service.Held().at("Snapwright\u21221"), (FakeHotkeyService::Keys{kModControl | kModShift, 0x78}));
}

// Opened, cancelled, opened again: the second opening shows what is stored, and Defaults brings back
// the table of today on every row.
TEST_F(KeysDialogTest, CancelKeepsWhatWasStoredAndDefaultsBringBackEveryRow) {
    bool again = false;
    Open([this, &again] {
        if (std::exchange(again, true)) return;  // the modal form shown again
        dialog.OnKeyPressed(0, {kModControl, 'Q'});
        dialog.Show();  // the options' Keys button again: the dialog only comes to the front
        EXPECT_TRUE(service.registered.empty()) << "the keys rest until the dialog closes";
        dialog.OnCancel();
    });
    EXPECT_EQ(service.registered.size(), 6u);
    EXPECT_EQ(store.Get("Hotkey1"), std::nullopt);
    settings.Language = 1;  // German: the window's title, which the taskbar shows, follows too
    Open([this] {
        EXPECT_EQ(form.State(kWindowTitle).text, "Tasten für Snapwright");
        EXPECT_EQ(form.State(KeyField(0)).text, "Druck") << "the keys as German keyboards name them";
        dialog.OnDefaults();
        EXPECT_EQ(Fields()[2], "Umschalt+Druck");
        EXPECT_EQ(Fields()[6], "Strg+Umschalt+Druck");
        EXPECT_TRUE(form.State(RowBox(4)).checked);
        EXPECT_TRUE(form.State(KeyField(4)).enabled);
        dialog.OnOk();
    });
    EXPECT_EQ(LoadKeyChoices(store), DefaultKeyChoices());
    EXPECT_EQ(store.Get("Hotkey7"), "Ctrl+Shift+Print Screen") << "stored in English whatever the language";
}

// Two rows with one key: told by name, the dialog stays open on that row, and nothing is stored
// until the user has chosen again. (A key another program holds is refused alike: the hotkeys'
// test refuses it, the e2e keys test sees the dialog keep its row.)
TEST_F(KeysDialogTest, ASharedKeyKeepsTheDialogOpenOnItsRow) {
    Open([this] {
        dialog.OnKeyPressed(3, {kModControl | kModAlt, 'S'});
        dialog.OnOk();
        EXPECT_EQ(messages.errors, std::vector<std::string>{SharedKeyMessage({kModControl | kModAlt, 'S'}, 2, 3, 0)});
        EXPECT_EQ(form.focused, Id(KeyField(3)));
        EXPECT_FALSE(form.Unloaded());
        EXPECT_TRUE(store.writes.empty());

        dialog.OnKeyPressed(3, {kModControl, 'J'});
        dialog.OnOk();
    });
    EXPECT_TRUE(form.Unloaded());
    EXPECT_EQ(store.Get("Hotkey4"), "Ctrl+J");
}

}  // namespace
}  // namespace snapwright
