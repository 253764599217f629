#!/usr/bin/env python3
"""Checks a publisher's folders before the build packs or binds them.

  check-payload.py [--payload <folder>] [--artwork <folder> --reference <folder>]

The payload folder must hold the three programs the wizard runs and
registers at its root, and only names the wizard can create on Windows. The
artwork folder's PNGs replace the reference pictures of the same names, so
each must have its size and an alpha channel. Every fault is printed, one a
line, naming the file and the reason; the exit status is 1 when there is
any. A player without a version record is only warned about: the uninstall
record then shows the wizard's fallback version."""
import argparse
import os
import struct
import sys

PROGRAMS = ("skyvu.exe", "UnInstall.exe", "rodeviv.dll")
MAIN_PROGRAM = "skyvu.exe"
FALLBACK_VERSION = "1.0.0.1"
FORBIDDEN = set('<>:"/\\|?*') | {chr(c) for c in range(32)}
DEVICES = {"CON", "PRN", "AUX", "NUL"} | {f"{d}{n}" for d in ("COM", "LPT") for n in range(1, 10)}
# A version resource starts with its key in UTF-16 and holds the fixed
# record's signature right after it (padded to four bytes).
VERSION_KEY = "VS_VERSION_INFO\0".encode("utf-16-le")
FIXED_SIGNATURE = struct.pack("<I", 0xFEEF04BD)
PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"
ALPHA_COLOUR_TYPES = (4, 6)


def name_fault(name):
    """Why Windows would not create a file or folder of this name, or None."""
    if any(c in FORBIDDEN for c in name):
        return "holds a character Windows forbids in names"
    if name.endswith((".", " ")):
        return "ends with a dot or a blank, which Windows drops"
    if name.split(".")[0].rstrip(" ").upper() in DEVICES:
        return "is a reserved device name on Windows"
    return None


def has_version_record(path):
    with open(path, "rb") as f:
        data = f.read()
    at = data.find(VERSION_KEY)
    while at >= 0:
        if FIXED_SIGNATURE in data[at + len(VERSION_KEY):at + len(VERSION_KEY) + 8]:
            return True
        at = data.find(VERSION_KEY, at + 1)
    return False


def check_payload(folder, faults, warnings):
    if not os.path.isdir(folder):
        faults.append(f"{folder}: not a folder")
        return
    for program in PROGRAMS:
        if not os.path.isfile(os.path.join(folder, program)):
            faults.append(f"{os.path.join(folder, program)}: missing; the wizard needs it at the folder's root")
    for parent, folders, files in os.walk(folder):
        seen = {}
        for name in sorted(folders + files):
            fault = name_fault(name)
            if fault:
                faults.append(f"{os.path.join(parent, name)}: the name {fault}")
            # Windows names ignore case: the second would overwrite the first.
            if name.lower() in seen:
                faults.append(f"{os.path.join(parent, name)}: the same name as {seen[name.lower()]} on Windows")
            seen.setdefault(name.lower(), name)
    player = os.path.join(folder, MAIN_PROGRAM)
    if os.path.isfile(player) and not has_version_record(player):
        warnings.append(f"{player}: no version record; the uninstall record will show version {FALLBACK_VERSION}")


def png_header(path):
    """(width, height, colour type) of a PNG, or None when it is not one."""
    with open(path, "rb") as f:
        head = f.read(26)
    if len(head) < 26 or not head.startswith(PNG_SIGNATURE) or head[12:16] != b"IHDR":
        return None
    width, height, _, colour_type = struct.unpack(">IIBB", head[16:26])
    return width, height, colour_type


def check_artwork(folder, reference, faults):
    if not os.path.isdir(folder):
        faults.append(f"{folder}: not a folder")
        return
    for name in sorted(os.listdir(folder)):
        if not name.lower().endswith(".png"):
            continue
        path = os.path.join(folder, name)
        expected = os.path.join(reference, name)
        if not os.path.isfile(expected):
            faults.append(f"{path}: the wizard has no picture of that name; it has "
                          + ", ".join(sorted(n for n in os.listdir(reference) if n.endswith(".png"))))
            continue
        width, height, _ = png_header(expected)
        header = png_header(path)
        if header is None:
            faults.append(f"{path}: not a PNG picture; it must be {width}x{height} with an alpha channel")
            continue
        fits_size, has_alpha = header[:2] == (width, height), header[2] in ALPHA_COLOUR_TYPES
        if not (fits_size and has_alpha):
            found = f"{header[0]}x{header[1]}" + ("" if has_alpha else " without an alpha channel")
            faults.append(f"{path}: {found}; it must be {width}x{height} with an alpha channel")

def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--payload")
    parser.add_argument("--artwork")
    parser.add_argument("--reference")
    args = parser.parse_args()
    if args.artwork and not args.reference:
        parser.error("--artwork needs --reference")
    faults, warnings = [], []
    if args.payload:
        check_payload(args.payload, faults, warnings)
    if args.artwork:
        check_artwork(args.artwork, args.reference, faults)
    for line in warnings:
        print(f"warning: {line}")
    for line in faults:
        print(f"error: {line}")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
