"""The command line from outside: snapwright.exe run as a script runs it, from a folder of the
caller's, on its own and handed to the tray program; files checked with ImageMagick, the clipboard
with xclip, printed pages with pdfimages."""

import os
import subprocess
import unittest

from e2e_support import (EXE, SCREEN, E2ETestCase, clipboard_bmp, different_pixels, drag, driver, env, image_size,
                         window_rect, wine_path)
from fakeoffice import RunningOffice
from test_printing import pdf_files, pdf_images, product_version, wait_for_new_pdf
from test_editor import EDITOR
from test_saving import TITLE as SAVE_DIALOG

WINDOW = (480, 320)
NAME = "Bildschirm ✓ 截图"  # no code page holds it
README = os.path.join(os.path.dirname(__file__), "..", "..", "README.md")


class CommandLineTest(E2ETestCase):
    def setUp(self):
        self.fresh_settings(SendTo=0)
        # The window in front; it also keeps Wine's desktop process, which serves the clipboard, alive.
        self.addCleanup(RunningOffice("Snapwright test window").close)
        self.caller = self.path("caller")
        os.makedirs(self.caller)

    def start(self, *arguments):
        return subprocess.Popen(["wine", EXE, *arguments], cwd=self.caller, env=env(),
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def command(self, *arguments, timeout=120):
        """Runs a command in the caller's folder; gives its exit code, output and errors."""
        return super().command(*arguments, cwd=self.caller, timeout=timeout)

    def file(self, name):
        return os.path.join(self.caller, name)

    def test_on_its_own_a_command_writes_prints_and_tells_its_outcome(self):
        code, usage, _ = self.command("--help")
        self.assertEqual(code, 0)
        with open(README, encoding="utf-8") as readme:
            self.assertIn(usage, readme.read(), "--help prints what the README shows")
        self.assertEqual(self.command("--version"), (0, f"Snapwright {product_version()}\n", ""))
        self.assertEqual(self.command("--screen", "--delay", "-1")[::2],
                         (2, '--delay takes seconds from 0 to 3600, such as 2 or 0.5, not "-1".\n'
                             "Run snapwright.exe --help to see the options.\n"))

        screen = self.settled_screen("screen")
        for run_number in range(10):
            self.assertEqual(self.command("--screen", "--file", f"{NAME}\\{run_number}.png"), (0, "", ""))
            self.assertEqual(different_pixels(self.file(f"{NAME}/{run_number}.png"), screen), 0, run_number)
        self.assertEqual(self.command("--window", "--to", "clipboard"), (0, "", ""))
        self.assertEqual(image_size(clipboard_bmp(self.path("window.bmp"))), WINDOW)

        code, _, errors = self.command("--screen", "--file", f"{NAME}\\0.png")
        self.assertEqual(code, 3)
        self.assertIn(f"{NAME}\\0.png\n\nThe file exists already; --overwrite replaces it.", errors)
        self.assertEqual(self.command("--window", "--file", f"{NAME}\\0.png", "--overwrite")[0], 0)
        self.assertEqual(image_size(self.file(f"{NAME}/0.png")), WINDOW)

        open(self.file("notes.txt"), "w").close()
        self.assertEqual(self.command("--screen", "--file", "notes.txt\\shot.jpg", "--quiet"), (3, "", ""))
        code, _, errors = self.command("--screen", "--file", "notes.txt\\shot.jpg")
        self.assertEqual(code, 3)
        self.assertIn(f"\n\n{wine_path(self.file('notes.txt'))} is a file, not a folder.", errors)

        before = pdf_files()
        self.assertEqual(self.command("--window", "--to", "print"), (0, "", ""))
        self.assertEqual(pdf_images(wait_for_new_pdf(before)), [WINDOW])

    # Whatever cannot be written is told by what is wrong with it, before anything is written: a
    # thumbnail that cannot be written leaves no main file, so that the same command can run again.
    def test_a_file_that_cannot_be_written_is_told_why_and_leaves_nothing(self):
        os.mkdir(self.file("b_thumb.png"))
        os.mkdir(self.file("d.png"))
        for _ in range(2):
            code, _, errors = self.command("--screen", "--file", "b.png", "--thumbnail", "20")
            self.assertEqual(code, 3)
            self.assertIn(f"{wine_path(self.file('b_thumb.png'))}\n\nA folder of this name exists already.", errors)
            self.assertFalse(os.path.exists(self.file("b.png")), "no main file without its thumbnail")
        cases = {
            ("d.png", "--overwrite"): (wine_path(self.file("d.png")), "A folder of this name exists already."),
            ("Q:\\x.png",): ("Q:\\x.png", "The drive Q: does not exist."),
            ("x:y.png",): ("x:\\y.png", "The drive X: does not exist."),
            ("why?.png",): (wine_path(self.file("why?.png")), 'The name holds a character that Windows does not allow: "?".'),
            ("n" * 300 + ".png",): (wine_path(self.file("n" * 300 + ".png")),
                                    "The name is too long: it has 304 characters, and Windows allows 255."),
            ("Z:\\proc\\x.png",): ("Z:\\proc\\x.png", "Windows does not let new files or folders be made in Z:\\proc."),
        }
        for (path, *more), (named, reason) in cases.items():
            with self.subTest(path[:20]):
                code, _, errors = self.command("--screen", "--file", path, *more)
                self.assertEqual(code, 3)
                self.assertIn(f"{named}\n\n{reason}", errors)
        self.assertEqual(sorted(os.listdir(self.caller)), ["b_thumb.png", "d.png"])
        # The command line's words in any case, as Windows users type them.
        self.assertEqual(self.command("--SCREEN", "--To", "CLIPBOARD", "--File", "Big.PNG"), (0, "", ""))
        self.assertEqual(image_size(self.file("Big.PNG")), SCREEN)

    def test_the_tray_program_takes_the_commands_one_after_the_other_and_answers_each(self):
        self.fresh_settings(SendTo=0, Printformat=2, NumShots=2)
        program = self.start_program()
        screen = self.settled_screen("screen")
        self.assertEqual(self.command("--screen", "--file", f"{NAME}.png"), (0, "", ""))
        self.assertEqual(different_pixels(self.file(f"{NAME}.png"), screen), 0)
        self.assertEqual(different_pixels(clipboard_bmp(self.path("clipboard.bmp")), screen), 0)
        self.assertIn(b"Carrying out a command handed on", program.debug_output())

        together = [self.start("--window", "--delay", "0.5", "--file", f"{n}.bmp") for n in range(3)]
        self.assertEqual([command.wait(timeout=60) for command in together], [0, 0, 0])
        self.assertEqual([image_size(self.file(f"{n}.bmp")) for n in range(3)], [WINDOW] * 3)

        before = pdf_files()
        self.assertEqual(self.command("--window", "--to", "print"), (0, "The page waits for its second screenshot.\n", ""))
        self.assertEqual(self.command("--screen", "--to", "print"), (0, "", ""))
        self.assertEqual(pdf_images(wait_for_new_pdf(before)), [WINDOW, SCREEN])

        os.mkdir(self.file("taken.png"))
        code, _, errors = self.command("--screen", "--file", "taken.png")
        self.assertEqual((code, os.listdir(self.file("taken.png"))), (3, []))
        self.assertIn(wine_path(self.file("taken.png")), errors)
        self.assertEqual(self.command("--window", "--to", "editor"), (0, "", ""))
        self.wait_window(EDITOR, "the tray program's editor")
        self.assertIsNone(program.process.poll(), "the tray program runs on")

    # A command never waits for another command's dialog or question: while one is open, a capture
    # into a file is done within seconds. --to editor ends once the editor has the picture, whatever
    # the editor then asks about its unsaved marks.
    def test_a_command_never_waits_for_another_commands_dialog_or_question(self):
        program = self.start_program()
        self.settled_screen("screen")
        saving = self.start("--screen", "--to", "save")
        self.wait_window(SAVE_DIALOG, "the first command's dialog")
        self.assertEqual(self.command("--screen", "--file", "during-dialog.png", timeout=30), (0, "", ""))
        self.assertEqual(image_size(self.file("during-dialog.png")), SCREEN)
        self.answer(SAVE_DIALOG, "&Cancel")
        self.assertEqual(saving.wait(timeout=30), 1)

        self.assertEqual(self.command("--window", "--to", "editor", timeout=30), (0, "", ""))
        self.wait_window(EDITOR)
        self.assertEqual(driver("click", EDITOR, "Frame")[0], 0)
        left, top, _, _ = window_rect(EDITOR, "SnapwrightEditorView")
        drag((left + 40, top + 40), (left + 120, top + 90))
        self.assertEqual(self.command("--screen", "--to", "editor", timeout=30), (0, "", ""), "ends at once")
        self.wait_window("New file", "the editor asks about its marks")
        self.assertIn("Really discard this file?", self.texts("New file"))
        self.assertEqual(self.command("--screen", "--file", "during-question.png", timeout=30), (0, "", ""))
        self.assertEqual(image_size(self.file("during-question.png")), SCREEN)
        self.answer("New file", "&No")
        self.assertEqual(driver("close", EDITOR)[0], 0)
        self.message("&No", "Quit program")
        self.window_gone(EDITOR)

        self.assertIsNone(program.process.poll(), "the tray program runs on")


if __name__ == "__main__":
    unittest.main()
