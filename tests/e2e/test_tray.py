"""The tray program: start window, tray icon and its menu, exit."""

import difflib
import unittest

from e2e_support import (SETTINGS_KEY, TRAY_EXIT, TRAY_LEAVE, E2ETestCase, driver, read_text, reg_delete_key,
                         reg_values, screenshot, wait_until)

START_TITLE = "Snapwright"


class StartWindowTest(E2ETestCase):
    def test_first_start_shows_the_start_window_and_its_box_stores_showsplash_at_once(self):
        reg_delete_key(SETTINGS_KEY)
        self.start_program()
        self.wait_window(START_TITLE)
        texts = "\n".join(self.texts(START_TITLE))
        self.assertIn("Snapwright 1.1", texts)
        self.assertIn("Show this screen at startup", texts)

        self.assertEqual(driver("click", START_TITLE, "Show this screen at startup")[0], 0)
        wait_until(lambda: reg_values(SETTINGS_KEY).get("ShowSplash", (None, None))[1] == "0",
                   what="ShowSplash 0 in the registry")
        self.answer(START_TITLE, "&OK")
        self.programs[-1].stop()

        self.start_program()
        self.no_window(START_TITLE, "the next start shows no start window", 3)


class TrayMenuTest(E2ETestCase):
    def open_menu(self, language="eng"):
        """Opens the tray menu through the icon's callback message; returns the texts it shows."""
        left, top, width, height = self.open_tray_menu()
        return read_text(screenshot(self.path("menu.png")), f"{width}x{height}+{left}+{top}", language)

    def test_menu_in_german_leave_does_nothing_and_exit_ends_the_program(self):
        self.fresh_settings(Language=1)
        program = self.start_program()

        # The captures come first, each with the key that does the same when there is one.
        read = self.open_menu("deu")
        self.assertEqual(read[5:], ["Optionen", "Info", "Men\u00fc verlassen", "Beenden"])
        self.assertEqual([line.split()[0] for line in read[:5]], ["Bildschirm", "Fenster", "Bereich", "Fenster",
                                                                  "Editor"])
        self.assertTrue(read[2].replace(" ", "").endswith("+Umschalt+Druck"), read)  # as German keyboards name them
        for key in ["down"] * TRAY_LEAVE + ["enter"]:
            driver("keys", key)
        self.assertEqual(driver("menu-closed")[0], 0, "leave closes the menu")
        self.assertIsNone(program.process.poll(), "leave does not end the program")

        self.choose_from_tray(TRAY_EXIT)
        self.assertEqual(program.exit_code(timeout=20), 0, "exit ends the program")

        # The hotkeys are free again: a new instance starts.
        self.start_program()

    # Without the region key, no key is shown, and every line is Greek.
    def test_menu_in_greek_reads_in_greek_letters(self):
        self.fresh_settings(Language=16, Hotkey7="")
        self.start_program()
        expected = ["Οθόνη", "Παράθυρο σε πρώτο πλάνο", "Περιοχή", "Παράθυρο με κύλιση", "Επεξεργαστής", "Επιλογές",
                    "Πληροφορίες", "Κλείσιμο μενού", "Έξοδος"]
        read = self.open_menu("ell")
        driver("keys", "escape")
        # OCR mistakes a letter now and then, which weighs much in a short word: the menu that reads
        # mostly as its entries, line by line, is that menu.
        self.assertEqual(len(read), len(expected), read)
        ratio = difflib.SequenceMatcher(None, "\n".join(read).lower(), "\n".join(expected).lower()).ratio()
        self.assertGreater(ratio, 0.8, read)
        self.assertFalse(any("a" <= c.lower() <= "z" for line in read for c in line), read)


if __name__ == "__main__":
    unittest.main()
