"""The save dialog from outside: Shift+Print Screen opens it, swdriver answers it, and the files it
writes are checked with ImageMagick against the screenshot that reached the X clipboard."""

import codecs
import datetime
import os
import tempfile
import time
import unittest

from e2e_support import (E2ETestCase, SETTINGS_KEY, clipboard_bmp, clipboard_targets, different_pixels, driver,
                         image_size, put_text_on_clipboard, reg_add, reg_delete_key, reg_values, run, session_dir,
                         wait_until, wine)

TITLE = "Save Screenshot As ..."
SCREEN = (1024, 768)
INTERNATIONAL = r"HKCU\Control Panel\International"


def wine_path(path):
    """The Windows name of a host path (Wine's drive Z: is the root)."""
    return "Z:" + path.replace("/", "\\")


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


def wait_for_file(path, timeout=30):
    """Waits until the file exists and its size has stopped changing."""
    def settled():
        if not os.path.exists(path) or os.path.getsize(path) == 0:
            return False
        size = os.path.getsize(path)
        time.sleep(0.2)
        return os.path.getsize(path) == size
    wait_until(settled, timeout, what=f"the file {path}")
    return path


class SaveDialogTest(E2ETestCase):
    def setUp(self):
        reg_delete_key(SETTINGS_KEY)
        reg_add(SETTINGS_KEY, "ShowSplash", "0")
        before = reg_values(INTERNATIONAL)
        for name, value in (("sShortDate", "dd.MM.yyyy"), ("sTimeFormat", "HH:mm:ss")):
            if name in before:
                self.addCleanup(reg_add, INTERNATIONAL, name, before[name][1])
            else:
                self.addCleanup(wine, "reg", "delete", INTERNATIONAL, "/v", name, "/f")
            reg_add(INTERNATIONAL, name, value)
        self.files = tempfile.mkdtemp(prefix=self.id() + "-", dir=session_dir())
        self.shots = 0

    def path(self, name):
        return os.path.join(self.files, name)

    def open_dialog(self):
        """Presses Shift+Print Screen and waits for the dialog; gives the screenshot from the clipboard."""
        put_text_on_clipboard()
        self.pressed = time.time()
        self.assertEqual(driver("keys", "shift+print")[0], 0)
        self.assertEqual(driver("wait-window", TITLE, "", "20000")[0], 0, "the save dialog opens")
        self.shots += 1
        return clipboard_bmp(self.path(f"shot{self.shots}.bmp"))

    def texts(self, title=TITLE):
        code, text = driver("texts", title)
        self.assertEqual(code, 0)
        return text.splitlines()

    def label_ending_in(self, suffix):
        return next((line for line in self.texts() if line.endswith(suffix)), None)

    def press(self, button, title=TITLE):
        self.assertEqual(driver("click", title, button)[0], 0, button)

    def ok(self):
        self.press("&OK")
        self.assertEqual(driver("gone-window", TITLE, "", "20000")[0], 0, "the dialog closes")

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

    def assert_same_pixels(self, saved, shot):
        self.assertEqual(image_size(saved), SCREEN)
        self.assertEqual(different_pixels(saved, shot), 0, saved)


class SavingTest(SaveDialogTest):
    def test_cancel_writes_nothing_and_a_thumbnail_at_ten_percent_and_at_twenty_five(self):
        program = self.start_program()
        folder = self.screenshots(program)
        self.open_dialog()
        self.press("&Cancel")
        self.assertEqual(driver("gone-window", TITLE, "", "20000")[0], 0)
        self.assertFalse(os.path.exists(folder), "cancel writes nothing")

        self.open_dialog()
        self.press("create thumbnail")
        self.ok()
        saved = self.only_file(folder)
        thumb = wait_for_file(saved[:-4] + "_thumb.png")
        self.assertEqual(image_size(thumb), (102, 76))

        # A JPEG the second time, so that the names differ within the same second.
        self.open_dialog()
        self.assertEqual(driver("select", TITLE, "1")[0], 0)
        self.assertEqual(driver("slider", TITLE, "25")[0], 0)
        wait_until(lambda: "256 x 192 px" in self.texts(), what="the thumbnail size at 25 %")
        self.press("create thumbnail")
        self.ok()
        jpeg = self.only_file(folder, extension=".jpg")
        self.assertEqual(image_size(wait_for_file(jpeg[:-4] + "_thumb.jpg")), (256, 192))

    def test_each_of_the_five_formats_beside_the_program_under_a_stamped_name(self):
        program = self.start_program()
        folder = self.screenshots(program)
        for index, extension in enumerate((".bmp", ".jpg", ".png", ".tif", ".mng")):
            with self.subTest(extension):
                shot = self.open_dialog()
                self.assertEqual(driver("select", TITLE, str(index))[0], 0)
                wait_until(lambda: self.label_ending_in(extension), what=f"the name to end in {extension}")
                self.ok()
                saved = self.only_file(folder, extension=extension)
                self.assertIn(os.path.basename(saved)[len("Snapwright_"):-len(extension)],
                              stamps_between(self.pressed, time.time()))
                if extension == ".jpg":
                    # Quality 90: close to the screen, not equal to it.
                    self.assertEqual(image_size(saved), SCREEN)
                    self.assertEqual(identify(saved, "%Q"), "90")
                    result = run(["compare", "-metric", "PSNR", saved, shot, "null:"], timeout=60)
                    self.assertGreater(float(result.stderr.decode().split()[0]), 30.0)
                else:
                    self.assert_same_pixels(saved, shot)
                if extension == ".bmp":
                    with open(saved, "rb") as handle:
                        header = handle.read(30)
                    self.assertEqual(header[:2], b"BM")
                    self.assertEqual(int.from_bytes(header[28:30], "little"), 24, "bits per pixel")
                if extension == ".mng":
                    self.assertEqual(identify(saved, "%m"), "MNG")
                if extension == ".png":
                    # 24 bits: eight-bit samples of RGB without alpha.
                    self.assertEqual(identify(saved, "%[png:IHDR.color-type-orig] %[png:IHDR.bit-depth-orig]"), "2 8")
                if extension == ".tif":
                    self.assertEqual(identify(saved, "%[tiff:photometric] %z"), "RGB 8")


class SavePathTest(SaveDialogTest):
    def test_browsing_to_a_folder_with_any_characters(self):
        target = os.path.join(self.files, "Fotos Ärger 日本")
        os.makedirs(target)
        reg_add(SETTINGS_KEY, "SaveTo", "2")
        self.start_program()
        shot = self.open_dialog()
        self.press("...")
        self.assertEqual(driver("wait-window", "Save screenshot", "", "20000")[0], 0, "the system's save dialog")
        self.assertEqual(driver("type", "Save screenshot", wine_path(os.path.join(target, "Aufnahme")))[0], 0)
        self.press("&Save", "Save screenshot")
        self.assertEqual(driver("gone-window", "Save screenshot", "", "20000")[0], 0)
        # The name gets the format's extension and is shown in full.
        wait_until(lambda: self.label_ending_in("\\Aufnahme.png"), what="the chosen name")
        self.assertIn(wine_path(os.path.join(target, "Aufnahme.png")), self.texts())
        self.ok()
        self.assert_same_pixels(wait_for_file(os.path.join(target, "Aufnahme.png")), shot)
        self.assertEqual(self.stored_save_path(), wine_path(target) + "\\")

    def stored_save_path(self):
        """SavePath as the registry holds it, read from an export (UTF-16) rather than reg's console."""
        export = self.path("settings.reg")
        self.assertEqual(wine("reg", "export", SETTINGS_KEY, export, "/y").returncode, 0)
        with open(export, "rb") as handle:
            data = handle.read()
        text = data.decode("utf-16") if data.startswith(codecs.BOM_UTF16_LE) else data.decode("utf-8")
        for line in text.splitlines():
            if line.startswith('"SavePath"='):
                return line[len('"SavePath"="'):-1].replace("\\\\", "\\")
        return None


class SaveFailureTest(SaveDialogTest):
    def test_a_file_that_cannot_be_written_is_told_with_the_path_and_the_reason(self):
        # A file where the stored folder should be: the tests run as root, so permissions stop nothing.
        blocker = os.path.join(self.files, "blocker")
        with open(blocker, "w") as handle:
            handle.write("in the way")
        folder = wine_path(os.path.join(blocker, "shots")) + "\\"
        reg_add(SETTINGS_KEY, "SaveTo", "2")
        reg_add(SETTINGS_KEY, "SavePath", folder)
        program = self.start_program()
        self.open_dialog()
        self.ok()

        self.assertEqual(driver("wait-window", "Snapwright", "", "20000")[0], 0, "a message tells the user")
        lines = [line for line in self.texts("Snapwright") if line.strip()]
        # The file's path, then the system's reason, then where the screenshot is.
        at = next(index for index, line in enumerate(lines) if folder + "Snapwright™_" in line)
        self.assertNotIn("clipboard", lines[at + 1], "the reason follows the path")
        self.assertIn("still on the clipboard", "\n".join(lines))
        self.press("OK", "Snapwright")
        self.assertEqual(driver("gone-window", "Snapwright", "", "20000")[0], 0)
        self.assertTrue(os.path.isfile(blocker))

        self.assertIn("image/bmp", clipboard_targets(), "the screenshot stays on the clipboard")
        self.assertIsNone(program.process.poll(), "the program still runs")
        self.open_dialog()
        self.press("&Cancel")
        self.assertEqual(driver("gone-window", TITLE, "", "20000")[0], 0)


if __name__ == "__main__":
    unittest.main()
