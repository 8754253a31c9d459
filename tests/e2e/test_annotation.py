"""The editor's marking tools from outside: text typed in place, an arrow, a highlight and redactions
made with the mouse on a known picture, then the picture saved, copied and printed; Tesseract reads
what must be readable and must not find what was redacted."""

import os
import unittest

from e2e_support import clipboard_bmp, different_pixels, driver, put_text_on_clipboard, run, wait_until
from test_editor import EDITOR, SAVE_DIALOG, EditorCase, pixel
from test_printing import pdf_files, wait_for_new_pdf

TEXT_SIZES = "1008"  # the dialog item of the text size list


def words(path, crop=None, language="eng"):
    """The words Tesseract reads in (a part of) a picture, enlarged twice."""
    enlarged = path + ".ocr.png"
    run(["convert", path] + (["-crop", crop, "+repage"] if crop else []) + ["-resize", "200%", "-colorspace", "Gray",
                                                                            enlarged], check=True)
    result = run(["tesseract", enlarged, "-", "-l", language, "--psm", "11"], timeout=120, check=True)
    return result.stdout.decode("utf-8", "replace").split()


def red_pixels(path, x, y):
    """How many pixels of the 7 x 7 square around a point are pure red."""
    text = run(["convert", path, "-crop", f"7x7+{x - 3}+{y - 3}", "-depth", "8", "txt:-"], check=True).stdout
    return text.decode().count("(255,0,0)")


class AnnotationTest(EditorCase):
    def setUp(self):
        self.fresh_settings(SendTo=5, NumShots=1)

    def type_keys(self, text):
        self.assertEqual(driver("type-keys", text)[0], 0)

    def test_text_arrow_highlight_and_redaction_reach_every_hand_off_and_the_redacted_word_none(self):
        source = self.path("known.png")
        run(["convert", "-size", "1000x520", "xc:white", "-font", "DejaVu-Sans", "-pointsize", "40", "-fill", "black",
             "-draw", "text 30,100 'CONFIDENTIAL'", "-draw", "text 30,220 'VISIBLE'", "-fill", "rgb(100,150,200)",
             "-draw", "rectangle 600,90 950,160", "-depth", "8", "PNG24:" + source], check=True)
        self.assertIn("CONFIDENTIAL", words(source))
        self.open_on_capture()
        self.open_file(source)

        self.click("Text")
        self.assertEqual(driver("select", EDITOR, "4", TEXT_SIZES)[0], 0)  # 24px
        self.press(30, 300)
        self.type_keys("Snapwright Ωμέγα 123")
        self.keys("enter")
        self.press(30, 420)  # Escape drops what is typed
        self.type_keys("Lost")
        self.keys("escape")
        self.click("Text")

        self.assertEqual(driver("select", EDITOR, "4")[0], 0)  # 5px
        self.click("Arrow")
        self.drag(600, 300, 850, 420)
        self.click("Arrow")
        self.click("Highlight")
        self.drag(620, 100, 930, 150)
        self.click("Highlight")
        self.click("Redact")
        self.drag(20, 50, 400, 115)
        left, top, _, _ = self.view()  # with Shift at the release: solid, in the colour
        run(["xdotool", "mousemove", str(left + 700), str(top + 460), "mousedown", "1", "mousemove",
             str(left + 800), str(top + 490), "mousemove", str(left + 900), str(top + 510), "keydown", "shift",
             "mouseup", "1", "keyup", "shift"], check=True)
        self.click("Redact")

        saved = self.save("marked.png")
        # Tesseract's mixed model takes the Greek for Latin look-alikes: each script by its own.
        latin, greek = (words(saved, "600x60+20+290", language) for language in ("eng", "ell"))
        self.assertTrue({"Snapwright", "123"} <= set(latin) and "Ωμέγα" in greek, (latin, greek))
        dropped = self.path("dropped.png")
        run(["convert", saved, "-crop", "500x50+0+405", "+repage", dropped], check=True)
        self.assertEqual(different_pixels(dropped, source, crop_b="500x50+0+405"), 0, "the text dropped")
        # The mouse may land a pixel or two off: the arrow's pixels are looked for around the points.
        self.assertGreaterEqual(red_pixels(saved, 725, 360), 12, "the arrow's shaft")
        self.assertGreaterEqual(red_pixels(saved, 838, 414), 30, "the arrow's head")
        self.assertEqual(pixel(saved, 600, 420), (255, 255, 255), "beside the arrow")
        self.assertEqual(pixel(saved, 700, 120), (100, 150, 0), "highlighted blue")
        self.assertEqual(pixel(saved, 700, 165), (255, 255, 255), "below the highlight")
        self.assertEqual(pixel(saved, 800, 500), (255, 0, 0), "the solid redaction")

        # Every hand-off has the word redacted and the word beside it readable.
        outputs = {"png": saved}
        self.click("Save")
        self.assertEqual(driver("wait-window", SAVE_DIALOG, "", "20000")[0], 0)
        self.assertEqual(driver("select", SAVE_DIALOG, "1")[0], 0)  # JPEG
        self.assertEqual(driver("click", SAVE_DIALOG, "create thumbnail")[0], 0)
        self.assertEqual(driver("slider", SAVE_DIALOG, "50")[0], 0)
        self.answer(SAVE_DIALOG, "&OK")
        folder = os.path.join(self.program.folder, "Screenshots")
        outputs["jpeg"] = wait_until(lambda: [os.path.join(folder, n) for n in os.listdir(folder)
                                              if n.endswith(".jpg") and "_thumb" not in n], what="the JPEG")[0]
        outputs["thumbnail"] = outputs["jpeg"][:-4] + "_thumb.jpg"
        put_text_on_clipboard()
        self.click("Copy")
        outputs["clipboard"] = clipboard_bmp(self.path("clipboard.png"), target="image/png")
        before = pdf_files()
        self.click("Print")
        page = self.path("page")
        run(["pdftoppm", "-r", "200", "-png", "-singlefile", wait_for_new_pdf(before), page], check=True)
        outputs["printed"] = page + ".png"
        for name, path in outputs.items():
            wait_until(lambda: os.path.exists(path) and run(["identify", path]).returncode == 0, what=name)
            read = words(path)
            self.assertIn("VISIBLE", read, name)
            self.assertNotIn("CONFIDENTIAL", read, name)
            self.assertFalse(any("CONF" in word or "DENT" in word for word in read), f"{name}: {read}")


if __name__ == "__main__":
    unittest.main()
