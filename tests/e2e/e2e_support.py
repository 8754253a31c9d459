"""Support for the end-to-end tests: the Wine session of the test run, the program under test,
the driver that presses keys and clicks, and the independent tools that check the results."""

import functools
import os
import shutil
import subprocess
import tempfile
import time
import unittest

EXE = os.environ.get("SNAPWRIGHT_EXE", "")
DRIVER = os.environ.get("SNAPWRIGHT_DRIVER", "")
SETTINGS_KEY = r"HKCU\Software\VB and VBA Program Settings\Snapwright\Config"
WM_RBUTTONUP = "517"  # the tray icon's callback for a right click
# The tray menu's entries, as the number of Down presses that reach each (the separator is skipped).
(TRAY_SCREEN, TRAY_WINDOW, TRAY_REGION, TRAY_SCROLLING, TRAY_EDITOR, TRAY_OPTIONS, TRAY_ABOUT, TRAY_LEAVE,
 TRAY_EXIT) = range(1, 10)
KEYBOARD_KEY = r"HKCU\Control Panel\Keyboard"
SCREEN = (1024, 768)  # the test display
EDITOR = "Snapwright ScreenshotEditor"


@functools.cache
def env():
    """The environment of the Wine session that scripts/test started for this run."""
    path = os.environ.get("SNAPWRIGHT_WINE_ENV")
    if not path or not os.path.exists(path):
        raise RuntimeError("no Wine session: run the end-to-end tests through scripts/test")
    session = dict(os.environ)
    with open(path, encoding="utf-8") as handle:
        for line in handle:
            line = line.strip()
            if line.startswith("export "):
                name, _, value = line[len("export "):].partition("=")
                session[name] = value.strip("'")
    return session


def use_prefix(prefix):
    """Runs the following Wine commands in another Wine prefix; gives the one used before."""
    previous = env()["WINEPREFIX"]
    env()["WINEPREFIX"] = prefix
    return previous


def run(args, timeout=60, check=False, **kwargs):
    return subprocess.run(args, env=env(), capture_output=True, timeout=timeout, check=check, **kwargs)


def wine(*args, timeout=60):
    return run(["wine", *args], timeout=timeout)


def driver(*args, timeout=60):
    """Runs swdriver; returns (exit code, printed text)."""
    result = wine(DRIVER, *args, timeout=timeout)
    return result.returncode, result.stdout.decode("utf-8", "replace").replace("\r", "")


def wait_until(condition, timeout=20.0, interval=0.1, what="condition"):
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise AssertionError(f"timed out after {timeout:.0f} s waiting for {what}")
        time.sleep(interval)


def session_dir():
    return env()["SNAPWRIGHT_SESSION"]


def wine_path(path):
    """The Windows name of a host path (Wine's drive Z: is the root)."""
    return "Z:" + path.replace("/", "\\")


def finished_files(folder):
    """The files in a folder that are complete: the program writes "~snapwright-N.tmp" first and
    renames it when the picture is whole. An empty list while the folder does not exist."""
    if not os.path.isdir(folder):
        return []
    return sorted(name for name in os.listdir(folder) if not name.startswith("~"))


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


# Registry, through Wine's own reg tool.

def reg_add(key, name, value, kind="REG_SZ"):
    result = wine("reg", "add", key, "/v", name, "/t", kind, "/d", value, "/f")
    # reg writes its complaints to standard output.
    assert result.returncode == 0, (result.returncode, result.stdout, result.stderr)


def reg_delete_key(key):
    wine("reg", "delete", key, "/f")


def reg_values(key):
    """The values of a registry key as {name: (type, data)}; empty when the key is absent."""
    result = wine("reg", "query", key)
    values = {}
    for line in result.stdout.decode("utf-8", "replace").splitlines():
        parts = line.strip().split(None, 2)
        if len(parts) >= 2 and parts[1].startswith("REG_"):
            values[parts[0]] = (parts[1], parts[2] if len(parts) == 3 else "")
    return values


# Clipboard and screen, through X tools.

def clipboard_targets():
    """The X clipboard's targets; none while its owner does not answer. Wine's bridge to the X
    clipboard serves one request at a time, and on a busy machine a request can wait for seconds;
    the callers wait for what they expect within their own time limit."""
    try:
        result = run(["xclip", "-selection", "clipboard", "-t", "TARGETS", "-o"], timeout=10)
    except subprocess.TimeoutExpired:
        return []
    return result.stdout.decode("utf-8", "replace").split() if result.returncode == 0 else []


def put_text_on_clipboard(text="empty"):
    subprocess.Popen(["xclip", "-selection", "clipboard", "-i"], env=env(), stdin=subprocess.PIPE,
                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).communicate(text.encode(), timeout=10)
    wait_until(lambda: "image/bmp" not in clipboard_targets(), what="the clipboard to hold text")


def clipboard_bmp(path, target="image/bmp"):
    """The clipboard's image of the X target (image/bmp or image/png) written to path."""
    wait_until(lambda: target in clipboard_targets(), what=f"{target} on the X clipboard")
    with open(path, "wb") as handle:
        result = subprocess.run(["xclip", "-selection", "clipboard", "-t", target, "-o"], env=env(),
                                stdout=handle, stderr=subprocess.PIPE, timeout=30)
    assert result.returncode == 0, result.stderr
    return path


def screenshot(path):
    result = run(["import", "-window", "root", path], timeout=30)
    assert result.returncode == 0, result.stderr
    return path


def read_text(path, crop="100%", language="eng", scale="400%", threshold="60%", layout="6"):
    """The lines of text in a part of a picture, read by Tesseract OCR as one block (layout 6) or as
    words scattered anywhere (layout 11). Enlarged, grey and, where the letters are drawn on a
    screen's own background, cut to black and white by a threshold."""
    enlarged = path + ".ocr.png"
    run(["convert", path, "-crop", crop, "+repage", "-resize", scale, "-colorspace", "Gray",
         *(["-threshold", threshold] if threshold else []), enlarged], timeout=30, check=True)
    result = run(["tesseract", enlarged, "-", "-l", language, "--psm", layout], timeout=120, check=True)
    return [line.strip() for line in result.stdout.decode("utf-8", "replace").splitlines() if line.strip()]


def words(path, crop="100%", language="eng"):
    """The words Tesseract finds anywhere in a part of a picture (text put into screenshots)."""
    return " ".join(read_text(path, crop, language, "200%", None, "11")).split()


def window_rect(title, child_class=None):
    """Left, top, width and height on the screen of a top-level window, or of its first child of a
    class."""
    code, text = driver("rect", title, *([child_class] if child_class else []))
    if code != 0:
        raise AssertionError(f"no window {title!r}" + (f" with a {child_class}" if child_class else ""))
    return tuple(int(v) for v in text.split())


def xdotool(*args):
    """The pointer and keys of X, as the user moves and presses them."""
    run(["xdotool", *map(str, args)], check=True)


def drag(start, end, release=True, shift=False):
    """A press at one point of the screen, a move through the middle to another, and a release there
    (with Shift held when asked) unless told to keep the button down."""
    middle = ((start[0] + end[0]) // 2, (start[1] + end[1]) // 2)
    up = ["keydown", "shift", "mouseup", "1", "keyup", "shift"] if shift else ["mouseup", "1"]
    xdotool("mousemove", *start, "mousedown", "1", "mousemove", *middle, "mousemove", *end, *(up if release else []))


def image_size(path):
    result = run(["identify", "-format", "%w %h", path], timeout=30, check=True)
    width, height = result.stdout.decode().split()
    return int(width), int(height)


def cut(path, geometry, name=None):
    """A part of a picture (ImageMagick geometry, WxH+X+Y) in a file of its own."""
    name = name or f"{path}.{geometry}.png"
    run(["convert", path, "-crop", geometry, "+repage", name], timeout=60, check=True)
    return name


def different_pixels(path_a, path_b, crop_b=None):
    """Number of pixels that differ between two images (ImageMagick compare, metric AE)."""
    second = cut(path_b, crop_b) if crop_b else path_b
    result = run(["compare", "-metric", "AE", path_a, second, "null:"], timeout=60)
    text = result.stderr.decode().strip()
    try:
        return int(float(text.split()[0]))
    except (ValueError, IndexError):
        raise AssertionError(f"compare failed: {text}")


class Helper:
    """A test tool (fakeoffice, scrollwindow, swdriver holding keys) run until the test ends: started
    once it prints its first line, asked to close its window with that title, or else ended."""

    def __init__(self, args, title=None, environment=None, first_line=b"ready"):
        self.title = title
        self.process = subprocess.Popen(["wine", *args], env={**env(), **(environment or {})},
                                        stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        line = self.process.stdout.readline()
        assert first_line in line, f"the test tool did not start: {args}"

    def close(self):
        if self.process.poll() is None:
            if self.title:
                driver("close", self.title)
            else:
                self.process.kill()
            try:
                self.process.wait(timeout=15)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
        self.process.stdout.close()


class Program:
    """snapwright.exe started from a folder of its own (or the given installed copy), with its debug
    output kept in a log."""

    def __init__(self, name="app", environment=None, cwd=None, exe=None):
        self.environment = environment or {}
        work = tempfile.mkdtemp(prefix=name + "-", dir=session_dir())
        if exe:
            self.exe, self.folder = exe, os.path.dirname(exe)
        else:
            self.folder = work
            self.exe = os.path.join(self.folder, "snapwright.exe")
            shutil.copy(EXE, self.exe)
            # The help file lies beside the program.
            help_file = os.path.join(os.path.dirname(EXE), "Snapwright.chm")
            if os.path.exists(help_file):
                shutil.copy(help_file, os.path.join(self.folder, "Snapwright.chm"))
        # The program starts in its own folder unless told.
        self.cwd = cwd or self.folder
        self.log_path = os.path.join(work, "debug.log")
        self.process = None

    def start(self):
        program_env = {**env(), **self.environment}
        program_env["WINEDEBUG"] = "-all,+debugstr"
        self.log = open(self.log_path, "wb")
        self.process = subprocess.Popen(["wine", self.exe], env=program_env, cwd=self.cwd,
                                        stdout=self.log, stderr=subprocess.STDOUT)
        return self

    def wait_ready(self, timeout=30):
        wait_until(lambda: b"ready" in self.debug_output() or self.process.poll() is not None, timeout,
                   what="the program to start")
        if self.process.poll() is not None:
            raise AssertionError(f"the program ended at start with code {self.process.returncode}")
        return self

    def debug_output(self):
        with open(self.log_path, "rb") as handle:
            return handle.read()

    def exit_code(self, timeout=20):
        return self.process.wait(timeout=timeout)

    def stop(self):
        if self.process and self.process.poll() is None:
            driver("close", "*", "SnapwrightMainWindow")
            try:
                self.process.wait(timeout=15)
            except subprocess.TimeoutExpired:
                self.process.kill()
        if getattr(self, "log", None):
            self.log.close()


def restart_wine():
    """Ends every program of the session, so that settings read at start take effect, and starts
    the session's lasting server and services again (as wine_session_start does)."""
    run(["wineserver", "-k"], timeout=60)
    run(["wineserver", "-w"], timeout=60)
    # They run on after the commands that start them: none may keep a captured output open.
    quiet = dict(env=env(), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=120)
    subprocess.run(["wineserver", "-p"], **quiet)
    subprocess.run(["wine", "wineboot"], **quiet)


class E2ETestCase(unittest.TestCase):
    """The steps the tests share; keeps a screenshot of the display and the program's debug output
    when a test fails."""

    def fresh_settings(self, **values):
        """An empty settings key but for these values, and no start window."""
        reg_delete_key(SETTINGS_KEY)
        reg_add(SETTINGS_KEY, "ShowSplash", "0")
        for name, value in values.items():
            reg_add(SETTINGS_KEY, name, str(value))

    def path(self, name):
        """A file in the test's own folder."""
        if not hasattr(self, "files"):
            self.files = tempfile.mkdtemp(prefix=self.id() + "-", dir=session_dir())
        return os.path.join(self.files, name)

    def settled_screen(self, name):
        """The screen once two pictures of it in a row agree: a program's tray icon is painted a moment
        after the program is ready."""
        pictures = [screenshot(self.path(f"{name}-0.png"))]

        def settled():
            pictures.append(screenshot(self.path(f"{name}-{len(pictures)}.png")))
            return different_pixels(pictures[-2], pictures[-1]) == 0
        wait_until(settled, what="the screen to settle")
        return pictures[-1]

    def wait_window(self, title, what=None, timeout=20):
        """Waits until a top-level window with that title shows."""
        code = driver("wait-window", title, "", str(int(timeout * 1000)))[0]
        self.assertEqual(code, 0, what or f"the window {title!r} shows")

    def no_window(self, title, what, timeout=2):
        """Asserts that no window with that title shows within the time."""
        self.assertNotEqual(driver("wait-window", title, "", str(int(timeout * 1000)))[0], 0, what)

    def window_gone(self, title, what=None, timeout=20):
        """Waits until no window with that title is left."""
        code = driver("gone-window", title, "", str(int(timeout * 1000)))[0]
        self.assertEqual(code, 0, what or f"the window {title!r} goes")

    def close_window(self, title, what=None):
        """Asks a window to close, as its close box does, and waits until it has gone."""
        self.assertEqual(driver("close", title)[0], 0, f"no window {title!r}")
        self.window_gone(title, what)

    def command(self, *arguments, cwd=None, timeout=120):
        """Runs snapwright.exe with a command line; gives its exit code, output and errors."""
        result = run(["wine", EXE, *arguments], cwd=cwd, timeout=timeout)
        return (result.returncode, *(text.decode("utf-8").replace("\r", "") for text in (result.stdout, result.stderr)))

    def scale_display(self, dots_per_inch=144):
        """Scales the display (144: 150 %) until the test ends; Wine takes it when it starts again."""
        desktop = r"HKCU\Control Panel\Desktop"
        reg_add(desktop, "LogPixels", str(dots_per_inch), "REG_DWORD")
        restart_wine()
        self.addCleanup(restart_wine)
        self.addCleanup(reg_add, desktop, "LogPixels", "96", "REG_DWORD")

    def choose_file(self, title, path, button):
        """Waits for the file dialog with that title, types the path into it and answers it."""
        self.wait_window(title)
        self.assertEqual(driver("type", title, wine_path(path))[0], 0)
        self.answer(title, button)

    def texts(self, title):
        code, text = driver("texts", title)
        self.assertEqual(code, 0, f"no window {title!r}")
        return text.splitlines()

    def message(self, answer=None, title="Snapwright", timeout=20):
        """The text of the program's message box once it shows; answered with the button `answer`
        when one is given."""
        self.wait_window(title, f"a message {title!r}", timeout)
        text = "\n".join(self.texts(title))
        if answer:
            self.answer(title, answer)
        return text

    def answer(self, title, button):
        """Clicks a button of a window and waits until the window has gone."""
        self.assertEqual(driver("click", title, button)[0], 0, f"no {button} on {title}")
        self.window_gone(title, f"{title} closes")

    def hotkey(self, keys):
        """Presses a hotkey with text on the clipboard, so that a picture there can only be its screenshot."""
        put_text_on_clipboard()
        self.assertEqual(driver("keys", keys)[0], 0)

    def open_tray_menu(self):
        """Right-clicks the tray icon; gives the rectangle of the menu that opens."""
        self.assertEqual(driver("tray", WM_RBUTTONUP)[0], 0)
        code, rect = driver("menu-rect")
        self.assertEqual(code, 0, "the tray menu opens")
        return tuple(int(v) for v in rect.split())

    def choose_from_tray(self, item):
        """Picks an entry of the tray menu (TRAY_...) with the keyboard."""
        self.open_tray_menu()
        for key in ["down"] * item + ["enter"]:
            driver("keys", key)

    def start_program(self, name="app", ready=True, environment=None, cwd=None, exe=None):
        if not hasattr(self, "programs"):
            # Cleanups run even when setUp fails, unlike tearDown.
            self.programs = []
            self.addCleanup(self._stop_programs)
        program = Program(name, environment, cwd, exe).start()
        self.programs.append(program)
        if ready:
            program.wait_ready()
        return program

    def _stop_programs(self):
        result = self._outcome.result
        if any(test is self for test, _ in result.failures + result.errors):
            self._keep_artifacts()
        for program in reversed(self.programs):
            program.stop()
        self.programs.clear()

    def _keep_artifacts(self):
        keep = os.environ.get("SNAPWRIGHT_E2E_ARTIFACTS", os.path.join(tempfile.gettempdir(), "snapwright-e2e"))
        os.makedirs(keep, exist_ok=True)
        try:
            screenshot(os.path.join(keep, self.id() + ".png"))
        except Exception:  # the display may be gone; the log still helps
            pass
        for index, program in enumerate(self.programs):
            if os.path.exists(program.log_path):
                shutil.copy(program.log_path, os.path.join(keep, f"{self.id()}.{index}.log"))
        print(f"\nkept the screenshot and debug output in {keep}")
