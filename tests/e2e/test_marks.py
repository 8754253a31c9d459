# Marks that stay editable, driven with the mouse and keys: a frame moved by its edge and put back
# with Ctrl+Z, a text edited by a double click, numbered steps with one deleted, and a redaction
# moved from one word to another. What leaves the editor is read with ImageMagick and Tesseract.

import unittest

from e2e_support import clipboard_bmp, driver, put_text_on_clipboard, run, wait_until
from test_annotation import words
from test_editor import EDITOR, EditorCase, pixel

RED = (255, 0, 0)
WHITE = (255, 255, 255)


class MarksTest(EditorCase):
    def open_words(self):
        """The editor on a white picture with two words in it."""
        source = self.path("words.png")
        run(["convert", "-size", "1000x520", "xc:white", "-font", "DejaVu-Sans", "-pointsize", "40", "-draw",
             "text 60,100 'HIDDEN'", "-draw", "text 560,100 'AGAIN'", "PNG24:" + source], check=True)
        self.open_on_capture()
        self.open_file(source)
        return source

    def copied(self, name):
        put_text_on_clipboard()
        self.click("Copy")
        return clipboard_bmp(self.path(name), target="image/png")

    def double_click(self, x, y):
        left, top, _, _ = self.view()
        run(["xdotool", "mousemove", str(left + x), str(top + y), "click", "--repeat", "2", "--delay", "80", "1"],
            check=True)

    def test_a_frame_dragged_by_its_edge_is_copied_at_its_new_place_and_ctrl_z_puts_it_back(self):
        self.open_words()
        self.click("Frame")
        self.drag(100, 250, 300, 350)
        self.keys("Escape")  # the new frame is let go
        self.drag(99, 280, 249, 330)  # by its left edge, away from the handle in its middle
        moved = self.copied("moved.png")
        self.assertEqual(pixel(moved, 249, 330), RED, "the frame at its new place")
        self.assertEqual(pixel(moved, 99, 280), WHITE, "and no longer at the old one")
        self.assertEqual(pixel(moved, 299, 300), WHITE)
        self.keys("ctrl+z")
        back = self.copied("back.png")
        self.assertEqual(pixel(back, 99, 280), RED, "Ctrl+Z puts it back")
        self.assertEqual(pixel(back, 249, 330), WHITE)

    def test_a_text_double_clicked_and_retyped_is_saved_with_the_new_word_only(self):
        self.open_words()
        self.click("Text")
        self.assertEqual(driver("select", EDITOR, "4", "1008")[0], 0)  # 24px
        self.press(60, 300)
        self.assertEqual(driver("type", EDITOR, "Orange")[0], 0)
        self.keys("Return")
        self.keys("Escape")  # the tool goes; the text stays a mark
        self.double_click(80, 312)
        self.assertEqual(driver("type", EDITOR, "Lemon")[0], 0)  # the field's text is selected: replaced
        self.keys("Return")
        read = words(self.save("retyped.png"), "500x80+40+280")
        self.assertIn("Lemon", read)
        self.assertNotIn("Orange", read)

    def test_three_steps_with_the_middle_one_deleted_are_saved_as_one_and_two(self):
        self.open_words()
        self.keys("n")
        for x in (200, 400, 600):
            self.press(x, 300)
        self.keys("Escape")
        self.press(400, 300)
        self.keys("Delete")
        saved = self.save("steps.png")
        self.assertEqual(pixel(saved, 400, 290), WHITE, "the middle step is gone")
        self.assertEqual(pixel(saved, 200, 290), RED)

        def digit(x):
            part = self.path(f"step{x}.png")
            run(["convert", saved, "-crop", f"40x40+{x - 20}+280", "+repage", "-resize", "400%", "-colorspace", "Gray",
                 "-threshold", "60%", "-negate", "-bordercolor", "white", "-border", "40", part], check=True)
            return run(["tesseract", part, "-", "--psm", "10", "-c", "tessedit_char_whitelist=0123456789"],
                       timeout=60, check=True).stdout.decode().strip()
        self.assertEqual((digit(200), digit(600)), ("1", "2"))

    def test_a_redaction_moved_onto_a_word_hides_it_and_the_word_it_left_reads_again(self):
        source = self.open_words()
        self.assertTrue({"HIDDEN", "AGAIN"} <= set(words(source)))
        self.click("Redact")
        self.drag(50, 50, 260, 115)
        self.click("Redact")  # the tool goes; the redaction stays selected
        self.drag(150, 80, 650, 80)  # over AGAIN
        saved = self.save("redacted.png")
        copied = self.copied("redacted-copy.png")
        for picture in (saved, copied):
            read = wait_until(lambda: words(picture), what=picture)
            self.assertIn("HIDDEN", read, picture)
            self.assertNotIn("AGAIN", read, picture)


if __name__ == "__main__":
    unittest.main()
