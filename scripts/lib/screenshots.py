"""Takes the README's pictures of Snapwright: the real program under Wine, in the Wine session and
Xvfb display that scripts/screenshots starts, driven the way the end-to-end tests drive it.

    python3 scripts/lib/screenshots.py OUTPUT_FOLDER

Each window is cut out of a screenshot of the display by its own rectangle, in English and in
German (the editor's marking-up steps and the region overlay, whose labels are numbers, only in
English); the region overlay, which covers the display, by the part where a region is drawn; a
printed page is rendered from the PDF file that the session's PDF printer made."""

import os
import shutil
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tests", "e2e"))

from e2e_support import (EXE, SETTINGS_KEY, TRAY_ABOUT, TRAY_OPTIONS, Program, driver, env, reg_add,  # noqa: E402
                         reg_delete_key, run, screenshot, session_dir, wine_path)
from test_options import control_ids  # noqa: E402
from test_printing import pdf_files, wait_for_new_pdf  # noqa: E402

# Per language: the value of the Language setting, the regional formats of the file names and the
# page header, the titles of the windows that take the language and the editor's buttons used.
LANGUAGES = {
    "en": {"Language": "0", "sShortDate": "M/d/yyyy", "sTimeFormat": "h:mm:ss tt",
           "ask": "Send Screenshot to ...", "save": "Save Screenshot As ...", "options": "Options for Snapwright",
           "keys": "Keys for Snapwright", "about": "About Snapwright", "quit": "Quit program", "Frame": "Frame",
           "Ellipse": "Ellipse"},
    "de": {"Language": "1", "sShortDate": "dd.MM.yyyy", "sTimeFormat": "HH:mm:ss",
           "ask": "Screenshot senden an ...", "save": "Screenshot speichern unter ...",
           "options": "Optionen f\u00fcr Snapwright", "keys": "Tasten f\u00fcr Snapwright",
           "about": "\u00dcber Snapwright", "quit": "Programm beenden", "Frame": "Rahmen", "Ellipse": "Ellipse"},
}
INTERNATIONAL = r"HKCU\Control Panel\International"
ASK_EACH_TIME = "4"
START_TITLE, EDITOR_TITLE, TRAY_TITLE = "Snapwright", "Snapwright ScreenshotEditor", "Wine System Tray"
REGION_TITLE = "Snapwright region"
SCROLLWINDOW = os.environ.get("SNAPWRIGHT_SCROLLWINDOW", "")
SCROLL_TITLE = "Snapwright scrolling test"
# The help file shows the stitched window too, from its own folder.
HELP_FOLDER = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "docs", "help")
START = control_ids("src/capture/win32/StartWindowIds.h")
OPTIONS = control_ids("src/settings/win32/OptionsWindowIds.h")
ABOUT = control_ids("src/ui/win32/AboutWindowIds.h")
SAVE_AS = control_ids("src/save/win32/SaveAsWindowIds.h")
ASK = control_ids("src/apps/win32/AskApplicationWindowIds.h")
KEYS = control_ids("src/capture/win32/KeysWindowIds.h")
TRAY_RIGHT_BUTTON_UP = "517"
DESKTOP_COLOUR = "#3a6ea5"


def expect(condition, failure):
    if not condition:
        raise SystemExit(f"screenshots: {failure}")


def drive(*args):
    """Runs swdriver; stops with the command that failed."""
    code, text = driver(*args)
    expect(code == 0, "swdriver " + " ".join(args) + " failed")
    return text


def rect(title, child_class=None):
    text = drive("rect", title, *([child_class] if child_class else []))
    return [int(value) for value in text.split()]


def click(title, ids, control):
    drive("click-id", title, ids[control])
    drive("gone-window", title, "", "20000")


def open_from_tray(item, title):
    """Opens the tray menu and picks an entry (TRAY_...) with the keyboard."""
    drive("tray", TRAY_RIGHT_BUTTON_UP)
    drive("menu-rect")
    for _ in range(item):
        driver("keys", "down")
    driver("keys", "enter")
    drive("wait-window", title, "", "20000")


class Pictures:
    def __init__(self, output, program_folder):
        self.output = output
        self.program_folder = program_folder
        self.work = tempfile.mkdtemp(prefix="pictures-", dir=session_dir())

    def write(self, name, source, *operations):
        """OUTPUT/name.png from an image and ImageMagick operations, as small as PNG makes it."""
        path = os.path.join(self.output, name + ".png")
        run(["convert", source, *operations, "-strip", "-define", "png:compression-level=9", path], check=True)
        print(f"screenshots: {os.path.relpath(path)} ({os.path.getsize(path) // 1024} KiB)")

    def cut(self, name, left, top, width, height):
        """A rectangle of the display as it shows now."""
        shot = screenshot(os.path.join(self.work, name + ".screen.png"))
        self.write(name, shot, "-crop", f"{width}x{height}+{left}+{top}", "+repage")

    def window(self, name, title):
        drive("wait-window", title, "", "20000")
        time.sleep(0.5)  # painted
        self.cut(name, *rect(title))

    def printed_page(self, name):
        """Print Screen, and the page it printed rendered at 60 dots per inch with a thin edge."""
        before = pdf_files()
        drive("keys", "print")
        page = wait_for_new_pdf(before)
        prefix = os.path.join(self.work, name)
        run(["pdftoppm", "-r", "60", "-png", "-singlefile", page, prefix], check=True)
        self.write(name, prefix + ".png", "-bordercolor", "#a0a0a0", "-border", "1")

    def tray_menu(self, name):
        """The tray icon's menu, opened where the mouse points at the icon, with the tray beside it."""
        icon_left, icon_top, icon_width, icon_height = rect(TRAY_TITLE, "__winex11_tray_icon")
        # The menu opens at the mouse: at the icon's lower right corner, so that the icon still shows.
        run(["xdotool", "mousemove", str(icon_left + icon_width - 2), str(icon_top + icon_height - 2)], check=True)
        drive("tray", TRAY_RIGHT_BUTTON_UP)
        menu = [int(value) for value in drive("menu-rect").split()]
        tray = rect(TRAY_TITLE)
        left, top = min(menu[0], tray[0]), min(menu[1], tray[1])
        right = max(menu[0] + menu[2], tray[0] + tray[2])
        bottom = max(menu[1] + menu[3], tray[1] + tray[3])
        time.sleep(0.5)
        self.cut(name, left, top, right - left, bottom - top)
        driver("keys", "escape")
        drive("menu-closed")

    def editor(self, name, start_window, settings):
        """The editor on the last screenshot, with a frame drawn around the start window in it and an
        ellipse around the tray icon, the frame selected with its handles; in English, the marking-up
        steps after it."""
        view_left, view_top, _, _ = rect(EDITOR_TITLE, "SnapwrightEditorView")

        def press(x, y):  # a point of the picture: the view shows it unscrolled
            run(["xdotool", "mousemove", str(view_left + x), str(view_top + y), "click", "1"], check=True)

        drive("select", EDITOR_TITLE, "2")  # 3 px
        left, top, width, height = start_window
        drive("click", EDITOR_TITLE, settings["Frame"])
        press(left - 8, top - 8)
        press(left + width + 8, top + height + 8)
        icon_left, icon_top, icon_width, icon_height = rect(TRAY_TITLE, "__winex11_tray_icon")
        drive("click", EDITOR_TITLE, settings["Ellipse"])
        press(max(icon_left - 10, 1), max(icon_top - 6, 1))
        press(icon_left + icon_width + 10, icon_top + icon_height + 6)
        # Escape leaves the tool; a click on the frame's top edge selects it, and its handles show.
        drive("keys", "escape")
        press(left + width // 4, top - 8)
        run(["xdotool", "mousemove", "0", "0"], check=True)
        self.window(name, EDITOR_TITLE)
        if settings["Language"] == "0":
            self.annotations(name, start_window, press)
        # Closed without keeping the drawing.
        drive("close", EDITOR_TITLE)
        drive("wait-window", settings["quit"], "", "20000")
        drive("click", settings["quit"], "&No")
        drive("gone-window", EDITOR_TITLE, "", "20000")

    def annotations(self, name, start_window, press):
        """The frame and ellipse undone, the start window marked up one tool after the other, each
        step pictured: text typed in place (with its field still open), an arrow at the OK button, the
        configuration hint highlighted, the program's name redacted."""
        left, top, width, height = start_window
        view_left, view_top, _, _ = rect(EDITOR_TITLE, "SnapwrightEditorView")
        for _ in range(2):
            drive("click", EDITOR_TITLE, "Undo")
        drive("click", EDITOR_TITLE, "Text")
        drive("select", EDITOR_TITLE, "4", "1008")  # the text size list: 24 px
        press(left, top + height + 24)
        run(["xdotool", "type", "--delay", "40", "Click OK to close this window"], check=True)
        run(["xdotool", "mousemove", "0", "0"], check=True)
        self.window(name.replace("editor", "editor-text"), EDITOR_TITLE)
        driver("keys", "enter")
        drive("click", EDITOR_TITLE, "Text")
        drive("select", EDITOR_TITLE, "3")  # 4 px
        strokes = (("arrow", (left + width + 140, top + height + 90, left + width - 22, top + height - 24)),
                   ("highlight", (left + 92, top + 117, left + 342, top + 143)),
                   ("redact", (left + 74, top + 34, left + 246, top + 74)))
        for tool, (x1, y1, x2, y2) in strokes:
            drive("click", EDITOR_TITLE, tool.capitalize())
            run(["xdotool", "mousemove", str(view_left + x1), str(view_top + y1), "mousedown", "1", "mousemove",
                 str(view_left + (x1 + x2) // 2), str(view_top + (y1 + y2) // 2), "mousemove", str(view_left + x2),
                 str(view_top + y2), "mouseup", "1"], check=True)
            drive("click", EDITOR_TITLE, tool.capitalize())
            run(["xdotool", "mousemove", "0", "0"], check=True)
            self.window(name.replace("editor", "editor-" + tool), EDITOR_TITLE)

    def region(self, name, start_window):
        """A region drawn from the desktop across the start window to the corner of its OK button: the
        desktop dimmed, the region clear with its size, the magnifier at the pointer. Escape leaves it."""
        left, top, width, height = start_window
        drive("keys", "ctrl+shift+print")
        drive("wait-window", REGION_TITLE, "", "20000")
        run(["xdotool", "mousemove", str(left - 60), str(top - 40), "mousedown", "1", "mousemove",
             str(left + width // 2), str(top + height // 2), "mousemove", str(left + width - 91),
             str(top + height - 41)], check=True)
        time.sleep(0.5)  # painted
        self.cut(name, left - 140, top - 120, width + 300, height + 260)
        driver("keys", "escape")
        drive("gone-window", REGION_TITLE, "", "20000")
        run(["xdotool", "mouseup", "1", "mousemove", "1023", "767"], check=True)

    def scrolling(self, name):
        """A window three views long, scrolled half-way down, taken whole from the command line: the
        stitched picture at half its size, with the window's header and frame once. The help file
        gets it too."""
        window = subprocess.Popen(["wine", SCROLLWINDOW, "--lines", "72", "--start", "30", "--at", "250,60"],
                                  env=env(), stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        try:
            expect(b"ready" in window.stdout.readline(), "the scrolling window did not start")
            picture = os.path.join(self.work, name + ".stitched.png")
            result = run(["wine", os.path.join(self.program_folder, "snapwright.exe"), "--window", "--scroll",
                          "--file", wine_path(picture)], timeout=120)
            expect(result.returncode == 0, "the scrolling capture failed")
            self.write(name, picture, "-resize", "50%", "-bordercolor", "#a0a0a0", "-border", "1")
            help_picture = os.path.join(HELP_FOLDER, "scrolling.png")
            run(["convert", picture, "-resize", "40%", "-bordercolor", "#a0a0a0", "-border", "1", "-strip",
                 "-define", "png:compression-level=9", help_picture], check=True)
        finally:
            drive("close", SCROLL_TITLE)
            window.wait(timeout=30)
            window.stdout.close()

    def take(self, language):
        settings = LANGUAGES[language]
        suffix = "-" + language
        reg_delete_key(SETTINGS_KEY)
        reg_add(SETTINGS_KEY, "Language", settings["Language"])
        reg_add(SETTINGS_KEY, "SendTo", ASK_EACH_TIME)
        for name in ("sShortDate", "sTimeFormat"):
            reg_add(INTERNATIONAL, name, settings[name])
        program = Program("pictures" + suffix, exe=os.path.join(self.program_folder, "snapwright.exe")).start()
        try:
            program.wait_ready()
            # Once Wine shows its desktop, which paints the screen black at its start: a desktop
            # colour for the screenshots, and the mouse away from the windows, so that no control
            # shows highlighted under it.
            run(["display", "-window", "root", "xc:" + DESKTOP_COLOUR])
            run(["xdotool", "mousemove", "1023", "767"], check=True)
            # The start window stays on the screen for the screenshots of the printed page and the editor.
            drive("wait-window", START_TITLE, "", "20000")
            self.window("start" + suffix, START_TITLE)
            start_window = rect(START_TITLE)
            self.printed_page("printed-page" + suffix)

            drive("keys", "ctrl+print")
            self.window("ask" + suffix, settings["ask"])
            drive("click-id", settings["ask"], ASK["IDC_ASKAPP_EDITOR"])
            click(settings["ask"], ASK, "IDC_ASKAPP_OK")
            self.editor("editor" + suffix, start_window, settings)
            if language == "en":
                self.region("region" + suffix, start_window)
                self.scrolling("scrolling" + suffix)

            drive("keys", "shift+print")
            self.window("save" + suffix, settings["save"])
            click(settings["save"], SAVE_AS, "IDC_SAVEAS_CANCEL")
            click(START_TITLE, START, "IDC_START_OK")

            self.tray_menu("tray-menu" + suffix)
            open_from_tray(TRAY_OPTIONS, settings["options"])
            self.window("options" + suffix, settings["options"])
            drive("click-id", settings["options"], OPTIONS["IDC_OPT_KEYS"])
            self.window("keys" + suffix, settings["keys"])
            click(settings["keys"], KEYS, "IDC_KEYS_CANCEL")
            click(settings["options"], OPTIONS, "IDC_OPT_CANCEL")
            open_from_tray(TRAY_ABOUT, settings["about"])
            self.window("about" + suffix, settings["about"])
            click(settings["about"], ABOUT, "IDC_ABOUT_OK")
        finally:
            program.stop()


def main():
    output = os.path.abspath(sys.argv[1])
    os.makedirs(output, exist_ok=True)
    # Where the setup installs the program, so that the save dialog shows the usual folder.
    local = run(["wine", "cmd", "/c", "echo", "%LOCALAPPDATA%"], check=True).stdout.decode().strip()
    folder = run(["winepath", "-u", local + r"\Programs\Snapwright"], check=True).stdout.decode().strip()
    os.makedirs(folder, exist_ok=True)
    for name in ("snapwright.exe", "Snapwright.chm"):
        shutil.copy(os.path.join(os.path.dirname(EXE), name), folder)
    pictures = Pictures(output, folder)
    for language in LANGUAGES:
        pictures.take(language)


if __name__ == "__main__":
    main()
