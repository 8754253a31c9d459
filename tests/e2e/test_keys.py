"""Keys taken by other programs and keys of the user's choice, from outside: a stand-in of ours holds
plain Print Screen as Windows' own screen capture does, another holds keys as other programs do;
the keys dialog is answered through its controls, the registry read with wine reg and the clipboard
with xclip."""

import unittest

from e2e_support import (DRIVER, EDITOR, KEYBOARD_KEY, SCREEN, SETTINGS_KEY, TRAY_OPTIONS, TRAY_SCREEN, TRAY_WINDOW,
                         E2ETestCase, Helper, clipboard_bmp, driver, image_size, put_text_on_clipboard, reg_add,
                         reg_values, wait_until)
from fakeoffice import RunningOffice
from test_options import OPTIONS, OPTIONS_TITLE, control_ids
from test_printing import pdf_files, wait_for_new_pdf

KEYS = control_ids("src/capture/win32/KeysWindowIds.h")
KEYS_TITLE = "Keys for Snapwright"
SAVE_TITLE = "Save Screenshot As ..."
SNIPPING = "PrintScreenKeyForSnippingEnabled"


def snipping_value():
    return reg_values(KEYBOARD_KEY).get(SNIPPING, (None, None))


class KeysTestCase(E2ETestCase):
    def hold(self, *args):
        """Runs a swdriver command that holds keys as another program would, until the test ends."""
        self.addCleanup(Helper([DRIVER, *args], first_line=b"held").close)

    def windows_capture_on(self, delay=0):
        """Windows' own screen capture on plain Print Screen, letting go `delay` ms after it is switched off."""
        reg_add(KEYBOARD_KEY, SNIPPING, "1", "REG_DWORD")
        self.addCleanup(reg_add, KEYBOARD_KEY, SNIPPING, "0", "REG_DWORD")
        self.hold("windows-capture", str(delay), "300000")

    def open_keys(self):
        self.choose_from_tray(TRAY_OPTIONS)
        self.wait_window(OPTIONS_TITLE)
        self.assertEqual(driver("click-id", OPTIONS_TITLE, OPTIONS["IDC_OPT_KEYS"])[0], 0)
        self.wait_window(KEYS_TITLE, "the keys dialog opens")

    def press_in_field(self, row, keys, shown):
        """Puts the focus on a row's key field, presses the keys there and waits until the field shows them."""
        field = KEYS[f"IDC_KEYS_FIELD{row}"]
        self.assertEqual(driver("focus-id", KEYS_TITLE, field)[0], 0)
        wait_until(lambda: driver("focus", KEYS_TITLE)[1].strip() == self.field(row), what="the field's focus")
        self.assertEqual(driver("keys", keys)[0], 0)
        wait_until(lambda: self.field(row) == shown, what=f"the field to show {shown}")

    def field(self, row):
        """The text of a row's key field."""
        code, text = driver("text", KEYS_TITLE, KEYS[f"IDC_KEYS_FIELD{row}"])
        self.assertEqual(code, 0)
        return text.strip()

    def assert_screen_on_clipboard(self, name):
        shot = clipboard_bmp(self.path(name))
        self.assertEqual(image_size(shot), SCREEN)
        return shot


class WindowsCaptureTest(KeysTestCase):
    # No: the program runs without plain Print Screen and the system stays as it is; a key of the
    # user's choice, set in the registry, does its work.
    def test_no_leaves_windows_capture_on_and_a_key_of_the_users_choice_opens_the_save_dialog(self):
        self.windows_capture_on()
        self.fresh_settings(Hotkey3="Ctrl+Shift+F9")
        program = self.start_program(ready=False)
        text = self.message("&No")
        self.assertIn("Print Screen is already used by another program.", text)
        self.assertIn("\u201cUse the Print screen key to open screen capture\u201d", text)
        self.assertIn("Switch Windows\u2019 Print Screen capture off for this user now?", text)
        program.wait_ready()
        self.assertEqual(snipping_value(), ("REG_DWORD", "0x1"))

        self.hotkey("ctrl+shift+f9")
        self.wait_window(SAVE_TITLE, "the chosen key opens the save dialog")
        self.assert_screen_on_clipboard("chosen.bmp")
        self.answer(SAVE_TITLE, "&Cancel")

    # Yes on a fresh start: the value becomes 0, Windows lets go seconds later, and plain Print
    # Screen takes the screen without a restart and without another word.
    def test_yes_switches_windows_capture_off_and_print_screen_then_takes_the_screen(self):
        self.windows_capture_on(delay=2000)
        self.fresh_settings()
        keyboard = reg_values(KEYBOARD_KEY)
        program = self.start_program(ready=False)
        self.message("&Yes")
        program.wait_ready()
        self.assertEqual(reg_values(KEYBOARD_KEY), {**keyboard, SNIPPING: ("REG_DWORD", "0x0")}, "nothing else changes")
        wait_until(lambda: b"Print Screen works now" in program.debug_output(), timeout=30,
                   what="the program to take Print Screen")

        before = pdf_files()
        self.hotkey("print")
        self.assert_screen_on_clipboard("print.bmp")
        wait_for_new_pdf(before)
        self.no_window("Snapwright", "nothing is said again")


class ChosenKeysTest(KeysTestCase):
    # A key another program holds is refused by name and the dialog stays on its row; the next
    # choice works at once. Opened, cancelled, opened again: the dialog shows what is stored.
    def test_a_key_chosen_in_the_dialog_works_at_once_and_a_taken_one_is_refused_by_name(self):
        self.hold("hold-key", "ctrl+alt+k", "300000")
        self.fresh_settings()
        self.start_program()
        self.open_keys()
        self.press_in_field(3, "ctrl+alt+j", "Ctrl+Alt+J")
        self.answer(KEYS_TITLE, "&Cancel")
        self.assertNotIn("Hotkey3", reg_values(SETTINGS_KEY))

        self.assertEqual(driver("click-id", OPTIONS_TITLE, OPTIONS["IDC_OPT_KEYS"])[0], 0)
        self.wait_window(KEYS_TITLE)
        self.assertEqual(self.field(3), "Shift+Print Screen")
        self.press_in_field(3, "ctrl+alt+k", "Ctrl+Alt+K")
        self.assertEqual(driver("click", KEYS_TITLE, "&OK")[0], 0)
        self.assertIn("Ctrl+Alt+K is already used by another program.", self.message("OK"))
        self.wait_window(KEYS_TITLE, "the dialog stays open", timeout=2)
        self.assertEqual(self.field(3), "Ctrl+Alt+K", "the row is kept")

        self.press_in_field(3, "ctrl+alt+j", "Ctrl+Alt+J")
        self.answer(KEYS_TITLE, "&OK")
        self.assertEqual(reg_values(SETTINGS_KEY)["Hotkey3"], ("REG_SZ", "Ctrl+Alt+J"))
        # The options dialog is still open: the key works all the same.
        self.hotkey("ctrl+alt+j")
        self.wait_window(SAVE_TITLE, "the chosen key opens the save dialog")
        self.answer(SAVE_TITLE, "&Cancel")
        self.answer(OPTIONS_TITLE, "&Cancel")
        self.assertEqual(reg_values(SETTINGS_KEY)["Hotkey3"], ("REG_SZ", "Ctrl+Alt+J"), "the options' Cancel keeps it")

    # Print Screen reaches the field, though Windows delivers only its release: the program's own
    # keys are given back while the dialog is open.
    def test_print_screen_with_modifiers_is_taken_in_the_field_and_defaults_bring_back_the_table(self):
        self.fresh_settings(Hotkey1="Ctrl+Shift+F9")
        self.start_program()
        self.open_keys()
        self.press_in_field(1, "alt+print", "Alt+Print Screen")
        self.assertEqual(driver("click", KEYS_TITLE, "&OK")[0], 0)
        self.assertIn("Alt+Print Screen is chosen twice", self.message("OK"))
        self.assertEqual(driver("click", KEYS_TITLE, "&Defaults")[0], 0)
        wait_until(lambda: self.field(1) == "Print Screen", what="the defaults")
        self.answer(KEYS_TITLE, "&OK")
        self.assertEqual(reg_values(SETTINGS_KEY)["Hotkey1"], ("REG_SZ", "Print Screen"))
        self.answer(OPTIONS_TITLE, "&Cancel")


class TrayCaptureTest(KeysTestCase):
    # Every key switched off: nothing is said, and the tray menu takes the window that was in front
    # before the menu opened, and the screen, onto the clipboard and into the editor.
    def test_the_tray_menu_captures_with_no_key_registered_at_all(self):
        self.fresh_settings(**{f"Hotkey{row}": "" for row in range(1, 8)})
        self.addCleanup(RunningOffice("Snapwright test window").close)
        program = self.start_program()
        self.no_window("Snapwright", "nothing to tell")

        put_text_on_clipboard()
        self.choose_from_tray(TRAY_WINDOW)
        self.wait_window(EDITOR, "the editor opens on the window")
        self.assertEqual(image_size(clipboard_bmp(self.path("window.bmp"))), (480, 320))
        self.close_window(EDITOR)

        put_text_on_clipboard()
        self.choose_from_tray(TRAY_SCREEN)
        self.wait_window(EDITOR, "the editor opens on the screen")
        self.assert_screen_on_clipboard("screen.bmp")
        self.assertNotIn(b"works now", program.debug_output())


if __name__ == "__main__":
    unittest.main()
