"""Size and import budgets of Nimbrel.exe."""
import os
import re
import unittest

from harness import EXE, objdump

HERE = os.path.dirname(os.path.abspath(__file__))
SECTION = re.compile(r"^\s*\d+\s+(\S+)\s+([0-9a-f]{8})\s", re.M)

MAX_FILE = 144 * 1024
MAX_CODE_AND_DATA = 24 * 1024  # every section but .rsrc


def imports():
    """{(dll, function)} from the import table."""
    found, dll = set(), None
    for line in objdump("-p").splitlines():
        match = re.match(r"\s*DLL Name: (\S+)", line)
        if match:
            dll = match.group(1)
            continue
        match = re.match(r"\s+[0-9a-f]+\s+\d+\s+(\w+)$", line)
        if dll and match:
            found.add((dll, match.group(1)))
    return found


class BudgetsTest(unittest.TestCase):
    def test_file_size(self):
        self.assertLessEqual(os.path.getsize(EXE), MAX_FILE)

    def test_sections_other_than_resources(self):
        sections = {name: int(size, 16) for name, size in SECTION.findall(objdump("-h"))}
        self.assertIn(".rsrc", sections)
        self.assertIn(".text", sections)
        # .bss takes no room in the file.
        total = sum(size for name, size in sections.items() if name not in (".rsrc", ".bss"))
        self.assertLessEqual(total, MAX_CODE_AND_DATA, sections)

    def test_imports_are_on_the_allowlist(self):
        with open(os.path.join(HERE, "imports_allowlist.txt")) as f:
            allowed = {tuple(line.split()) for line in f if line.strip() and not line.startswith("#")}
        found = imports()
        self.assertTrue(found)
        self.assertEqual(found - allowed, set(), "imports missing from imports_allowlist.txt")
        self.assertEqual({dll for dll, _ in found}, {"KERNEL32.dll", "ADVAPI32.dll", "msvcrt.dll"})


if __name__ == "__main__":
    unittest.main()
