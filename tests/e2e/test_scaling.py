"""At 150 % scaling the screen grab still has the screen's full pixel size: twips per pixel come
from the display."""

import os
import unittest

from e2e_support import (E2ETestCase, clipboard_bmp, driver, image_size, put_text_on_clipboard, reg_add,
                         restart_wine, screenshot, session_dir, different_pixels)

DESKTOP_KEY = r"HKCU\Control Panel\Desktop"


class ScalingTest(E2ETestCase):
    def setUp(self):
        reg_add(DESKTOP_KEY, "LogPixels", "144", "REG_DWORD")
        restart_wine()
        self.addCleanup(restart_wine)
        self.addCleanup(reg_add, DESKTOP_KEY, "LogPixels", "96", "REG_DWORD")

    def test_screen_grab_at_144_dots_per_inch_has_the_full_pixel_size(self):
        self.start_program()
        put_text_on_clipboard()
        folder = os.path.join(session_dir(), self.id())
        os.makedirs(folder, exist_ok=True)
        # The screen as it is before the keys: Shift+Print Screen then opens the save dialog.
        screen = screenshot(os.path.join(folder, "root.png"))
        self.assertEqual(driver("keys", "shift+print")[0], 0)
        shot = clipboard_bmp(os.path.join(folder, "screen.bmp"))
        self.assertEqual(image_size(shot), (1024, 768))
        self.assertEqual(different_pixels(shot, screen), 0)


if __name__ == "__main__":
    unittest.main()
