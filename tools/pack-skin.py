#!/usr/bin/env python3
"""Packs a skin folder (skin.ini and the BMP files its [PICTURES] section
lists) into the stored skin format and compresses it with zlib at level 9.

Stored format, little-endian: 32-bit version 3; three form pictures, each a
flag byte (1: none; this skin has none); the 32-bit count of list pictures;
the list pictures as whole BMP files in activepictures order; the INI text to
the end, lines ending in CR LF.

   tools/pack-skin.py resources/skin out.skin
"""
import configparser
import struct
import sys
import zlib
from pathlib import Path


def list_pictures(ini_text):
    ini = configparser.ConfigParser(interpolation=None)
    ini.read_string(ini_text)
    pictures = ini["PICTURES"]
    return [pictures[str(i)] for i in range(int(pictures["activepicturescount"]))]


def pack(folder):
    text = (folder / "skin.ini").read_text(encoding="ascii")
    stream = struct.pack("<i", 3) + b"\1\1\1"
    names = list_pictures(text)
    stream += struct.pack("<i", len(names))
    for name in names:
        bmp = (folder / name).read_bytes()
        if bmp[:2] != b"BM" or struct.unpack_from("<I", bmp, 2)[0] != len(bmp):
            raise SystemExit(f"pack-skin: {name} is not a BMP file of its stated length")
        stream += bmp
    stream += "\r\n".join(text.splitlines()).encode("ascii") + b"\r\n"
    return zlib.compress(stream, 9)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        raise SystemExit("usage: pack-skin.py SKIN_FOLDER OUTPUT")
    Path(sys.argv[2]).write_bytes(pack(Path(sys.argv[1])))
