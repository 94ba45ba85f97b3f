"""The command line as a script sees it: exact bytes in a file, status 0."""
import unittest

from harness import HELP, WIN64, crlf

INVALID = crlf("\n\n Error: Invalid parameters specified.\n\n")
WRONG_COUNT = crlf("\n\n Error: Invalid input parameters. Kindly see the above examples and try again.\n\n")


class CommandLineTest(unittest.TestCase):
    def setUp(self):
        self.key_before = WIN64.query_key()

    def tearDown(self):
        # No command line here may touch the registry.
        self.assertEqual(WIN64.query_key(), self.key_before)

    def check(self, args, expected, prompt="$P$G"):
        status, output = WIN64.run(*args, prompt=prompt)
        self.assertEqual(status, 0)
        self.assertEqual(output.decode("latin-1"), expected)

    def test_help(self):
        for args in (["-h"], ["-H"], []):
            with self.subTest(args=args):
                self.check(args, HELP)

    def test_help_never_waits_even_outside_a_prompt(self):
        self.check(["-h"], HELP, prompt=None)

    def test_no_argument_outside_a_prompt_shows_the_notice_and_returns_without_a_keyboard(self):
        notice = crlf("\n This is a console application. Kindly Run it from the CMD Prompt!"
                      "\n\n Press any key to exit....\n")
        for prompt in (None, ""):
            with self.subTest(prompt=prompt):
                self.check([], HELP + notice, prompt=prompt)

    def test_unmatched_argument(self):
        for arg in ("01", "+1", "-help", "/?", "--s", " 1", "", "2", "-x", "h"):
            with self.subTest(arg=arg):
                self.check([arg], HELP + INVALID)

    def test_wrong_count(self):
        for args in (["1", "-s"], ["0", "0"], ["-h", "x", "y"]):
            with self.subTest(args=args):
                self.check(args, HELP + WRONG_COUNT)


if __name__ == "__main__":
    unittest.main()
