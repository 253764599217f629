"""The wizard starts with one centred page and ends when that page closes."""
import sys
import time
import unittest

import wizard_driver

WIZARD = sys.argv.pop(1) if len(sys.argv) > 1 else None


class WizardStart(unittest.TestCase):
    def setUp(self):
        self.wizard = wizard_driver.Wizard(WIZARD)
        self.addCleanup(self.wizard.kill)

    def test_one_centred_page_that_ends_the_process_when_closed(self):
        windows = self.wizard.wait_for_windows()
        self.assertEqual(len(windows), 1, "exactly one visible window")
        page = windows[0]
        screen_width, screen_height = wizard_driver.screen_size()
        left, top, width, height = page.geometry()
        self.assertEqual((width, height), (588, 400))
        self.assertEqual((left, top), ((screen_width - 588) // 2, (screen_height - 400) // 2))
        wizard_driver.screenshot("wizard_start")

        page.click(294, 200)
        page.key("alt+F4")
        self.assertEqual(self.wizard.wait_for_exit(), 0)
        time.sleep(0.5)
        self.assertEqual(wizard_driver.wizard_processes(), [])


if __name__ == "__main__":
    unittest.main(verbosity=2)
