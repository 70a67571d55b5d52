"""zlptool against independent peers: its packages deciphered by an
independent Blowfish and unpacked by cabextract; gcab's cabinets,
enciphered independently, read back by zlptool."""

import os
import shutil
import struct
import subprocess
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import cabtools  # noqa: E402

ZLPTOOL = os.environ["ZLPTOOL"]
WINE_RUN = os.environ["WINE_RUN"]
SAMPLES = os.environ["SAMPLES"]
SOURCE = os.path.join(SAMPLES, "src")


def windows(path):
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def zlptool(*arguments):
    command = [WINE_RUN, ZLPTOOL] + [windows(a) if a.startswith("/") else a for a in arguments]
    return subprocess.run(command, capture_output=True)


def read_tree(root):
    tree = {}
    for folder, _, files in os.walk(root):
        for name in files:
            path = os.path.join(folder, name)
            with open(path, "rb") as f:
                tree[os.path.relpath(path, root)] = f.read()
    return tree


class Scratch(unittest.TestCase):
    def setUp(self):
        self.work = tempfile.mkdtemp(prefix="zlptool_peers_")

    def tearDown(self):
        shutil.rmtree(self.work, ignore_errors=True)

    def path(self, *parts):
        return os.path.join(self.work, *parts)

    def cabextract(self, cabinet, target):
        result = subprocess.run(["cabextract", "-q", "-d", target, cabinet], capture_output=True)
        self.assertEqual(result.returncode, 0, result.stderr.decode(errors="replace"))


class PackedByZlptool(Scratch):
    def test_enciphered_package_deciphered_independently_unpacks_with_cabextract(self):
        result = zlptool("pack", self.path("out.zlp"), SOURCE)
        self.assertEqual(result.returncode, 0, result.stderr)
        with open(self.path("out.zlp"), "rb") as f:
            package = f.read()
        self.assertEqual(package[:4], b"CRYP")
        with open(self.path("plain.cab"), "wb") as f:
            f.write(cabtools.decipher(package))
        self.cabextract(self.path("plain.cab"), self.path("x"))
        self.assertEqual(read_tree(self.path("x")), read_tree(SOURCE))

    def test_plain_package_unpacks_with_cabextract_one_folder_per_file(self):
        result = zlptool("pack", self.path("out.cab"), SOURCE, "--plain")
        self.assertEqual(result.returncode, 0, result.stderr)
        with open(self.path("out.cab"), "rb") as f:
            cabinet = f.read()
        self.assertEqual(cabinet[:4], b"MSCF")
        folders, files = struct.unpack_from("<HH", cabinet, 26)
        self.assertEqual((folders, files), (6, 6))
        self.cabextract(self.path("out.cab"), self.path("x"))
        self.assertEqual(read_tree(self.path("x")), read_tree(SOURCE))

    def test_single_files_are_named_by_their_file_name(self):
        result = zlptool("pack", self.path("two.zlp"), os.path.join(SOURCE, "Settings.dat"),
                         os.path.join(SOURCE, "Texture.T", "b.bmp"))
        self.assertEqual(result.returncode, 0, result.stderr)
        with open(self.path("two.cab"), "wb") as f:
            f.write(cabtools.decipher(open(self.path("two.zlp"), "rb").read()))
        self.cabextract(self.path("two.cab"), self.path("x"))
        self.assertEqual(sorted(read_tree(self.path("x"))), ["Settings.dat", "b.bmp"])


class ReadByZlptool(Scratch):
    def test_gcab_package_enciphered_independently_is_listed_and_extracted(self):
        result = zlptool("list", os.path.join(SAMPLES, "sample.zlp"))
        self.assertEqual(result.returncode, 0, result.stderr)
        listing = result.stdout.decode("utf-8")
        self.assertIn("enciphered", listing)
        for name, content in read_tree(SOURCE).items():
            line = [l for l in listing.splitlines() if l.endswith(name.replace("/", "\\"))]
            self.assertEqual(len(line), 1, name)
            self.assertEqual(int(line[0].split()[0]), len(content), name)
        result = zlptool("extract", os.path.join(SAMPLES, "sample.zlp"), self.path("x"))
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertEqual(read_tree(self.path("x")), read_tree(SOURCE))

    def test_plain_gcab_cabinet_and_named_entries(self):
        result = zlptool("extract", os.path.join(SAMPLES, "sample.cab"), self.path("x"), "settings.dat",
                         "texture.t/B.BMP")
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertEqual(sorted(read_tree(self.path("x"))), ["Settings.dat", os.path.join("Texture.T", "b.bmp")])
        result = zlptool("extract", os.path.join(SAMPLES, "sample.cab"), self.path("y"), "nothing.txt")
        self.assertEqual(result.returncode, 2)
        self.assertIn(b"nothing.txt", result.stderr)


class FailuresAreReported(Scratch):
    def test_verify_finds_damage_in_the_data(self):
        with open(os.path.join(SAMPLES, "sample.cab"), "rb") as f:
            damaged = bytearray(f.read())
        damaged[len(damaged) // 2] ^= 0x55
        with open(self.path("damaged.cab"), "wb") as f:
            f.write(damaged)
        self.assertEqual(zlptool("verify", os.path.join(SAMPLES, "sample.zlp")).returncode, 0)
        for package in (self.path("damaged.cab"), os.path.join(SAMPLES, "truncated.zlp")):
            result = zlptool("verify", package)
            self.assertEqual(result.returncode, 2, package)
            self.assertRegex(result.stderr.decode(), r"error: code [1-9]\d*, system error \d+, HTTP status 0")

    def test_unsafe_names_write_nothing_outside_and_report_1013(self):
        target = self.path("a", "b", "target")
        result = zlptool("extract", os.path.join(SAMPLES, "unsafe.zlp"), target)
        self.assertEqual(result.returncode, 2)
        self.assertIn(b"error: code 1013,", result.stderr)
        self.assertIn(b"..\\..\\evil.dll", result.stderr)
        self.assertEqual(read_tree(self.work), {os.path.join("a", "b", "target", "good.txt"): b"good content"})

    def test_not_a_cabinet_and_usage(self):
        result = zlptool("list", os.path.join(SAMPLES, "notcab.bin"))
        self.assertEqual(result.returncode, 2)
        self.assertIn(b"error: code 2,", result.stderr)
        self.assertEqual(zlptool().returncode, 1)
        self.assertEqual(zlptool("pack", self.path("only-output.zlp")).returncode, 1)
        help_text = zlptool("--help")
        self.assertEqual(help_text.returncode, 0)
        self.assertIn(b"zlptool", help_text.stdout)


if __name__ == "__main__":
    unittest.main()
