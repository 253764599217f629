"""The options page's custom-options strip: the chevron and "自定义选项" unfold
and fold it by the window's height, the bottom row follows the height, the
chevron shows the picture its index names and lights up when pointed at; the
four check boxes start checked, drawn from the stored skin; the focus dots
start on the first box and move with Tab."""
import os
import subprocess
import sys
import time
import unittest

import wizard_driver

WIZARD = sys.argv.pop(1) if len(sys.argv) > 1 else None
ARTWORK = sys.argv.pop(1) if len(sys.argv) > 1 else None

GREEN = (46, 160, 67)          # checked state image
PALE_GREEN = (120, 200, 130)   # checked, pointer inside
CHEVRON = (488, 20, 17)        # left, width, height
LINK_LABEL_1 = 112
LINK_LABEL_2 = 512
CHECK_BOX_1_LEFT = 8
OPTION_BOXES = {"bsSkinCheckRadioBox2": (186, 489), "bsSkinCheckRadioBox3": (349, 456),
                "bsSkinCheckRadioBox4": (184, 456)}


def region(path, x, y, width, height):
    """{(x, y): (r, g, b, a)} of a rectangle of a PNG file, a in 0..255."""
    result = subprocess.run(["convert", path, "-crop", f"{width}x{height}+{x}+{y}", "+repage", "-depth", "8",
                             "txt:-"], capture_output=True, text=True, check=True, timeout=60)
    pixels = {}
    for line in result.stdout.splitlines()[1:]:
        where, rest = line.split(":", 1)
        px, py = (int(v) for v in where.split(","))
        values = [int(float(v)) for v in rest.split("(", 1)[1].split(")", 1)[0].split(",")]
        pixels[(x + px, y + py)] = (values[0], values[1], values[2], values[3] if len(values) > 3 else 255)
    return pixels


class OptionsFold(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        names = ["chevron_down", "chevron_down_hot", "chevron_up", "chevron_up_hot"]
        cls.chevrons = [region(os.path.join(ARTWORK, name + ".png"), 0, 0, 20, 17) for name in names]
        cls.background = os.path.join(ARTWORK, "options_background.png")

    def expected_chevron(self, index, top):
        """The chevron picture laid over the page background at (488, top) by
        the drawing rule: (s * a + d * (255 - a) + 255) div 256."""
        background = region(self.background, CHEVRON[0], top, CHEVRON[1], CHEVRON[2])
        expected = {}
        for (x, y), (r, g, b, a) in self.chevrons[index].items():
            under = background[(CHEVRON[0] + x, top + y)]
            if a == 0:
                expected[(x, y)] = under[:3]
            elif a == 255:
                expected[(x, y)] = (r, g, b)
            else:
                expected[(x, y)] = tuple((s * a + d * (255 - a) + 255) >> 8 for s, d in zip((r, g, b), under[:3]))
        return expected

    def setUp(self):
        self.wizard = wizard_driver.Wizard(WIZARD)
        self.addCleanup(self.wizard.kill)
        windows = self.wizard.wait_for_windows()
        self.assertEqual(len(windows), 1)
        self.page = windows[0]
        self.left, self.top, _, _ = self.page.geometry()

    def wait_for_height(self, height):
        deadline = time.monotonic() + 20
        while time.monotonic() < deadline:
            if self.page.geometry()[3] == height:
                time.sleep(0.5)  # let the repaint land
                return
            time.sleep(0.1)
        self.fail(f"the page did not reach height {height}: {self.page.geometry()}")

    def shot(self, name):
        path = wizard_driver.screenshot(name)
        return lambda x, y, w, h: region(path, self.left + x, self.top + y, w, h)

    def assert_checked_box(self, area, left, top, what):
        # The 15 x 15 state image stands at (left + 3, top + 5) in a 25-high box.
        pixels = area(left + 3, top + 5, 15, 15)
        fill = pixels[(self.left + left + 5, self.top + top + 7)][:3]
        self.assertIn(fill, (GREEN, PALE_GREEN), f"{what}: no checked image at {left}, {top}")

    def chevron_index(self, area, top):
        """The chevron picture shown at that top, pixel for pixel."""
        pixels = area(CHEVRON[0], top, CHEVRON[1], CHEVRON[2])
        screen = {(x - self.left - CHEVRON[0], y - self.top - top): value[:3] for (x, y), value in pixels.items()}
        shown = [index for index in range(4) if self.expected_chevron(index, top) == screen]
        self.assertEqual(len(shown), 1, f"chevron at top {top} matches pictures {shown}")
        return shown[0]

    def has_blue_text(self, area, left, top):
        return any(b > 150 and r < 80 and g < 80 for r, g, b, _ in area(left, top, 60, 17).values())

    def focus_dots(self, area, left, top):
        """Black dots in the column 2 pixels left of a box's caption."""
        column = area(left + 15 + 7 - 2, top, 1, 25)
        return sum(1 for value in column.values() if value[:3] == (0, 0, 0))

    def assert_bottom_row(self, area, height):
        self.assert_checked_box(area, CHECK_BOX_1_LEFT, height - 30, "阅读并同意")
        self.assertTrue(self.has_blue_text(area, LINK_LABEL_1, height - 25), "许可协议")
        self.assertTrue(self.has_blue_text(area, LINK_LABEL_2, height - 25), "自定义选项")

    def test_chevron_and_link_unfold_and_fold_the_options(self):
        area = self.shot("options_folded_start")
        self.assertEqual(self.page.geometry()[2:], (588, 400))
        # Stored tops until the first toggle: box 360, chevron 368.
        self.assert_checked_box(area, CHECK_BOX_1_LEFT, 360, "阅读并同意")
        self.assertIn(self.chevron_index(area, 368), (0, 1))

        self.page.click(CHEVRON[0] + 10, 368 + 8)
        self.wait_for_height(550)
        area = self.shot("options_unfolded")
        self.assertEqual(self.page.geometry()[:3], (self.left, self.top, 588))
        self.assert_bottom_row(area, 550)
        self.assertEqual(self.chevron_index(area, 525), 2)
        for name, (left, top) in OPTION_BOXES.items():
            self.assert_checked_box(area, left, top, name)

        # Pointing at the chevron lights it up; nothing takes that back.
        self.page.move(300, 450)
        time.sleep(0.3)
        self.page.move(CHEVRON[0] + 10, 525 + 8)
        time.sleep(0.5)
        self.assertEqual(self.chevron_index(self.shot("options_unfolded_hot"), 525), 3)

        self.page.click(LINK_LABEL_2 + 20, 525 + 8)
        self.wait_for_height(400)
        area = self.shot("options_folded_again")
        self.assert_bottom_row(area, 400)
        self.assertEqual(self.chevron_index(area, 375), 0)

        self.page.click(LINK_LABEL_2 + 20, 375 + 8)
        self.wait_for_height(550)
        self.assert_bottom_row(self.shot("options_unfolded_by_link"), 550)

    def test_focus_dots_start_on_the_first_box_and_move_with_tab(self):
        self.page.click(CHEVRON[0] + 10, 368 + 8)
        self.wait_for_height(550)
        area = self.shot("options_focus_first")
        self.assertGreater(self.focus_dots(area, CHECK_BOX_1_LEFT, 520), 3)
        self.assertEqual(self.focus_dots(area, *OPTION_BOXES["bsSkinCheckRadioBox2"]), 0)

        self.page.key("Tab")
        time.sleep(0.5)
        area = self.shot("options_focus_second")
        self.assertEqual(self.focus_dots(area, CHECK_BOX_1_LEFT, 520), 0)
        self.assertGreater(self.focus_dots(area, *OPTION_BOXES["bsSkinCheckRadioBox2"]), 3)


if __name__ == "__main__":
    unittest.main(verbosity=2)
