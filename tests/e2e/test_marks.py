# Marks that stay editable, driven with the mouse and keys: a frame moved by its edge and the move
# undone, a text edited by a double click, a redaction moved from one word to another, and numbered
# steps renumbered after one is deleted. What leaves the editor is read with ImageMagick and Tesseract.

import unittest

from e2e_support import (clipboard_bmp, cut, different_pixels, driver, put_text_on_clipboard, run, screenshot,
                         wait_until, words, xdotool)
from test_editor import EDITOR, EditorCase, pixel

RED = "rgb(255,0,0)"


def red_pixels(path):
    """How many pixels of a picture are pure red, and the box around them (width, height, left, top)."""
    only_red = ["convert", path, "-alpha", "off", "-fill", "white", "+opaque", RED]
    count = run(only_red + ["-fill", "black", "-opaque", RED, "-format", "%[fx:round((1-mean)*w*h)]", "info:"],
                check=True).stdout.decode()
    box = run(only_red + ["-format", "%@", "info:"], check=True).stdout.decode()
    width, rest = box.split("x")
    height, left, top = rest.split("+")
    return int(count), (int(width), int(height), int(left), int(top))


def red_only(path):
    """The picture's pure red pixels in black, all others white."""
    run(["convert", path, "-alpha", "off", "-fill", "white", "+opaque", RED, "-fill", "black", "-opaque", RED,
         path + ".red.png"], check=True)
    return path + ".red.png"


def red_areas(path):
    """The boxes (width, height, left, top) of the areas of pure red pixels that touch each other."""
    text = run(["convert", path, "-alpha", "off", "-fill", "black", "+opaque", RED, "-fill", "white", "-opaque", RED,
                "-define", "connected-components:verbose=true", "-connected-components", "8", "null:"],
               check=True).stdout.decode()
    areas = []
    for line in text.splitlines()[1:]:
        fields = line.split()
        if fields[-1] in ("srgb(255,255,255)", "gray(255)", "white"):
            width, rest = fields[1].split("x")
            height, left, top = rest.split("+")
            areas.append((int(width), int(height), int(left), int(top)))
    return sorted(areas, key=lambda area: area[2])


def cut_box(path, box, name):
    left, top, width, height = box
    return cut(path, f"{width}x{height}+{left}+{top}", name)


class MarksTest(EditorCase):
    def open_words(self):
        """The editor on a white picture with two words in it."""
        return self.open_made("words.png", "-size", "1000x520", "xc:white", "-font", "DejaVu-Sans", "-pointsize", "40",
                              "-draw", "text 60,100 'HIDDEN'", "-draw", "text 560,100 'AGAIN'")

    def copied(self, name):
        put_text_on_clipboard()
        self.click("Copy")
        return clipboard_bmp(self.path(name), target="image/png")

    def double_click(self, x, y):
        left, top, _, _ = self.view()
        xdotool("mousemove", left + x, top + y, "click", "--repeat", "2", "--delay", "80", "1")

    # The frame just drawn stays selected when Escape leaves the tool; dragged by its top edge, away
    # from the handles, it moves whole, and Ctrl+Z puts it back. A picture with no pure red in it
    # shows where the frame is: the copies differ from it in the frame's pixels only.
    def test_a_frame_moved_by_its_edge_leaves_its_old_place_and_ctrl_z_puts_it_back(self):
        source = self.open_made("gradient.png", "-size", "700x450", "gradient:#2040e0-#20c040", "-depth", "8")
        self.click("Frame")
        self.drag(100, 100, 220, 180)
        self.keys("escape")
        drawn = self.copied("drawn.png")
        count, (width, height, left, top) = red_pixels(drawn)
        self.assertGreater(count, 300, "the frame is drawn")
        self.assertEqual(different_pixels(drawn, source), count, "the frame's pixels alone differ")
        self.assertLess(abs(left - 100) + abs(top - 100) + abs(width - 121) + abs(height - 81), 8,
                        (width, height, left, top))

        self.drag(130, top, 330, top + 150)
        moved_edge = (left + 230, top + 150)
        self.wait_for_view(lambda shown: shown(*moved_edge) == (255, 0, 0), "the frame at its new place")
        moved = self.copied("moved.png")
        self.assertEqual(red_pixels(moved), (count, (width, height, left + 200, top + 150)),
                         "the whole frame moved, by the mouse's way")
        self.assertEqual(different_pixels(moved, source), count, "nothing is left at the old place")
        there = cut_box(red_only(moved), (left + 200, top + 150, width, height), self.path("there.png"))
        here = cut_box(red_only(drawn), (left, top, width, height), self.path("here.png"))
        self.assertEqual(different_pixels(there, here), 0, "the frame kept its shape")

        self.keys("ctrl+z")
        self.wait_for_view(lambda shown: shown(*moved_edge) == pixel(source, *moved_edge), "the move undone")
        self.assertEqual(different_pixels(self.copied("undone.png"), drawn), 0, "the frame is back at its place")

    def test_a_retyped_text_and_deletions_undone_across_wrapping_are_saved_as_typed(self):
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
        # In a narrow box the words wrap, and wrap back as they are deleted; Ctrl+Z still takes
        # back each Backspace.
        self.click("Text")
        self.drag(60, 380, 150, 430)
        xdotool("type", "--delay", "100", "alpha beta")  # keys, which the field wraps
        self.wait_for_second_line(True, "beta wrapped onto a second line")
        xdotool("key", "--delay", "150", *["BackSpace"] * 5)
        self.wait_for_second_line(False, "beta deleted, one line again")
        xdotool("key", "--delay", "150", *["ctrl+z"] * 5)
        self.wait_for_second_line(True, "beta back")
        self.keys("enter")
        saved = self.save("retyped.png")
        read = words(saved, "500x80+40+280")
        self.assertIn("Lemon", read)
        self.assertNotIn("Orange", read)
        read = words(saved, "300x120+40+370")
        self.assertIn("alpha", read)
        self.assertIn("beta", read)

    def wait_for_second_line(self, shown, what):
        """Waits until the second line of the box drawn at (60, 380) shows red letters, or none."""
        left, top, _, _ = self.view()
        screen = self.path("screen-line.png")

        def letters():
            screenshot(screen)
            count, _ = red_pixels(cut_box(screen, (left + 60, top + 410, 100, 28), self.path("line.png")))
            return (count > 20) == shown
        wait_until(letters, timeout=30, what=what)

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

    # Three steps put with the Step tool, chosen by its letter; the middle one selected and deleted,
    # the last is numbered 2: it looks just as the second step did before, and unlike the third.
    # Tesseract reads the numbers in the saved pictures.
    def test_three_steps_with_the_middle_one_deleted_are_saved_as_1_and_2(self):
        source = self.open_made("grey.png", "-size", "600x300", "xc:rgb(150,150,150)")
        self.assertEqual(driver("select", EDITOR, "9")[0], 0)  # 10px: large steps
        self.press(10, 10)  # the view takes the keys
        self.keys("n")
        places = ((100, 150), (300, 150), (500, 150))
        for x, y in places:
            self.press(x, y)
        three = self.save("three.png")
        areas = red_areas(three)
        self.assertEqual(len(areas), 3, areas)
        size = max(max(area[0], area[1]) for area in areas) + 8
        around = [(x - size // 2, y - size // 2, size, size) for x, y in places]
        for (x, y), (width, height, left, top) in zip(places, areas):
            self.assertLess(abs(left + width / 2 - x) + abs(top + height / 2 - y), 4, "a step where it was put")
        self.assertEqual(self.numbers(three, around), ["1", "2", "3"])

        self.keys("escape")
        self.press(*places[1])
        self.keys("delete")
        self.wait_for_view(lambda shown: shown(*places[1]) == (150, 150, 150), "the middle step deleted")
        two = self.save("two.png")
        self.assertEqual(len(red_areas(two)), 2, red_areas(two))
        self.assertEqual(self.numbers(two, around), ["1", "", "2"])

        def step(picture, place, name):
            return cut_box(picture, around[place], self.path(name))
        self.assertEqual(different_pixels(step(two, 0, "first.png"), step(three, 0, "first-before.png")), 0)
        self.assertEqual(different_pixels(step(two, 1, "gone.png"), step(source, 1, "background.png")), 0)
        renumbered = step(two, 2, "renumbered.png")
        self.assertEqual(different_pixels(renumbered, step(three, 1, "second-before.png")), 0, "the last is step 2")
        self.assertGreater(different_pixels(renumbered, step(three, 2, "third-before.png")), 0, "and no more step 3")

    def numbers(self, picture, boxes):
        """The number on the step in each box, read by Tesseract from the white digits made black on
        white; "" where there is none."""
        digits = picture + ".digits.png"
        run(["convert", picture, "-alpha", "off", "-fill", "black", "-fuzz", "20%", "-opaque", "white", "-fuzz", "0",
             "-fill", "white", "+opaque", "black", digits], check=True)
        read = []
        for index, box in enumerate(boxes):
            one = cut_box(digits, box, f"{digits}.{index}.png")
            read.append(run(["tesseract", one, "-", "--psm", "10", "-c", "tessedit_char_whitelist=0123456789"],
                            timeout=120, check=True).stdout.decode().strip())
        return read


if __name__ == "__main__":
    unittest.main()
