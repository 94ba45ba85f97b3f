"""The version block, icons and manifest as Windows' own API reads them."""
import unittest

from harness import EXE, MANIFEST, WIN64, helper


def probe():
    status, output = WIN64.run(EXE, exe=helper("resource_probe.exe"))
    assert status == 0, output
    return output.decode("latin-1").replace("\r\n", "\n").splitlines()


class ResourcesTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.lines = probe()

    def facts(self, prefix):
        return [line for line in self.lines if line.startswith(prefix)]

    def test_fixed_part(self):
        self.assertEqual(self.facts("fixed."), [
            "fixed.FileVersion=1.5.0.0",
            "fixed.ProductVersion=1.5.0.0",
            "fixed.FileFlagsMask=0x17",
            "fixed.FileFlags=0x0",
            "fixed.FileOS=0x4",
            "fixed.FileType=1",
            "fixed.FileSubtype=0",
            "fixed.FileDate=0.0",
        ])

    def test_string_table_in_order_and_translation(self):
        self.assertEqual(self.facts("stringtable="), ["stringtable=040904b0"])
        self.assertEqual(self.facts("translation="), ["translation=040904b0"])
        strings = self.facts("string.")
        self.assertEqual(strings[:4], [
            "string.0=CompanyName=Kestrune",
            "string.1=FileDescription=Command-line Tool to Hide Your Computer on Network",
            "string.2=FileVersion=1.5.0.0",
            "string.3=InternalName=Nimbrel",
        ])
        self.assertRegex(strings[4], r"^string\.4=LegalCopyright=Copyright \(C\) \d{4} Kestrune$")
        self.assertEqual(strings[5:], [
            "string.5=OriginalFilename=Nimbrel.exe",
            "string.6=ProductName=Nimbrel",
            "string.7=ProductVersion=1.5.0.0",
        ])

    def test_icon_group_of_seven_32_bit_images(self):
        self.assertEqual(self.facts("icongroup="), ["icongroup=103 count 7"])
        self.assertEqual(self.facts("icon."), [
            f"icon.{i}=id {i + 1} {size}x{size} 32bpp compression 0"
            for i, size in enumerate((128, 72, 64, 48, 32, 24, 16))])

    def test_manifest_text(self):
        with open(MANIFEST, "rb") as f:
            self.assertEqual(self.facts("manifest="), ["manifest=" + f.read().hex()])


if __name__ == "__main__":
    unittest.main()
