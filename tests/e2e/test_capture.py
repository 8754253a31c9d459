"""The capture spine from outside: hotkeys pressed through SendInput, the X clipboard read with
xclip, the screen read with ImageMagick, the registry read with wine reg."""

import unittest

from e2e_support import (SCREEN, TRAY_EXIT, E2ETestCase, clipboard_bmp, different_pixels, image_size, screenshot,
                         window_rect)
from fakeoffice import RunningOffice

WINDOW = (480, 320)


class CaptureTest(E2ETestCase):
    def setUp(self):
        # The send keys only capture here: no office program to send to, no dialog over the window.
        self.fresh_settings(SendTo=0)
        self.addCleanup(RunningOffice("Snapwright test window").close)
        self.program = self.start_program()

    def press_and_read_clipboard(self, keys, name):
        self.hotkey(keys)
        return clipboard_bmp(self.path(name))

    def assert_clipboard_holds(self, screen, step):
        for target, name in (("image/bmp", "bmp"), ("image/png", "png")):
            shot = clipboard_bmp(self.path(f"{step}.{name}"), target)
            self.assertEqual(image_size(shot), SCREEN, f"{target} {step}")
            self.assertEqual(different_pixels(shot, screen), 0, f"{target} {step}")

    # The screen as it is before the keys is what the clipboard holds while the program runs and
    # after it has ended (Exit, the last item of the tray menu), run after run. The first run reads
    # the PNG while the program runs, which makes it then; the others leave it to be made as the
    # program ends. The test window, a Wine program, keeps Wine's desktop process alive: it hands
    # the clipboard to X programs, and ends a second after the last Wine program.
    def test_the_screen_reaches_x_programs_as_bmp_and_png_and_stays_there_after_exit(self):
        for run in range(10):
            if run:
                self.program = self.start_program()
            screen = self.settled_screen(f"root{run}")
            self.press_and_read_clipboard("ctrl+print", f"running{run}.bmp")
            if run == 0:
                self.assert_clipboard_holds(screen, "running")
            self.choose_from_tray(TRAY_EXIT)
            self.assertEqual(self.program.exit_code(timeout=20), 0)
            self.assert_clipboard_holds(screen, f"after exit {run}")

    def test_alt_print_screen_grabs_the_foreground_window_with_its_frame(self):
        shot = self.press_and_read_clipboard("alt+print", "window.bmp")
        left, top, width, height = window_rect("Snapwright test window")
        self.assertEqual(image_size(shot), (width, height))
        self.assertEqual((width, height), WINDOW)
        screen = screenshot(self.path("root.png"))
        self.assertEqual(different_pixels(shot, screen, crop_b=f"{width}x{height}+{left}+{top}"), 0)

    def test_every_hotkey_replaces_the_clipboard(self):
        for keys in ("print", "alt+print", "ctrl+print", "ctrl+alt+print", "alt+shift+print"):
            shot = self.press_and_read_clipboard(keys, keys + ".bmp")
            expected = SCREEN if "alt" not in keys else WINDOW
            self.assertEqual(image_size(shot), expected, keys)

    # The tray program runs once: a second start says where the first one is and ends, and takes
    # no key from it. Shift+Print Screen is the one hotkey of the six that the loop above leaves out.
    def test_a_second_start_says_the_program_runs_already_and_the_first_still_reacts(self):
        second = self.start_program("second", ready=False)
        self.assertIn("Snapwright is already running: its icon is in the notification area.", self.message("OK"))
        self.assertEqual(second.exit_code(), 1)

        shot = self.press_and_read_clipboard("shift+print", "after.bmp")
        self.assertEqual(image_size(shot), SCREEN)


if __name__ == "__main__":
    unittest.main()
