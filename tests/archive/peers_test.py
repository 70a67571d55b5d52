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


def zlptool(*arguments, cwd=None):
    command = [WINE_RUN, ZLPTOOL] + [windows(a) if a.startswith("/") else a for a in arguments]
    # A deadline, not a measure: a reader that blocks on a device never ends.
    return subprocess.run(command, capture_output=True, cwd=cwd, timeout=30)


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


class HostilePackages(Scratch):
    def test_next_cabinets_outside_the_folder_or_naming_a_device_end_the_run_cleanly(self):
        for name in ("climb.cab", "nextaux.cab"):
            package = os.path.join(SAMPLES, "nest", "a", name)
            listed = zlptool("list", package)
            self.assertEqual(listed.returncode, 2, name)
            self.assertIn(b"error: code 1014,", listed.stderr)
            self.assertNotIn(b"outside.txt", listed.stdout)
            extracted = zlptool("extract", package, self.path("x"))
            self.assertEqual(extracted.returncode, 2, name)
            self.assertEqual(read_tree(self.work), {}, name)

    def test_a_package_named_like_a_device_is_refused_unopened(self):
        for name in ("aux.zlp", "COM1.zlp", "con"):
            result = zlptool("verify", os.path.join(SAMPLES, name))
            self.assertEqual(result.returncode, 2, name)
            self.assertIn(b"error: code 1014,", result.stderr, name)

    def test_the_word_memory_names_a_folder_and_a_missing_package_shows_only_its_error(self):
        result = zlptool("extract", os.path.join(SAMPLES, "sample.cab"), "memory", cwd=self.work)
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertEqual(read_tree(self.path("memory")), read_tree(SOURCE))
        result = zlptool("list", self.path("missing.zlp"))
        self.assertEqual(result.returncode, 2)
        self.assertEqual(result.stdout, b"")
        self.assertIn(b"no such package file", result.stderr)
        self.assertIn(b"error: code 1, system error 2,", result.stderr)

    def test_failures_name_the_entry_and_leave_no_part_of_it(self):
        result = zlptool("extract", os.path.join(SAMPLES, "long.cab"), self.path("x"))
        self.assertEqual(result.returncode, 2)
        self.assertIn(b"1 files extracted", result.stdout)
        self.assertIn("failed at second.bin\nerror: code 4,", result.stderr.decode().replace("\r", ""))
        self.assertEqual(sorted(read_tree(self.path("x"))), ["first.txt"])
        # A file where the entry's folder must go.
        os.makedirs(self.path("y"))
        with open(self.path("y", "Texture.T"), "wb") as f:
            f.write(b"in the way")
        result = zlptool("extract", os.path.join(SAMPLES, "sample.cab"), self.path("y"))
        self.assertEqual(result.returncode, 2)
        self.assertRegex(result.stderr.decode(), r"failed at Texture\.T\\\S+\r?\nerror: code 8, system error [1-9]")

    def test_verify_takes_several_packages_one_line_each(self):
        packages = [os.path.join(SAMPLES, name) for name in ("sample.zlp", "nofolders.zlp", "sample.cab")]
        result = zlptool("verify", *packages)
        self.assertEqual(result.returncode, 2)
        lines = result.stdout.decode().splitlines()
        self.assertEqual(len(lines), 3, lines)
        self.assertRegex(lines[0], r"sample\.zlp: OK: 6 files, \d+ bytes, enciphered$")
        self.assertRegex(lines[1], r"nofolders\.zlp: failed: error: code 4, system error 0, HTTP status 0$")
        self.assertRegex(lines[2], r"sample\.cab: OK: 6 files, \d+ bytes, plain$")


if __name__ == "__main__":
    unittest.main()
