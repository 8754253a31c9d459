"""The editor's window as the user handles it: narrowed, driven from its toolbar by keys, and typed
into, each checked from outside (xdotool, ImageMagick, Tesseract)."""

import unittest

from e2e_support import driver, read_text, run, screenshot, wait_until, window_rect, words, xdotool
from test_editor import EDITOR, EditorCase
from test_options import HELP_TITLE


def rect(name):
    """The screen rectangle of the editor's visible control of that name, or None."""
    code, text = driver("child-rect", EDITOR, name)
    return [int(v) for v in text.split()] if code == 0 else None


class EditorWindowTest(EditorCase):
    def white_picture(self):
        return self.open_made("white.png", "-size", "800x500", "xc:white")

    def focused(self):
        return driver("focus", EDITOR)[1].strip()

    # Narrowed to 500 x 350, the toolbar takes more rows: every control shows whole inside the window,
    # the view starts below the last row, the last tool and the last button work with the mouse.
    def test_narrowed_to_500_by_350_every_control_of_the_toolbar_is_reachable(self):
        self.white_picture()
        wide = rect("Help")
        self.assertEqual(driver("size", EDITOR, "500", "350")[0], 0)
        wait_until(lambda: rect("Help") and rect("Help")[1] > wide[1], what="the toolbar wrapped")
        left, top, width, height = window_rect(EDITOR)
        self.assertEqual((width, height), (500, 350))
        names = [n for n in driver("texts", EDITOR)[1].splitlines()[1:] if n.strip()]
        for name in ("New", "Open", "Save", "Frame", "Ellipse", "Text", "Arrow", "Highlight", "Redact", "Help"):
            self.assertIn(name, names)
        shown = {name: rect(name) for name in names if rect(name)}
        self.assertGreaterEqual(len(shown), 12, shown)
        for name, (x, y, w, h) in shown.items():
            self.assertTrue(left <= x and x + w <= left + width and top <= y and y + h <= top + height, (name, shown))
        view_left, view_top, _, _ = self.view()
        self.assertGreater(view_top, max(y + h for x, y, w, h in shown.values()) - 1, "the view below the toolbar")
        self.assertEqual(view_left, shown["New"][0])

        def click_on(name):
            x, y, w, h = shown[name]
            xdotool("mousemove", x + w // 2, y + h // 2, "click", "1")

        click_on("Redact")
        self.drag(40, 30, 120, 90, shift=True)  # a redaction so made is solid
        self.wait_for_view(lambda at: at(80, 60) == (255, 0, 0), "a solid redaction drawn after the Redact button")
        click_on("Help")
        self.wait_window(HELP_TITLE, "the help viewer opens", timeout=30)
        self.close_window(HELP_TITLE)

    # The Undo button shows its blue arrow while there is something to undo, and the arrow greyed on
    # the button's face when there is nothing; it once showed one grey square.
    def test_the_undo_button_shows_its_arrow_greyed_while_there_is_nothing_to_undo(self):
        self.white_picture()

        def inside(name, shot):
            x, y, w, h = rect(name)
            return ["convert", shot, "-crop", f"{w - 12}x{h - 12}+{x + 6}+{y + 6}", "+repage"]

        def undo_button():
            crop = inside("Undo", screenshot(self.path("toolbar.png")))
            colours = run([*crop, "-format", "%k", "info:"], check=True).stdout
            saturation = run([*crop, "-colorspace", "HSL", "-channel", "G", "-separate", "-format", "%[fx:maxima]",
                              "info:"], check=True).stdout
            return int(colours), float(saturation)

        colours, saturation = undo_button()
        self.assertGreater(colours, 1, "an arrow, not one grey square")
        self.assertLess(saturation, 0.2, "greyed")
        x, y, w, h = rect("Frame")
        xdotool("mousemove", x + w // 2, y + h // 2, "click", "1")
        self.drag(40, 30, 120, 90)
        wait_until(lambda: undo_button()[1] > 0.5, what="the Undo button's blue arrow")
        shot = screenshot(self.path("toolbar.png"))
        face = [run([*inside(name, shot), "-format", "%[pixel:p{0,0}]", "info:"], check=True).stdout
                for name in ("Undo", "Zoom")]
        self.assertEqual(face[0], face[1], "the Undo button's face is the other buttons' face")
        self.keys("ctrl+z")
        wait_until(lambda: undo_button()[1] < 0.2, what="the Undo button greyed again")
        self.assertGreater(undo_button()[0], 1, "an arrow, not one grey square")

    # With a toolbar button focused (as after the Open dialog, or Tab), the tool letters choose their
    # tools as they do in the view; typed into a text, they are letters of the text.
    def test_the_tool_letters_choose_their_tools_with_the_toolbar_focused(self):
        self.white_picture()
        wait_until(lambda: self.focused() == "Open", what="the Open button focused after its dialog")
        self.keys("r")
        self.drag(40, 30, 120, 90, shift=True)
        self.wait_for_view(lambda at: at(80, 60) == (255, 0, 0), "a solid redaction after R")
        self.keys("tab")
        wait_until(lambda: self.focused() not in ("", "Open"), what="the next button focused")
        focused = self.focused()
        self.keys("h")
        self.assertEqual(self.focused(), focused, "the button keeps the focus")
        self.drag(200, 30, 300, 90)
        self.wait_for_view(lambda at: at(250, 60) not in ((255, 255, 255), (255, 0, 0)), "a highlight after H")
        self.keys("t")
        self.press(40, 200)
        xdotool("type", "--delay", "60", "That art")
        self.keys("enter")
        self.assertIn("That", words(self.save("lettered.png"), "600x100+20+180"))

    # In a box of 300 pixels at 48 pixels, the field shows the typed words in the lines in which they
    # land in the picture.
    def test_text_typed_into_a_box_lands_line_for_line_as_the_field_shows_it(self):
        self.white_picture()
        self.click("Text")
        self.assertEqual(driver("select", EDITOR, "6", "1008")[0], 0)  # the text size list: 48px
        self.drag(40, 40, 340, 60)
        xdotool("type", "--delay", "60", "Typed words land line for line")
        left, top, _, _ = self.view()
        area = "560x300+30+30"

        def shown_lines():
            read = read_text(screenshot(self.path("screen.png")), f"560x300+{left + 30}+{top + 30}", scale="200%",
                             threshold=None)
            return read if " ".join(read) == "Typed words land line for line" else None
        typed = wait_until(shown_lines, what="the typed words in the field")
        self.assertGreaterEqual(len(typed), 3, typed)
        self.keys("enter")
        self.assertEqual(read_text(self.save("typed.png"), area, scale="200%", threshold=None), typed)


if __name__ == "__main__":
    unittest.main()
