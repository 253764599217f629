"""Whole installations through the real wizard: the install button, the
progress page and its install sequence, the finish page, and what they leave
behind (files, shortcuts, registry records, processes)."""
import os
import subprocess
import sys
import tempfile
import threading
import time
import unittest

import install_checks as checks
import wizard_driver

WIZARD, STAGE, WITHOUT_LIBRARY, WRONG_PASSWORD, DAMAGED_PAYLOAD = (sys.argv.pop(1) for _ in range(5))

OPTIONS_PAGE = (588, 400)
PROGRESS_PAGE = FINISH_PAGE = (588, 358)
INSTALL_BUTTON = (294, 359)
PROGRESS_CLOSE_GLYPH = (578, 10)
FINISH_BUTTON = (288, 316)

CLOSING_TEXT = "正在关闭云雀视界播放器主程序..."
EXTRACTING_TEXT = "正在释放文件..."
QUIT_QUESTION = "正在安装云雀视界播放器，确定要退出吗？"


class InstallTest(unittest.TestCase):
    """One wizard run per test, traced, starting from a clean prefix."""

    def setUp(self):
        checks.clean_slate()
        self.addCleanup(checks.clean_slate)
        self.trace = tempfile.NamedTemporaryFile(prefix="wizard-", suffix=".trace", delete=False).name
        self.addCleanup(os.remove, self.trace)

    def start(self, exe=WIZARD):
        self.wizard = wizard_driver.Wizard(exe, trace=self.trace)
        self.addCleanup(self.wizard.kill)
        return self.wait_for_page(OPTIONS_PAGE)

    def pages(self, size=None):
        windows = self.wizard.visible_windows()
        return [w for w in windows if size is None or w.geometry()[2:] == size]

    def wait_for_page(self, size, other_than=None, timeout=60):
        def found():
            pages = [w for w in self.pages(size) if other_than is None or w.id != other_than.id]
            return pages[0] if len(pages) == 1 else None
        return checks.wait_until(found, timeout, f"no page of size {size}")

    def wait_for_box(self, timeout=60):
        """A message box of the wizard (any window that is not a page)."""
        def found():
            boxes = [w for w in self.pages() if w.geometry()[2:] not in (OPTIONS_PAGE, PROGRESS_PAGE)]
            return boxes[0] if boxes else None
        return checks.wait_until(found, timeout, "no message box")

    def wait_for_box_closed(self):
        checks.wait_until(lambda: all(w.geometry()[2:] in (OPTIONS_PAGE, PROGRESS_PAGE) for w in self.pages()),
                          30, "the message box stays")

    def assert_files_installed(self, folder):
        installed = checks.tree_files(checks.host_path(folder))
        payload = checks.tree_files(STAGE)
        self.assertIn("7z.dll", installed)
        self.assertNotIn("Larkview.7z", installed)
        del installed["7z.dll"]
        self.assertEqual(sorted(installed), sorted(payload))
        for name, data in payload.items():
            self.assertEqual(installed[name], data, name)

    def assert_records_written(self, folder, shortcuts=("desktop", "quick launch", "program group", "uninstall"),
                               run_value=True):
        targets = {role: checks.shortcut_target(path) for role, path in checks.shortcut_paths().items()}
        expected = {role: None for role in targets}
        expected.update({role: folder + "skyvu.exe" for role in shortcuts})
        if "uninstall" in shortcuts:
            expected["uninstall"] = folder + "UnInstall.exe"
        self.assertEqual(targets, expected)

        run = checks.registry_values(checks.RUN_KEY) or {}
        if run_value:
            self.assertEqual(run.get("skyvu"), f'"{folder}skyvu.exe"  Minimize ')
        uninstall = checks.registry_values(checks.UNINSTALL_KEY)
        doubled = folder.replace("\\", "\\\\")
        self.assertEqual(uninstall, {
            "DisplayName": "云雀视界",
            "UninstallString": f'"{doubled}UnInstall.exe"',
            "DisplayIcon": f'"{doubled}skyvu.exe"',
            "DisplayVersion": "2.1.0.35",
            "URLInfoAbout": "http://www.larkview.example/",
            "URLUpdateInfo": "http://www.larkview.example/",
            "Publisher": "云雀视界 (larkview.example) 版权所有",
        })

    def assert_nothing_recorded(self):
        self.assertEqual({role: os.path.exists(path) for role, path in checks.shortcut_paths().items()},
                         {role: False for role in checks.shortcut_paths()})
        self.assertNotIn("skyvu", checks.registry_values(checks.RUN_KEY) or {})
        self.assertIsNone(checks.registry_values(checks.UNINSTALL_KEY))

    def assert_status_texts_in_order(self):
        # "..." stands only until the sequence's first text, before the page
        # is painted again.
        texts = [t for t in wizard_driver.drawn_texts(self.trace) if t in (CLOSING_TEXT, EXTRACTING_TEXT)]
        deduplicated = [t for i, t in enumerate(texts) if i == 0 or texts[i - 1] != t]
        self.assertEqual(deduplicated, [CLOSING_TEXT, EXTRACTING_TEXT])

    def assert_progress_reported(self):
        lines = wizard_driver.debug_lines(self.trace)
        self.assertTrue(lines and lines[0].startswith("-1 ->"), lines[:3])
        total = int(lines[0][len("-1 ->"):])
        done = [int(line[len("0 ->"):]) for line in lines[1:]]
        self.assertGreater(total, 0)
        self.assertTrue(done and done == sorted(done) and done[-1] == total, done)

    def finish_and_end(self, finish):
        finish.click(*FINISH_BUTTON)
        self.assertEqual(self.wizard.wait_for_exit(60), 0)
        checks.wait_until(lambda: not checks.windows_processes(os.path.basename(self.wizard.exe)), 30,
                          "the wizard still runs")


class DefaultInstall(InstallTest):
    def test_the_whole_installation_with_the_default_options(self):
        options = self.start()
        wizard_driver.screenshot("install_options")
        options.click(*INSTALL_BUTTON)

        # The progress page takes over, and can be dragged while the
        # sequence waits; the finish page opens where it last stood.
        progress = self.wait_for_page(PROGRESS_PAGE)
        self.assertEqual(self.pages(OPTIONS_PAGE), [])
        left, top, _, _ = progress.geometry()
        progress.drag(300, 150, -120, -80)
        wizard_driver.screenshot("install_progress")
        last_seen = progress.geometry()
        finish = None
        deadline = time.monotonic() + 120
        while finish is None and time.monotonic() < deadline:
            visible = self.pages(PROGRESS_PAGE)
            if [w.id for w in visible] == [progress.id]:
                last_seen = progress.geometry()
            finish = next((w for w in visible if w.id != progress.id), None)
            self.assertIsNone(self.wizard.process.poll(), "the wizard ended early")
        self.assertIsNotNone(finish, "no finish page")
        self.assertEqual(last_seen[:2], (left - 120, top - 80))
        checks.wait_until(lambda: [w.id for w in self.pages()] == [finish.id], 30, "the progress page stays")
        self.assertEqual(finish.geometry(), last_seen)
        wizard_driver.screenshot("install_finish")

        self.assert_status_texts_in_order()
        self.assert_progress_reported()
        self.assert_files_installed(checks.DEFAULT_FOLDER)
        self.assert_records_written(checks.DEFAULT_FOLDER)
        self.assertIsNone(checks.registry_values(checks.PLUGIN_KEY))
        self.assertEqual(checks.windows_processes("skyvu.exe"), [])

        self.finish_and_end(finish)
        checks.wait_until(lambda: checks.windows_processes("skyvu.exe"), 60, "the player was not started")
        plugin = checks.wait_until(lambda: checks.registry_values(checks.PLUGIN_KEY), 60,
                                   "the plug-in was not registered")
        self.assertEqual(plugin[""], checks.DEFAULT_FOLDER + "rodeviv.dll")


if __name__ == "__main__":
    unittest.main(verbosity=2)
