"""What a person sees on a real console: colours, and the key wait."""
import time
import unittest

from harness import EXE, WIN64
from terminal import BRIGHT_GREEN as GREEN, BRIGHT_RED as RED, BRIGHT_WHITE as WHITE, BRIGHT_YELLOW, Terminal

TITLE = [
    ("*" * 64, WHITE),
    ("Nimbrel v1.5 by Kestrune", WHITE),
    ("http://www.kestrune.example/nimbrel/", WHITE),
    ("*" * 64, WHITE),
]
HELP = TITLE + [
    ("Usage:", GREEN),
    ("Nimbrel.exe [1 | 0 | -s | -h]", GREEN),
    ("Examples:", GREEN),
    ("// Hide Your Computer on the Network", GREEN),
    ("Nimbrel.exe 1", GREEN),
    ("// Unhide Your Computer on the Network", GREEN),
    ("Nimbrel.exe 0", GREEN),
    ("//Show Current Status of Your Computer's Visibility", GREEN),
    ("Nimbrel.exe -s", GREEN),
    ("// Show this help screen", GREEN),
    ("Nimbrel.exe -h", GREEN),
]
NOTICE = [
    ("This is a console application. Kindly Run it from the CMD Prompt!", RED),
    ("Press any key to exit....", RED),
]
# The note is longer than the 120 columns of the pane and wraps.
_NOTE = (" Note: You have to restart the system for changes to take effect. It may take an hour or two for it to be "
         "effective across the network.")
NOTE = [(_NOTE[:120].strip(), WHITE), (_NOTE[120:].strip(), WHITE)]
WINE_ENV = ("WINEPREFIX", "WINEDEBUG", "WINEDLLOVERRIDES", "PROMPT")


class ConsoleTest(unittest.TestCase):
    def run_in_terminal(self, args, prompt="$P$G"):
        return self.terminal(["wine", EXE, *args], prompt)

    def run_in_cmd(self, line):
        """Runs a cmd.exe command line (which sets PROMPT itself)."""
        return self.terminal(["wine", "cmd", "/c", line], "$P$G")

    def terminal(self, argv, prompt):
        env = WIN64.env(prompt)
        terminal = Terminal(argv, {k: env[k] for k in WINE_ENV if k in env})
        self.addCleanup(terminal.close)
        return terminal

    def assertScreen(self, terminal, expected):
        self.assertEqual(terminal.wait(), 0)
        self.assertEqual(terminal.coloured_lines(), expected)

    def test_colours_of_each_screen(self):
        WIN64.set_hidden("REG_DWORD", "0")
        cases = (
            ("help", ["-h"], HELP),
            ("bad argument", ["x"], HELP + [("Error: Invalid parameters specified.", RED)]),
            ("two arguments", ["1", "0"],
             HELP + [("Error: Invalid input parameters. Kindly see the above examples and try again.", RED)]),
            ("status", ["-s"], TITLE + [
                ("[*] Checking for the current Hidden status of Your Computer", GREEN),
                ("[*] Your Computer is currently NOT HIDDEN on the Network", GREEN)]),
            ("hide", ["1"], TITLE + [
                ("[*] Hiding Your Computer on the Network", GREEN),
                ("[*] Checking for the current Hidden status of Your Computer", GREEN),
                ("[*] Your Computer is currently Visible on the Network, Hiding it Now", GREEN),
                ("[*] Successfully Hidden Your Computer on the Network", GREEN)] + NOTE),
            ("already hidden", ["1"], TITLE + [
                ("[*] Hiding Your Computer on the Network", GREEN),
                ("[*] Checking for the current Hidden status of Your Computer", GREEN),
                ("[*] Your Computer is already Hidden on the Network", GREEN)]),
        )
        for name, args, expected in cases:
            with self.subTest(name):
                self.assertScreen(self.run_in_terminal(args), expected)

    def test_refused_open_is_red(self):
        WIN64.delete_key()
        self.addCleanup(WIN64.restore_key)
        terminal = self.run_in_terminal(["0"])
        self.assertScreen(terminal, TITLE + [
            ("[*] Unhiding Your Computer on the Network", GREEN),
            ("[*] Error: Failed to open Windows Registry. Make sure you have Administrator rights.", RED),
            ("Error Code=0x00000002", RED)])

    def test_palette_on_black_and_the_users_colour_given_back(self):
        # cmd's COLOR sets the console to bright yellow on blue (0x1E) first;
        # the line echoed after Nimbrel shows what the console was left in.
        terminal = self.run_in_cmd(f"color 1E & {winpath(EXE)} -h & echo after")
        self.assertEqual(terminal.wait(), 0)
        *program, (after, fgs, bgs) = [line for line in terminal.screen() if line[0].strip()]
        for text, _, backgrounds in program:
            shown = [i for i, ch in enumerate(text) if not ch.isspace()]
            self.assertEqual({backgrounds[i] for i in shown} - {40, 49}, set(), text)
        self.assertEqual(after.strip(), "after")
        start = after.index("after")
        self.assertEqual((fgs[start], bgs[start]), (BRIGHT_YELLOW, 44))


    def test_key_wait_outside_a_prompt(self):
        # The second case redirects standard input: the wait reads the
        # console's keyboard all the same.
        for how in ("plain", "stdin from NUL"):
            with self.subTest(how):
                if how == "plain":
                    terminal = self.run_in_terminal([], prompt=None)
                else:
                    terminal = self.run_in_cmd(f"set PROMPT=& {winpath(EXE)} < NUL")
                time.sleep(2)
                self.assertIsNone(terminal.wait(timeout=0.5), "ended without a key press")
                self.assertEqual(terminal.coloured_lines(), HELP + NOTICE)
                terminal.send_keys("q")
                self.assertEqual(terminal.wait(), 0)

    def test_no_wait_from_a_prompt(self):
        terminal = self.run_in_terminal([])
        self.assertScreen(terminal, HELP)


def winpath(path):
    return "Z:" + path.replace("/", "\\")


if __name__ == "__main__":
    unittest.main()
