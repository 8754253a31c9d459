# Marks that stay editable, driven with the mouse and keys: a text edited by a double click, and a
# redaction moved from one word to another. What leaves the editor is read with ImageMagick and Tesseract.

import unittest

from e2e_support import clipboard_bmp, driver, put_text_on_clipboard, run, wait_until
from test_annotation import words
from test_editor import EDITOR, EditorCase



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

    def test_a_text_double_clicked_and_retyped_is_saved_with_the_new_word_only(self):
        self.open_words()
        self.click("Text")
        self.assertEqual(driver("select", EDITOR, "4", "1008")[0], 0)  # 24px
        self.press(60, 300)
        self.assertEqual(driver("type", EDITOR, "Orange")[0], 0)
        self.keys("enter")
        self.keys("escape")  # the tool goes; the text stays a mark
        self.double_click(80, 312)
        self.assertEqual(driver("type", EDITOR, "Lemon")[0], 0)  # the field's text is selected: replaced
        self.keys("enter")
        read = words(self.save("retyped.png"), "500x80+40+280")
        self.assertIn("Lemon", read)
        self.assertNotIn("Orange", read)

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
