"""A publisher's own build of the player, made at test time, built into a
wizard by the build's payload packing and installed end to end: the install
folder then holds that folder's files byte for byte."""
import os
import random
import shutil
import subprocess
import sys
import unittest

import install_checks as checks
import test_install as install
import wizard_driver

TREE, FOLDER, ARCHIVE, install.WIZARD, SAMPLE_STAGE = (sys.argv.pop(1) for _ in range(5))
install.STAGE = FOLDER
TARGET = os.path.splitext(os.path.basename(install.WIZARD))[0]
EMPTY_FOLDER = os.path.join("插件", "空的")
BIG_FILE_SIZE = 20 * 1024 * 1024
ARCHIVE_CHECK = os.path.join(os.path.dirname(__file__), "..", "foundation", "check_payload.py")


def make_player_folder():
    """The sample's three programs at the root, a file under a Chinese name,
    an empty file, an empty folder and a 20 MB file that does not compress."""
    shutil.rmtree(FOLDER, ignore_errors=True)
    os.makedirs(os.path.join(FOLDER, EMPTY_FOLDER))
    for program in ("skyvu.exe", "UnInstall.exe", "rodeviv.dll"):
        shutil.copy(os.path.join(SAMPLE_STAGE, program), FOLDER)
    os.makedirs(os.path.join(FOLDER, "数据"))
    with open(os.path.join(FOLDER, "数据", "播放列表 默认.txt"), "w", encoding="utf-8") as f:
        f.write("云雀视界\n")
    open(os.path.join(FOLDER, "数据", "empty.cfg"), "wb").close()
    os.makedirs(os.path.join(FOLDER, "media"))
    with open(os.path.join(FOLDER, "media", "intro.bin"), "wb") as f:
        f.write(random.Random(13).randbytes(BIG_FILE_SIZE))


class OwnPlayerInstall(install.InstallTest):
    def test_a_folder_made_now_is_built_into_the_wizard_and_installed_as_it_is(self):
        make_player_folder()
        build = subprocess.run(["cmake", "--build", TREE, "--target", TARGET], capture_output=True, text=True,
                               timeout=1200)
        self.assertEqual(build.returncode, 0, build.stdout + build.stderr)
        # Packed as the sample is: two blocks, BCJ for the programs, AES, the
        # empty file and folder kept.
        packing = subprocess.run([sys.executable, ARCHIVE_CHECK, ARCHIVE], capture_output=True, text=True,
                                 timeout=600)
        self.assertEqual(packing.returncode, 0, packing.stdout + packing.stderr)

        options = self.start()
        options.click(*install.INSTALL_BUTTON)
        progress = self.wait_for_page(install.PROGRESS_PAGE)
        finish = self.wait_for_page(install.FINISH_PAGE, other_than=progress, timeout=300)
        wizard_driver.screenshot("own_player_finish")

        self.assert_files_installed(checks.DEFAULT_FOLDER)
        installed = checks.host_path(checks.DEFAULT_FOLDER)
        # The empty folder is packed (the packing check above looks for one),
        # but the wizard creates nothing for a folder item, and its parent
        # holds no file either.
        self.assertFalse(os.path.exists(os.path.join(installed, os.path.dirname(EMPTY_FOLDER))))
        self.assert_records_written(checks.DEFAULT_FOLDER)
        self.finish_and_end(finish)
        checks.wait_until(lambda: wizard_driver.windows_processes("skyvu.exe"), 60, "the player was not started")


if __name__ == "__main__":
    unittest.main()
