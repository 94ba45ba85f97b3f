"""Nimbrel.exe's launch settings as the PE file carries them."""
import os
import re
import subprocess
import tempfile
import unittest

from harness import EXE, MANIFEST, objdump


class ExecutableTest(unittest.TestCase):
    def test_image_is_a_32_bit_console_program_for_windows_5_1(self):
        headers = objdump("-p")
        self.assertIn("file format pei-i386", objdump("-f"))
        for field, value in (("Subsystem", "00000003"), ("MajorOSystemVersion", "5"),
                             ("MinorOSystemVersion", "1"), ("MajorSubsystemVersion", "5"),
                             ("MinorSubsystemVersion", "1")):
            with self.subTest(field=field):
                self.assertRegex(headers, rf"\n{field}\s+{value}\b")
        self.assertIn("DYNAMIC_BASE", headers)
        self.assertIn("NX_COMPAT", headers)

    def test_imports_only_system_dlls_and_not_iswow64process(self):
        headers = objdump("-p")
        self.assertEqual(sorted(re.findall(r"DLL Name: (\S+)", headers)),
                         ["ADVAPI32.dll", "KERNEL32.dll", "msvcrt.dll"])
        self.assertNotIn("IsWow64Process", headers)
        # msvcrt's own printf, not mingw-w64's replacement.
        self.assertRegex(headers, r"\n\s+\w+\s+\d+\s+printf\n")
        self.assertNotIn("__mingw_vfprintf", headers)

    def test_resources_types_ids_and_language(self):
        listing = subprocess.run(["wrestool", "-l", EXE], check=True, stdout=subprocess.PIPE, text=True).stdout
        found = re.findall(r"--type=(\d+) --name=(\d+) --language=(\d+)", listing)
        expected = [("3", str(i), "1033") for i in range(1, 8)] + [
            ("14", "103", "1033"), ("16", "1", "1033"), ("24", "1", "1033")]
        self.assertEqual(sorted(found), sorted(expected))

    def test_manifest_is_exactly_the_committed_file(self):
        manifest = subprocess.run(["wrestool", "-x", "--raw", "--type=24", "--name=1", EXE], check=True,
                                  stdout=subprocess.PIPE).stdout
        with open(MANIFEST, "rb") as f:
            self.assertEqual(manifest, f.read())
        self.assertIn(b'level="requireAdministrator" uiAccess="false"', manifest)

    def test_icons_are_the_seven_sizes_in_order(self):
        with tempfile.TemporaryDirectory() as tmp:
            ico = os.path.join(tmp, "group.ico")
            subprocess.run(["wrestool", "-x", "--type=14", "--name=103", "-o", ico, EXE], check=True)
            listing = subprocess.run(["icotool", "-l", ico], check=True, stdout=subprocess.PIPE,
                                     text=True).stdout
        sizes = re.findall(r"--width=(\d+) --height=(\d+) --bit-depth=(\d+)", listing)
        self.assertEqual(sizes, [(str(s), str(s), "32") for s in (128, 72, 64, 48, 32, 24, 16)])


if __name__ == "__main__":
    unittest.main()
