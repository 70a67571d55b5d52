#!/usr/bin/python3
"""compare_packages.py X86.msi X64.msi

The x86 package (the release, which these machines cannot run) holds the
same files, registry values, shortcut and upgrade rules as the x64 one; they
differ only in the program-files folder, the 64-bit mark of the components,
the platform and the product code, and in the binaries' architecture.
Read with msitools' msiinfo and msiextract. Exit code 77: no x86 package
(the win32 tree was not built).
"""
import os
import struct
import subprocess
import sys
import tempfile

SAME_TABLES = ["Registry", "Shortcut", "Icon", "Feature", "FeatureComponents", "Upgrade", "LaunchCondition",
               "InstallExecuteSequence", "CustomAction", "RemoveFile", "Media"]
BINARIES = {"ZELVA Hangardesk.exe", "Settings.dat", "ZELVA K50X.dll", "zlptool.exe"}
MACHINE = {"x86": 0x14C, "x64": 0x8664}
COMPONENT_64BIT = 256

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def msiinfo(*args):
    # Exporting a table with streams writes them into the working folder.
    with tempfile.TemporaryDirectory() as scratch:
        return subprocess.run(["msiinfo", *[os.path.abspath(a) if a.endswith(".msi") else a for a in args]],
                              check=True, capture_output=True, text=True, cwd=scratch).stdout


def table(msi, name):
    """The rows of a table, sorted; the first three lines are column names, types and keys."""
    return sorted(tuple(line.split("\t")) for line in msiinfo("export", msi, name).splitlines()[3:])


def summary(msi):
    return dict(line.split(": ", 1) for line in msiinfo("suminfo", msi).splitlines() if ": " in line)


def machine(path):
    with open(path, "rb") as f:
        data = f.read(4096)
    if data[:2] != b"MZ":
        return None
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    return struct.unpack_from("<H", data, pe + 4)[0] if data[pe:pe + 4] == b"PE\0\0" else None


def extract(msi, folder):
    subprocess.run(["msiextract", "-C", folder, msi], check=True, capture_output=True)
    files = {}
    for base, _, names in os.walk(folder):
        for name in names:
            path = os.path.join(base, name)
            files[name] = path  # msiextract names the two program-files folders differently
    return files


def main():
    x86, x64 = sys.argv[1], sys.argv[2]
    if not os.path.exists(x86):
        print("no x86 package at %s: build the win32 tree" % x86)
        return 77

    for name in SAME_TABLES:
        check(table(x86, name) == table(x64, name), "table %s differs" % name)

    # Sizes differ with the architecture; names, components and order do not.
    files86, files64 = table(x86, "File"), table(x64, "File")
    check([r[:3] + r[4:] for r in files86] == [r[:3] + r[4:] for r in files64], "table File differs")
    check(len(files86) == 6, "x86 package holds %d files, not 6" % len(files86))

    def directories(msi, folder):
        return [tuple("PROGRAMFILES" if c == folder else c for c in row) for row in table(msi, "Directory")]
    check(directories(x86, "ProgramFilesFolder") == directories(x64, "ProgramFiles64Folder"),
          "the folders differ beyond the program-files folder")
    check(any(r[0] == "ProgramFilesFolder" for r in table(x86, "Directory")), "x86 package not in ProgramFilesFolder")

    def components(msi):
        return [(r[0], r[2], str(int(r[3]) & ~COMPONENT_64BIT)) + r[4:] for r in table(msi, "Component")]
    check(components(x86) == components(x64), "the components differ beyond their 64-bit mark")
    check(all(int(r[3]) & COMPONENT_64BIT == 0 for r in table(x86, "Component")), "an x86 component is marked 64-bit")
    check(all(int(r[3]) & COMPONENT_64BIT for r in table(x64, "Component")), "an x64 component is not marked 64-bit")

    def properties(msi):
        return [r for r in table(msi, "Property") if r[0] != "ProductCode"]
    check(properties(x86) == properties(x64), "the properties differ beyond the product code")
    codes = {dict(table(msi, "Property"))["ProductCode"] for msi in (x86, x64)}
    check(len(codes) == 2, "both packages carry the product code %s" % codes)
    check(summary(x86).get("Template") == "Intel;1033", "x86 platform is %s" % summary(x86).get("Template"))
    check(summary(x64).get("Template") == "x64;1033", "x64 platform is %s" % summary(x64).get("Template"))

    # The binaries of each package are of its own architecture; the documents are the same.
    with tempfile.TemporaryDirectory() as work:
        content86 = extract(x86, os.path.join(work, "x86"))
        content64 = extract(x64, os.path.join(work, "x64"))
        check(sorted(content86) == sorted(content64), "the packages hold different files")
        for name in sorted(set(content86) & set(content64)):
            if name in BINARIES:
                check(machine(content86[name]) == MACHINE["x86"], "%s of the x86 package is not x86" % name)
                check(machine(content64[name]) == MACHINE["x64"], "%s of the x64 package is not x64" % name)
            else:
                with open(content86[name], "rb") as a, open(content64[name], "rb") as b:
                    check(a.read() == b.read(), "%s differs between the packages" % name)

    for failure in failures:
        print(failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
