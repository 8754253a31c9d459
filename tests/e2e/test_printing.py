"""Printing from outside: the print hotkeys print on the test run's cups-pdf printer, and the PDF
files it makes are read with poppler's pdftotext, pdfimages, pdfinfo and pdftoppm, and the rendered
pages measured with ImageMagick."""

import datetime
import os
import re
import time
import unittest

from e2e_support import (EDITOR, SCREEN, E2ETestCase, clipboard_targets, driver, image_size, run, screenshot,
                         wait_until, wine)
from fakeoffice import RunningOffice

PRINTER = "SnapwrightPDF"
PRINTER_KEY = r"HKLM\System\CurrentControlSet\Control\Print\Printers" + "\\" + PRINTER
DPI = 100
TOLERANCE_MM = 1.0


def pdf_folder():
    folder = os.environ.get("SNAPWRIGHT_PDF_DIR")
    if not folder:
        raise AssertionError("no PDF printer: run the end-to-end tests through scripts/test, which starts CUPS")
    return folder


def pdf_files():
    folder = pdf_folder()
    return {os.path.join(folder, name) for name in os.listdir(folder) if name.endswith(".pdf")}


def complete(path):
    with open(path, "rb") as handle:
        data = handle.read()
    return data.startswith(b"%PDF") and b"%%EOF" in data[-64:]


def wait_for_new_pdf(before, timeout=90):
    def new_complete_files():
        return [path for path in pdf_files() - before if complete(path)]
    return wait_until(new_complete_files, timeout=timeout, what="a printed page")[0]


def product_version():
    with open(os.path.join(os.path.dirname(__file__), "..", "..", "CMakeLists.txt"), encoding="utf-8") as handle:
        return re.search(r"project\(Snapwright VERSION ([0-9.]+)", handle.read()).group(1)


def windows_variable(name):
    return wine("cmd", "/c", "echo", f"%{name}%").stdout.decode("utf-8", "replace").strip()


def pdf_text(path):
    text = run(["pdftotext", "-layout", path, "-"], check=True).stdout.decode("utf-8")
    # Ghostscript names the hyphen glyph after the soft hyphen.
    return text.replace("\u00ad", "-")


def pdf_images(path):
    """(width, height) of every image on the page, from pdfimages -list."""
    lines = run(["pdfimages", "-list", path], check=True).stdout.decode().splitlines()[2:]
    return [(int(line.split()[3]), int(line.split()[4])) for line in lines if line.strip()]


def page_count(path):
    info = run(["pdfinfo", path], check=True).stdout.decode()
    return int(re.search(r"^Pages:\s+(\d+)", info, re.M).group(1))


def render(pdf, prefix):
    """The page rendered by pdftoppm at DPI dots per inch, as a PNG file."""
    run(["pdftoppm", "-r", str(DPI), "-png", "-singlefile", pdf, prefix], check=True)
    return prefix + ".png"


def inked_box(page, top_mm, bottom_mm):
    """Left, top, width and height (mm) of everything not white between two heights of a rendered
    page, from ImageMagick's trim box; None where all is white."""
    top, bottom = round(top_mm * DPI / 25.4), round(bottom_mm * DPI / 25.4)
    box = run(["convert", page, "-crop", f"x{bottom - top}+0+{top}", "+repage", "-format", "%@", "info:"],
              check=True).stdout.decode()
    width, height, left, y = (int(v) for v in re.match(r"(\d+)x(\d+)\+(\d+)\+(\d+)", box).groups())
    return None if width == 0 else tuple(pixels * 25.4 / DPI for pixels in (left, top + y, width, height))


class PrintingTest(E2ETestCase):
    def setUp(self):
        self.fresh_settings()
        self.before = pdf_files()

    def press(self, keys):
        """Presses a hotkey and waits until its screenshot is on the clipboard."""
        self.hotkey(keys)
        wait_until(lambda: "image/bmp" in clipboard_targets(), what="the screenshot on the clipboard")

    def new_pages(self):
        return sorted(pdf_files() - self.before)

    def open_editor_on_capture(self):
        self.start_program()
        self.press("ctrl+print")
        self.wait_window(EDITOR, "the editor opens")

    def print_from_editor(self, waits):
        """The editor's Print: with `waits` the page is told to wait for its second shot, and nothing
        is printed; otherwise no word comes and the page is printed, which is given."""
        self.assertEqual(driver("click", EDITOR, "Print")[0], 0)
        if waits:
            self.assertIn("the page waits for the second", self.message("OK"))
            self.assertEqual(self.new_pages(), [])
            return None
        pdf = wait_for_new_pdf(self.before)
        self.no_window("Snapwright", "no word when a page is printed", 1)
        self.before.add(pdf)
        return pdf

    def assertBox(self, actual, expected, what):
        self.assertIsNotNone(actual, what + ": nothing printed there")
        for name, got, want in zip(("left", "top", "width", "height"), actual, expected):
            self.assertLessEqual(abs(got - want), TOLERANCE_MM,
                                 f"{what}: {name} is {got:.1f} mm, not {want} mm (box {actual})")

    # With one shot a page the editor's Print prints at once, as Print Screen does.
    def test_format_3_prints_a_landscape_page_from_the_editor_at_once(self):
        self.fresh_settings(SendTo=5, Printformat=3, NumShots=1)
        self.open_editor_on_capture()
        pdf = self.print_from_editor(waits=False)
        self.assertEqual(page_count(pdf), 1)
        self.assertIn("Screenshot from", pdf_text(pdf))
        page = render(pdf, self.path("page"))
        width, height = image_size(page)
        self.assertGreater(width, height, "a landscape page")
        self.assertBox(inked_box(page, 14, 192), (30, 15, 232, 174), "the shot")
        self.assertBox(inked_box(page, 193, 210), (75, 195), "the vendor line's left and top")

    # A cancelled choice prints nothing, and the next Print Screen starts a fresh page that an
    # Alt+Print Screen of the window in front completes. The page's header lines name the user, the
    # computer and the time; the vendor line closes it.
    def test_a_cancelled_printer_choice_prints_nothing_and_the_next_two_shots_make_a_fresh_page(self):
        self.fresh_settings(PrintTo=2, Printformat=2, NumShots=2)
        self.start_program()
        user, computer = windows_variable("USERNAME"), windows_variable("COMPUTERNAME")
        self.press("print")
        self.press("print")
        self.wait_window("Print", "the printer choice opens")
        self.answer("Print", "Cancel")

        self.addCleanup(RunningOffice("Snapwright test window").close)
        screen = screenshot(self.path("screen.png"))
        pressed = datetime.datetime.now()
        self.press("print")
        self.assertNotEqual(driver("wait-window", "Print", "", "2000")[0], 0,
                            "the first shot after a cancel starts a new page and alone prints nothing")
        self.press("alt+print")
        self.wait_window("Print")
        self.assertEqual(driver("click", "Print", "OK")[0], 0)
        pdf = wait_for_new_pdf(self.before)
        time.sleep(1)
        self.assertEqual(self.new_pages(), [pdf], "the cancelled page printed nothing")
        self.assertEqual(page_count(pdf), 1)
        self.assertEqual(pdf_images(pdf), [SCREEN, (480, 320)], "the screen, then the window in front")
        # The first shot's box rendered at the screen's own size agrees with the screen, up to edges
        # softened by the resampling (a shot upside down or of another moment differs in a large part).
        dpi = SCREEN[0] / (160 / 25.4)
        run(["pdftoppm", "-r", f"{dpi:.4f}", "-x", str(round(20 * dpi / 25.4)), "-y", str(round(15 * dpi / 25.4)),
             "-W", str(SCREEN[0]), "-H", str(SCREEN[1]), "-png", "-singlefile", pdf, self.path("shot1")], check=True)
        result = run(["compare", "-metric", "AE", "-fuzz", "20%", self.path("shot1.png"), screen, "null:"])
        self.assertLess(int(float(result.stderr.decode().split()[0])), SCREEN[0] * SCREEN[1] * 0.02, "shot 1")

        text = pdf_text(pdf)
        headers = re.findall(r"Screenshot from (.+) at workstation (.+) about (.+)", text)
        self.assertEqual(len(headers), 2, text)
        for name, workstation, stamp in headers:
            self.assertEqual((name, workstation), (user, computer))
            # The clock's time itself is checked in the saved files' names.
            self.assertIn(str(pressed.year), stamp)
        self.assertIn("Snapwright\u2122 V" + product_version() + " - the screenshot tool for Windows", text)

        page = render(pdf, self.path("page"))
        width, height = image_size(page)
        self.assertLess(width, height, "a portrait page")
        header = inked_box(page, 0, 15)
        self.assertIsNotNone(header, "a header line above the first shot")
        self.assertLess(header[1] + header[3], 14.6, "the header line ends above the shot")
        self.assertBox(inked_box(page, 14, 137), (20, 15, 160, 120), "shot 1")
        self.assertBox(inked_box(page, 144, 266), (20, 145, 160, 106.7), "shot 2")
        self.assertBox(inked_box(page, 266, 297), (35, 270), "the vendor line's left and top")

    # With two shots a page the editor's picture is the page's next shot: a second Print completes the
    # page, and so does the next Print Screen.
    def test_the_editors_print_fills_a_page_of_two_shots(self):
        self.fresh_settings(SendTo=5, Printformat=2, NumShots=2)
        self.open_editor_on_capture()
        self.print_from_editor(waits=True)
        self.assertEqual(pdf_images(self.print_from_editor(waits=False)), [SCREEN, SCREEN])

        self.print_from_editor(waits=True)
        self.addCleanup(RunningOffice("Snapwright test window").close)
        self.press("alt+print")
        self.assertEqual(pdf_images(wait_for_new_pdf(self.before)), [SCREEN, (480, 320)])

    def test_a_printer_that_cannot_be_opened_is_named_to_the_user(self):
        self.start_program()
        saved = self.path("printer.reg")
        self.assertEqual(wine("reg", "export", PRINTER_KEY, saved, "/y").returncode, 0)
        self.addCleanup(wine, "reg", "import", saved)
        wine("reg", "delete", PRINTER_KEY, "/f")

        self.press("print")
        self.assertIn(f'the printer "{PRINTER}" cannot be used', self.message("OK"))
        time.sleep(1)
        self.assertEqual(self.new_pages(), [])


if __name__ == "__main__":
    unittest.main()
