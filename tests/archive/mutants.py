"""A mutation campaign against zlptool, as an attacker would run one: mutants
of plain and enciphered, stored and MSZIP packages, made by a generator of our
own from a fixed seed (header, folder, file and data-block fields set to 0,
their maximum or random values, bit flips, truncations, insertions and
deletions, hostile entry names, next-cabinet names that climb, are absolute
or name devices), run through verify (many per Wine start), list and extract
(one per start).

Fails on any crash, any run over 20 s, any file written outside the target,
any file taken from a cabinet outside the package's folder, and any file left
empty, short or under a name the package does not declare. Prints the count
of each outcome."""

import argparse
import collections
import concurrent.futures
import os
import random
import shutil
import struct
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import cabtools  # noqa: E402

TIME_LIMIT = 20
MARKER = "FROM_OUTSIDE.txt"
VERIFY_BATCH = 60
OK, FAILED = 0, 2  # zlptool's exit codes; anything else is a crash


# --- cabinet structure ---------------------------------------------------

def u16(data, at):
    return struct.unpack_from("<H", data, at)[0]


def u32(data, at):
    return struct.unpack_from("<I", data, at)[0]


def decipher_any(package):
    """The plain bytes of a package as the reader sees them, whatever its state."""
    if package[:4] != b"CRYP":
        return package
    body = package[cabtools.PLAIN_PREFIX:]
    body = body[:len(body) - len(body) % 8]
    cipher = cabtools.Blowfish.new(cabtools.PACKAGE_KEY, cabtools.Blowfish.MODE_ECB)
    swap = cabtools._swap_words  # noqa: SLF001 - the package's word order
    return b"MSCF" + package[4:cabtools.PLAIN_PREFIX] + swap(cipher.decrypt(swap(body)))


def encipher_any(plain):
    """Enciphers whatever the mutation left, signature included or not."""
    body = plain[cabtools.PLAIN_PREFIX:]
    body += b"\0" * (-len(body) % 8)
    cipher = cabtools.Blowfish.new(cabtools.PACKAGE_KEY, cabtools.Blowfish.MODE_ECB)
    swap = cabtools._swap_words  # noqa: SLF001
    return b"CRYP" + plain[4:cabtools.PLAIN_PREFIX] + swap(cipher.encrypt(swap(body)))


class Layout:
    """Where the fields of a cabinet lie, read as far as the bytes allow."""

    def __init__(self, cab):
        self.fields = [(8, 4), (16, 4), (24, 1), (25, 1), (26, 2), (28, 2), (30, 2), (32, 2), (34, 2)]
        self.names = []      # (offset, length) of file names
        self.folders = []    # offsets of folder entries
        self.strings_end = 36
        try:
            self._read(cab)
        except (struct.error, IndexError, ValueError):
            pass

    def _read(self, cab):
        flags = u16(cab, 30)
        at = 36
        folder_reserve = data_reserve = 0
        if flags & 4:
            self.fields += [(36, 2), (38, 1), (39, 1)]
            folder_reserve, data_reserve = cab[38], cab[39]
            at = 40 + u16(cab, 36)
        for flag in (1, 2):
            if flags & flag:
                for _ in range(2):
                    at = cab.index(b"\0", at) + 1
        self.strings_end = at
        starts = []
        for _ in range(min(u16(cab, 26), 64)):
            self.fields += [(at, 4), (at + 4, 2), (at + 6, 2)]
            self.folders.append(at)
            starts.append((u32(cab, at), u16(cab, at + 4)))
            at += 8 + folder_reserve
        at = u32(cab, 16)
        for _ in range(min(u16(cab, 28), 256)):
            self.fields += [(at, 4), (at + 4, 4), (at + 8, 2), (at + 10, 2), (at + 12, 2), (at + 14, 2)]
            end = cab.index(b"\0", at + 16)
            self.names.append((at + 16, end - at - 16))
            at = end + 1
        for start, blocks in starts:
            at = start
            for _ in range(min(blocks, 64)):
                self.fields += [(at, 4), (at + 4, 2), (at + 6, 2)]
                at += 8 + data_reserve + u16(cab, at + 4)
        self.fields = [f for f in self.fields if f[0] + f[1] <= len(cab)]


def declared_files(package):
    """Entry name (as the target folder shows it) -> declared size."""
    cab = decipher_any(package)
    files = {}
    try:
        at = u32(cab, 16)
        for _ in range(u16(cab, 28)):
            size, attributes = u32(cab, at), u16(cab, at + 14)
            end = cab.index(b"\0", at + 16)
            raw = cab[at + 16:end]
            name = raw.decode("utf-8" if attributes & 0x80 else "cp1252", errors="replace")
            files[normal_name(name)] = size
            at = end + 1
    except (struct.error, IndexError, ValueError):
        pass
    return files


def normal_name(name):
    """As the file system stores it: "\\" separators, trailing dots and blanks
    gone, case ignored."""
    parts = name.replace("/", "\\").split("\\")
    return "\\".join(p.rstrip(". ") for p in parts).lower()


def shift_after(cab, at, delta):
    """Bytes were inserted at at (delta > 0) or removed: fix the offsets past it."""
    cab = bytearray(cab)
    if len(cab) < 36:
        return cab
    layout = Layout(bytes(cab))
    struct.pack_into("<I", cab, 8, (u32(cab, 8) + delta) & 0xFFFFFFFF)
    if u32(cab, 16) >= at:
        struct.pack_into("<I", cab, 16, (u32(cab, 16) + delta) & 0xFFFFFFFF)
    for folder in layout.folders:
        if folder + 4 <= len(cab) and u32(cab, folder) >= at:
            struct.pack_into("<I", cab, folder, (u32(cab, folder) + delta) & 0xFFFFFFFF)
    return cab


def with_next_cabinet(cab, name):
    """The cabinet declaring a next cabinet of that name (and a disk name)."""
    cab = bytearray(cab)
    if len(cab) < 36 or u16(cab, 30) & 0x0006:
        return bytes(cab)
    extra = name + b"\0disk\0"
    cab = shift_after(bytes(cab), 36, len(extra))
    struct.pack_into("<H", cab, 30, u16(cab, 30) | 0x0002)
    return bytes(cab[:36] + extra + cab[36:])


def with_entry_name(cab, index, name):
    layout = Layout(cab)
    if not layout.names:
        return cab
    at, length = layout.names[index % len(layout.names)]
    cab = shift_after(cab, at + length, len(name) - length)
    return bytes(cab[:at] + name + cab[at + length:])


# --- mutations -----------------------------------------------------------

HOSTILE_ENTRIES = [b"..\\..\\stray.txt", b"../../stray.txt", b"C:\\stray.txt", b"\\stray.txt", b"sub\\..\\..\\stray.txt",
                   b"AUX", b"nul.txt", b"a.txt:stream", b"...\\stray.txt", b"dir\\", b"", b"Z:stray.txt"]


def hostile_next_names(outside_absolute):
    return [b"..\\..\\outside.cab", b"../../outside.cab", b"..\\..\\..\\outside.cab", outside_absolute,
            b"\\\\?\\" + outside_absolute, b"AUX", b"aux.cab", b"CON", b"NUL", b"COM1", b"LPT1.cab", b"CONIN$",
            b"outside.cab:stream", b"..", b".", b"", b"a" * 255, b"part2.cab", b"m.cab"]


def mutate_field(rng, cab):
    fields = Layout(cab).fields
    if not fields:
        return cab, "field"
    at, size = rng.choice(fields)
    top = (1 << (8 * size)) - 1
    old = int.from_bytes(cab[at:at + size], "little")
    value = rng.choice([0, top, rng.randrange(top + 1), (old + 1) & top, (old - 1) & top, top >> 1, (top >> 1) + 1])
    return cab[:at] + value.to_bytes(size, "little") + cab[at + size:], "field"


# Each operator leaves a cabinet that is already down to a few bytes alone.
SHORT = 8


def mutate_bits(rng, cab):
    if len(cab) < SHORT:
        return cab, "bits"
    cab = bytearray(cab)
    for _ in range(rng.randint(1, 8)):
        at = rng.randrange(4, len(cab))
        cab[at] ^= 1 << rng.randrange(8)
    return bytes(cab), "bits"


def mutate_truncate(rng, cab):
    return cab[:rng.randrange(0, max(len(cab), 1))], "truncate"


def mutate_insert(rng, cab):
    at = rng.randrange(4, max(len(cab), SHORT))
    return cab[:at] + bytes(rng.getrandbits(8) for _ in range(rng.randint(1, 64))) + cab[at:], "insert"


def mutate_delete(rng, cab):
    if len(cab) < SHORT:
        return cab, "delete"
    at = rng.randrange(4, len(cab))
    return cab[:at] + cab[at + rng.randint(1, 64):], "delete"


def mutate_entry_name(rng, cab):
    return with_entry_name(cab, rng.randrange(16), rng.choice(HOSTILE_ENTRIES)), "entry name"


def mutate_next(rng, cab, names):
    return with_next_cabinet(cab, rng.choice(names)), "next cabinet"


def make_mutant(rng, seed, next_names):
    plain = decipher_any(seed)
    plain = plain[:u32(plain, 8)] if len(plain) >= 12 else plain
    kinds = []
    for _ in range(rng.choice([1, 1, 1, 2, 3])):
        pick = rng.random()
        if pick < 0.35:
            plain, kind = mutate_field(rng, plain)
        elif pick < 0.52:
            plain, kind = mutate_bits(rng, plain)
        elif pick < 0.60:
            plain, kind = mutate_truncate(rng, plain)
        elif pick < 0.70:
            plain, kind = (mutate_insert if rng.random() < 0.5 else mutate_delete)(rng, plain)
        elif pick < 0.85:
            plain, kind = mutate_next(rng, plain, next_names)
        else:
            plain, kind = mutate_entry_name(rng, plain)
        kinds.append(kind)
    if seed[:4] != b"CRYP":
        return plain, kinds
    package = encipher_any(plain) if len(plain) >= cabtools.PLAIN_PREFIX else b"CRYP" + plain[4:]
    if rng.random() < 0.2:  # damage the enciphered bytes themselves
        package, kind = rng.choice([mutate_bits, mutate_truncate, mutate_insert])(rng, package)
        kinds.append("enciphered " + kind)
    return package, kinds


# --- seeds ---------------------------------------------------------------

def seed_files():
    rng = random.Random(19)
    return [
        ("Settings.dat", b"[Settings]\r\nType=Single Livery\r\nAircraft=ZELVA K50X\r\n"),
        ("Config.cfg", b"[fltsim.x]\r\ntitle=ZELVA K50 Mutant\r\ntexture=Mutant\r\n" * 30),
        ("Texture.Mutant/k50_fuse.bmp", bytes(rng.getrandbits(8) for _ in range(6000))),
        ("Texture.Mutant/sub/deep.txt", b"deep " * 200),
    ]


def make_seeds(work, zlptool, wine_run):
    date, dos_time = cabtools.dos_date(2021, 6, 15), cabtools.dos_time(10, 20, 30)
    files = seed_files()
    stored = cabtools.craft_cabinet([(n.encode(), c, 0x20, date, dos_time) for n, c in files])
    source = os.path.join(work, "seedsrc")
    for name, content in files:
        path = os.path.join(source, *name.split("/"))
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as f:
            f.write(content)
    mszip_path = os.path.join(work, "mszip.cab")
    subprocess.run(["gcab", "-c", "-z", mszip_path] + [n for n, _ in files], cwd=source, check=True,
                   stdout=subprocess.DEVNULL)
    with open(mszip_path, "rb") as f:
        mszip = f.read()
    packed_path = os.path.join(work, "packed.zlp")
    subprocess.run([wine_run, zlptool, "pack", windows(packed_path), windows(source)], check=True,
                   stdout=subprocess.DEVNULL, timeout=60)
    with open(packed_path, "rb") as f:
        packed = f.read()
    return [("stored.cab", stored), ("stored.zlp", cabtools.encipher(stored)), ("mszip.cab", mszip),
            ("mszip.zlp", cabtools.encipher(mszip)), ("packed.zlp", packed)]


def windows(path):
    return "Z:" + os.path.abspath(path).replace("/", "\\")


# --- running -------------------------------------------------------------

class Runner:
    def __init__(self, zlptool, wine_run):
        self.zlptool, self.wine_run = zlptool, wine_run
        self.second_starts = []
        self.slowest = 0.0

    def run(self, *arguments):
        """(exit code or "hang", stdout, stderr). A start that shows nothing at
        all (a known Wine start failure), or stalls once on a loaded machine,
        gets one more, and is listed; a reader that blocks or crashes does so
        again on the same input."""
        for attempt in range(2):
            began = time.monotonic()
            try:
                done = subprocess.run([self.wine_run, self.zlptool] + list(arguments), capture_output=True,
                                      timeout=TIME_LIMIT)
            except subprocess.TimeoutExpired:
                if attempt == 1:
                    return "hang", b"", b""
                self.second_starts.append("over %d s: %s" % (TIME_LIMIT, " ".join(arguments)[:200]))
                continue
            self.slowest = max(self.slowest, time.monotonic() - began)
            silent = not done.stdout and not done.stderr
            if done.returncode in (OK, FAILED) or not silent or attempt == 1:
                return done.returncode, done.stdout, done.stderr
            self.second_starts.append("no output, exit %s: %s" % (done.returncode, " ".join(arguments)[:200]))
        raise AssertionError("unreachable")


def error_code(stderr_or_line):
    text = stderr_or_line.decode("utf-8", errors="replace")
    at = text.find("error: code ")
    return text[at + 12:].split(",")[0] if at >= 0 else "?"


class Campaign:
    def __init__(self, args):
        self.args = args
        self.work = os.path.abspath(args.work)
        self.runner = Runner(args.zlptool, args.wine_run)
        self.outcomes = {c: collections.Counter() for c in ("verify", "list", "extract")}
        self.problems = []
        self.counts = collections.Counter()

    def prepare(self):
        shutil.rmtree(self.work, ignore_errors=True)
        os.makedirs(os.path.join(self.work, "x"))
        seeds = make_seeds(self.work, self.args.zlptool, self.args.wine_run)
        date, dos_time = cabtools.dos_date(2021, 6, 15), cabtools.dos_time(10, 20, 30)
        outside = cabtools.craft_cabinet([(MARKER.encode(), b"taken from elsewhere", 0x20, date, dos_time)])
        self.outside_paths = [os.path.join(self.work, "outside.cab"), os.path.join(self.work, "x", "outside.cab")]
        for path in self.outside_paths:
            with open(path, "wb") as f:
                f.write(outside)
        next_names = hostile_next_names(windows(self.outside_paths[1]).encode())
        rng = random.Random(self.args.seed)
        self.mutants = []
        for index in range(self.args.count):
            name, seed = seeds[index % len(seeds)]
            package, kinds = make_mutant(rng, seed, next_names)
            folder = os.path.join(self.work, "x", "%05d" % index)
            os.makedirs(os.path.join(folder, "p"))
            path = os.path.join(folder, "p", "m" + os.path.splitext(name)[1])
            with open(path, "wb") as f:
                f.write(package)
            self.mutants.append((folder, path, package))
            self.counts["seed " + name] += 1
            for kind in kinds:
                self.counts[kind] += 1
        self.expected_top = sorted(os.listdir(self.work))

    def record(self, command, index, code, stdout, stderr):
        if code == "hang":
            self.outcomes[command]["hang"] += 1
            self.problems.append("%s of mutant %d ran over %d s" % (command, index, TIME_LIMIT))
        elif code not in (OK, FAILED):
            self.outcomes[command]["crash"] += 1
            self.problems.append("%s of mutant %d crashed (exit %s): %s" % (
                command, index, code, stderr.decode(errors="replace")[-300:]))
        elif code == OK:
            self.outcomes[command]["ok"] += 1
        else:
            self.outcomes[command]["failed, code " + error_code(stderr or stdout)] += 1
        if MARKER.encode() in stdout:
            self.outcomes[command]["read from elsewhere"] += 1
            self.problems.append("%s of mutant %d shows an entry of a cabinet outside its folder" % (command, index))

    def verify_all(self):
        def batch(start):
            chunk = self.mutants[start:start + VERIFY_BATCH]
            code, stdout, stderr = self.runner.run("verify", *[windows(p) for _, p, _ in chunk])
            if len(chunk) == 1 or code not in (OK, FAILED) or len(stdout.splitlines()) != len(chunk):
                # Something in the batch crashed or hung: find which, one by one.
                return [(start + i,) + self.runner.run("verify", windows(p)) for i, (_, p, _) in enumerate(chunk)]
            results = []
            for i, line in enumerate(stdout.splitlines()):
                ok = b": OK: " in line
                results.append((start + i, OK if ok else FAILED, line if ok else b"", b"" if ok else line))
            return results

        with concurrent.futures.ThreadPoolExecutor(self.args.jobs) as pool:
            for results in pool.map(batch, range(0, len(self.mutants), VERIFY_BATCH)):
                for index, code, stdout, stderr in results:
                    self.record("verify", index, code, stdout, stderr)

    def one(self, index):
        folder, path, package = self.mutants[index]
        listed = self.runner.run("list", windows(path))
        target = os.path.join(folder, "t")
        extracted = self.runner.run("extract", windows(path), windows(target))
        return index, listed, extracted

    def check_files(self, index):
        folder, path, package = self.mutants[index]
        declared = declared_files(package)
        target = os.path.join(folder, "t")
        for root, _, names in os.walk(folder):
            for name in names:
                full = os.path.join(root, name)
                if full == path:
                    continue
                if not full.startswith(target + os.sep):
                    self.counts["stray files"] += 1
                    self.problems.append("mutant %d wrote %s outside its target" % (index, full))
                    continue
                relative = normal_name(os.path.relpath(full, target).replace("/", "\\"))
                size = os.path.getsize(full)
                if name == MARKER:
                    self.counts["files from elsewhere"] += 1
                    self.problems.append("mutant %d extracted %s from outside its folder" % (index, name))
                elif declared.get(relative) != size:
                    self.counts["partial files"] += 1
                    self.problems.append("mutant %d left %s with %d bytes, declared %s" % (
                        index, relative, size, declared.get(relative)))
        shutil.rmtree(folder, ignore_errors=True)

    def list_and_extract_all(self):
        with concurrent.futures.ThreadPoolExecutor(self.args.jobs) as pool:
            for index, listed, extracted in pool.map(self.one, range(len(self.mutants))):
                self.record("list", index, *listed)
                self.record("extract", index, *extracted)
                self.check_files(index)

    def check_outside(self):
        for path in self.outside_paths:
            if not os.path.exists(path):
                self.problems.append("%s was removed" % path)
        if sorted(os.listdir(self.work)) != self.expected_top or os.listdir(os.path.join(self.work, "x")) != [
                "outside.cab"]:
            self.counts["stray files"] += 1
            self.problems.append("files appeared beside the mutants: %s" % sorted(os.listdir(self.work)))

    def report(self):
        print("mutants: %d from seed %d (%s)" % (self.args.count, self.args.seed, ", ".join(
            "%s %d" % item for item in sorted(self.counts.items()) if not item[0].endswith("files"))))
        for command, outcome in self.outcomes.items():
            print("%-8s %s" % (command + ":", ", ".join("%s %d" % item for item in sorted(outcome.items()))))
        totals = collections.Counter()
        for outcome in self.outcomes.values():
            totals.update({k: v for k, v in outcome.items() if k in ("crash", "hang", "read from elsewhere")})
        print("crashes %d, hangs %d, stray files %d, partial files %d, read from elsewhere %d" % (
            totals["crash"], totals["hang"], self.counts["stray files"], self.counts["partial files"],
            totals["read from elsewhere"] + self.counts["files from elsewhere"]))
        print("second starts %d, slowest run %.1f s" % (len(self.runner.second_starts), self.runner.slowest))
        for start in self.runner.second_starts:
            print("second start after " + start)
        for problem in self.problems[:50]:
            print("PROBLEM: " + problem)
        return not self.problems


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--zlptool", required=True)
    parser.add_argument("--wine-run", required=True)
    parser.add_argument("--work", required=True)
    parser.add_argument("--count", type=int, default=320)
    parser.add_argument("--seed", type=int, default=19)
    parser.add_argument("--jobs", type=int, default=os.cpu_count() or 2)
    args = parser.parse_args()
    began = time.monotonic()
    campaign = Campaign(args)
    campaign.prepare()
    campaign.verify_all()
    campaign.list_and_extract_all()
    campaign.check_outside()
    passed = campaign.report()
    print("took %.0f s" % (time.monotonic() - began))
    if passed:
        shutil.rmtree(campaign.work, ignore_errors=True)
    sys.exit(0 if passed else 1)


if __name__ == "__main__":
    main()
