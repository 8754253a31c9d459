"""Two monitors: the program on one Xvfb screen that fakexinerama shows Wine as two monitors, in a
Wine session and on a display of this test's own (scripts/lib/monitor-layout.sh). Each monitor is
painted with a panel of its own colour; screenshots are read with xclip and compared with the display
by ImageMagick, the printed page is measured with poppler and ImageMagick."""

import os
import re
import subprocess

import e2e_support
from e2e_support import (TRAY_ABOUT, E2ETestCase, clipboard_bmp, cut, different_pixels, drag, driver, env, image_size,
                         restart_wine, run, screenshot, window_rect, xdotool)
from fakeoffice import RunningOffice
from test_printing import inked_box, pdf_files, pdf_images, render, wait_for_new_pdf

LAYOUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts", "lib", "monitor-layout.sh")
PRIMARY = (0, 0, 1024, 768)
session = {}


# An X screen of 1824 x 768 for both layouts; it keeps its root pattern where no monitor is.
def setUpModule():
    started = subprocess.run(["bash", "-c", f'source "{LAYOUT}" && monitor_layout_start 1824x768 "" >&2 && '
                              'echo "$SNAPWRIGHT_WINE_ENV"'], capture_output=True, timeout=300)
    assert started.returncode == 0, started.stderr.decode("utf-8", "replace")
    session["env"] = os.environ["SNAPWRIGHT_WINE_ENV"] = started.stdout.decode().split()[-1]
    e2e_support.env.cache_clear()


def tearDownModule():
    subprocess.run(["bash", "-c", f'source "{LAYOUT}" && source "$0" && monitor_layout_stop', session["env"]],
                   capture_output=True, timeout=120)


def crop(area, shift=0):
    return "{2}x{3}+{0}+{1}".format(area[0] + shift, *area[1:])


class TwoMonitors(E2ETestCase):
    """A 1024 x 768 primary and an 800 x 600 SECONDARY (Windows coordinates); X = Windows + SHIFT."""

    @classmethod
    def setUpClass(cls):
        env()["FAKE_MONITORS"] = cls.FAKE_MONITORS
        restart_wine()  # Wine reads the monitors when its server starts

    def setUp(self):
        self.fresh_settings(SendTo=0)
        for colour, area in (("3060C0", PRIMARY), ("C06030", self.SECONDARY)):
            self.open_window(colour, "--bounds", ",".join(map(str, area)), "--colour", colour)
        self.start_program()

    def open_window(self, caption, *look):
        self.addCleanup(RunningOffice(caption, look=look).close)
        return caption

    def assert_grab_shows(self, keys, *areas, black=None):
        """The hotkey's screenshot holds the display's areas (Windows coordinates) as the display
        shows them, and black over the part of the X screen that no monitor shows."""
        self.hotkey(keys)
        shot, screen = clipboard_bmp(self.path("shot.bmp")), screenshot(self.path("root.png"))
        left, top = min(a[0] for a in areas), min(a[1] for a in areas)
        right, bottom = max(a[0] + a[2] for a in areas), max(a[1] + a[3] for a in areas)
        self.assertEqual(image_size(shot), (right - left, bottom - top))
        for area in areas:
            part = cut(shot, crop((area[0] - left, area[1] - top, *area[2:])))
            self.assertEqual(different_pixels(part, screen, crop_b=crop(area, self.SHIFT)), 0, area)
        if black:
            shown = run(["convert", shot, "-crop", crop(black), "+repage", "-unique-colors", "txt:-"]).stdout.decode()
            self.assertEqual(re.findall(r"#[0-9A-F]{6}\b", shown), ["#000000"])


class SecondaryRightAndLower(TwoMonitors):
    FAKE_MONITORS, SECONDARY, SHIFT = "1024x768+0+0,800x600+1024+168", (1024, 168, 800, 600), 0

    def test_print_screen_takes_both_monitors_and_the_page_keeps_their_aspect(self):
        self.assert_grab_shows("ctrl+print", PRIMARY, self.SECONDARY, black=(1024, 0, 800, 168))
        before = pdf_files()
        self.hotkey("print")
        pdf = wait_for_new_pdf(before)
        self.assertEqual(pdf_images(pdf), [(1824, 768)])
        box = inked_box(render(pdf, self.path("page")), 14, 140)
        for got, want in zip(box, (15, 15, 180, 180 * 768 / 1824)):  # format 1's box is 180 x 135 mm
            self.assertLessEqual(abs(got - want), 1.0, f"the shot is {box} mm on the page")


class SecondaryLeft(TwoMonitors):
    FAKE_MONITORS, SECONDARY, SHIFT = "1024x768+800+0,800x600+0+0", (-800, 0, 800, 600), 800

    def test_the_screen_and_windows_at_negative_coordinates(self):
        self.assert_grab_shows("ctrl+print", PRIMARY, self.SECONDARY, black=(0, 600, 800, 168))
        self.open_window("On the left", "--bounds", "-700,100,480,320")
        self.assert_grab_shows("ctrl+alt+print", (-700, 100, 480, 320))
        # Maximised, its rectangle hangs over the primary; the shot is its monitor's work area.
        maximised = self.open_window("Maximised", "--bounds", "-700,100,480,320", "--maximised")
        left, _, width, _ = window_rect(maximised)
        self.assertGreater(left + width, 0)
        self.assert_grab_shows("ctrl+alt+print", self.SECONDARY)

    # The overlay covers both monitors; the region is drawn across a window's corner on the left one.
    def test_a_region_at_negative_coordinates(self):
        self.open_window("On the left", "--bounds", "-700,100,480,320")
        screen = screenshot(self.path("root.png"))
        self.hotkey("ctrl+shift+print")
        self.wait_window("Snapwright region")
        self.assertEqual(driver("rect", "Snapwright region")[1].split(), ["-800", "0", "1824", "768"])
        drag((50, 50), (350, 250))
        shot = clipboard_bmp(self.path("region.bmp"))
        self.assertEqual(image_size(shot), (300, 200))
        self.assertEqual(different_pixels(shot, screen, crop_b="300x200+50+50"), 0)

    # Without a placement of their own, they would open on the primary monitor.
    def test_the_editor_and_the_dialogs_open_on_the_monitor_of_the_pointer(self):
        xdotool("mousemove", "400", "300")
        self.assertEqual(driver("tray", "515")[0], 0)  # a double click
        self.wait_window("Snapwright ScreenshotEditor")
        self.assertEqual(driver("rect", "Snapwright ScreenshotEditor")[1].split(), ["-800", "0", "800", "600"])
        self.choose_from_tray(TRAY_ABOUT)
        self.wait_window("About Snapwright")
        left, top, width, height = window_rect("About Snapwright")
        self.assertEqual((left, top), (-800 + (800 - width) // 2, (600 - height) // 2))
