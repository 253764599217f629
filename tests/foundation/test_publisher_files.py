"""The build's check of a publisher's folders (tools/check-payload.py): what
it refuses, with the file and the reason, and what it lets through."""
import os
import struct
import subprocess
import sys
import tempfile
import unittest
import zlib

CHECK, REFERENCE = sys.argv.pop(1), sys.argv.pop(1)
VERSIONED = b"MZ" + "VS_VERSION_INFO\0".encode("utf-16-le") + b"\0\0" + struct.pack("<I", 0xFEEF04BD)


def png(width, height, colour_type=6):
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
    channels = {2: 3, 6: 4}[colour_type]
    rows = b"".join(b"\0" + b"\x80" * (width * channels) for _ in range(height))
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, colour_type, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(rows)) + chunk(b"IEND", b""))


class PublisherFiles(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        self.addCleanup(self.folder.cleanup)
        self.root = self.folder.name

    def write(self, relative, data=b"x"):
        path = os.path.join(self.root, relative)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as f:
            f.write(data)
        return path

    def player(self, skyvu=VERSIONED):
        self.write("player/skyvu.exe", skyvu)
        self.write("player/UnInstall.exe")
        self.write("player/rodeviv.dll")
        os.makedirs(os.path.join(self.root, "player", "空目录"))
        return os.path.join(self.root, "player")

    def check(self, *args):
        result = subprocess.run([sys.executable, CHECK, *args], capture_output=True, text=True, timeout=60)
        return result.returncode, result.stdout.splitlines()

    def test_a_complete_player_passes_and_one_without_version_is_only_warned_about(self):
        folder = self.player()
        self.write("player/data/设置.cfg")
        self.assertEqual(self.check("--payload", folder), (0, []))
        self.write("player/skyvu.exe", b"MZ without a version record")
        status, lines = self.check("--payload", folder)
        self.assertEqual(status, 0)
        self.assertEqual(lines, [f"warning: {folder}/skyvu.exe: no version record; "
                                 "the uninstall record will show version 1.0.0.1"])

    def test_missing_programs_and_names_windows_cannot_create_are_refused_each_by_name(self):
        folder = self.player()
        os.remove(os.path.join(folder, "rodeviv.dll"))
        os.remove(os.path.join(folder, "UnInstall.exe"))
        self.write("player/data/uninstall.exe")  # a program below the root does not count
        self.write("player/data/UNINSTALL.EXE")
        for name in ("CON", "nul.txt", "Com3.log", "dot.", "blank ", "a?b", 'say"hi"', "tab\there"):
            self.write(f"player/data/{name}")
        os.makedirs(os.path.join(folder, "LPT1"))
        status, lines = self.check("--payload", folder)
        self.assertEqual(status, 1)
        self.assertCountEqual(lines, [
            f"error: {folder}/UnInstall.exe: missing; the wizard needs it at the folder's root",
            f"error: {folder}/rodeviv.dll: missing; the wizard needs it at the folder's root",
            f"error: {folder}/LPT1: the name is a reserved device name on Windows",
            f"error: {folder}/data/uninstall.exe: the same name as UNINSTALL.EXE on Windows",
            *(f"error: {folder}/data/{name}: the name is a reserved device name on Windows"
              for name in ("CON", "nul.txt", "Com3.log")),
            *(f"error: {folder}/data/{name}: the name ends with a dot or a blank, which Windows drops"
              for name in ("dot.", "blank ")),
            *(f"error: {folder}/data/{name}: the name holds a character Windows forbids in names"
              for name in ("a?b", 'say"hi"', "tab\there")),
        ])

    def test_pictures_of_the_wrong_size_without_alpha_or_unknown_are_refused(self):
        artwork = os.path.join(self.root, "artwork")
        self.write("artwork/close.png", png(11, 11))
        self.write("artwork/finish_button.png", png(240, 39))
        self.write("artwork/slide1.png", png(588, 358, colour_type=2))
        self.write("artwork/minimise.png", b"not a picture")
        self.write("artwork/slide9.png", png(588, 358))
        self.write("artwork/notes.txt", b"not a picture, not looked at")
        status, lines = self.check("--artwork", artwork, "--reference", REFERENCE)
        self.assertEqual(status, 1)
        self.assertEqual(len(lines), 4, lines)
        self.assertIn(f"error: {artwork}/finish_button.png: 240x39; it must be 241x39 with an alpha channel", lines)
        self.assertIn(f"error: {artwork}/slide1.png: 588x358 without an alpha channel; "
                      "it must be 588x358 with an alpha channel", lines)
        self.assertIn(f"error: {artwork}/minimise.png: not a PNG picture; it must be 10x2 with an alpha channel",
                      lines)
        self.assertTrue(lines[-1].startswith(f"error: {artwork}/slide9.png: the wizard has no picture of that "
                                             "name; it has chevron_down.png, "), lines[-1])
        os.remove(os.path.join(artwork, "finish_button.png"))
        os.remove(os.path.join(artwork, "slide1.png"))
        os.remove(os.path.join(artwork, "minimise.png"))
        os.remove(os.path.join(artwork, "slide9.png"))
        self.assertEqual(self.check("--artwork", artwork, "--reference", REFERENCE), (0, []))


if __name__ == "__main__":
    unittest.main()
