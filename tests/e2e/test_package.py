"""The release packages that scripts/package makes: the setup program run silently in a fresh Wine
prefix and the program it installed driven from outside, the portable zips listed and unpacked
with unzip, the packaged executables read with objdump and windres, the registry with wine reg."""

import os
import subprocess
import tempfile
import unittest

from e2e_support import (SETTINGS_KEY, E2ETestCase, driver, env, finished_files, image_size, reg_add, reg_values, run,
                         session_dir, use_prefix, wait_for_file, wait_until, wine)
from test_printing import product_version, windows_variable

PACKAGES = os.environ.get("SNAPWRIGHT_PACKAGES", "")
VERSION = product_version()
RUN_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Run"
UNINSTALL_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Snapwright"
SAVE_TITLE = "Save Screenshot As ..."
LIBRARIES = {"FreeImage", "zlib", "libpng", "libjpeg-turbo", "libtiff", "mingw-w64"}
TARGETS = {"win64": ("x86_64-w64-mingw32", "pei-x86-64", "setup"),
           "win32": ("i686-w64-mingw32", "pei-i386", "win32-setup")}


def package(name):
    path = os.path.join(PACKAGES, name)
    if not os.path.isfile(path):
        raise AssertionError(f"{path} is missing: scripts/package makes it (scripts/test runs it)")
    return path


def unpack(archive):
    folder = tempfile.mkdtemp(prefix="unpacked-", dir=session_dir())
    run(["unzip", "-q", archive, "-d", folder], check=True)
    return folder


def unix_path(windows_path):
    return run(["winepath", "-u", windows_path], check=True).stdout.decode().strip()


def content(path):
    with open(path, "rb") as handle:
        return handle.read()


class PackagedFilesTest(unittest.TestCase):
    def test_each_zip_holds_the_stripped_program_its_help_and_the_notices_and_each_setup_its_target(self):
        for target, (triplet, object_format, setup_name) in TARGETS.items():
            with self.subTest(target):
                archive = package(f"Snapwright-{VERSION}-{target}.zip")
                names = run(["unzip", "-Z1", archive], check=True).stdout.decode().split()
                self.assertEqual({name.split("/")[0] for name in names},
                                 {"snapwright.exe", "Snapwright.chm", "licenses"})
                notices = [name for name in names if name.startswith("licenses/")]
                self.assertEqual({name.split("/")[1] for name in notices}, LIBRARIES)
                folder = unpack(archive)
                for notice in notices:
                    with open(os.path.join(folder, notice), encoding="utf-8", errors="replace") as handle:
                        text = handle.read().lower()
                    self.assertTrue("copyright" in text or "license" in text, notice)

                exe = os.path.join(folder, "snapwright.exe")
                headers = run([f"{triplet}-objdump", "-h", exe], check=True).stdout.decode()
                self.assertIn(object_format, headers)
                self.assertNotIn(".debug", headers)
                # Stripped and statically linked, with FreeImage and its codecs: about 4.3 MB today.
                self.assertLess(os.path.getsize(exe), 5 * 1024 * 1024)
                resources = run([f"{triplet}-windres", "-i", exe, "-O", "rc"], check=True).stdout.decode()
                self.assertIn(f'VALUE "ProductVersion", "{VERSION}"', resources)
                self.assertIn("PerMonitorV2", resources)

                setup = package(f"Snapwright-{VERSION}-{setup_name}.exe")
                self.assertIn(object_format, run([f"{triplet}-objdump", "-f", setup], check=True).stdout.decode())


class SetupTest(E2ETestCase):
    """Silent installs and uninstalls for one user, in a Wine prefix that has never seen Snapwright."""

    @classmethod
    def setUpClass(cls):
        cls.prefix = os.path.join(session_dir(), "fresh-prefix")
        session_prefix = use_prefix(cls.prefix)
        cls.addClassCleanup(use_prefix, session_prefix)
        cls.addClassCleanup(run, ["wineserver", "-k"], timeout=60)
        quiet = dict(env=env(), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=300, check=True)
        subprocess.run(["wineboot", "-i"], **quiet)
        # One server and one start of Wine's services for all the commands that follow, which would
        # otherwise each start them anew and wait for them to end; the services must not inherit a
        # command's captured output.
        subprocess.run(["wineserver", "-w"], **quiet)
        subprocess.run(["wineserver", "-p"], **quiet)
        subprocess.run(["wine", "wineboot"], **quiet)
        reg_add(r"HKCU\Software\Wine\X11 Driver", "Managed", "N")
        cls.folder_win = windows_variable("LOCALAPPDATA") + r"\Programs\Snapwright"
        cls.folder = unix_path(cls.folder_win)
        cls.shortcut = unix_path(windows_variable("APPDATA") + r"\Microsoft\Windows\Start Menu\Programs\Snapwright.lnk")

    def path(self, *names):
        return os.path.join(self.folder, *names)

    def install(self, *switches):
        result = wine(package(f"Snapwright-{VERSION}-setup.exe"), "/S", *switches, timeout=120)
        self.assertEqual(result.returncode, 0, "the silent setup succeeds")

    def uninstall(self, *switches):
        self.assertEqual(wine(self.path("uninstall.exe"), "/S", *switches).returncode, 0)
        # The uninstaller goes on as a copy of itself in the temporary folder; it removes its
        # registration last.
        wait_until(lambda: reg_values(UNINSTALL_KEY) == {}, timeout=60, what="the uninstall to finish")

    def assert_uninstalled(self):
        for name in ("snapwright.exe", "Snapwright.chm", "licenses", "uninstall.exe"):
            self.assertFalse(os.path.exists(self.path(name)), name)
        self.assertFalse(os.path.exists(self.shortcut))
        self.assertNotIn("Snapwright", reg_values(RUN_KEY))

    def test_install_capture_update_over_the_running_copy_and_uninstall_keeping_the_settings(self):
        self.install()
        exe_win = self.folder_win + r"\snapwright.exe"
        zipped = os.path.join(unpack(package(f"Snapwright-{VERSION}-win64.zip")), "snapwright.exe")
        self.assertEqual(content(self.path("snapwright.exe")), content(zipped), "the setup installs the zip's program")
        self.assertTrue(os.path.isfile(self.path("Snapwright.chm")))
        self.assertEqual(set(os.listdir(self.path("licenses"))), LIBRARIES)
        self.assertIn(exe_win.encode(), content(self.shortcut), "the Start-menu shortcut points at the program")
        self.assertEqual(reg_values(RUN_KEY).get("Snapwright"), ("REG_SZ", f'"{exe_win}"'))
        registered = reg_values(UNINSTALL_KEY)
        self.assertEqual(registered["DisplayVersion"][1], VERSION)
        self.assertEqual(registered["QuietUninstallString"][1], f'"{self.folder_win}\\uninstall.exe" /S')

        # Started like at sign-in, from another folder: the screenshot goes beside the program.
        reg_add(SETTINGS_KEY, "ShowSplash", "0")
        program = self.start_program("installed", exe=self.path("snapwright.exe"), cwd=session_dir())
        self.assertEqual(driver("keys", "shift+print")[0], 0)
        self.wait_window(SAVE_TITLE, "the save dialog opens")
        self.answer(SAVE_TITLE, "&OK")
        screenshots = self.path("Screenshots")
        saved = wait_until(lambda: finished_files(screenshots), what="a saved screenshot")
        self.assertEqual(image_size(wait_for_file(os.path.join(screenshots, saved[0]))), (1024, 768))

        # A running program holds its file open: the setup must end it before writing.
        written = os.stat(self.path("snapwright.exe")).st_ctime_ns
        self.install()
        self.assertEqual(program.exit_code(timeout=5), 0, "the setup ended the running copy")
        self.assertGreater(os.stat(self.path("snapwright.exe")).st_ctime_ns, written, "the program file is new")

        updated = self.start_program("updated", exe=self.path("snapwright.exe"), cwd=session_dir())
        self.uninstall()
        self.assertEqual(updated.exit_code(timeout=5), 0, "the uninstaller ended the running copy")
        self.assert_uninstalled()
        self.assertEqual(reg_values(SETTINGS_KEY).get("ShowSplash"), ("REG_SZ", "0"), "the settings are kept")
        self.assertEqual(finished_files(screenshots), saved, "the screenshots are kept")

    def test_uninstall_with_the_settings_removes_them_and_keeps_other_programs_settings(self):
        self.install()
        reg_add(SETTINGS_KEY, "ShowSplash", "0")
        other = r"HKCU\Software\VB and VBA Program Settings\Another Program\Config"
        reg_add(other, "Kept", "1")
        os.makedirs(self.path("Screenshots"), exist_ok=True)
        run(["convert", "-size", "8x8", "xc:red", self.path("Screenshots", "Snapwright_shot.png")], check=True)

        self.uninstall("/REMOVESETTINGS")
        self.assert_uninstalled()
        self.assertEqual(reg_values(SETTINGS_KEY), {})
        self.assertEqual(reg_values(other), {"Kept": ("REG_SZ", "1")}, "other programs' settings stay")
        self.assertFalse(os.path.exists(self.folder), "nothing of Snapwright is left in its folder")


if __name__ == "__main__":
    unittest.main()
