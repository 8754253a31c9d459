"""The options dialog, the about box and the help file from outside: the dialogs opened from the
tray menu, their controls clicked through swdriver, the registry read with wine reg."""

import os
import re
import tempfile
import unittest

from e2e_support import (SETTINGS_KEY, TRAY_ABOUT, TRAY_OPTIONS, WM_RBUTTONUP, E2ETestCase, driver, reg_values,
                         session_dir, wait_until, wine_path)
from test_printing import pdf_files, wait_for_new_pdf

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")


def control_ids(header):
    """The control ids of a dialog, read from the header its template and its view share."""
    with open(os.path.join(ROOT, header), encoding="utf-8") as handle:
        return {name: value for name, value in re.findall(r"#define\s+(\w+)\s+(\d+)", handle.read())}


OPTIONS = control_ids("src/settings/win32/OptionsWindowIds.h")
START_WINDOW = ("Snapwright", "#32770")  # hidden: ShowSplash is "0"
# The windows' own titles keep their design captions; the caption labels take the language.
OPTIONS_TITLE = "Options for Snapwright"
GERMAN_OPTIONS_TITLE = "Optionen f\u00fcr Snapwright"
ABOUT_TITLE = "About Snapwright"
HELP_TITLE = "Snapwright Help"
WM_LBUTTONDBLCLK = "515"


class OptionsTest(E2ETestCase):
    def start(self, cwd=None, **stored):
        self.fresh_settings(**stored)
        return self.start_program(cwd=cwd)

    def stored(self):
        values = reg_values(SETTINGS_KEY)
        self.assertEqual({kind for kind, _ in values.values()} - {"REG_SZ"}, set(), "every value is text")
        return {name: data for name, (_, data) in values.items()}

    def open_from_tray(self, item, title):
        self.choose_from_tray(item)
        self.wait_window(title, f"{title} opens")

    def click(self, title, text):
        self.assertEqual(driver("click", title, text)[0], 0, f"no {text} on {title}")

    # The window's title follows at once. Then two shots a page, and landscape by its picture: Save
    # stores the language and the page's one shot with it. The clicks reach the dialog in the order
    # they are sent.
    def test_choosing_deutsch_relabels_the_dialog_at_once_and_save_stores_it_with_the_print_format(self):
        self.start()
        self.open_from_tray(TRAY_OPTIONS, OPTIONS_TITLE)
        self.assertIn("&Save", self.texts(OPTIONS_TITLE))
        self.assertEqual(driver("select", OPTIONS_TITLE, "1", OPTIONS["IDC_OPT_LANGUAGE"])[0], 0)

        texts = wait_until(lambda: (t := self.texts(GERMAN_OPTIONS_TITLE)) and "&Speichern" in t and t,
                           what="the German texts")
        for german in ("A&bbrechen", "Stan&dardeinst.", "Snapwright\u2122 Optionen", "Drucken", "Sprache"):
            self.assertIn(german, texts)
        self.assertNotIn("&Save", texts)
        for german in ("Druckformat", "Zeitstempel und Fußzeile", "Zeitstempel drucken", "Fußzeile mit Werbung drucken"):
            self.assertIn(german, texts)

        driver("click-id", GERMAN_OPTIONS_TITLE, OPTIONS["IDC_OPT_PORTRAIT_TWO_SHOTS"])
        driver("click-id", GERMAN_OPTIONS_TITLE, OPTIONS["IDC_OPT_LANDSCAPE_ONE_SHOT_PICTURE"])
        self.answer(GERMAN_OPTIONS_TITLE, "&Speichern")
        stored = wait_until(lambda: self.stored() if "NumShots" in self.stored() else None, what="the saved keys")
        self.assertEqual(len(stored), 12)
        self.assertEqual((stored["Language"], stored["Printformat"], stored["NumShots"]), ("1", "3", "1"))

    def test_cancel_takes_the_clicks_back_and_print_screen_prints_without_asking(self):
        self.start()
        self.open_from_tray(TRAY_OPTIONS, OPTIONS_TITLE)
        # While a dialog from the tray menu is open, the icon's clicks open nothing.
        driver("tray", WM_RBUTTONUP)
        driver("tray", WM_LBUTTONDBLCLK)
        self.assertNotEqual(driver("menu-rect")[0], 0, "no second tray menu")
        self.no_window("Snapwright ScreenshotEditor", "no editor", 1)
        self.click(OPTIONS_TITLE, "show printer selection")
        self.answer(OPTIONS_TITLE, "&Cancel")
        self.assertEqual(self.stored(), {"ShowSplash": "0"})

        before = pdf_files()
        self.assertEqual(driver("keys", "print")[0], 0)
        wait_for_new_pdf(before)
        self.no_window("Print", "no printer selection was shown", 1)
        # The start window's check box stores the record as it was before the cancelled clicks.
        self.assertEqual(driver("click", START_WINDOW[0], "Show this screen at startup", START_WINDOW[1])[0], 0)
        stored = wait_until(lambda: self.stored() if "PrintTo" in self.stored() else None, what="the record stored")
        self.assertEqual(stored["PrintTo"], "1")

    # The defaults are shown at once and stored only by Save: Cancel leaves every value as it was,
    # and the next opening shows what is stored. The window's title, which the taskbar shows, speaks
    # the language as the dialog does.
    def test_default_settings_are_stored_by_save_and_taken_back_by_cancel(self):
        self.start(SendTo="3", Language="1", SavePath="D:\\Bilder\\")
        before = self.stored()
        for button in ("&Cancel", "&Save"):
            self.open_from_tray(TRAY_OPTIONS, GERMAN_OPTIONS_TITLE)
            wait_until(lambda: "&Speichern" in self.texts(GERMAN_OPTIONS_TITLE), what="the stored language")
            self.click(GERMAN_OPTIONS_TITLE, "Stan&dardeinst.")
            self.wait_window(OPTIONS_TITLE, "the title English at once")
            self.assertIn("&Save", self.texts(OPTIONS_TITLE))
            self.answer(OPTIONS_TITLE, button)
            if button == "&Cancel":
                self.assertEqual(self.stored(), before)
        stored = wait_until(lambda: self.stored() if len(self.stored()) == 13 else None, what="the defaults stored")
        self.assertEqual((stored["SendTo"], stored["Language"], stored["ShowSplash"]), ("1", "0", "1"))
        self.assertEqual(stored["SavePath"], "D:\\Bilder\\")

    # The help file beside the program opens from any current folder; without it, none from the current
    # folder opens in its place, and a message tells where it was expected.
    def test_the_help_button_opens_the_help_file_beside_the_program_only(self):
        elsewhere = tempfile.mkdtemp(prefix="elsewhere-", dir=session_dir())
        program = self.start(cwd=elsewhere)
        self.open_from_tray(TRAY_OPTIONS, OPTIONS_TITLE)
        self.click(OPTIONS_TITLE, "?")
        # Wine's help viewer names its window after the title the help file gives itself.
        self.wait_window(HELP_TITLE, "the help viewer shows the file", timeout=30)
        self.close_window(HELP_TITLE)

        os.replace(os.path.join(program.folder, "Snapwright.chm"), os.path.join(elsewhere, "Snapwright.chm"))
        self.click(OPTIONS_TITLE, "?")
        self.assertIn(wine_path(os.path.join(program.folder, "Snapwright.chm")), self.message("OK"))
        self.no_window(HELP_TITLE, "no help viewer", 3)

    def test_the_about_box_shows_the_version_and_the_credits(self):
        self.start()
        self.open_from_tray(TRAY_ABOUT, ABOUT_TITLE)
        texts = self.texts(ABOUT_TITLE)
        self.assertIn("Snapwright", texts)
        self.assertIn("Version 1.1.9", texts)
        self.assertIn("&Update ?", texts)

        self.click(ABOUT_TITLE, "Credits...")
        self.wait_window("Credits")
        credits = "\n".join(self.texts("Credits"))
        self.assertIn("*************************  Credits  *************************", credits)
        self.assertIn("FreeImage", credits)
        self.answer("Credits", "OK")
        self.answer(ABOUT_TITLE, "&OK")


if __name__ == "__main__":
    unittest.main()
