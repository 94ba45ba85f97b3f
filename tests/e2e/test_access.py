"""Refused access on the real registry: the key's DACL grants only reading."""
import unittest

from harness import BANNER, WIN32, WIN64, crlf, helper

CHANGE_REFUSED = ("\n\n [*] Error: Failed to open Windows Registry. Make sure you have Administrator rights. "
                  "\n Error Code=0x00000005\n\n")
CASES = (
    ("-s", "\n\n [*] Error: Failed to open Windows Registry. \n Error Code=0x00000005\n\n"),
    ("1", "\n\n [*] Hiding Your Computer on the Network" + CHANGE_REFUSED),
    ("0", "\n\n [*] Unhiding Your Computer on the Network" + CHANGE_REFUSED),
)


def key_acl(prefix, action):
    status, output = prefix.run(action, exe=helper("key_acl.exe"))
    if status != 0:
        raise AssertionError(f"key_acl {action}: {output!r}")


class RefusedAccessTest(unittest.TestCase):
    def test_both_commands_report_code_5_and_change_nothing(self):
        for prefix in (WIN64, WIN32):
            prefix.set_hidden("REG_DWORD", "1")
            before = prefix.query_key()
            # The DACL lives only in the running wineserver, which the
            # harness keeps alive for the whole run.
            key_acl(prefix, "lock")
            try:
                for command, expected in CASES:
                    with self.subTest(prefix=prefix.path, command=command):
                        status, output = prefix.run(command)
                        self.assertEqual(status, 0)
                        self.assertEqual(output.decode("latin-1"), BANNER + crlf(expected))
            finally:
                key_acl(prefix, "unlock")
            self.assertEqual(prefix.query_key(), before)


if __name__ == "__main__":
    unittest.main()
