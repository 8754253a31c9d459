"""Pictures of every window of Snapwright in each of its 17 languages, to look at for clipped or
overlapping texts: the real program under Wine, in the session that scripts/languages starts,
driven the way the end-to-end tests drive it.

    python3 scripts/lib/languages.py OUTPUT_FOLDER [--editor] [LANGUAGE_INDEX ...]

For each language: the start window, the application choice, the save dialog, the tray menu, the
options dialog with its keys dialog, the about box and its credits, the message of a key that
another program holds, the editor's toolbar with every button's tooltip, and the editor's notice
(with --editor, only the editor). One sheet per window puts the languages side by side
(OUTPUT/sheet-WINDOW.png)."""

import os
import re
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tests", "e2e"))

from e2e_support import DRIVER, SETTINGS_KEY, Program, driver, env, reg_add, reg_delete_key, run, screenshot  # noqa: E402
from e2e_support import TRAY_ABOUT, TRAY_OPTIONS  # noqa: E402
from screenshots import ABOUT, ASK, EDITOR_TITLE as EDITOR, KEYS, OPTIONS, SAVE_AS, START, drive, open_from_tray, rect  # noqa: E402

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
ROWS = ["English", "German", "French", "Italian", "Dutch", "Spanish", "Portuguese", "Danish", "Swedish", "Norwegian",
        "Finnish", "Romanian", "Hungarian", "Slovenian", "Czech", "Turkish", "Greek"]
TRAY_RIGHT_BUTTON_UP, TRAY_DOUBLE_CLICK = "517", "515"
MESSAGE = "Snapwright"


def texts(row):
    """The texts of a language's row file by their id."""
    with open(os.path.join(ROOT, "src", "lang", "rows", row + ".h"), encoding="utf-8") as handle:
        source = handle.read()
    found = {}
    for name, text in re.findall(r'\{(\w+), "((?:[^"\\]|\\.)*)"\}', source):
        found[name] = text.replace('\\"', '"').replace("\\n", "\n").replace("\\r", "\r")
    return found


class Look:
    def __init__(self, output, editor_only):
        self.output = output
        self.editor_only = editor_only

    def cut(self, name, left, top, width, height):
        shot = screenshot(os.path.join(self.output, "screen.png"))
        run(["convert", shot, "-crop", f"{width}x{height}+{left}+{top}", "+repage",
             os.path.join(self.output, name + ".png")], check=True)

    def window(self, name, title):
        drive("wait-window", title, "", "20000")
        time.sleep(0.4)  # painted
        self.cut(name, *rect(title))

    def close(self, title, ids, control):
        drive("click-id", title, ids[control])
        drive("gone-window", title, "", "20000")

    def tray_menu(self, name):
        run(["xdotool", "mousemove", "600", "300"], check=True)
        drive("tray", TRAY_RIGHT_BUTTON_UP)
        left, top, width, height = (int(v) for v in drive("menu-rect").split())
        time.sleep(0.4)
        self.cut(name, left, top, width, height)
        driver("keys", "escape")
        drive("menu-closed")

    def tooltips(self, name, buttons):
        """The toolbar and each button's tooltip below it, stacked."""
        view_left, view_top, view_width, _ = rect(EDITOR, "SnapwrightEditorView")
        parts = []
        top = view_top - 6 - 30
        self.cut(name + "-toolbar", 0, top - 4, 1024, 42)
        parts.append(os.path.join(self.output, name + "-toolbar.png"))
        for index, x in enumerate(buttons):
            run(["xdotool", "mousemove", str(view_left + x), str(top + 15)], check=True)
            time.sleep(1.2)
            part = f"{name}-tip{index}"
            self.cut(part, 0, top + 20, 1024, 60)
            parts.append(os.path.join(self.output, part + ".png"))
            run(["xdotool", "mousemove", "1000", "760"], check=True)
            time.sleep(0.3)
        run(["convert", *parts, "-append", os.path.join(self.output, name + ".png")], check=True)
        for part in parts:
            os.remove(part)

    def take(self, language):
        t = texts(ROWS[language])
        suffix = f"{language:02d}"
        reg_delete_key(SETTINGS_KEY)
        reg_add(SETTINGS_KEY, "Language", str(language))
        reg_add(SETTINGS_KEY, "SendTo", "4")
        if not self.editor_only:
            self.key_taken(suffix)
        program = Program("look" + suffix).start()
        try:
            program.wait_ready()
            run(["xdotool", "mousemove", "1000", "760"], check=True)
            if not self.editor_only:
                self.dialogs(t, suffix)
            self.editor(t, suffix)
        finally:
            program.stop()

    def key_taken(self, suffix):
        """Another program holds the region's key: the program says so as it starts."""
        reg_add(SETTINGS_KEY, "ShowSplash", "0")
        holder = subprocess.Popen(["wine", DRIVER, "hold-key", "ctrl+shift+print", "120000"], env=env(),
                                  stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        program = Program("keys" + suffix)
        try:
            holder.stdout.readline()
            program.start()
            self.window("key-taken-" + suffix, MESSAGE)
            drive("keys", "enter")
            drive("gone-window", MESSAGE, "", "20000")
            program.wait_ready()
        finally:
            program.stop()
            holder.kill()
            holder.wait()
            holder.stdout.close()
            reg_add(SETTINGS_KEY, "ShowSplash", "1")

    def dialogs(self, t, suffix):
        self.window("start-" + suffix, "Snapwright")
        self.close("Snapwright", START, "IDC_START_OK")

        drive("keys", "ctrl+print")
        ask = t["AskApplicationCaption"]
        self.window("ask-" + suffix, ask)
        self.close(ask, ASK, "IDC_ASKAPP_CANCEL")
        drive("keys", "shift+print")
        save = t["SaveAsCaption"]
        self.window("save-" + suffix, save)
        self.close(save, SAVE_AS, "IDC_SAVEAS_CANCEL")

        self.tray_menu("tray-" + suffix)
        open_from_tray(TRAY_OPTIONS, t["OptionsWindowTitle"])
        self.window("options-" + suffix, t["OptionsWindowTitle"])
        drive("click-id", t["OptionsWindowTitle"], OPTIONS["IDC_OPT_KEYS"])
        self.window("keys-" + suffix, t["KeysWindowTitle"])
        self.close(t["KeysWindowTitle"], KEYS, "IDC_KEYS_CANCEL")
        self.close(t["OptionsWindowTitle"], OPTIONS, "IDC_OPT_CANCEL")
        open_from_tray(TRAY_ABOUT, t["AboutWindowTitle"])
        self.window("about-" + suffix, t["AboutWindowTitle"])
        drive("click-id", t["AboutWindowTitle"], ABOUT["IDC_ABOUT_CREDITS"])
        self.window("credits-" + suffix, t["CreditsCaption"])
        drive("close", t["CreditsCaption"])
        drive("gone-window", t["CreditsCaption"], "", "20000")
        self.close(t["AboutWindowTitle"], ABOUT, "IDC_ABOUT_OK")

    def editor(self, t, suffix):
        drive("tray", TRAY_DOUBLE_CLICK)
        drive("wait-window", EDITOR, "", "20000")
        # New, Region, Open, Save, Print, Copy, Word, Excel, PowerPoint, Undo, the nine tools, colour, help.
        buttons = [15 + 32 * i for i in range(6)] + [15 + 32 * 6 + 8 + 32 * i for i in range(3)]
        buttons += [15 + 32 * 9 + 16 + 32 * i for i in range(1)]
        buttons += [15 + 32 * 10 + 24 + 32 * i for i in range(9)]
        self.tooltips("editor-" + suffix, buttons)
        # New empties the editor; Save then tells that there is nothing to hand on, in a message
        # box in the middle of the screen.
        drive("click", EDITOR, t["EditorNewButton"])
        drive("click", EDITOR, t["EditorSaveButton"])
        time.sleep(1.0)
        self.cut("notice-" + suffix, 162, 259, 700, 250)
        drive("keys", "enter")
        drive("close", EDITOR)
        drive("gone-window", EDITOR, "", "20000")


def main():
    output = os.path.abspath(sys.argv[1])
    os.makedirs(output, exist_ok=True)
    editor_only = "--editor" in sys.argv
    languages = [int(value) for value in sys.argv[2:] if value != "--editor"] or list(range(17))
    look = Look(output, editor_only)
    for language in languages:
        look.take(language)
    for window in ("key-taken", "start", "ask", "save", "tray", "options", "keys", "about", "credits", "editor",
                   "notice"):
        pictures = sorted(name for name in os.listdir(output) if re.fullmatch(window + r"-\d\d\.png", name))
        if pictures:
            run(["montage", *[os.path.join(output, name) for name in pictures], "-tile", "3x", "-geometry", "+4+4",
                 "-label", "%f", os.path.join(output, "sheet-" + window + ".png")], check=True)


if __name__ == "__main__":
    main()
