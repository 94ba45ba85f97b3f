"""The Windows calls Nimbrel.exe makes, read from Wine's relay trace."""
import re
import unittest

from harness import WIN32, WIN64

IMAGE = range(0x00400000, 0x00500000)  # where Wine maps the program
CALL = re.compile(r"^\w+:Call ([\w.]+)\((.*)\) ret=([0-9a-f]{8})$")
REGISTRY = ("advapi32.RegOpenKeyExA", "advapi32.RegQueryValueExA", "advapi32.RegSetValueExA",
            "advapi32.RegCloseKey")


def calls(prefix, *args):
    """(function, arguments) of each call the program itself made."""
    found = []
    for line in prefix.trace(*args).splitlines():
        match = CALL.match(line)
        if match and int(match.group(3), 16) in IMAGE:
            found.append((match.group(1), match.group(2)))
    return found


def registry_calls(found):
    return [name.split(".")[1] for name, _ in found if name in REGISTRY]


class CallsTest(unittest.TestCase):
    def test_bad_command_lines_and_help_make_no_registry_call(self):
        for args in (["-h"], [], ["x"], ["1", "0"], ["-s", "-s"]):
            with self.subTest(args=args):
                found = calls(WIN64, *args)
                self.assertTrue(found, "no calls traced at all")
                self.assertEqual(registry_calls(found), [])
                self.assertFalse([n for n, a in found if "IsWow64" in n + a])

    def test_status_opens_queries_and_closes_once(self):
        found = calls(WIN64, "-s")
        self.assertEqual(registry_calls(found), ["RegOpenKeyExA", "RegQueryValueExA", "RegCloseKey"])

    def test_change_writes_at_most_once(self):
        for hidden, request, expected in (
                ("0", "1", ["RegOpenKeyExA", "RegQueryValueExA", "RegSetValueExA", "RegCloseKey"]),
                ("1", "1", ["RegOpenKeyExA", "RegQueryValueExA", "RegCloseKey"])):
            with self.subTest(hidden=hidden, request=request):
                WIN64.set_hidden("REG_DWORD", hidden)
                self.assertEqual(registry_calls(calls(WIN64, request)), expected)

    def test_probe_is_looked_up_by_name_and_picks_the_view(self):
        for prefix, mask in ((WIN64, "0002011f"), (WIN32, "0002001f")):
            for command in ("-s", "0"):
                with self.subTest(prefix=prefix.path, command=command):
                    found = calls(prefix, command)
                    lookups = [a for n, a in found if n.endswith(".GetProcAddress") and "IsWow64" in a]
                    self.assertEqual(len(lookups), 1)
                    self.assertIn('"IsWow64Process"', lookups[0])
                    opens = [a for n, a in found if n == "advapi32.RegOpenKeyExA"]
                    self.assertEqual(len(opens), 1)
                    self.assertRegex(opens[0], r'^80000002,\w+ "SYSTEM\\\\CurrentControlSet\\\\Services'
                                               r'\\\\LanmanServer\\\\Parameters",00000000,' + mask + ",")


if __name__ == "__main__":
    unittest.main()
