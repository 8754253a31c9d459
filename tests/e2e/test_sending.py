"""Sending from outside: Ctrl+Print Screen with the send settings in the registry, fake office
programs registered under the real programmatic identifiers (fakeoffice.exe), and every call they
received read from their log, with what the clipboard held at the moment of the paste."""

import unittest

import fakeoffice
from e2e_support import E2ETestCase, driver
from fakeoffice import FakeLog, RunningOffice

SCREEN = "1024x768"
ASK_TITLE = "Send Screenshot to ..."
SAVE_TITLE = "Save Screenshot As ..."
MESSAGE_TITLE = "Snapwright"
WORD, EXCEL, ASK = "1", "2", "4"

WORD_DOCUMENTS = "get Word.Application.documents -> <Word.Application.documents>"
WORD_ADD = "call Word.Application.documents.Add() -> <Word.Application.documents.Add>"
WORD_PASTE = ["get Word.Application.Selection -> <Word.Application.Selection>",
              f"call Word.Application.Selection.Paste() clipboard={SCREEN}"]

SUITE = "com.sun.star.ServiceManager"
DESKTOP = "com.sun.star.frame.Desktop"
HELPER = "com.sun.star.frame.DispatchHelper"


def suite_start(document):
    """The suite's calls up to the desktop, and the way from a document to its frame."""
    controller = f"{document}.currentcontroller"
    return ([f"create {SUITE}", f'call {SUITE}.createinstance("{DESKTOP}") -> <{DESKTOP}>'],
            [f"get {document}.currentcontroller -> <{controller}>", f"get {controller}.Frame -> <{controller}.Frame>"])


def suite_paste(document):
    frame = f"{document}.currentcontroller.Frame"
    return [f'call {SUITE}.createinstance("{HELPER}") -> <{HELPER}>',
            f'call {HELPER}.executeDispatch(<{frame}>, ".uno:Paste", "", 0, array(0)) clipboard={SCREEN}']


def start_title(name):
    return f"Send Screenshot to {name}"


def setUpModule():
    fakeoffice.register()


class SendingTest(E2ETestCase):
    def setUp(self):
        self.log = FakeLog(self.path("fakeoffice.log"))
        # Registered first, so run last: after the program and the running instances have ended.
        self.addCleanup(self.end_servers)

    def end_servers(self):
        self.assertEqual(self.log.end_servers(), [], "a fake office server outlived its client's references")

    def configure(self, send_to, office="0"):
        self.fresh_settings(SendTo=send_to, Office=office)

    def running(self, caption, prog_id=None, documents=0):
        self.addCleanup(RunningOffice(caption, prog_id, documents, self.log).close)

    def start(self):
        return self.start_program(environment=self.log.environment)

    def answer_start_dialog(self, name, button):
        title = start_title(name)
        self.wait_window(title, "the start dialog opens")
        self.assertIn(f"{name} is not running. Start it now?", self.texts(title))
        self.answer(title, button)

    def assert_no_message(self):
        """A bounded look for a message box that must not come."""
        self.no_window(MESSAGE_TITLE, "no message is shown", 3)

    def answer_message_naming(self, name):
        self.assertIn(name, self.message("OK", MESSAGE_TITLE, timeout=30))


class MicrosoftOfficeTest(SendingTest):
    def test_word_running_with_a_document_gets_the_screenshot_at_its_selection(self):
        self.configure(WORD)
        self.running("Document1 - Microsoft Word", "Word.Application", documents=1)
        self.start()
        self.hotkey("ctrl+print")
        calls = self.log.wait_for("Paste")
        self.assertEqual(calls, [WORD_DOCUMENTS, "get Word.Application.documents.Count -> 1", *WORD_PASTE])

    def test_word_not_running_is_started_visible_after_ok_and_gets_a_new_document(self):
        self.configure(WORD)
        self.start()
        self.hotkey("ctrl+print")
        self.answer_start_dialog("Microsoft Word", "&OK")
        calls = self.log.wait_for("Paste")
        self.assertEqual(calls, ["create Word.Application", "put Word.Application.Visible = true", WORD_DOCUMENTS,
                                 WORD_ADD, *WORD_PASTE])
        self.assert_no_message()

    def test_cancel_in_the_start_dialog_starts_nothing_and_says_nothing(self):
        self.configure(EXCEL)
        self.start()
        self.hotkey("ctrl+print")
        self.answer_start_dialog("Microsoft Excel", "&Cancel")
        self.assert_no_message()
        self.assertEqual(self.log.calls(), [])

    def test_without_any_office_program_the_failure_is_told_and_the_program_goes_on(self):
        fakeoffice.unregister()
        self.addCleanup(fakeoffice.register)
        self.configure(WORD)
        program = self.start()
        self.hotkey("ctrl+print")
        self.answer_start_dialog("Microsoft Word", "&OK")
        self.answer_message_naming("Microsoft Word")
        self.assertEqual(self.log.calls(), [])

        self.assertIsNone(program.process.poll(), "the program still runs")
        self.assertEqual(driver("keys", "shift+print")[0], 0)
        self.wait_window(SAVE_TITLE, "the program still answers its hotkeys")
        self.assertEqual(driver("click", SAVE_TITLE, "&Cancel")[0], 0)


class SecondSuiteTest(SendingTest):
    def test_writer_not_running_loads_a_new_text_document_after_ok(self):
        self.configure(WORD, office="1")
        self.start()
        self.hotkey("ctrl+print")
        self.answer_start_dialog("Writer", "&OK")
        calls = self.log.wait_for(".uno:Paste")
        document = f"{DESKTOP}.loadComponentfromURL"
        start, frame = suite_start(document)
        load = f'call {DESKTOP}.loadComponentfromURL("private:factory/swriter", "_blank", 0, &array(0)) -> <{document}>'
        create_helper, dispatch = suite_paste(document)
        self.assertEqual(calls, [*start, load, create_helper, *frame, dispatch])

    def test_ask_dialog_offers_the_suite_and_sends_to_writer(self):
        self.configure(ASK, office="1")
        self.running("Untitled 1 - LibreOffice Writer")
        self.start()
        self.hotkey("ctrl+print")
        self.wait_window(ASK_TITLE, "the ask dialog opens")
        texts = self.texts(ASK_TITLE)
        for label in ("OpenWriter/StarWriter", "OpenCalc/Starcalc", "OpenImpress/StarImpress",
                      "Snapwright\u2122 Editor", "&OK", "&Cancel"):
            self.assertIn(label, texts)
        self.assertNotIn("Microsoft Word", texts)

        self.assertEqual(driver("click", ASK_TITLE, "OpenWriter/StarWriter")[0], 0)
        self.assertEqual(driver("click", ASK_TITLE, "&OK")[0], 0)
        calls = self.log.wait_for(".uno:Paste")
        document = f"{DESKTOP}.currentcomponent"
        start, frame = suite_start(document)
        self.assertEqual(calls, [*start, f"get {DESKTOP}.currentcomponent -> <{document}>", *frame,
                                 *suite_paste(document)])
        self.window_gone(ASK_TITLE, "the ask dialog closes", timeout=10)

if __name__ == "__main__":
    unittest.main()
