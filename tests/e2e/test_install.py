"""Whole installations through the real wizard: the install button, the
progress page and its install sequence, the finish page, and what they leave
behind (files, shortcuts, registry records, processes)."""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import threading
import time
import unittest

import install_checks as checks
import wizard_driver

# The wizard and the folder its payload was packed from; another test that
# imports InstallTest sets the two for its own wizard.
WIZARD = STAGE = None
if __name__ == "__main__":
    WIZARD, STAGE, WITHOUT_LIBRARY, WRONG_PASSWORD, DAMAGED_PAYLOAD = (sys.argv.pop(1) for _ in range(5))
ARTWORK = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "resources", "artwork")
OPTIONS_PICTURE = os.path.join(ARTWORK, "options_background.png")
SLIDES = [os.path.join(ARTWORK, f"slide{n}.png") for n in range(1, 6)]
FINISH_PICTURE = os.path.join(ARTWORK, "finish_background.png")
# Places of a page's picture that tell the three pages' pictures and the five
# slides apart.
TELLING_POINTS = ((100, 100), (450, 200))

OPTIONS_PAGE = (588, 400)
PROGRESS_PAGE = FINISH_PAGE = (588, 358)
INSTALL_BUTTON = (294, 359)
PROGRESS_CLOSE_GLYPH = (578, 10)
FINISH_BUTTON = (288, 316)
CHEVRON = (498, 376)
BROWSE_BUTTON = (477, 412)
# The three option boxes, clicked on their square.
AUTORUN_BOX = (194, 501)
QUICK_LAUNCH_BOX = (357, 468)
DESKTOP_BOX = (192, 468)
UNFOLDED_OPTIONS_PAGE = (588, 550)

CLOSING_TEXT = "正在关闭云雀视界播放器主程序..."
EXTRACTING_TEXT = "正在释放文件..."
QUIT_QUESTION = "正在安装云雀视界播放器，确定要退出吗？"
# The system's text for ERROR_ALREADY_EXISTS in the test prefix, without its
# closing full stop.
FILE_EXISTS_TEXT = "文件已存在"
PAGE_SIZES = (OPTIONS_PAGE, UNFOLDED_OPTIONS_PAGE, PROGRESS_PAGE)


class InstallTest(unittest.TestCase):
    """One wizard run per test, traced, starting from a clean prefix."""

    def setUp(self):
        checks.clean_slate()
        self.addCleanup(checks.clean_slate)
        self.trace = tempfile.NamedTemporaryFile(prefix="wizard-", suffix=".trace", delete=False).name
        self.addCleanup(os.remove, self.trace)

    def start(self, exe=None):
        self.wizard = wizard_driver.Wizard(exe or WIZARD, trace=self.trace)
        self.addCleanup(self.wizard.kill)
        return self.wait_for_page(OPTIONS_PAGE)

    def sized_windows(self):
        """(window, (width, height)) of the wizard's visible windows; one that
        goes while it is looked at does not count."""
        sized = []
        for window in self.wizard.visible_windows():
            try:
                sized.append((window, tuple(window.geometry()[2:])))
            except RuntimeError:
                pass
        return sized

    def pages(self, size=None):
        return [window for window, window_size in self.sized_windows() if size is None or window_size == size]

    def screenshot_of(self, name, window, pictures):
        """Saves the whole screen as <name>.png once the window shows one of
        the pictures (PNG files drawn at its top left) at TELLING_POINTS: a
        page that has not painted yet leaves the pixels of whatever stood
        there before. If it never shows one, the last screen is kept as
        <name>-not-shown.png and the test fails."""
        wanted = [[wizard_driver.pixel(picture, x, y) for x, y in TELLING_POINTS] for picture in pictures]
        last = {}

        def shown():
            last["path"] = wizard_driver.screenshot(name)
            left, top = window.geometry()[:2]
            last["seen"] = [wizard_driver.pixel(last["path"], left + x, top + y) for x, y in TELLING_POINTS]
            return last["seen"] in wanted
        try:
            checks.wait_until(shown, 10, f"the window does not show {', '.join(map(os.path.basename, pictures))}")
        except AssertionError as error:
            unshown = last["path"][:-len(".png")] + "-not-shown.png"
            os.replace(last["path"], unshown)
            raise AssertionError(f"{error}: {last['seen']} at {TELLING_POINTS} (see {unshown})") from None

    def wait_for_page(self, size, other_than=None, timeout=60):
        def found():
            pages = [w for w in self.pages(size) if other_than is None or w.id != other_than.id]
            return pages[0] if len(pages) == 1 else None
        return checks.wait_until(found, timeout, f"no page of size {size}")

    def assert_still_running(self):
        if self.wizard.process.poll() is not None:
            self.fail(f"the wizard ended early with code {self.wizard.process.returncode}; "
                      f"Wine's last words: {self.wizard.wine_output()!r}")

    def wait_for_box(self, timeout=60):
        """A message box of the wizard (any window that is not a page)."""
        def found():
            boxes = [window for window, size in self.sized_windows() if size not in PAGE_SIZES]
            return boxes[0] if boxes else None
        return checks.wait_until(found, timeout, "no message box")

    def answer_box(self, box, button):
        """Clicks a button of a message box ("ok", "yes" or "no"): a click,
        unlike a key, reaches the box even when another program's window
        holds the focus. The buttons stand centred above the box's bottom."""
        _, _, width, height = box.geometry()
        offset = {"ok": 0, "yes": -38, "no": 38}[button]
        box.click(width // 2 + offset, height - 25)

    def wait_for_box_closed(self):
        checks.wait_until(lambda: all(size in PAGE_SIZES for _, size in self.sized_windows()),
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
        checks.wait_until(lambda: not wizard_driver.windows_processes(os.path.basename(self.wizard.exe)), 30,
                          "the wizard still runs")


class DefaultInstall(InstallTest):
    DOWNLOADS = "C:\\e2e downloads\\"

    def test_the_whole_installation_with_the_default_options(self):
        # Run from a download folder where a program named like the system's
        # registration tool was planted: it must not be the one that runs.
        downloads = checks.host_path(self.DOWNLOADS)
        os.makedirs(downloads)
        self.addCleanup(checks.remove_tree, downloads)
        self.addCleanup(checks.stop_processes, "Regsvr32.exe")
        shutil.copy(WIZARD, downloads)
        shutil.copy(os.path.join(STAGE, "skyvu.exe"), os.path.join(downloads, "Regsvr32.exe"))
        options = self.start(self.DOWNLOADS + os.path.basename(WIZARD))
        self.screenshot_of("install_options", options, [OPTIONS_PICTURE])
        options.click(*INSTALL_BUTTON)

        # The progress page takes over, and can be dragged while the
        # sequence waits; the finish page opens where it last stood.
        progress = self.wait_for_page(PROGRESS_PAGE)
        self.assertEqual(self.pages(OPTIONS_PAGE), [])
        left, top, _, _ = progress.geometry()
        progress.drag(300, 150, -120, -80)
        try:
            self.screenshot_of("install_progress", progress, SLIDES)
            last_seen = progress.geometry()
        except RuntimeError:
            self.assert_still_running()
            raise
        finish = None
        deadline = time.monotonic() + wizard_driver.slowed(120)
        while finish is None and time.monotonic() < deadline:
            visible = self.pages(PROGRESS_PAGE)
            if [w.id for w in visible] == [progress.id]:
                try:
                    last_seen = progress.geometry()
                except RuntimeError:
                    pass  # hidden for the finish page meanwhile
            finish = next((w for w in visible if w.id != progress.id), None)
            self.assert_still_running()
        self.assertIsNotNone(finish, "no finish page")
        self.assertEqual(last_seen[:2], (left - 120, top - 80))
        checks.wait_until(lambda: [w.id for w in self.pages()] == [finish.id], 30, "the progress page stays")
        self.assertEqual(finish.geometry(), last_seen)
        self.screenshot_of("install_finish", finish, [FINISH_PICTURE])

        self.assert_status_texts_in_order()
        self.assert_progress_reported()
        self.assert_files_installed(checks.DEFAULT_FOLDER)
        self.assert_records_written(checks.DEFAULT_FOLDER)
        self.assertIsNone(checks.registry_values(checks.PLUGIN_KEY))
        self.assertEqual(wizard_driver.windows_processes("skyvu.exe"), [])

        self.finish_and_end(finish)
        checks.wait_until(lambda: wizard_driver.windows_processes("skyvu.exe"), 60, "the player was not started")
        plugin = checks.wait_until(lambda: checks.registry_values(checks.PLUGIN_KEY), 60,
                                   "the plug-in was not registered")
        self.assertEqual(plugin[""], checks.DEFAULT_FOLDER + "rodeviv.dll")
        # The system's tool ends once it has registered; the planted program
        # would stay.
        checks.wait_until(lambda: not wizard_driver.windows_processes("Regsvr32.exe"), 60, "the planted program runs")


class CustomInstall(InstallTest):
    PARENT = "C:\\e2e 选择 目录\\"
    OTHER = PARENT + "子目录\\"

    def setUp(self):
        super().setUp()
        checks.remove_tree(checks.host_path(self.PARENT))
        os.makedirs(checks.host_path(self.OTHER))
        self.addCleanup(checks.remove_tree, checks.host_path(self.PARENT))

    def choose(self, options, *tree_keys):
        """Opens the folder chooser and walks its tree from the desktop with
        the keys; Return confirms the selection."""
        options.click(*BROWSE_BUTTON)
        dialog = self.wait_for_box()
        dialog.click(62, 101)  # the desktop, the tree's root
        dialog.key(*tree_keys)
        self.wait_for_box_closed()

    def test_a_chosen_folder_with_a_file_in_the_way_then_another_and_no_options(self):
        options = self.start()
        options.click(*CHEVRON)
        checks.wait_until(lambda: options.geometry()[2:] == UNFOLDED_OPTIONS_PAGE, 30, "the page does not unfold")

        # My computer, drive C:, its first folder (the parent).
        self.choose(options, "End", "Right", "Right", "Right", "Right", "e", "Return")
        self.assertEqual(wizard_driver.edit_texts(self.trace)[-1], self.PARENT + "Larkview\\")

        in_the_way = checks.host_path(self.PARENT + "Larkview")
        with open(in_the_way, "wb"):
            pass
        options.click(*INSTALL_BUTTON)
        box = self.wait_for_box()
        wizard_driver.screenshot("install_file_in_the_way")
        self.assertIn(FILE_EXISTS_TEXT, wizard_driver.drawn_texts(self.trace))
        self.answer_box(box, "ok")
        self.wait_for_box_closed()
        self.assertEqual([w.id for w in self.pages()], [options.id])

        # Another folder: the parent's sub-folder; then a cancelled choice.
        self.choose(options, "End", "Right", "Right", "Right", "Right", "e", "Right", "Right", "Return")
        options.click(*BROWSE_BUTTON)
        dialog = self.wait_for_box()
        dialog.click(10, 40)
        dialog.key("Escape")
        self.wait_for_box_closed()
        folder = self.OTHER + "Larkview\\"
        self.assertEqual(wizard_driver.edit_texts(self.trace)[-2:], [self.PARENT + "Larkview\\", folder])

        # No desktop or Quick Launch shortcut, no Run value: the old one stays.
        checks.set_registry_value(checks.RUN_KEY, "skyvu", "old value")
        for box in (AUTORUN_BOX, QUICK_LAUNCH_BOX, DESKTOP_BOX):
            options.click(*box)
        wizard_driver.screenshot("install_options_unfolded")
        options.click(*INSTALL_BUTTON)
        progress = self.wait_for_page(PROGRESS_PAGE)
        finish = self.wait_for_page(FINISH_PAGE, other_than=progress, timeout=120)

        self.assertTrue(os.path.isfile(in_the_way))
        self.assert_files_installed(folder)
        self.assert_records_written(folder, shortcuts=("program group", "uninstall"), run_value=False)
        self.assertEqual(checks.registry_values(checks.RUN_KEY).get("skyvu"), "old value")

        self.finish_and_end(finish)
        checks.wait_until(lambda: wizard_driver.windows_processes("skyvu.exe"), 60, "the player was not started")
        plugin = checks.wait_until(lambda: checks.registry_values(checks.PLUGIN_KEY), 60,
                                   "the plug-in was not registered")
        self.assertEqual(plugin[""], folder + "rodeviv.dll")


def start_program(program):
    """Starts a program of the prefix; its Wine launcher is collected at exit."""
    launcher = subprocess.Popen(["wine", program], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    LAUNCHERS.append(launcher)


LAUNCHERS = []


class Respawner(threading.Thread):
    """Starts the program again whenever it is not running, as a product
    program that comes back at once would, until stopped."""

    def __init__(self, program):
        super().__init__(daemon=True)
        self.program = program
        self.program_name = program.rsplit("\\", 1)[-1]
        self.stopping = threading.Event()
        self.starts = 0

    def run(self):
        while not self.stopping.is_set():
            if not wizard_driver.windows_processes(self.program_name):
                start_program(self.program)
                self.starts += 1
                deadline = time.monotonic() + 30
                while not wizard_driver.windows_processes(self.program_name) and time.monotonic() < deadline:
                    time.sleep(0.05)
            time.sleep(0.05)

    def stop(self):
        self.stopping.set()
        self.join(60)


class StopAndQuit(InstallTest):
    OTHER_FOLDER = "C:\\e2e programs\\"

    def setUp(self):
        super().setUp()
        self.addCleanup(checks.remove_tree, checks.host_path(self.OTHER_FOLDER))

    def test_running_programs_stop_first_and_yes_ends_the_wizard_once_the_sequence_returns(self):
        # An earlier installation whose player runs, and another listed
        # program that comes back whenever it is stopped.
        shutil.copytree(STAGE, checks.host_path(checks.DEFAULT_FOLDER))
        os.makedirs(checks.host_path(self.OTHER_FOLDER))
        shutil.copy(os.path.join(STAGE, "skyvu.exe"), checks.host_path(self.OTHER_FOLDER + "skydock.exe"))
        start_program(checks.DEFAULT_FOLDER + "skyvu.exe")
        checks.wait_until(lambda: wizard_driver.windows_processes("skyvu.exe"), 60, "the player does not start")
        respawner = Respawner(self.OTHER_FOLDER + "skydock.exe")
        respawner.start()
        self.addCleanup(respawner.stop)
        checks.wait_until(lambda: wizard_driver.windows_processes("skydock.exe"), 60, "skydock.exe does not start")

        options = self.start()
        options.click(*INSTALL_BUTTON)
        progress = self.wait_for_page(PROGRESS_PAGE)
        archive = checks.host_path(checks.DEFAULT_FOLDER + "Larkview.7z")
        checks.wait_until(lambda: not wizard_driver.windows_processes("skyvu.exe"), 60, "the player was not stopped")
        self.assertTrue(os.path.exists(archive), "the player was stopped after the extraction")

        # No: the installation goes on.
        progress.click(*PROGRESS_CLOSE_GLYPH)
        box = self.wait_for_box()
        wizard_driver.screenshot("install_quit_confirmation")
        self.answer_box(box, "no")
        self.wait_for_box_closed()
        self.assertIsNone(self.wizard.process.poll())
        self.assertEqual([w.id for w in self.pages()], [progress.id])

        # Yes while the sequence still waits for skydock.exe to stay away.
        progress.click(*PROGRESS_CLOSE_GLYPH)
        self.answer_box(self.wait_for_box(), "yes")
        respawner.stop()
        self.assertGreater(respawner.starts, 1, "skydock.exe was never stopped")
        self.assertEqual(self.wizard.wait_for_exit(120), 0)

        self.assertIn(QUIT_QUESTION, wizard_driver.drawn_texts(self.trace))
        self.assert_files_installed(checks.DEFAULT_FOLDER)
        self.assert_records_written(checks.DEFAULT_FOLDER)
        # The finish page's actions never ran.
        self.assertEqual(wizard_driver.windows_processes("skyvu.exe"), [])
        self.assertIsNone(checks.registry_values(checks.PLUGIN_KEY))


class Failures(InstallTest):
    def run_failing_install(self, exe):
        """Runs the wizard up to its error report and returns the report's
        text; the report is closed, the progress page stays."""
        options = self.start(exe)
        options.click(*INSTALL_BUTTON)
        progress = self.wait_for_page(PROGRESS_PAGE)
        box = self.wait_for_box(timeout=120)
        wizard_driver.screenshot("install_error_" + os.path.basename(exe).lower()[:-4])
        texts = [t for t in wizard_driver.drawn_texts(self.trace) if t not in (CLOSING_TEXT, EXTRACTING_TEXT)]
        self.answer_box(box, "ok")
        self.wait_for_box_closed()
        self.assertEqual([w.id for w in self.pages()], [progress.id])
        self.assertTrue(os.path.exists(checks.host_path(checks.DEFAULT_FOLDER + "Larkview.7z")))
        self.assert_nothing_recorded()
        # Only the quit confirmation leads on.
        progress.click(*PROGRESS_CLOSE_GLYPH)
        self.answer_box(self.wait_for_box(), "yes")
        self.assertEqual(self.wizard.wait_for_exit(60), 0)
        return texts

    def test_without_the_library_the_load_error_is_reported(self):
        texts = self.run_failing_install(WITHOUT_LIBRARY)
        self.assertIn("Error loading library C:\\Program Files\\Larkview\\7z.dll.", texts)

    def test_a_wrong_password_or_damaged_data_is_reported_with_the_item(self):
        payload_items = set(checks.tree_files(STAGE))
        # Damage inside an encrypted block shows as bad data or as a bad
        # checksum, depending on where in the stream it falls.
        damage = {"Data error in encrypted file (wrong password?)",
                  "CRC failed in encrypted file (wrong password?)"}
        expected = {WRONG_PASSWORD: {"Data error in encrypted file (wrong password?)"}, DAMAGED_PAYLOAD: damage}
        for exe in (WRONG_PASSWORD, DAMAGED_PAYLOAD):
            with self.subTest(exe=os.path.basename(exe)):
                texts = self.run_failing_install(exe)
                # The box may be painted more than once.
                reports = {m.groups() for m in map(re.compile(r"^Cannot extract (.+): (.+)$").match, texts) if m}
                self.assertEqual(len(reports), 1, texts)
                item, reason = reports.pop()
                self.assertIn(item.replace("\\", "/"), payload_items)
                self.assertIn(reason, expected[exe])
                checks.clean_slate()


def collect_launchers():
    for launcher in LAUNCHERS:
        launcher.kill()
        launcher.wait(30)


if __name__ == "__main__":
    unittest.addModuleCleanup(collect_launchers)
    unittest.main(verbosity=2)
