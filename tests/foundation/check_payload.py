"""Checks the payload archive as the wizard and the install sequence need it.

Usage: check_payload.py <archive>
"""
import subprocess
import sys
import tempfile
import unittest

ARCHIVE = sys.argv.pop(1) if len(sys.argv) > 1 else None
PASSWORD = "wqbirex$$"


def run_7zz(*args):
    # stdin closed: a listing that needed the password would fail instead of asking.
    return subprocess.run(["7zz", *args], capture_output=True, text=True, stdin=subprocess.DEVNULL, timeout=120)


def technical_listing():
    """The archive-wide properties and one dict per item, from `7zz l -slt`."""
    result = run_7zz("l", "-slt", ARCHIVE)
    if result.returncode != 0:
        raise AssertionError(f"listing without a password failed: {result.stdout}{result.stderr}")
    header, _, body = result.stdout.partition("----------")
    archive = dict(line.split(" = ", 1) for line in header.splitlines() if " = " in line)
    items = []
    for block in body.strip().split("\n\n"):
        fields = dict(line.split(" = ", 1) for line in block.splitlines() if " = " in line)
        if "Path" in fields:
            items.append(fields)
    return archive, items


class PayloadArchive(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.archive, cls.items = technical_listing()
        cls.files = [item for item in cls.items if not item["Attributes"].startswith("D")]

    def test_starts_with_the_7z_signature(self):
        with open(ARCHIVE, "rb") as f:
            self.assertEqual(f.read(6), bytes([0x37, 0x7A, 0xBC, 0xAF, 0x27, 0x1C]))

    def test_header_is_readable_without_password_and_data_is_in_two_blocks(self):
        self.assertEqual(self.archive.get("Blocks"), "2")
        self.assertIn("7zAES", self.archive.get("Method", ""))

    def test_every_file_with_data_is_encrypted(self):
        with_data = [item for item in self.files if item["Size"] != "0"]
        self.assertGreater(len(with_data), 3)
        for item in with_data:
            self.assertEqual(item["Encrypted"], "+", item["Path"])

    def test_executables_are_bcj_lzma_and_data_files_lzma(self):
        methods = {item["Path"]: item["Method"].split() for item in self.files if item["Size"] != "0"}
        for path, method in methods.items():
            names = [part.split(":")[0] for part in method]
            if path.lower().endswith((".exe", ".dll")):
                self.assertEqual(names, ["BCJ", "LZMA", "7zAES"], path)
            else:
                self.assertEqual(names, ["LZMA", "7zAES"], path)

    def test_named_programs_stand_at_the_root(self):
        paths = {item["Path"] for item in self.files}
        for name in ("skyvu.exe", "UnInstall.exe", "rodeviv.dll"):
            self.assertIn(name, paths)

    def test_holds_an_empty_file_an_empty_folder_and_a_sub_folder(self):
        self.assertTrue(any(item["Size"] == "0" for item in self.files))
        folders = {item["Path"] for item in self.items if item["Attributes"].startswith("D")}
        file_paths = {item["Path"] for item in self.files}
        empty = [f for f in folders if not any(p.startswith(f + "/") or p.startswith(f + "\\") for p in file_paths)]
        self.assertTrue(empty, "an empty folder")
        self.assertTrue(any("/" in p or "\\" in p for p in file_paths), "a file in a sub-folder")

    def test_extracts_with_the_payload_password_only(self):
        with tempfile.TemporaryDirectory() as out:
            self.assertEqual(run_7zz("t", f"-p{PASSWORD}", ARCHIVE).returncode, 0)
            self.assertNotEqual(run_7zz("x", "-pwrong", f"-o{out}", ARCHIVE).returncode, 0)


if __name__ == "__main__":
    unittest.main(verbosity=2)
