"""The scrolling capture from the command line: a window of our own (scrollwindow.exe, a fixed header
over a long document of known pixels) taken whole with --window --scroll, checked with ImageMagick
against the document it painted, by each way the window answers; the window found again where it
was; Escape during the capture; a window that does not scroll; the window under the pointer taken
with S in the region overlay, partly covered by another, or by a click with --region --scroll."""

import os
import subprocess
import unittest

from e2e_support import (EXE, TRAY_SCROLLING, E2ETestCase, Helper, clipboard_bmp, cut, different_pixels, drag, driver,
                         env, image_size, screenshot, wait_until, window_rect, wine_path, xdotool)
from test_editor import EDITOR

OVERLAY = "Snapwright region"

SCROLLWINDOW = os.environ.get("SNAPWRIGHT_SCROLLWINDOW", "")
TITLE = "Snapwright scrolling test"
NOTE_CLASS = "SnapwrightScrollNote"
LINE = 16
VIEW_LINES = 24
DOES_NOT_SCROLL = "The window does not scroll: the picture shows it as it is.\n"
STAYS_COVERED = ("Snapwright could not take the screenshot: another window stays in front of the window to be "
                 "scrolled. Close or move it, then try again.\n")
WINDOW_LOST = ("The window closed or moved while it was being scrolled: the picture holds what was taken "
               "until then.\n")


class ScrollingWindow(Helper):
    """scrollwindow.exe in front, with its document written to a BMP beside the test's files."""

    def __init__(self, test, *options, lines=300, start=0):
        self.lines = lines
        self.document = test.path(f"document-{lines}.bmp")
        super().__init__([SCROLLWINDOW, "--lines", str(lines), "--start", str(start), "--dump",
                          wine_path(self.document), *options], TITLE)
        test.addCleanup(self.close)
        self.frame = window_rect(TITLE)
        child = window_rect(TITLE, "ScrollTestDocument")
        # The document's place in the window's picture, without its scroll bar.
        self.document_at = (child[0] - self.frame[0], child[1] - self.frame[1])
        self.document_width = image_size(self.document)[0]
        test.settled_screen("window")

    def top_line(self):
        """The document's line at the top of the view, as the window tells it."""
        code, text = driver("texts", TITLE)
        assert code == 0
        return int(text.splitlines()[1].split()[-1])

    def full_height(self):
        """The window's height with the whole document in place of its view."""
        return self.frame[3] - VIEW_LINES * LINE + self.lines * LINE

    def document_part(self, picture, lines=None):
        """The pixels of the first lines of the document (all by default) in a stitched picture, cut
        into a file of their own; the same lines of the document as it painted them, likewise."""
        size = f"{self.document_width}x{(lines or self.lines) * LINE}"
        return cut(picture, f"{size}+{self.document_at[0]}+{self.document_at[1]}"), cut(self.document, f"{size}+0+0")


class ScrollingTest(E2ETestCase):
    def setUp(self):
        self.fresh_settings(SendTo=0)
        # No tray program runs here; a failing test keeps a screenshot of the display all the same.
        self.programs = []
        self.addCleanup(self._stop_programs)

    def command(self, *arguments):
        """Runs a command in the test's folder; gives its exit code and output."""
        return super().command(*arguments, cwd=self.path(""), timeout=180)[:2]

    def test_the_whole_document_under_its_header_by_each_way_and_the_window_back_where_it_was(self):
        for only in ("", "wheel", "scrollbar", "keys"):
            with self.subTest(only=only or "any"):
                window = ScrollingWindow(self, *(["--only", only] if only else []), start=42)
                before = screenshot(self.path(f"before-{only}.png"))
                picture = self.path(f"whole-{only}.png")
                self.assertEqual(self.command("--window", "--scroll", "--file", wine_path(picture)), (0, ""))
                self.assertEqual(image_size(picture), (window.frame[2], window.full_height()))
                self.assertEqual(different_pixels(*window.document_part(picture)), 0, "the document, row for row")
                x, y, width, _ = window.frame
                header = f"{width}x{window.document_at[1]}+0+0"
                self.assertEqual(different_pixels(cut(picture, header), before,
                                                  f"{width}x{window.document_at[1]}+{x}+{y}"), 0, "the header, once")
                if only != "keys":  # page keys cannot reach line 42 from the end in pages of 23 lines
                    self.assertEqual(window.top_line(), 42, "scrolled back where it was")
                if not only:
                    self.assertEqual(image_size(clipboard_bmp(self.path("clipboard.bmp"))), image_size(picture))
                window.close()

    def test_escape_keeps_what_was_taken_another_capture_takes_it_all_and_a_window_closed_meanwhile_ends_it(self):
        window = ScrollingWindow(self, "--slow", "150", start=0)
        picture = self.path("stopped.png")
        capture = subprocess.Popen(["wine", EXE, "--window", "--scroll", "--file", wine_path(picture)], env=env(),
                                   stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        self.assertEqual(driver("wait-window", "*", NOTE_CLASS, "30000")[0], 0, "the note shows")
        wait_until(lambda: window.top_line() >= 60, timeout=60, what="a few steps down")
        driver("keys", "escape")
        self.assertEqual(capture.wait(timeout=60), 0)
        capture.stdout.close()
        width, height = image_size(picture)
        self.assertLess(height, window.full_height())
        self.assertGreater(height, window.frame[3])
        taken = (height - (window.frame[3] - VIEW_LINES * LINE)) // LINE
        self.assertEqual(different_pixels(*window.document_part(picture, taken)), 0, "what was taken, row for row")
        self.assertEqual(driver("gone-window", "*", NOTE_CLASS, "10000")[0], 0, "the note goes")
        self.assertEqual(window.top_line(), 0, "scrolled back where it was")

        again = self.path("again.png")
        self.assertEqual(self.command("--window", "--scroll", "--file", wine_path(again)), (0, ""))
        self.assertEqual(different_pixels(*window.document_part(again)), 0)

        # The window closed while it is scrolled: what was taken until then, and the reason.
        lost = self.path("lost.png")
        capture = subprocess.Popen(["wine", EXE, "--window", "--scroll", "--file", wine_path(lost)], env=env(),
                                   stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        wait_until(lambda: window.top_line() >= 60, timeout=60, what="a few steps down")
        window.close()
        output = capture.communicate(timeout=60)[0].decode("utf-8").replace("\r", "")
        self.assertEqual((capture.returncode, output), (0, WINDOW_LOST))
        self.assertLess(image_size(lost)[1], window.full_height())
        self.assertEqual(driver("gone-window", "*", NOTE_CLASS, "10000")[0], 0, "the note goes")

    def test_a_window_that_does_not_scroll_gives_its_picture_and_says_so(self):
        window = ScrollingWindow(self, lines=10)
        screen = self.settled_screen("short")
        picture = self.path("short.png")
        self.assertEqual(self.command("--window", "--scroll", "--file", wine_path(picture)), (0, DOES_NOT_SCROLL))
        x, y, width, height = window.frame
        self.assertEqual(image_size(picture), (width, height))
        self.assertEqual(different_pixels(picture, screen, f"{width}x{height}+{x}+{y}"), 0)

    def test_the_tray_menu_takes_the_window_in_front_whole_into_the_editor(self):
        program = self.start_program()
        window = ScrollingWindow(self, start=9)
        self.choose_from_tray(TRAY_SCROLLING)
        self.wait_window(EDITOR, "the editor opens on the picture", timeout=60)
        taken = clipboard_bmp(self.path("tray.bmp"))
        self.assertEqual(image_size(taken), (window.frame[2], window.full_height()))
        self.assertEqual(different_pixels(*window.document_part(taken)), 0)
        self.assertEqual(window.top_line(), 9, "scrolled back where it was")
        self.assertIsNone(program.process.poll())

    # S over the window in the region overlay takes it whole into the editor, though another window covers
    # part of it: it is brought forward, and scrolled back where it was.
    def test_s_in_the_region_overlay_scrolls_the_window_under_the_pointer_into_the_editor(self):
        program = self.start_program()
        window = ScrollingWindow(self, start=9)
        self.cover_with_another(window)
        self.assertEqual(driver("keys", "ctrl+shift+print")[0], 0)
        self.wait_window(OVERLAY, "the overlay shows")
        self.point_at(window)
        self.assertEqual(driver("keys", "s")[0], 0)
        self.window_gone(OVERLAY)
        self.wait_window(EDITOR, "the editor opens on the picture", timeout=60)
        taken = clipboard_bmp(self.path("s.bmp"))
        self.assertEqual(image_size(taken), (window.frame[2], window.full_height()))
        self.assertEqual(different_pixels(*window.document_part(taken)), 0, "the document, row for row")
        self.assertEqual(window.top_line(), 9, "scrolled back where it was")
        self.assertIsNone(program.process.poll())

    # From the command line, --region --scroll: S over a window partly covered by another, or a click on
    # it, takes it whole into the file; a region drawn is taken as drawn. A window that stays covered (by
    # one always on top) is neither scrolled nor taken, and the command says why.
    def test_region_with_scroll_from_the_command_line_scrolls_the_window_pointed_at_with_s_or_clicked(self):
        window = ScrollingWindow(self, start=3)
        screen = self.cover_with_another(window)
        x, y = window.frame[0] + window.document_at[0], window.frame[1] + window.document_at[1]
        for act in ("drag", "s", "click", "always covered"):
            with self.subTest(act):
                if act == "always covered":
                    self.cover_with_another(window, "Always in front", "--topmost", "1")
                picture = self.path(act + ".png")
                capture = subprocess.Popen(["wine", EXE, "--region", "--scroll", "--file", wine_path(picture)],
                                           env=env(), stdout=subprocess.PIPE, stderr=subprocess.PIPE)
                self.wait_window(OVERLAY, "the overlay shows", timeout=30)
                if act == "drag":
                    drag((x + 20, y + 20), (x + 520, y + 120))
                else:
                    self.point_at(window)
                    if act == "click":
                        xdotool("click", "1")
                    else:
                        self.assertEqual(driver("keys", "s")[0], 0)
                output, errors = (text.decode("utf-8").replace("\r", "") for text in capture.communicate(timeout=120))
                if act == "always covered":
                    self.assertEqual(capture.returncode, 3)
                    self.assertIn(STAYS_COVERED, errors)
                    self.assertFalse(os.path.exists(picture))
                    self.assertEqual(window.top_line(), 3, "not scrolled")
                    continue
                self.assertEqual((capture.returncode, output), (0, ""))
                if act == "drag":
                    self.assertEqual(image_size(picture), (500, 100))
                    self.assertEqual(different_pixels(picture, screen, f"500x100+{x + 20}+{y + 20}"), 0,
                                     "the region as drawn, with the window in front over it")
                else:
                    self.assertEqual(image_size(picture), (window.frame[2], window.full_height()))
                    self.assertEqual(different_pixels(*window.document_part(picture)), 0, "the document, row for row")
                self.assertEqual(window.top_line(), 3, "scrolled back where it was")

    def cover_with_another(self, window, title="In front", *options):
        """A second scrolling window in front, over the right of the first and its scroll bar; the screen
        once it shows."""
        x, y, width, _ = window.frame
        other = Helper([SCROLLWINDOW, "--lines", "40", "--width", "300", "--title", title,
                        "--at", f"{x + width - 200},{y + 40}", *options], title)
        self.addCleanup(other.close)
        return self.settled_screen("cover")

    def point_at(self, window):
        """The pointer over the left of the window's document, where nothing covers it."""
        xdotool("mousemove", window.frame[0] + window.document_at[0] + 40, window.frame[1] + window.document_at[1] + 40)



if __name__ == "__main__":
    unittest.main()
