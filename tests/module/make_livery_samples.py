"""Livery packages made without the project's code: a cabinet packed by gcab
and enciphered by an independent Blowfish, and a crafted one whose texture
folder holds an entry that climbs out of it."""

import os
import random
import shutil
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "archive"))
import cabtools  # noqa: E402

SETTINGS = b"[Settings]\r\nType=Single Livery\r\nFileVersion=1\r\nAircraft=ZELVA K50X\r\nVariant=ZELVA K50F\r\n"


def config(title, name, texture):
    return b"[fltsim.x]\r\ntitle=%s\r\nui_variation=%s\r\ntexture=%s\r\n" % (title, name, texture)


def write(path, content):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(content)


def gcab_package(out):
    source = os.path.join(out, "gcab-src")
    shutil.rmtree(source, ignore_errors=True)
    rng = random.Random(11)
    files = {
        "Settings.dat": SETTINGS,
        "Config.cfg": config(b"K50F Tundra Lines", b"Tundra Lines", b"Tundra") + b"atc_id=C-GTUN\r\n",
        "Aircraft.INI": b"[Options]\r\nTundra=1\r\n",
        "Texture.Tundra/fuselage.dds": rng.randbytes(150000),
        "Texture.Tundra/tail.bmp": b"".join(b"tail row %05d\n" % i for i in range(5000)),
        "Texture.Tundra/extra/unused.dds": b"not installed",
    }
    for name, content in files.items():
        write(os.path.join(source, *name.split("/")), content)
    cabinet = os.path.join(out, "gcab.cab")
    subprocess.run(["gcab", "-c", "-z", cabinet] + sorted(files), cwd=source, check=True, stdout=subprocess.DEVNULL)
    with open(cabinet, "rb") as f:
        write(os.path.join(out, "gcab.zlp"), cabtools.encipher(f.read()))


def crafted_package(out):
    date, time = cabtools.dos_date(2024, 3, 1), cabtools.dos_time(12, 0, 0)
    entries = [
        (b"Settings.dat", SETTINGS, 0x20, date, time),
        (b"Config.cfg", config(b"K50F Crafted", b"Crafted", b"Polar"), 0x20, date, time),
        (b"Texture.Polar\\good.dds", b"good texture", 0x20, date, time),
        (b"Texture.Polar\\..\\..\\..\\evil.dll", b"MZ evil", 0x20, date, time),
    ]
    write(os.path.join(out, "crafted.zlp"), cabtools.encipher(cabtools.craft_cabinet(entries)))


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    gcab_package(out)
    crafted_package(out)


if __name__ == "__main__":
    main()
