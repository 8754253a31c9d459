"""The save dialog from outside: Shift+Print Screen opens it, swdriver answers it, and the files it
writes are checked with ImageMagick against the screenshot that reached the X clipboard."""

import datetime
import os
import shutil
import time
import unittest

from e2e_support import (SCREEN, SETTINGS_KEY, E2ETestCase, clipboard_bmp, clipboard_targets, different_pixels, driver,
                         finished_files, image_size, reg_add, reg_values, run, wait_for_file, wait_until, wine,
                         wine_path)

TITLE = "Save Screenshot As ..."
INTERNATIONAL = r"HKCU\Control Panel\International"
# What ImageMagick tells of each format's file: a JPEG of quality 90, a PNG of eight-bit samples of RGB
# without alpha.
FORMAT_CHECKS = {".jpg": ("%Q", "90"), ".png": ("%[png:IHDR.color-type-orig] %[png:IHDR.bit-depth-orig]", "2 8"),
                 ".tif": ("%[tiff:photometric] %z", "RGB 8"), ".mng": ("%m", "MNG")}


def stamps_between(start, end):
    """Every stamp of the seconds from start to end, a second of slack on both sides, as the
    program makes it from the German regional format that the tests set."""
    moment = datetime.datetime.fromtimestamp(int(start) - 1)
    last = datetime.datetime.fromtimestamp(int(end) + 1)
    stamps = set()
    while moment <= last:
        stamps.add(moment.strftime("%d%m%Y%H%M%S"))
        moment += datetime.timedelta(seconds=1)
    return stamps


def identify(path, fmt):
    return run(["identify", "-format", fmt, path], timeout=30, check=True).stdout.decode().strip()


class SavingTest(E2ETestCase):
    def setUp(self):
        self.fresh_settings()
        before = reg_values(INTERNATIONAL)
        for name, value in (("sShortDate", "dd.MM.yyyy"), ("sTimeFormat", "HH:mm:ss")):
            if name in before:
                self.addCleanup(reg_add, INTERNATIONAL, name, before[name][1])
            else:
                self.addCleanup(wine, "reg", "delete", INTERNATIONAL, "/v", name, "/f")
            reg_add(INTERNATIONAL, name, value)
        self.shots = 0

    def open_dialog(self):
        """Presses Shift+Print Screen and waits for the dialog; gives the screenshot from the clipboard."""
        self.pressed = time.time()
        self.hotkey("shift+print")
        self.wait_window(TITLE, "the save dialog opens")
        self.shots += 1
        return clipboard_bmp(self.path(f"shot{self.shots}.bmp"))

    def label_ending_in(self, suffix):
        return next((line for line in self.texts(TITLE) if line.endswith(suffix)), None)

    def press(self, button):
        self.assertEqual(driver("click", TITLE, button)[0], 0, button)

    def screenshots(self, program):
        return os.path.join(program.folder, "Screenshots")

    def only_file(self, folder, extension=".png"):
        def matching():
            if not os.path.isdir(folder):
                return None
            return [name for name in os.listdir(folder)
                    if name.startswith("Snapwright_") and name.endswith(extension) and "_thumb" not in name]
        names = wait_until(matching, what=f"a {extension} file in {folder}")
        self.assertEqual(len(names), 1, names)
        return wait_for_file(os.path.join(folder, names[0]))

    def test_cancel_then_each_of_the_five_formats_beside_the_program_under_a_stamped_name(self):
        program = self.start_program()
        folder = self.screenshots(program)
        self.open_dialog()
        self.answer(TITLE, "&Cancel")
        self.assertFalse(os.path.exists(folder), "cancel writes nothing")
        # Thumbnails of the BMP at the preset 10 %, of the JPEG at 25 %.
        thumbnails = {".bmp": (102, 76), ".jpg": (256, 192)}
        for index, extension in enumerate((".bmp", ".jpg", ".png", ".tif", ".mng")):
            with self.subTest(extension):
                shot = self.open_dialog()
                self.assertEqual(driver("select", TITLE, str(index))[0], 0)
                wait_until(lambda: self.label_ending_in(extension), what=f"the name to end in {extension}")
                if extension == ".jpg":
                    self.assertEqual(driver("slider", TITLE, "25")[0], 0)
                    wait_until(lambda: "256 x 192 px" in self.texts(TITLE), what="the thumbnail size at 25 %")
                if extension in thumbnails:
                    self.press("create thumbnail")
                self.answer(TITLE, "&OK")
                saved = self.only_file(folder, extension=extension)
                self.assertIn(os.path.basename(saved)[len("Snapwright_"):-len(extension)],
                              stamps_between(self.pressed, time.time()))
                self.assertEqual(image_size(saved), SCREEN)
                if extension == ".jpg":
                    # Quality 90: close to the screen, not equal to it.
                    result = run(["compare", "-metric", "PSNR", saved, shot, "null:"], timeout=60)
                    self.assertGreater(float(result.stderr.decode().split()[0]), 30.0)
                else:
                    self.assertEqual(different_pixels(saved, shot), 0, saved)
                if extension == ".bmp":
                    with open(saved, "rb") as handle:
                        header = handle.read(30)
                    self.assertEqual((header[:2], int.from_bytes(header[28:30], "little")), (b"BM", 24), "24 bits")
                else:
                    self.assertEqual(identify(saved, FORMAT_CHECKS[extension][0]), FORMAT_CHECKS[extension][1])
                if extension in thumbnails:
                    thumbnail = wait_for_file(saved[:-len(extension)] + "_thumb" + extension)
                    self.assertEqual(image_size(thumbnail), thumbnails[extension])

    def browse(self, path):
        self.press("...")
        self.choose_file("Save screenshot", path, "&Save")

    def ok_and_answer(self, answer):
        """OK, and the answer to the question it asks first; gives the question."""
        self.press("&OK")
        return self.message(answer)

    # A removed folder is made again. A name typed without its extension, a format chosen after
    # browsing, a thumbnail beside the file: each asks before it replaces, and No keeps the file as it
    # was and the dialog open. A folder named like a device is refused as such, not as a missing file.
    def test_a_removed_folder_is_made_and_no_file_is_replaced_or_misnamed_without_a_word(self):
        folder = self.path("shots")
        os.makedirs(os.path.join(folder, "kept"))
        for name in ("report.png", "keep.jpg", "pic_thumb.png"):
            run(["convert", "-size", "40x30", "xc:#20a040", os.path.join(folder, name)], check=True)
            shutil.copy(os.path.join(folder, name), os.path.join(folder, "kept", name))
        made = os.path.join(folder, "made", "again")
        self.fresh_settings(SaveTo="2", SavePath=wine_path(made) + "\\")
        self.start_program()
        self.open_dialog()
        self.answer(TITLE, "&OK")
        saved = wait_until(lambda: finished_files(made), what="a file in the folder made again")
        self.assertEqual(image_size(wait_for_file(os.path.join(made, saved[0]))), SCREEN)

        self.open_dialog()
        self.browse(os.path.join(folder, "report"))
        self.assertIn("report.png", self.ok_and_answer("&No"))
        self.browse(os.path.join(folder, "keep.png"))
        self.assertEqual(driver("select", TITLE, "1")[0], 0)
        self.assertIn("keep.jpg", self.ok_and_answer("&No"))
        self.assertEqual(driver("select", TITLE, "2")[0], 0)
        self.browse(os.path.join(folder, "pic"))
        self.press("create thumbnail")
        self.assertIn("pic_thumb.png", self.ok_and_answer("&Yes"))
        wait_until(lambda: image_size(wait_for_file(os.path.join(folder, "pic_thumb.png"))) == (102, 76),
                   what="the thumbnail replaced")
        for name in ("report.png", "keep.jpg"):
            self.assertEqual(run(["cmp", os.path.join(folder, name), os.path.join(folder, "kept", name)]).returncode, 0)

        reg_add(SETTINGS_KEY, "SavePath", wine_path(os.path.join(folder, "con")) + "\\")
        self.open_dialog()
        self.assertIn('Windows keeps the name "con" for a device', self.ok_and_answer("OK"))
        self.answer(TITLE, "&Cancel")

    def refused(self):
        """OK, refused while the dialog stays open: gives the message's lines."""
        self.press("&OK")
        lines = [line for line in self.message("OK").splitlines() if line.strip()]
        self.wait_window(TITLE, "the dialog stays open for another name")
        return lines

    # Where no file can go is told while the dialog is open, by what is wrong with the place, and
    # nothing is written: a file where a folder should be, a drive that does not exist, a thumbnail
    # whose name a folder has (its main file is not written either).
    def test_a_place_where_no_file_can_go_is_told_before_anything_is_written(self):
        # A file where the stored folder should be: the tests run as root, so permissions stop nothing.
        blocker = self.path("blocker")
        with open(blocker, "w") as handle:
            handle.write("in the way")
        reg_add(SETTINGS_KEY, "SaveTo", "2")
        reg_add(SETTINGS_KEY, "SavePath", wine_path(os.path.join(blocker, "shots")) + "\\")
        program = self.start_program()
        self.open_dialog()
        lines = self.refused()
        self.assertIn(f"{wine_path(blocker)} is a file, not a folder.", lines)
        self.assertIn("Please choose another name.", lines)
        self.assertTrue(os.path.isfile(blocker))
        self.answer(TITLE, "&Cancel")

        reg_add(SETTINGS_KEY, "SavePath", "Q:\\shots\\")
        self.open_dialog()
        self.assertIn("The drive Q: does not exist.", self.refused())

        folder = self.path("shots")
        os.makedirs(os.path.join(folder, "pic_thumb.png"))
        self.browse(os.path.join(folder, "pic"))
        self.press("create thumbnail")
        lines = self.refused()
        self.assertIn(wine_path(os.path.join(folder, "pic_thumb.png")), lines)
        self.assertIn("A folder of this name exists already.", lines)
        self.answer(TITLE, "&Cancel")
        self.assertEqual(os.listdir(folder), ["pic_thumb.png"], "no main file without its thumbnail")

        self.assertIn("image/bmp", clipboard_targets(), "the screenshot stays on the clipboard")
        self.assertIsNone(program.process.poll(), "the program still runs")


if __name__ == "__main__":
    unittest.main()
