"""zlptool catalogue: the download catalogue of a folder of livery packages,
read back with Python's own INI reader."""

import configparser
import os
import shutil
import subprocess
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from peers_test import zlptool  # noqa: E402


def write(path, content):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(content)


def settings(variant, name, date, kind=b"Single Livery"):
    return (b"[Settings]\r\nFileVersion=1\r\nType=%s\r\nAircraft=ZELVA K50X\r\nVariant=%s\r\nName=%s\r\n"
            b"Date=%s\r\nConfigVersion=1\r\n" % (kind, variant, name, date))


class CatalogueByZlptool(unittest.TestCase):
    def setUp(self):
        self.work = tempfile.mkdtemp(prefix="zlptool_catalogue_")
        self.folder = os.path.join(self.work, "Packages")
        os.makedirs(self.folder)

    def tearDown(self):
        shutil.rmtree(self.work, ignore_errors=True)

    def package(self, file_name, files):
        source = os.path.join(self.work, "src", file_name)
        for name, content in files.items():
            write(os.path.join(source, *name.split("\\")), content)
        result = zlptool("pack", os.path.join(self.folder, file_name), source)
        self.assertEqual(result.returncode, 0, result.stderr)

    def read(self):
        parser = configparser.ConfigParser(interpolation=None)
        parser.optionxform = str
        with open(os.path.join(self.folder, "Liveries.ini"), encoding="cp1252") as f:
            parser.read_string(f.read())
        return parser

    def test_each_livery_package_becomes_an_entry_of_its_variant(self):
        self.package("ZELVA K50 Sunrise.zlp", {
            "Settings.dat": settings(b"ZELVA K50-200LR", b"Sunrise Air", b"133500000000000000"),
            "Aircraft.ini": b"[Version]\r\nVersion=2\r\n",
            "Texture.Sunrise\\a.dds": b"a" * 3000})
        self.package("ZELVA K50 Sunrise - Config.zlp", {"Aircraft.ini": b"[Version]\r\nVersion=5\r\n"})
        self.package("ZELVA K50 Polar.zlp", {
            "Settings.dat": settings(b"ZELVA K50F", b"Polar", b"133400000000000000"),
            "Texture.Polar\\a.dds": b"p"})
        self.package("Bundle.zlp", {"Settings.dat": settings(b"ZELVA K50F", b"x", b"1", b"Bundle")})
        write(os.path.join(self.folder, "broken.zlp"), b"CRYP not really")

        result = zlptool("catalogue", self.folder)
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertIn(b"broken.zlp", result.stderr)
        catalogue = self.read()
        self.assertEqual(sorted(catalogue.sections()),
                         ["ZELVA K50X - ZELVA K50-200LR", "ZELVA K50X - ZELVA K50F"])
        lr = catalogue["ZELVA K50X - ZELVA K50-200LR"]
        self.assertEqual(lr["Count"], "1")
        self.assertEqual(lr["000_Filename"], "ZELVA K50 Sunrise.zlp")
        self.assertEqual(lr["000_Name"], "Sunrise Air")
        self.assertEqual(lr["000_Date"], "133500000000000000")
        self.assertEqual(int(lr["000_Size"]), os.path.getsize(os.path.join(self.folder, "ZELVA K50 Sunrise.zlp")))
        self.assertEqual(lr["000_Config"], "ZELVA K50 Sunrise - Config.zlp")
        self.assertEqual(lr["000_ConfigRevision"], "5")  # the configuration package's, not the livery's own
        f = catalogue["ZELVA K50X - ZELVA K50F"]
        self.assertEqual((f["Count"], f["000_Name"], f["000_ConfigRevision"]), ("1", "Polar", "-1"))

        # The maker marks a livery as accurate by hand; a new run keeps the mark.
        path = os.path.join(self.folder, "Liveries.ini")
        with open(path, "rb") as handle:
            text = handle.read()
        head, tail = text.split(b"[ZELVA K50X - ZELVA K50-200LR]")
        write(path, head + b"[ZELVA K50X - ZELVA K50-200LR]" +
              tail.replace(b"000_ConfigAccurate=0", b"000_ConfigAccurate=1"))
        self.assertEqual(self.read()["ZELVA K50X - ZELVA K50-200LR"]["000_ConfigAccurate"], "1")
        self.assertEqual(zlptool("catalogue", self.folder).returncode, 0)
        self.assertEqual(self.read()["ZELVA K50X - ZELVA K50-200LR"]["000_ConfigAccurate"], "1")
        self.assertFalse(os.path.exists(path + ".new"))

    def test_an_empty_folder_fails_and_writes_nothing(self):
        result = zlptool("catalogue", self.folder)
        self.assertEqual(result.returncode, 2)
        self.assertFalse(os.path.exists(os.path.join(self.folder, "Liveries.ini")))


if __name__ == "__main__":
    unittest.main()
