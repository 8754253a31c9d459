"""The capture spine from outside: hotkeys pressed through SendInput, the X clipboard read with
xclip, the screen read with ImageMagick, the registry read with wine reg."""

import os
import unittest

from e2e_support import (E2ETestCase, PatternWindow, SETTINGS_KEY, clipboard_bmp, different_pixels, driver,
                         image_size, put_text_on_clipboard, reg_add, reg_delete_key, screenshot, session_dir)

SCREEN = (1024, 768)
WM_RBUTTONUP = "517"


class CaptureTest(E2ETestCase):
    def setUp(self):
        reg_delete_key(SETTINGS_KEY)
        reg_add(SETTINGS_KEY, "ShowSplash", "0")
        # The send keys only capture here: no office program to send to, no dialog over the pattern.
        reg_add(SETTINGS_KEY, "SendTo", "0")
        self.pattern = PatternWindow(400, 300, 150, 120)
        self.addCleanup(self.pattern.close)
        self.program = self.start_program()
        self.files = os.path.join(session_dir(), self.id())
        os.makedirs(self.files, exist_ok=True)

    def path(self, name):
        return os.path.join(self.files, name)

    def press_and_read_clipboard(self, keys, name):
        put_text_on_clipboard()
        code, _ = driver("keys", keys)
        self.assertEqual(code, 0)
        return clipboard_bmp(self.path(name))

    def test_shift_print_screen_puts_the_whole_screen_on_the_clipboard(self):
        # The screen as it is before the keys: Shift+Print Screen then opens the save dialog.
        screen = screenshot(self.path("root.png"))
        shot = self.press_and_read_clipboard("shift+print", "screen.bmp")
        self.assertEqual(image_size(shot), SCREEN)
        self.assertEqual(different_pixels(shot, screen), 0)

    def test_the_screen_reaches_x_programs_as_bmp_and_png_and_stays_there_after_exit(self):
        screen = screenshot(self.path("root.png"))
        for step in ("running", "after exit"):
            self.press_and_read_clipboard("ctrl+print", "screen.bmp")
            if step == "after exit":
                # Exit, the last item of the tray menu.
                self.assertEqual(driver("tray", WM_RBUTTONUP)[0], 0)
                self.assertEqual(driver("menu-rect")[0], 0, "the tray menu opens")
                for key in ("down", "down", "down", "down", "enter"):
                    driver("keys", key)
                self.assertEqual(self.program.exit_code(timeout=20), 0)
            for target, name in (("image/bmp", "bmp"), ("image/png", "png")):
                shot = clipboard_bmp(self.path(f"{step}.{name}"), target)
                self.assertEqual(image_size(shot), SCREEN, f"{target} {step}")
                self.assertEqual(different_pixels(shot, screen), 0, f"{target} {step}")

    def test_alt_print_screen_grabs_the_foreground_window_with_its_frame(self):
        shot = self.press_and_read_clipboard("alt+print", "window.bmp")
        code, text = driver("rect", "Snapwright test pattern")
        self.assertEqual(code, 0)
        left, top, width, height = (int(v) for v in text.split())
        self.assertEqual(image_size(shot), (width, height))
        self.assertEqual((width, height), (400, 300))
        screen = screenshot(self.path("root.png"))
        self.assertEqual(different_pixels(shot, screen, crop_b=f"{width}x{height}+{left}+{top}"), 0)

    def test_every_hotkey_replaces_the_clipboard(self):
        for keys in ("print", "alt+print", "ctrl+print", "ctrl+alt+print", "alt+shift+print"):
            shot = self.press_and_read_clipboard(keys, keys + ".bmp")
            expected = SCREEN if "alt" not in keys else (400, 300)
            self.assertEqual(image_size(shot), expected, keys)

    def test_a_second_instance_reports_the_taken_hotkey_and_the_first_still_reacts(self):
        second = self.start_program("second", ready=False)
        code, _ = driver("wait-window", "Snapwright", "", "20000")
        self.assertEqual(code, 0, "the second instance shows a message")
        _, text = driver("texts", "Snapwright")
        self.assertIn("Shift+Print Screen", text)
        self.assertIn("already used by another program", text)
        self.assertEqual(driver("click", "Snapwright", "OK")[0], 0)
        self.assertEqual(second.exit_code(), 1)

        shot = self.press_and_read_clipboard("shift+print", "after.bmp")
        self.assertEqual(image_size(shot), SCREEN)


if __name__ == "__main__":
    unittest.main()
