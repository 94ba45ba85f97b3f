"""Both commands against Wine's real registry, output and value checked."""
import unittest

from harness import BANNER, WIN32, WIN64, crlf

CHECKING_STATUS = "\n\n [*] Checking for the current Hidden status of Your Computer"
HIDDEN = "\n\n\n [*] Your Computer is currently HIDDEN on the Network\n\n"
NOT_HIDDEN = "\n\n\n [*] Your Computer is currently NOT HIDDEN on the Network\n\n"

HIDING = "\n\n [*] Hiding Your Computer on the Network"
UNHIDING = "\n\n [*] Unhiding Your Computer on the Network"
CHECKING = "\n\n\n [*] Checking for the current Hidden status of Your Computer"
READ_FAILURE = "\n\t Failed to get the current status, Anyway going ahead now..."
ALREADY_HIDDEN = "\n\n\n [*] Your Computer is already Hidden on the Network\n\n"
ALREADY_VISIBLE = "\n\n\n [*] Your Computer is already Visible on the Network\n\n"
HIDDEN_TO_VISIBLE = "\n\n\n [*] Your Computer is currently Hidden on the Network, Making it Visible Now"
VISIBLE_TO_HIDDEN = "\n\n\n [*] Your Computer is currently Visible on the Network, Hiding it Now"
UNRECOGNISED = "\n\n\n [*] Your Computer has an unrecognised Hidden setting, Making it Visible Now"
HIDE_SUCCESS = "\n\n\n [*] Successfully Hidden Your Computer on the Network"
UNHIDE_SUCCESS = "\n\n\n [*] Successfully Made Your Computer Visible on the Network"
NOTE = ("\n\n\n Note: You have to restart the system for changes to take effect. It may take an hour or two "
        "for it to be effective across the network.\n\n")

# How HIDDEN is set up: (reg add type, data or None for no data); None: absent.
ABSENT = None
DWORD1, DWORD0, DWORD7 = ("REG_DWORD", "1"), ("REG_DWORD", "0"), ("REG_DWORD", "7")
BINARY01, BINARY_EMPTY = ("REG_BINARY", "01"), ("REG_BINARY", None)
QWORD1, TEXT1 = ("REG_QWORD", "1"), ("REG_SZ", "1")


def arrange(prefix, stored):
    prefix.delete_hidden()
    if stored is not None:
        prefix.set_hidden(*stored)
        assert prefix.hidden()[0] == stored[0], "set-up failed"


class StatusTest(unittest.TestCase):
    def test_each_stored_form(self):
        cases = (
            ("DWORD 1", DWORD1, HIDDEN),
            ("DWORD 0", DWORD0, NOT_HIDDEN),
            ("DWORD 7", DWORD7, NOT_HIDDEN),
            ("binary 01", BINARY01, HIDDEN),
            ("empty binary", BINARY_EMPTY, NOT_HIDDEN),
            ("QWORD 1", QWORD1, NOT_HIDDEN),
            ("text 1", TEXT1, NOT_HIDDEN),
            ("absent", ABSENT, NOT_HIDDEN),
        )
        for name, stored, line in cases:
            with self.subTest(name):
                arrange(WIN64, stored)
                before = WIN64.query_key()
                status, output = WIN64.run("-s")
                self.assertEqual(status, 0)
                self.assertEqual(output.decode("latin-1"), BANNER + crlf(CHECKING_STATUS + line))
                self.assertEqual(WIN64.query_key(), before)


class ChangeTest(unittest.TestCase):
    def test_decision_table(self):
        cases = (
            ("absent, hide", ABSENT, "1", READ_FAILURE, True),
            ("absent, unhide", ABSENT, "0", READ_FAILURE, True),
            ("QWORD refused, unhide", QWORD1, "0", READ_FAILURE, True),
            ("hidden, hide", DWORD1, "1", ALREADY_HIDDEN, False),
            ("hidden, unhide", DWORD1, "0", HIDDEN_TO_VISIBLE, True),
            ("visible, unhide", DWORD0, "0", ALREADY_VISIBLE, False),
            ("visible, hide", DWORD0, "1", VISIBLE_TO_HIDDEN, True),
            ("7, hide", DWORD7, "1", VISIBLE_TO_HIDDEN, True),
            ("7, unhide", DWORD7, "0", UNRECOGNISED, True),
            ("empty, unhide", BINARY_EMPTY, "0", UNRECOGNISED, True),
            ("text 1, hide", TEXT1, "1", VISIBLE_TO_HIDDEN, True),
            ("binary 01, hide: already hidden, type kept", BINARY01, "1", ALREADY_HIDDEN, False),
        )
        for name, stored, request, line, writes in cases:
            with self.subTest(name):
                arrange(WIN64, stored)
                before = WIN64.hidden()
                status, output = WIN64.run(request)
                self.assertEqual(status, 0)
                expected = (HIDING if request == "1" else UNHIDING) + CHECKING + line
                if writes:
                    expected += (HIDE_SUCCESS if request == "1" else UNHIDE_SUCCESS) + NOTE
                self.assertEqual(output.decode("latin-1"), BANNER + crlf(expected))
                after = ("REG_DWORD", "0x" + request) if writes else before
                self.assertEqual(WIN64.hidden(), after)


class MissingKeyTest(unittest.TestCase):
    def setUp(self):
        WIN64.delete_key()

    def tearDown(self):
        WIN64.restore_key()

    def test_both_commands_report_code_2_and_never_create_the_key(self):
        cases = (
            ("-s", "\n\n [*] Error: Failed to open Windows Registry. \n Error Code=0x00000002\n\n"),
            ("1", HIDING + "\n\n [*] Error: Failed to open Windows Registry. Make sure you have "
                           "Administrator rights. \n Error Code=0x00000002\n\n"),
            ("0", UNHIDING + "\n\n [*] Error: Failed to open Windows Registry. Make sure you have "
                             "Administrator rights. \n Error Code=0x00000002\n\n"),
        )
        for request, expected in cases:
            with self.subTest(request):
                status, output = WIN64.run(request)
                self.assertEqual(status, 0)
                self.assertEqual(output.decode("latin-1"), BANNER + crlf(expected))
                self.assertIsNone(WIN64.query_key())


class Win32PrefixTest(unittest.TestCase):
    """On 32-bit Windows the probe answers 0 and the plain view is used."""

    def test_status_and_change(self):
        arrange(WIN32, ABSENT)
        status, output = WIN32.run("1")
        self.assertEqual((status, output.decode("latin-1")),
                         (0, BANNER + crlf(HIDING + CHECKING + READ_FAILURE + HIDE_SUCCESS + NOTE)))
        self.assertEqual(WIN32.hidden(), ("REG_DWORD", "0x1"))
        status, output = WIN32.run("-s")
        self.assertEqual((status, output.decode("latin-1")), (0, BANNER + crlf(CHECKING_STATUS + HIDDEN)))
        status, output = WIN32.run("0")
        self.assertEqual((status, output.decode("latin-1")),
                         (0, BANNER + crlf(UNHIDING + CHECKING + HIDDEN_TO_VISIBLE + UNHIDE_SUCCESS + NOTE)))
        self.assertEqual(WIN32.hidden(), ("REG_DWORD", "0x0"))


if __name__ == "__main__":
    unittest.main()
