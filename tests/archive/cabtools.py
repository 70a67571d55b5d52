"""Independent helpers for the archive tests: the package cipher over
pycryptodome's Blowfish, and a minimal cabinet writer (stored blocks) that can
produce entries no well-behaved packer would write."""

import struct

from Cryptodome.Cipher import Blowfish

PACKAGE_KEY = b"KXRT_VaultSigil42"
PLAIN_PREFIX = 56


def _swap_words(data):
    # The package stores each 32-bit half little-endian; the library works big-endian.
    return b"".join(data[i:i + 4][::-1] for i in range(0, len(data), 4))


def encipher(cabinet, key=PACKAGE_KEY):
    assert cabinet[:4] == b"MSCF"
    body = cabinet[PLAIN_PREFIX:]
    body += b"\0" * (-len(body) % 8)
    cipher = Blowfish.new(key, Blowfish.MODE_ECB)
    return b"CRYP" + cabinet[4:PLAIN_PREFIX] + _swap_words(cipher.encrypt(_swap_words(body)))


def decipher(package, key=PACKAGE_KEY):
    assert package[:4] == b"CRYP"
    assert (len(package) - PLAIN_PREFIX) % 8 == 0
    cipher = Blowfish.new(key, Blowfish.MODE_ECB)
    plain = b"MSCF" + package[4:PLAIN_PREFIX] + _swap_words(cipher.decrypt(_swap_words(package[PLAIN_PREFIX:])))
    length = struct.unpack_from("<I", plain, 8)[0]  # the header keeps the plain length
    return plain[:length]


def dos_date(year, month, day):
    return ((year - 1980) << 9) | (month << 5) | day


def dos_time(hour, minute, second):
    return (hour << 11) | (minute << 5) | (second // 2)


def craft_cabinet(entries, next_cabinet=None):
    """entries: (name bytes, data bytes, attributes, date, time). One folder,
    no compression, blocks of at most 32 KiB."""
    flags = 0x0002 if next_cabinet else 0
    extra = (next_cabinet + b"\0" + b"disk\0") if next_cabinet else b""
    header_size = 36 + len(extra)
    data = b"".join(entry[1] for entry in entries)
    blocks = [data[i:i + 32768] for i in range(0, len(data), 32768)] or [b""]
    files = b""
    offset = 0
    for name, content, attributes, date, time in entries:
        files += struct.pack("<IIHHHH", len(content), offset, 0, date, time, attributes) + name + b"\0"
        offset += len(content)
    coff_files = header_size + 8
    coff_data = coff_files + len(files)
    data_part = b"".join(struct.pack("<IHH", 0, len(b), len(b)) + b for b in blocks)
    total = coff_data + len(data_part)
    header = struct.pack("<4sIIIIIBBHHHHH", b"MSCF", 0, total, 0, coff_files, 0, 3, 1, 1, len(entries), flags, 0, 0)
    folder = struct.pack("<IHH", coff_data, len(blocks), 0)
    return header + extra + folder + files + data_part
