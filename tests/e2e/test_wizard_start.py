"""The wizard starts with one centred options page showing its artwork; the
page drags by its background, minimises with the whole wizard and comes back
on restore, and its close glyph (or closing the page) ends the process."""
import os
import subprocess
import sys
import time
import unittest

import wizard_driver

WIZARD = sys.argv.pop(1) if len(sys.argv) > 1 else None
TASKBAR_BUTTON = sys.argv.pop(1) if len(sys.argv) > 1 else None
ARTWORK = sys.argv.pop(1) if len(sys.argv) > 1 else None

PAGE_SIZE = (588, 400)
MINIMISE_GLYPH = (562, 10)  # the 10 x 2 bar at 558, 10
CLOSE_GLYPH = (578, 10)     # the 11 x 11 cross at 573, 5


def taskbar_button(action):
    result = subprocess.run(["wine", TASKBAR_BUTTON, action], capture_output=True, timeout=60)
    if result.returncode != 0:
        raise RuntimeError(f"TaskbarButton {action} failed with {result.returncode}")
    return result.stdout.decode("gbk")


class WizardStart(unittest.TestCase):
    def setUp(self):
        self.wizard = wizard_driver.Wizard(WIZARD)
        self.addCleanup(self.wizard.kill)
        windows = self.wizard.wait_for_windows()
        self.assertEqual(len(windows), 1, "exactly one visible page")
        self.page = windows[0]

    def assert_ends_cleanly(self):
        self.assertEqual(self.wizard.wait_for_exit(), 0)
        time.sleep(0.5)
        self.assertEqual(wizard_driver.wizard_processes(), [])

    def assert_shows_artwork(self, screen, left, top):
        background = os.path.join(ARTWORK, "options_background.png")
        button = os.path.join(ARTWORK, "options_install_button.png")
        # Opaque pixels of the banner and of the install button (at 196, 336).
        self.assertEqual(wizard_driver.pixel(screen, left + 100, top + 100),
                         wizard_driver.pixel(background, 100, 100))
        self.assertEqual(wizard_driver.pixel(screen, left + 196 + 40, top + 336 + 23),
                         wizard_driver.pixel(button, 40, 23))

    def test_one_centred_page_with_its_artwork_and_the_title_on_the_taskbar(self):
        screen_width, screen_height = wizard_driver.screen_size()
        left, top, width, height = self.page.geometry()
        self.assertEqual((width, height), PAGE_SIZE)
        self.assertEqual((left, top), ((screen_width - 588) // 2, (screen_height - 400) // 2))
        screen = wizard_driver.screenshot("options_page")
        self.assert_shows_artwork(screen, left, top)
        self.assertEqual(taskbar_button("title"), "云雀视界安装向导")

    def test_dragging_the_background_moves_the_page(self):
        left, top, _, _ = self.page.geometry()
        self.page.drag(150, 150, 120, 60)
        time.sleep(0.5)
        self.assertEqual(self.page.geometry()[:2], (left + 120, top + 60))
        self.assert_shows_artwork(wizard_driver.screenshot("options_page_dragged"), left + 120, top + 60)

    def test_minimise_glyph_hides_the_wizard_until_restored(self):
        geometry = self.page.geometry()
        self.page.click(*MINIMISE_GLYPH)
        time.sleep(1.0)
        visible = [window.id for window in self.wizard.visible_windows()]
        self.assertNotIn(self.page.id, visible)
        wizard_driver.screenshot("options_page_minimised")

        taskbar_button("restore")
        time.sleep(1.0)
        windows = self.wizard.visible_windows()
        self.assertEqual([window.id for window in windows], [self.page.id])
        self.assertEqual(self.page.geometry(), geometry)
        self.assert_shows_artwork(wizard_driver.screenshot("options_page_restored"), *geometry[:2])

    def test_close_glyph_ends_the_process(self):
        self.page.click(*CLOSE_GLYPH)
        self.assert_ends_cleanly()

    def test_closing_the_page_ends_the_process(self):
        self.page.click(294, 200)
        self.page.key("alt+F4")
        self.assert_ends_cleanly()


if __name__ == "__main__":
    unittest.main(verbosity=2)
