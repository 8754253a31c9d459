"""The fake office programs (fakeoffice.exe) from the tests' side: their registration under the
real programmatic identifiers, a running instance with its window, and the log of every call they
received (the line format is described at the top of fakeoffice/fakeoffice.cpp)."""

import os
import tempfile
import time

from e2e_support import Helper, driver, session_dir, wait_until, wine, wine_path

FAKEOFFICE = os.environ.get("SNAPWRIGHT_FAKEOFFICE", "")

# The class identifiers that fakeoffice.exe registers its class objects under.
CLASSES = {
    "Word.Application": "{73A90C16-83D6-46BA-A408-32029B99E7DD}",
    "Excel.Application": "{F73EC6D6-6BBC-42ED-A418-A9BB81C7DC78}",
    "Powerpoint.Application": "{110F9ACB-6A07-440C-9607-8F4C607C3C9A}",
    "com.sun.star.ServiceManager": "{ED709E02-1CAA-49D8-83D1-CCCEE9C4D2A8}",
}
# Wine 8 does not merge the user's classes into HKEY_CLASSES_ROOT: the machine's it must be.
CLASSES_KEY = r"HKEY_LOCAL_MACHINE\Software\Classes"


def _import_reg(lines):
    """Imports registry lines with one run of Wine's reg tool (far faster than one per key)."""
    handle, path = tempfile.mkstemp(suffix=".reg", dir=session_dir())
    with os.fdopen(handle, "w", encoding="utf-8", newline="\r\n") as reg_file:
        reg_file.write("Windows Registry Editor Version 5.00\n\n" + "\n".join(lines) + "\n")
    result = wine("reg", "import", path)
    assert result.returncode == 0, result.stderr.decode("utf-8", "replace")


def _reg_text(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'


def register():
    """Registers fakeoffice.exe as the local server of the four office classes."""
    server = _reg_text('"' + wine_path(FAKEOFFICE) + '"')
    lines = []
    for prog_id, clsid in CLASSES.items():
        lines += [f"[{CLASSES_KEY}\\{prog_id}]", f"@={_reg_text(prog_id)}",
                  f"[{CLASSES_KEY}\\{prog_id}\\CLSID]", f"@={_reg_text(clsid)}",
                  f"[{CLASSES_KEY}\\CLSID\\{clsid}]", f"@={_reg_text(prog_id)}",
                  f"[{CLASSES_KEY}\\CLSID\\{clsid}\\ProgID]", f"@={_reg_text(prog_id)}",
                  f"[{CLASSES_KEY}\\CLSID\\{clsid}\\LocalServer32]", f"@={server}", ""]
    _import_reg(lines)


def unregister():
    """Removes the registrations again: a machine without any office program."""
    lines = []
    for prog_id, clsid in CLASSES.items():
        lines += [f"[-{CLASSES_KEY}\\{prog_id}]", f"[-{CLASSES_KEY}\\CLSID\\{clsid}]"]
    _import_reg(lines)


class FakeLog:
    """The calls that the fakes received, one line each, in a file of the test's own."""

    def __init__(self, path):
        self.path = path
        open(self.path, "w").close()
        self.environment = {"SNAPWRIGHT_FAKE_LOG": wine_path(self.path)}

    def entries(self):
        """(process id, what) for each line."""
        with open(self.path, encoding="utf-8") as handle:
            return [tuple(line.rstrip("\n").split(": ", 1)) for line in handle if ": " in line]

    def calls(self):
        """What was created and called, in order, without the servers' start and exit."""
        return [what for _, what in self.entries() if what not in ("server start", "server exit")]

    def wait_for(self, text, timeout=30):
        """Waits for a call that contains text; gives the calls up to it."""
        def seen():
            calls = self.calls()
            for index, call in enumerate(calls):
                if text in call:
                    return calls[:index + 1]
            return None
        return wait_until(seen, timeout, what=f"'{text}' in the fake office log:\n" + "\n".join(self.calls()))

    def end_servers(self, timeout=15):
        """Waits until every server that COM started for this log has ended, as a server does a
        moment after its last object is released, so that the next test's calls reach a server
        that writes to the next test's log. Closes the servers still running after the time-out
        (their client kept references, or died holding them); gives their process ids."""
        def running():
            entries = self.entries()
            ended = {pid for pid, what in entries if what == "server exit"}
            return [pid for pid, what in entries if what == "server start" and pid not in ended]
        try:
            wait_until(lambda: not running(), timeout, what="the fake office servers to end")
            return []
        except AssertionError:
            stuck = running()
        # Closed, not killed: a killed server's class registrations stay behind in Wine's COM
        # service, and every later creation of the classes would fail.
        def close_one():
            if not running():
                return True
            driver("close", "*", "FakeOfficeServer")
            return False
        wait_until(close_one, timeout, interval=0.5, what="the fake office servers to close")
        return stuck


class RunningOffice(Helper):
    """A running office program: a bordered window with a caption, 480 x 320 at 150, 120 in front of
    everything, and, when asked, the running automation object of a class with a number of open
    documents. Without them, the capture tests' window of known size, or with `look` (fakeoffice's
    --bounds, --maximised and --colour) a window elsewhere or a panel of one colour."""

    def __init__(self, caption, prog_id=None, documents=0, log=None, look=()):
        active = ["--active", prog_id, "--documents", str(documents)] if prog_id else []
        super().__init__([FAKEOFFICE, "--window", caption, *look, *active], caption, log.environment if log else None)
        time.sleep(0.5)  # painted
