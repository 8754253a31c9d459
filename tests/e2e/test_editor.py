"""The screenshot editor from outside: opened from the tray, the send hotkey and image files, its
tools used with the mouse (xdotool), the pictures it hands on checked with ImageMagick."""

import difflib
import os
import struct
import unittest
import zlib

from e2e_support import (EDITOR, TRAY_EXIT, E2ETestCase, clipboard_bmp, cut, different_pixels, drag, driver,
                         finished_files, image_size, read_text, run, screenshot, wait_for_file, wait_until, window_rect,
                         xdotool)

SAVE_DIALOG = "Save Screenshot As ..."


def pixel(path, x, y):
    text = run(["convert", path, "-crop", f"1x1+{x}+{y}", "-depth", "8", "txt:-"], check=True).stdout.decode()
    values = text.splitlines()[-1].split("(")[1].split(")")[0].split(",")
    return tuple(int(float(v)) for v in values[:3])


def png_header_only(width, height):
    """A PNG file whose header claims a picture of this size, with no pixels worth the name."""
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(b"\0" * 64)) + chunk(b"IEND", b"")


class EditorCase(E2ETestCase):
    def setUp(self):
        self.fresh_settings(SendTo=5)

    def open_on_capture(self, start=True):
        """Ctrl+Print Screen with the editor as the destination; gives the capture, which is the screen
        as it was before the keys."""
        if start:
            self.program = self.start_program()
        screen = screenshot(self.path("screen.png"))
        self.hotkey("ctrl+print")
        self.wait_window(EDITOR, "the editor opens")
        capture = clipboard_bmp(self.path("capture.bmp"))
        self.assertEqual(different_pixels(capture, screen), 0, "the capture is the screen")
        return capture

    def view(self):
        return window_rect(EDITOR, "SnapwrightEditorView")

    def click(self, button):
        self.assertEqual(driver("click", EDITOR, button)[0], 0, button)

    def press(self, x, y):
        """A click on the view at a point of the picture (the view is not scrolled)."""
        left, top, _, _ = self.view()
        xdotool("mousemove", left + x, top + y)
        xdotool("mousemove", left + x + 1, top + y + 1, "mousemove", left + x, top + y, "click", "1")

    def drag(self, x1, y1, x2, y2, shift=False):
        """A press at one point of the picture, a drag, and a release at another, with Shift held
        at the release when asked."""
        left, top, _, _ = self.view()
        drag((left + x1, top + y1), (left + x2, top + y2), shift=shift)

    def keys(self, combination):
        self.assertEqual(driver("keys", combination)[0], 0, combination)

    def wait_for_view(self, condition, what):
        """Waits until the view's pixels, at (x, y) of the picture, pass a test."""
        left, top, _, _ = self.view()
        shot = self.path("shown.png")
        wait_until(lambda: condition(lambda x, y: pixel(screenshot(shot), left + x, top + y)), what=what)

    def save(self, name):
        """Save, OK in the save dialog; gives the written file, moved to `name`."""
        self.click("Save")
        self.wait_window(SAVE_DIALOG, "the save dialog opens")
        self.answer(SAVE_DIALOG, "&OK")
        folder = os.path.join(self.program.folder, "Screenshots")
        found = wait_until(lambda: finished_files(folder), what="a saved file")
        saved = wait_for_file(os.path.join(folder, found[0]))
        os.replace(saved, self.path(name))
        return self.path(name)

    def open_file(self, path, button="Open", title="Open Screenshot file", question=None):
        """Opens a file through the open dialog, after Yes to the question that comes first if one does."""
        self.click(button)
        if question:
            self.ask_and_answer(question, "&Yes")
        self.choose_file(title, path, "&Open")

    def ask_and_answer(self, title, button):
        self.wait_window(title, f"the question {title!r}")
        self.assertIn("Really discard this file?", self.texts(title))
        self.answer(title, button)

    def open_made(self, name, *picture):
        """The editor on a capture, then on a picture that ImageMagick makes of the arguments; gives its file."""
        source = self.path(name)
        run(["convert", *picture, "PNG24:" + source], check=True)
        self.open_on_capture()
        self.open_file(source)
        return source

    def assert_the_view_shows(self, capture):
        left, top, width, height = self.view()
        shown = cut(screenshot(self.path("root.png")), f"{width}x{height}+{left}+{top}")
        self.assertEqual(different_pixels(shown, capture, crop_b=f"{width}x{height}+0+0"), 0)
        self.close_window(EDITOR, "closes without a question")


class EditorTest(EditorCase):
    # Opened by the send hotkey and closed twice, the editor then opens on the last capture with a
    # double click of the mouse on Wine's tray icon.
    def test_after_two_captures_into_the_editor_a_double_click_on_the_tray_icon_opens_it_on_the_last(self):
        self.program = self.start_program()
        for _ in range(2):
            capture = self.open_on_capture(start=False)
            self.close_window(EDITOR)
        left, top, width, height = window_rect("Wine System Tray", "__winex11_tray_icon")
        xdotool("mousemove", left + width // 2, top + height // 2, "click", "--repeat", "2", "1")
        self.wait_window(EDITOR)
        xdotool("mousemove", "600", "500")  # off the toolbar, whose tips cover the view
        self.assert_the_view_shows(capture)

    def test_images_made_by_imagemagick_open_and_save_with_their_pixels(self):
        self.open_on_capture()
        # A 16-bit PNG is shown in the display's 8 bits a sample; JPEG decoders round differently. The
        # names hold characters of no single ANSI code page.
        for name, depth in (("8.png", 8), ("8.tif", 8), ("16.png", 16), ("8.jpg", 8)):
            source = self.path("Ärger Ωμέγα 日本 " + name)
            run(["convert", "-size", "300x200", "gradient:#c02020-#2040e0", "-fill", "#f0d020", "-draw",
                 "circle 150,100 150,160", "-depth", str(depth), "-quality", "100", "-sampling-factor", "1x1",
                 source], check=True)
            self.open_file(source)
            saved = self.save(f"saved{name}.png")
            self.assertEqual(image_size(saved), (300, 200))
            if name.endswith(".jpg"):
                result = run(["compare", "-metric", "PSNR", source, saved, "null:"])
                self.assertGreater(float(result.stderr.decode().split()[0]), 40, name)
            else:
                fuzz = "1%" if depth == 16 else "0"
                result = run(["compare", "-metric", "AE", "-fuzz", fuzz, source, saved, "null:"])
                self.assertEqual(result.stderr.decode().split()[0], "0", name)

    def test_a_file_that_is_no_picture_is_told_and_the_picture_stays(self):
        capture = self.open_on_capture()
        with open(self.path("notes.txt"), "w") as handle:
            handle.write("not a picture")
        self.open_file(self.path("notes.txt"))
        self.assertIn("could not open", self.message("OK"))
        self.assertEqual(different_pixels(self.save("kept.png"), capture), 0)

    def draw_frame(self, button="Frame"):
        self.click(button)
        self.press(100, 100)
        self.press(200, 150)

    # Open asks as New does. A file just opened, and an editor emptied by New, close without a question.
    def test_open_and_new_ask_before_an_edit_goes_and_an_empty_editor_closes_at_once(self):
        self.open_on_capture()
        self.draw_frame()
        source = self.path("opened.png")
        run(["convert", "-size", "300x200", "gradient:#c02020-#2040e0", "-depth", "8", source], check=True)
        self.open_file(source, question="Open file")
        self.assert_the_view_shows(source)

        self.assertEqual(driver("tray", "515")[0], 0)
        self.wait_window(EDITOR)
        self.draw_frame()
        self.click("New")
        self.ask_and_answer("New file", "&Yes")
        self.close_window(EDITOR, "an empty editor closes at once")

    # Exit from the tray menu ends the editor too, and asks about its edits as closing it does:
    # Cancel keeps the program and the edit (Exit asks again), No ends the program.
    def test_exit_from_the_tray_menu_asks_about_unsaved_edits_and_cancel_keeps_program_and_edit(self):
        self.open_on_capture()
        self.draw_frame()
        for answer in ("Cancel", "&No"):
            self.choose_from_tray(TRAY_EXIT)
            self.assertIn("Save changes to this file?", self.message(answer, "Quit program"))
            if answer == "Cancel":
                self.wait_window(EDITOR, "the editor stays", timeout=5)
                self.assertIsNone(self.program.process.poll(), "the program runs on")
        self.assertEqual(self.program.exit_code(timeout=20), 0)

    # The buttons' names, which automation and screen readers read, the questions and the messages
    # speak the language chosen in the options; a hostile file's refusal gives its size inside the
    # German sentence.
    def test_in_german_the_buttons_a_hostile_file_and_the_close_question_are_german(self):
        self.fresh_settings(SendTo=5, Language=1)
        self.open_on_capture()
        names = self.texts(EDITOR)
        for name in ("Neu", "Bereich", "\u00d6ffnen", "Speichern", "Drucken", "Kopieren", "R\u00fcckg\u00e4ngig",
                     "Zuschneiden", "Rahmen", "Ellipse", "Pfeil", "Textmarker", "Schw\u00e4rzen", "St\u00e4rke:",
                     "Farbe", "Hilfe"):
            self.assertIn(name, names)
        self.assertFalse({"New", "Open", "Undo", "Crop", "Frame", "Colour", "Help"} & set(names), names)
        hostile = self.path("riesig.png")
        with open(hostile, "wb") as handle:
            handle.write(png_header_only(60000, 60000))
        self.open_file(hostile, "\u00d6ffnen", "Screenshot-Datei \u00f6ffnen")
        text = self.message("OK")
        self.assertIn("riesig.png\nnicht \u00f6ffnen.", text)
        self.assertIn("Das Bild ist 60000 \u00d7 60000 Pixel gro\u00df. Snapwright \u00f6ffnet Bilder mit bis zu 16384 "
                      "Pixeln je Seite.", text)

        self.draw_frame("Rahmen")
        self.assertEqual(driver("close", EDITOR)[0], 0)
        self.assertIn("\u00c4nderungen an dieser Datei speichern?", self.message("&No", "Programm beenden"))
        self.window_gone(EDITOR)

    # Tesseract's Greek model reads the New button's tooltip and the question that New asks.
    def test_in_greek_a_tooltip_and_the_discard_question_read_in_greek_letters(self):
        self.fresh_settings(SendTo=5, Language=16)
        self.open_on_capture()
        left, top, _, _ = self.view()
        x, y = left + 15, top - 21  # the first button, New, above the view
        xdotool("mousemove", x, y)
        tip = "\u0394\u03b7\u03bc\u03b9\u03bf\u03c5\u03c1\u03b3\u03af\u03b1: \u03ad\u03bd\u03b1\u03c1\u03be\u03b7 \u03bc\u03b5 \u03ba\u03b5\u03bd\u03ae \u03b5\u03b9\u03ba\u03cc\u03bd\u03b1 (Ctrl+N)"

        def tip_read():
            lines = read_text(screenshot(self.path("tip.png")), f"640x50+{max(0, x - 40)}+{y + 8}", "ell")
            return [line for line in lines if difflib.SequenceMatcher(None, line.lower(), tip.lower()).ratio() > 0.7]
        wait_until(tip_read, timeout=30, interval=0.2, what="the Greek tooltip of New")
        self.draw_frame("\u03a0\u03bb\u03b1\u03af\u03c3\u03b9\u03bf")  # Frame
        self.click("\u0394\u03b7\u03bc\u03b9\u03bf\u03c5\u03c1\u03b3\u03af\u03b1")  # New
        title = "\u039d\u03ad\u03bf \u03b1\u03c1\u03c7\u03b5\u03af\u03bf"  # "New file"
        self.wait_window(title)
        left, top, width, height = window_rect(title)
        # The question's line, below the caption bar and above the buttons.
        read = read_text(screenshot(self.path("question.png")), f"{width}x{height // 2}+{left}+{top + 20}", "ell")
        question = "\u039d\u03b1 \u03b1\u03c0\u03bf\u03c1\u03c1\u03b9\u03c6\u03b8\u03b5\u03af \u03c0\u03c1\u03ac\u03b3\u03bc\u03b1\u03c4\u03b9 \u03b1\u03c5\u03c4\u03cc \u03c4\u03bf \u03b1\u03c1\u03c7\u03b5\u03af\u03bf;"
        # OCR mistakes a letter now and then; the line that reads mostly as the question is the question.
        self.assertTrue(any(difflib.SequenceMatcher(None, line.lower(), question.lower()).ratio() > 0.7 for line in read),
                        read)
        self.answer(title, "&No")

    def test_crop_at_a_point_and_undo(self):
        capture = self.open_on_capture()
        self.click("Crop")
        self.press(300, 200)  # upper left quarter: the top-left corner moves there
        cropped = self.save("cropped.png")
        self.assertEqual(image_size(cropped), (724, 568))
        self.assertEqual(different_pixels(cropped, capture, crop_b="724x568+300+200"), 0)
        # Saving forgets the undo pictures: a second cut is undone to the first.
        self.press(600, 400)
        self.click("Undo")
        self.assertEqual(different_pixels(self.save("undone.png"), cropped), 0)

    # A frame ten pixels strong in a colour of the colour dialog, and a zoom inset framed in red.
    def test_a_ten_pixel_frame_in_a_chosen_colour_and_a_zoom_inset(self):
        capture = self.open_on_capture()
        self.click("Colour")
        self.wait_window("Color", "the colour dialog")
        for control, value in ((706, "32"), (707, "160"), (708, "64")):
            self.assertEqual(driver("type", "Color", value, str(control))[0], 0)
        self.answer("Color", "OK")
        self.assertEqual(driver("select", EDITOR, "9")[0], 0)  # 10px
        self.draw_frame()
        self.click("Zoom")
        self.press(300, 100)
        self.press(339, 119)  # a region of 40 x 20 pixels
        self.press(400, 300)
        drawn = self.save("drawn.png")
        for x, y in ((99, 99), (90, 90), (210, 160), (150, 95), (205, 120)):
            self.assertEqual(pixel(drawn, x, y), (32, 160, 64), f"ring pixel {x},{y}")
        self.assertEqual(different_pixels(cut(drawn, "101x51+100+100"), capture, crop_b="101x51+100+100"), 0)
        self.assertNotEqual(pixel(drawn, 89, 89), (32, 160, 64))

        self.assertEqual(pixel(drawn, 300, 100), (255, 0, 0))
        self.assertEqual(pixel(drawn, 400, 300), (255, 0, 0))
        # Inside its frame, the inset is the region enlarged 1.5 times.
        run(["convert", capture, "-crop", "40x20+300+100", "+repage", "-sample", "60x30!", self.path("region.png")],
            check=True)
        self.assertEqual(different_pixels(cut(drawn, "56x26+402+302"), self.path("region.png"), crop_b="56x26+2+2"), 0)

    def test_a_frame_dragged_is_the_frame_of_two_clicks_and_ctrl_z_undoes_it(self):
        capture = self.open_on_capture()
        self.click("Frame")
        self.press(100, 80)
        self.press(300, 200)
        clicked = self.save("clicked.png")
        self.assertGreater(different_pixels(clicked, capture), 0, "a frame was drawn")
        self.open_file(capture)
        self.click("Frame")
        self.drag(50, 300, 250, 400)
        self.wait_for_view(lambda shown: shown(49, 299) == (255, 0, 0), "the dragged frame")
        self.keys("ctrl+z")
        self.wait_for_view(lambda shown: shown(49, 299) == pixel(capture, 49, 299), "the frame undone")
        self.click("Frame")
        self.drag(100, 80, 300, 200)
        self.assertEqual(different_pixels(self.save("dragged.png"), clicked), 0)

    def test_the_cross_hair_shows_on_a_black_picture(self):
        self.open_made("black.png", "-size", "400x300", "xc:black")
        self.click("Ellipse")
        left, top, _, _ = self.view()
        xdotool("mousemove", left + 150, top + 100, "mousemove", left + 200, top + 150)
        # Beside the pointer, the vertical and the horizontal line are edged in white.
        self.wait_for_view(lambda shown: shown(201, 60) != (0, 0, 0) and shown(300, 151) != (0, 0, 0),
                           "the cross-hair")

    def test_tab_and_shift_tab_move_through_the_toolbar(self):
        self.open_on_capture()
        self.press(10, 10)  # the view takes the focus
        for keys, button in (("tab", "New"), ("tab", "Region"), ("tab", "Open"), ("shift+tab", "Region")):
            self.keys(keys)
            wait_until(lambda: driver("focus", EDITOR)[1].strip() == button, what=f"{button} after {keys}")


# At 150 % scaling the screen grab still has the screen's full pixel size (twips per pixel come from
# the display), and the view shows it pixel for pixel.
class EditorScalingTest(EditorCase):
    def setUp(self):
        super().setUp()
        self.scale_display()

    def test_at_150_percent_the_capture_is_the_screen_and_the_view_shows_it_pixel_for_pixel(self):
        self.assert_the_view_shows(self.open_on_capture())


if __name__ == "__main__":
    unittest.main()
