"""Region capture from outside: Ctrl+Shift+Print Screen pressed through SendInput, the region drawn
with xdotool on a desktop of known content, the clipboard read with xclip and compared with the
screen by ImageMagick, the overlay's texts read by Tesseract."""

import os
import unittest

from e2e_support import (DRIVER, EDITOR, E2ETestCase, Helper, clipboard_bmp, cut, different_pixels, drag, driver,
                         image_size, run, screenshot, wait_until, window_rect, wine_path, xdotool)
from fakeoffice import RunningOffice
from test_editor import pixel
from test_monitors import crop

OVERLAY, WINDOW = "Snapwright region", "Snapwright test window"
REGION = (100, 120, 240, 180)


def overlay_text(path, area):
    """The white text of the overlay's dark boxes, read by Tesseract once all around is black."""
    run(["convert", path, "-crop", area, "+repage", "-resize", "400%", "-colorspace", "Gray", "-threshold", "60%",
         "-negate", path + ".text.png"], check=True)
    return run(["tesseract", path + ".text.png", "-", "--psm", "6"], check=True).stdout.decode()


class RegionCase(E2ETestCase):
    def setUp(self):
        self.fresh_settings()
        self.program = self.start_program()
        # Once Wine has painted its desktop: a pattern that no two places share, and a window on it.
        run(["convert", "-size", "1024x768", "-seed", "25", "plasma:fractal", "-depth", "8", self.path("desk.png")],
            check=True)
        run(["display", "-window", "root", self.path("desk.png")])  # which exits with 1 all the same
        self.addCleanup(RunningOffice(WINDOW).close)

    def press_key(self):
        """Ctrl+Shift+Print Screen; gives the screen as it was before."""
        screen = screenshot(self.path("screen.png"))
        self.assertEqual(driver("keys", "ctrl+shift+print")[0], 0)
        self.wait_window(OVERLAY, "the overlay shows")
        return screen

    def assert_taken(self, screen, area, name="shot.bmp"):
        """The overlay has gone, and the clipboard and the editor hold the screen's pixels of the area."""
        self.window_gone(OVERLAY)
        self.wait_window(EDITOR, "the editor shows the region")
        shot = clipboard_bmp(self.path(name))
        self.assertEqual(image_size(shot), tuple(area[2:]))
        self.assertEqual(different_pixels(shot, screen, crop_b=crop(area)), 0)
        view = crop((*window_rect(EDITOR, "SnapwrightEditorView")[:2], *area[2:]))
        wait_until(lambda: different_pixels(shot, screenshot(self.path("editor.png")), crop_b=view) == 0,
                   what="the editor showing the region")
        return shot


class RegionTest(RegionCase):
    # While the first is drawn, the overlay is looked at; the second is drawn over the editor that
    # opened for the first, and replaces its picture.
    def test_a_drag_either_way_is_the_screen_there_on_the_clipboard_and_in_the_editor(self):
        for start, end in (((100, 120), (340, 300)), ((340, 300), (100, 120))):
            screen = self.press_key()
            drag(start, end, release=start[0] == 340)
            if start[0] == 100:
                self.assert_overlay_shows(screen)
                xdotool("mouseup", "1")
            self.assert_taken(screen, REGION)

    def assert_overlay_shows(self, screen):
        """The desktop dimmed, the region clear, its size above it and the pointer's place below the magnifier."""
        shown, region = self.path("overlay.png"), crop(REGION)

        wait_until(lambda: different_pixels(cut(screenshot(shown), region), screen, crop_b=region) == 0,
                   what="the region shown clear")
        for x, y in ((50, 50), (600, 500), (98, 119), (345, 200)):
            self.assertEqual(pixel(shown, x, y), tuple(v // 2 + v // 8 for v in pixel(screen, x, y)), f"{x},{y} dimmed")
        self.assertIn("240 x 180", overlay_text(shown, "240x40+90+75"))
        self.assertIn("340, 300", overlay_text(shown, "300x260+340+300"))

    # Escape and the right button change nothing, the clipboard included; Enter takes the window under the
    # pointer, as a click does.
    def test_take_and_cancel_ten_times_a_window_by_a_click_or_enter(self):
        left, top, width, height = window_rect(WINDOW)
        for turn in range(5):
            screen = self.press_key()
            xdotool("mousemove", left + 100 + turn, top + 100)
            if turn % 2:
                self.assertEqual(driver("keys", "enter")[0], 0)
            else:
                xdotool("click", "1")
            shot = self.assert_taken(screen, (left, top, width, height), f"{turn}.bmp")
            self.close_window(EDITOR)
            self.press_key()
            if turn % 2:
                xdotool("mousemove", "500", "600", "click", "3")
            else:
                self.assertEqual(driver("keys", "escape")[0], 0)
            self.window_gone(OVERLAY)
            self.assertEqual(different_pixels(clipboard_bmp(self.path("now.bmp")), shot), 0, "kept")

    # A command given while the overlay is up: its screen is the desktop under the overlay, which
    # stays up for the user; a second region is refused at once with its reason, and the one being
    # drawn is still taken.
    def test_commands_while_the_overlay_is_up_take_the_desktop_under_it_and_no_second_region(self):
        for turn in range(2):
            screen = self.press_key()
            shot = self.path(f"screen{turn}.png")
            self.assertEqual(self.command("--screen", "--file", wine_path(shot))[::2], (0, ""))
            self.assertEqual(different_pixels(shot, screen), 0, "the desktop under the overlay, not dimmed")
            self.wait_window(OVERLAY, "the overlay is still up", timeout=5)
            shown = screenshot(self.path(f"overlay{turn}.png"))
            for x, y in ((50, 600), (900, 100)):
                self.assertEqual(pixel(shown, x, y), tuple(v // 2 + v // 8 for v in pixel(screen, x, y)), "dimmed")
            self.assertEqual(driver("keys", "escape")[0], 0)
            self.window_gone(OVERLAY)
        screen = self.press_key()
        drag((100, 120), (340, 300), release=False)
        region = self.path("region.png")
        code, _, errors = self.command("--region", "--file", wine_path(region))
        self.assertEqual(code, 3)
        self.assertIn("A region is being drawn already, and Snapwright draws one at a time.", errors)
        self.assertFalse(os.path.exists(region))
        xdotool("mouseup", "1")
        self.assert_taken(screen, REGION)

    def test_the_editors_region_button_takes_what_the_editor_covered(self):
        screen = screenshot(self.path("before.png"))
        self.assertEqual(driver("tray", "515")[0], 0)
        self.wait_window(EDITOR)
        self.assertEqual(driver("click", EDITOR, "Region")[0], 0)
        self.wait_window(OVERLAY)
        drag((300, 200), (700, 500))
        self.assert_taken(screen, (300, 200, 400, 300))


class RegionAt150PercentTest(RegionCase):
    def setUp(self):
        self.scale_display()
        super().setUp()

    def test_the_region_has_the_screens_pixels(self):
        screen = self.press_key()
        drag((100, 120), (340, 300))
        self.assert_taken(screen, REGION)


class RegionKeyTakenTest(E2ETestCase):
    def test_the_program_starts_and_says_once_that_the_key_is_taken(self):
        self.fresh_settings()
        self.addCleanup(Helper([DRIVER, "hold-key", "ctrl+shift+print", "120000"], first_line=b"held").close)
        program = self.start_program(ready=False)
        text = self.message("OK")
        self.assertIn("Ctrl+Shift+Print Screen is already used by another program.", text)
        self.assertIn("Other keys can be chosen in that menu under Options \u203a Keys.", text)
        program.wait_ready()


if __name__ == "__main__":
    unittest.main()
