"""Builds the sample packages of the archive tests: cabinets made by gcab (an
independent packer), their enciphered forms, and crafted cabinets with
hostile or unusual entries. With --big also the 64 MB package of the
streaming tests, packed by zlptool with one cabinet folder per file."""

import argparse
import os
import random
import shutil
import struct
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import cabtools  # noqa: E402

SOURCE_FILES = {
    "Settings.dat": b"[Settings]\r\nFileVersion=1\r\nType=Single Livery\r\n",
    "Config.cfg": b"[fltsim.x]\r\ntitle=ZELVA K50-300ER Test\r\n" * 40,
    "Texture.T/a.dds": None,  # random
    "Texture.T/b.bmp": b"".join(b"row %06d of a pale blue bitmap\n" % i for i in range(12000)),
    "Texture.T/sub/deep.txt": b"deep",
    "Texture.T/na\u00efve \u00e9t\u00e9 \u65e5\u672c.txt": b"unicode name",
}


def write(path, content):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(content)


def make_sources(root):
    rng = random.Random(42)
    for name, content in SOURCE_FILES.items():
        if content is None:
            content = bytes(rng.getrandbits(8) for _ in range(100000))
        write(os.path.join(root, *name.split("/")), content)


def make_gcab(source, cabinet):
    names = sorted(SOURCE_FILES)
    subprocess.run(["gcab", "-c", "-z", cabinet] + names, cwd=source, check=True, stdout=subprocess.DEVNULL)


def crafted(out):
    date, time = cabtools.dos_date(2021, 6, 15), cabtools.dos_time(10, 20, 30)
    unsafe = [
        (b"..\\..\\evil.dll", b"MZ evil 1", 0x20, date, time),
        (b"C:\\evil.dll", b"MZ evil 2", 0x20, date, time),
        (b"\\rooted.dll", b"MZ evil 3", 0x20, date, time),
        (b"sub/../../up.dll", b"MZ evil 4", 0x20, date, time),
        (b"good.txt", b"good content", 0x20, date, time),
    ]
    write(os.path.join(out, "unsafe.cab"), cabtools.craft_cabinet(unsafe))
    write(os.path.join(out, "unsafe.zlp"), cabtools.encipher(cabtools.craft_cabinet(unsafe)))
    names = [
        # Windows-1252 without the UTF-8 bit: e acute and the euro sign.
        (b"caf\xe9 \x80.txt", b"cp1252", 0x20, date, time),
        (u"\u65e5\u672c/\u30c6.txt".encode("utf-8"), b"utf8", 0x20 | 0x80, date, time),
        # Read-only, hidden and executable, stored as local time.
        (b"attr/local.txt", b"local time", 0x01 | 0x02 | 0x20 | 0x40, date, time),
        (b"attr/utc.txt", b"utc time", 0x20 | 0x100, date, time),
    ]
    write(os.path.join(out, "names.cab"), cabtools.craft_cabinet(names))
    loop = [(b"once.txt", b"once", 0x20, date, time)]
    write(os.path.join(out, "loop.cab"), cabtools.craft_cabinet(loop, next_cabinet=b"loop.cab"))
    hostile(out, date, time)


def hostile(out, date, time):
    """Cabinets whose header lies: no folders, a file longer than its data,
    next cabinets outside the folder or naming a device, and a proper set."""
    two = [(b"first.txt", b"first" * 10, 0x20, date, time), (b"second.bin", bytes(range(256)) * 20, 0x20, date, time)]
    cabinet = bytearray(cabtools.craft_cabinet(two))
    cabinet[26:28] = b"\0\0"
    write(os.path.join(out, "nofolders.cab"), bytes(cabinet))
    write(os.path.join(out, "nofolders.zlp"), cabtools.encipher(bytes(cabinet)))
    cabinet = bytearray(cabtools.craft_cabinet(two))
    second = struct.unpack_from("<I", cabinet, 16)[0] + 16 + len(b"first.txt") + 1
    struct.pack_into("<I", cabinet, second, 8000)  # its data holds 5,120 bytes
    write(os.path.join(out, "long.cab"), bytes(cabinet))
    own = [(b"own.txt", b"own entry", 0x20, date, time)]
    write(os.path.join(out, "outside.cab"), cabtools.craft_cabinet([(b"outside.txt", b"outside", 0x20, date, time)]))
    write(os.path.join(out, "nest", "a", "climb.cab"), cabtools.craft_cabinet(own, next_cabinet=b"..\\..\\outside.cab"))
    write(os.path.join(out, "nest", "a", "nextaux.cab"), cabtools.craft_cabinet(own, next_cabinet=b"AUX"))
    write(os.path.join(out, "nest", "a", "set1.cab"), cabtools.craft_cabinet(own, next_cabinet=b"set2.cab"))
    write(os.path.join(out, "nest", "a", "set2.cab"), cabtools.craft_cabinet([(b"two.txt", b"second part", 0x20, date,
                                                                                time)]))


def make_big(out, zlptool, wine_run):
    big = os.path.join(out, "big")
    if os.path.exists(os.path.join(out, "big.zlp")):
        return
    shutil.rmtree(big, ignore_errors=True)
    rng = random.Random(7)
    write(os.path.join(big, "Config.cfg"), SOURCE_FILES["Config.cfg"])
    for name in ("Texture.T/big1.dds", "Texture.T/big2.dds"):
        write(os.path.join(big, *name.split("/")), rng.randbytes(32 * 1024 * 1024))
    write(os.path.join(big, "Texture.T", "small.txt"), b"a small file in a big package\n" * 10)
    write(os.path.join(big, "ZZ", "Settings.dat"), SOURCE_FILES["Settings.dat"])
    # Settings.dat last, as the export writes it; names relative to each input.
    subprocess.run([wine_run, zlptool, "pack", os.path.join(out, "big.zlp.part"), os.path.join(big, "Config.cfg"),
                    os.path.join(big, "Texture.T", "big1.dds"), os.path.join(big, "Texture.T", "big2.dds"),
                    os.path.join(big, "Texture.T", "small.txt"), os.path.join(big, "ZZ", "Settings.dat")],
                   check=True, stdout=subprocess.DEVNULL)
    os.replace(os.path.join(out, "big.zlp.part"), os.path.join(out, "big.zlp"))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("out")
    parser.add_argument("--big", action="store_true")
    parser.add_argument("--zlptool")
    parser.add_argument("--wine-run")
    args = parser.parse_args()
    out = args.out
    shutil.rmtree(os.path.join(out, "src"), ignore_errors=True)
    make_sources(os.path.join(out, "src"))
    make_gcab(os.path.join(out, "src"), os.path.join(out, "sample.cab"))
    with open(os.path.join(out, "sample.cab"), "rb") as f:
        plain = f.read()
    package = cabtools.encipher(plain)
    write(os.path.join(out, "sample.zlp"), package)
    write(os.path.join(out, "truncated.zlp"), package[:-3])
    write(os.path.join(out, "notcab.bin"), b"PK\x03\x04" + bytes(range(256)) * 4)
    crafted(out)
    if args.big:
        make_big(out, args.zlptool, args.wine_run)


if __name__ == "__main__":
    main()
