"""Printing from outside: the print hotkeys print on the test run's cups-pdf printer, and the PDF
files it makes are read with poppler's pdftotext, pdfimages, pdfinfo and pdftoppm."""

import datetime
import os
import re
import time
import unittest

from e2e_support import (E2ETestCase, PatternWindow, SETTINGS_KEY, clipboard_targets, driver,
                         put_text_on_clipboard, reg_add, reg_delete_key, run, screenshot, session_dir,
                         wait_until, wine)

PRINTER = "SnapwrightPDF"
PRINTER_KEY = r"HKLM\System\CurrentControlSet\Control\Print\Printers" + "\\" + PRINTER
SCREEN = (1024, 768)
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


def seconds_apart(stamp, moment):
    """Seconds between the time of day in a printed stamp (h:mm:ss, with AM/PM or 24-hour) and a moment."""
    clock = re.search(r"(\d{1,2}):(\d{2}):(\d{2})(?:\s*([AP]M))?", stamp)
    if not clock:
        return float("inf")
    hour = int(clock.group(1))
    if clock.group(4):
        hour = hour % 12 + (12 if clock.group(4) == "PM" else 0)
    printed = hour * 3600 + int(clock.group(2)) * 60 + int(clock.group(3))
    now = moment.hour * 3600 + moment.minute * 60 + moment.second
    apart = abs(printed - now)
    return min(apart, 86400 - apart)


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


class Page:
    """The page rendered by pdftoppm at DPI dots per inch, as RGB rows."""

    def __init__(self, pdf, prefix):
        run(["pdftoppm", "-r", str(DPI), "-singlefile", pdf, prefix], check=True)
        with open(prefix + ".ppm", "rb") as handle:
            data = handle.read()
        fields = re.match(rb"P6\s+(\d+)\s+(\d+)\s+(\d+)\s", data)
        self.width, self.height = int(fields.group(1)), int(fields.group(2))
        self.pixels = data[fields.end():]
        run(["pdftoppm", "-r", "60", "-png", "-singlefile", pdf, prefix], check=True)

    def mm(self, pixels):
        return pixels * 25.4 / DPI

    def inked_box(self, top_mm, bottom_mm):
        """Left, top, width and height (mm) of everything not white between two heights."""
        row_bytes = self.width * 3
        left, right, top, bottom = None, None, None, None
        for y in range(int(top_mm * DPI / 25.4), min(self.height, int(bottom_mm * DPI / 25.4))):
            row = self.pixels[y * row_bytes:(y + 1) * row_bytes]
            inked_left = len(row) - len(row.lstrip(b"\xff"))
            if inked_left == len(row):
                continue
            inked_right = len(row.rstrip(b"\xff"))
            left = inked_left // 3 if left is None else min(left, inked_left // 3)
            right = (inked_right - 1) // 3 if right is None else max(right, (inked_right - 1) // 3)
            top = y if top is None else top
            bottom = y
        if top is None:
            return None
        return (self.mm(left), self.mm(top), self.mm(right + 1 - left), self.mm(bottom + 1 - top))


class PrintingTest(E2ETestCase):
    def setUp(self):
        pdf_folder()
        reg_delete_key(SETTINGS_KEY)
        reg_add(SETTINGS_KEY, "ShowSplash", "0")
        self.files = os.path.join(session_dir(), self.id())
        os.makedirs(self.files, exist_ok=True)
        self.before = pdf_files()

    def path(self, name):
        return os.path.join(self.files, name)

    def settings(self, **values):
        for name, value in values.items():
            reg_add(SETTINGS_KEY, name, str(value))

    def press(self, keys):
        """Presses a hotkey and waits until its screenshot is on the clipboard."""
        put_text_on_clipboard()
        self.assertEqual(driver("keys", keys)[0], 0)
        wait_until(lambda: "image/bmp" in clipboard_targets(), what="the screenshot on the clipboard")

    def new_pages(self):
        return sorted(pdf_files() - self.before)

    def assertBox(self, actual, expected, what):
        self.assertIsNotNone(actual, what + ": nothing printed there")
        for name, got, want in zip(("left", "top", "width", "height"), actual, expected):
            self.assertLessEqual(abs(got - want), TOLERANCE_MM,
                                 f"{what}: {name} is {got:.1f} mm, not {want} mm (box {actual})")

    def assertShotShowsTheScreen(self, pdf, box, screen_png, name):
        """Renders the page's box at the screen's own size and compares it with the screen: up to
        edges softened by the resampling, the two must agree (a shot upside down or of another
        moment differs in a large part)."""
        left, top, width = box
        dpi = SCREEN[0] / (width / 25.4)
        rendered = self.path(name)
        run(["pdftoppm", "-r", f"{dpi:.4f}", "-x", str(round(left * dpi / 25.4)), "-y", str(round(top * dpi / 25.4)),
             "-W", str(SCREEN[0]), "-H", str(SCREEN[1]), "-png", "-singlefile", pdf, rendered[:-4]], check=True)
        result = run(["compare", "-metric", "AE", "-fuzz", "20%", rendered, screen_png, "null:"])
        differing = int(float(result.stderr.decode().split()[0]))
        self.assertLess(differing, SCREEN[0] * SCREEN[1] * 0.02, f"{name} does not show the screen")

    def test_print_screen_prints_one_page_with_header_shot_and_vendor_line(self):
        self.start_program()
        user, computer = windows_variable("USERNAME"), windows_variable("COMPUTERNAME")
        pattern = PatternWindow(400, 300, 300, 200)
        self.addCleanup(pattern.close)
        pressed = datetime.datetime.now()
        self.press("print")
        screen = screenshot(self.path("screen.png"))
        pdf = wait_for_new_pdf(self.before)

        self.assertEqual(page_count(pdf), 1)
        self.assertEqual(pdf_images(pdf), [SCREEN])
        self.assertShotShowsTheScreen(pdf, (15, 15, 180), screen, "shot.png")

        text = pdf_text(pdf)
        line = re.search(r"Screenshot from (.+) at workstation (.+) about (.+)", text)
        self.assertIsNotNone(line, text)
        self.assertEqual(line.group(1), user)
        self.assertEqual(line.group(2), computer)
        stamp = line.group(3).strip()
        self.assertIn(str(pressed.year), stamp)
        self.assertLess(seconds_apart(stamp, pressed), 120, f"{stamp} is not the time of the hotkey, {pressed}")
        vendor = "Snapwright\u2122 V" + product_version() + " - the screenshot tool for Windows"
        self.assertIn(vendor, text)

        page = Page(pdf, self.path("page"))
        self.assertLess(page.width, page.height, "a portrait page")
        self.assertBox(page.inked_box(14, 260), (15, 15, 180, 135), "the shot")
        header = page.inked_box(0, 15)
        self.assertIsNotNone(header, "a header line above the shot")
        self.assertLess(header[1] + header[3], 14.6, "the header line ends above the shot")
        self.assertBox(page.inked_box(262, 297), (35, 270), "the vendor line's left and top")

    def test_format_3_prints_a_landscape_page(self):
        self.settings(Printformat=3, NumShots=1)
        self.start_program()
        self.press("print")
        pdf = wait_for_new_pdf(self.before)
        self.assertEqual(page_count(pdf), 1)
        self.assertIn("Screenshot from", pdf_text(pdf))
        page = Page(pdf, self.path("page"))
        self.assertGreater(page.width, page.height, "a landscape page")
        self.assertBox(page.inked_box(14, 192), (30, 15, 232, 174), "the shot")
        self.assertBox(page.inked_box(193, 210), (75, 195), "the vendor line's left and top")

    def test_a_cancelled_printer_choice_prints_nothing_and_the_next_two_shots_make_a_fresh_page(self):
        self.settings(PrintTo=2, Printformat=2, NumShots=2)
        self.start_program()
        self.press("print")
        self.press("print")
        self.assertEqual(driver("wait-window", "Print", "", "20000")[0], 0, "the printer choice opens")
        self.assertEqual(driver("click", "Print", "Cancel")[0], 0)
        self.assertEqual(driver("gone-window", "Print", "", "10000")[0], 0)

        # A Print Screen and an Alt+Print Screen of the window in front share the next page.
        pattern = PatternWindow(400, 300, 150, 120)
        self.addCleanup(pattern.close)
        screen = screenshot(self.path("screen.png"))
        self.press("print")
        self.assertNotEqual(driver("wait-window", "Print", "", "2000")[0], 0,
                            "the first shot after a cancel starts a new page and alone prints nothing")
        self.press("alt+print")
        self.assertEqual(driver("wait-window", "Print", "", "20000")[0], 0)
        self.assertEqual(driver("click", "Print", "OK")[0], 0)
        pdf = wait_for_new_pdf(self.before)
        time.sleep(1)
        self.assertEqual(self.new_pages(), [pdf], "the cancelled page printed nothing")
        self.assertEqual(page_count(pdf), 1)
        self.assertEqual(pdf_images(pdf), [SCREEN, (400, 300)], "the screen, then the window in front")
        self.assertEqual(pdf_text(pdf).count("Screenshot from"), 2)
        self.assertShotShowsTheScreen(pdf, (20, 15, 160), screen, "shot3.png")
        page = Page(pdf, self.path("page"))
        self.assertBox(page.inked_box(14, 137), (20, 15, 160, 120), "shot 1")
        self.assertBox(page.inked_box(144, 266), (20, 145, 160, 120), "shot 2")

    def test_a_printer_that_cannot_be_opened_is_named_to_the_user(self):
        self.start_program()
        saved = self.path("printer.reg")
        self.assertEqual(wine("reg", "export", PRINTER_KEY, saved, "/y").returncode, 0)
        self.addCleanup(wine, "reg", "import", saved)
        wine("reg", "delete", PRINTER_KEY, "/f")

        self.press("print")
        self.assertEqual(driver("wait-window", "Snapwright", "", "20000")[0], 0)
        _, texts = driver("texts", "Snapwright")
        self.assertIn(f'the printer "{PRINTER}" cannot be used', texts)
        self.assertEqual(driver("click", "Snapwright", "OK")[0], 0)
        time.sleep(1)
        self.assertEqual(self.new_pages(), [])


if __name__ == "__main__":
    unittest.main()
