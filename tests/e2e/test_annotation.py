# The editor's marking tools on a known picture, which then goes to every hand-off: Tesseract reads
# the text typed in and the word left alone, and never the word redacted.

import os
import unittest

from e2e_support import clipboard_bmp, cut, different_pixels, driver, put_text_on_clipboard, run, wait_until, words
from test_editor import EDITOR, SAVE_DIALOG, EditorCase, pixel
from test_printing import pdf_files, wait_for_new_pdf


def red_pixels(path, x, y):
    # Of the 7 x 7 pixels around a point (the mouse may land a pixel off), those pure red.
    return run(["convert", path, "-crop", f"7x7+{x - 3}+{y - 3}", "-depth", "8", "txt:-"],
               check=True).stdout.decode().count("(255,0,0)")


class AnnotationTest(EditorCase):
    def test_text_arrow_highlight_and_redactions_reach_every_hand_off_and_the_redacted_word_none(self):
        self.fresh_settings(SendTo=5, NumShots=1)
        source = self.open_made("known.png", "-size", "1000x520", "xc:white", "-font", "DejaVu-Sans", "-pointsize",
                                "40", "-draw", "text 30,100 'CONFIDENTIAL'", "-draw", "text 30,220 'VISIBLE'",
                                "-fill", "rgb(100,150,200)", "-draw", "rectangle 600,90 950,160")
        self.assertIn("CONFIDENTIAL", words(source))
        self.click("Text")
        self.assertEqual(driver("select", EDITOR, "4", "1008")[0], 0)  # the text size list: 24px
        for x, y, text, key in ((30, 300, "Snapwright Ωμέγα 123", "enter"), (30, 420, "Lost", "escape")):
            self.press(x, y)
            self.assertEqual(driver("type", EDITOR, text)[0], 0)
            self.keys(key)
        self.press(600, 20)  # a click elsewhere would put in any text still open
        self.assertEqual(driver("select", EDITOR, "4")[0], 0)  # strength 5px
        self.click("Text")  # pressed again, a tool is left
        for tool, corners in (("Arrow", (600, 300, 850, 420)), ("Highlight", (620, 100, 930, 150)),
                              ("Redact", (20, 50, 400, 115))):
            self.click(tool)
            self.drag(*corners)
            self.click(tool)
        self.click("Redact")
        self.drag(700, 460, 900, 510, shift=True)  # a redaction with Shift held at the release: solid red

        saved = self.save("marked.png")
        # Tesseract's mixed model takes the Greek for Latin look-alikes: each script by its own. Its
        # Greek model may read the mu as the micro sign, a glyph drawn alike.
        latin, greek = (words(saved, "600x60+20+290", language) for language in ("eng", "ell"))
        greek = [word.replace("\u00b5", "\u03bc") for word in greek]
        self.assertTrue({"Snapwright", "123"} <= set(latin) and "Ωμέγα" in greek, (latin, greek))
        self.assertEqual(different_pixels(cut(saved, "500x50+0+405"), source, crop_b="500x50+0+405"), 0)
        self.assertTrue(red_pixels(saved, 725, 360) >= 12 and red_pixels(saved, 838, 414) >= 30, "the arrow")
        self.assertEqual([pixel(saved, *p) for p in ((600, 420), (700, 120), (700, 165), (800, 500))],
                         [(255, 255, 255), (100, 150, 0), (255, 255, 255), (255, 0, 0)])

        self.click("Save")
        self.wait_window(SAVE_DIALOG)
        self.assertEqual(driver("select", SAVE_DIALOG, "1")[0], 0)  # JPEG, with a thumbnail at 50 %
        self.assertEqual(driver("click", SAVE_DIALOG, "create thumbnail")[0], 0)
        self.assertEqual(driver("slider", SAVE_DIALOG, "50")[0], 0)
        self.answer(SAVE_DIALOG, "&OK")
        folder = os.path.join(self.program.folder, "Screenshots")
        jpeg = wait_until(lambda: [os.path.join(folder, n) for n in os.listdir(folder)
                                   if n.endswith(".jpg") and "_thumb" not in n], what="the JPEG")[0]
        put_text_on_clipboard()
        self.click("Copy")
        clipboard = clipboard_bmp(self.path("clipboard.png"), target="image/png")
        before = pdf_files()
        self.click("Print")
        run(["pdftoppm", "-r", "200", "-png", "-singlefile", wait_for_new_pdf(before), self.path("page")], check=True)
        for path in (saved, jpeg, jpeg[:-4] + "_thumb.jpg", clipboard, self.path("page.png")):
            read = wait_until(lambda: run(["identify", path]).returncode == 0 and words(path), what=path)
            self.assertIn("VISIBLE", read, path)
            self.assertFalse([word for word in read if "CONF" in word or "DENT" in word], path)


if __name__ == "__main__":
    unittest.main()
