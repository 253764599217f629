"""Drives the real wizard under Wine and Xvfb with real X input (xdotool).

Runs inside tools/wine-run.sh --host, which sets WINEPREFIX, HOME, DISPLAY and
the locale of the build tree's test prefix.
"""
import os
import re
import subprocess
import tempfile
import time

# How many times slower than on this machine Wine runs (where it runs
# emulated); every wait of the end-to-end tests is stretched by it.
SLOWDOWN = int(os.environ.get("LARKVIEW_SLOWDOWN", "1"))


def slowed(seconds):
    return seconds * SLOWDOWN


def _xdotool(*args, check=True):
    result = subprocess.run(["xdotool", *map(str, args)], capture_output=True, text=True, timeout=30)
    if check and result.returncode != 0:
        raise RuntimeError(f"xdotool {' '.join(map(str, args))} failed: {result.stderr.strip()}")
    return result.stdout


def screen_size():
    width, height = _xdotool("getdisplaygeometry").split()
    return int(width), int(height)


class Window:
    def __init__(self, window_id):
        self.id = window_id

    def geometry(self):
        """(left, top, width, height) of the window on the screen."""
        values = dict(line.split("=", 1) for line in _xdotool("getwindowgeometry", "--shell", self.id).split())
        return int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])

    def click(self, x, y):
        """A left click at client coordinates."""
        _xdotool("mousemove", "--window", self.id, x, y, "click", 1)

    def move(self, x, y):
        """Moves the pointer to client coordinates."""
        _xdotool("mousemove", "--window", self.id, x, y)

    def drag(self, x, y, dx, dy):
        """Presses the left button at client (x, y), moves by (dx, dy) in steps, releases."""
        _xdotool("mousemove", "--window", self.id, x, y)
        _xdotool("mousedown", 1)
        steps = 10
        for _ in range(steps):
            _xdotool("mousemove_relative", "--", dx // steps, dy // steps)
            time.sleep(0.05)
        _xdotool("mouseup", 1)

    def key(self, *keys):
        """Real key strokes (XTEST) to the window that has the focus: Wine's
        windows reject synthetic events sent to one window."""
        _xdotool("key", *keys)


class Wizard:
    """One run of the wizard executable under Wine."""

    def __init__(self, exe, trace=None):
        """With trace (a file path), Wine writes into it the wizard's debug
        output lines, every text it draws and every text it puts into an
        edit box (see debug_lines, drawn_texts, edit_texts)."""
        self.exe = exe
        env = None
        if trace:
            env = dict(os.environ, WINEDEBUG="-all,+debugstr,+text,+edit")
            stderr = open(trace, "w+b")
        else:
            # What Wine reports on its own (it cannot reach the display, a
            # DLL is missing...) explains a wizard that ends early.
            stderr = tempfile.TemporaryFile()
        try:
            self.process = subprocess.Popen(["wine", exe], stdout=subprocess.DEVNULL, stderr=stderr, env=env)
        except BaseException:
            stderr.close()
            raise
        self._stderr = stderr

    def visible_windows(self):
        """The wizard's visible windows, without its application window: that
        one has no size (Wine maps it as 1 x 1) and only carries the title and
        the taskbar button. Minimised, it shows as Wine's icon title."""
        output = _xdotool("search", "--onlyvisible", "--pid", self.process.pid, check=False)
        windows = []
        for line in output.split():
            window = Window(line)
            try:
                _, _, width, height = window.geometry()
            except RuntimeError:
                continue  # gone meanwhile
            if width > 1 or height > 1:
                windows.append(window)
        return windows

    def wait_for_windows(self, count=1, timeout=30):
        """Waits until exactly `count` windows of the wizard are visible, and a
        moment longer, so that a window shown late is seen too."""
        deadline = time.monotonic() + slowed(timeout)
        while time.monotonic() < deadline:
            windows = self.visible_windows()
            if len(windows) >= count:
                time.sleep(1.0)
                return self.visible_windows()
            if self.process.poll() is not None:
                raise RuntimeError(f"the wizard ended early with code {self.process.returncode}; "
                                   f"Wine's last words: {self.wine_output()!r}")
            time.sleep(0.2)
        raise TimeoutError(f"no {count} visible window(s) of the wizard within {slowed(timeout)} s")

    def wait_for_exit(self, timeout=20):
        return self.process.wait(timeout=slowed(timeout))

    def kill(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait(timeout=slowed(10))
        self._stderr.close()

    def wine_output(self, limit=2000):
        """The end of Wine's error stream (with a trace, the trace's end): it
        explains a wizard that ended early."""
        self._stderr.flush()
        self._stderr.seek(0)
        return self._stderr.read().decode("utf-8", "replace")[-limit:]


def _wide_text(literal):
    """The text of a wide string as Wine's debug output quotes it."""
    return re.sub(r"\\([0-9a-f]{4})|\\(.)",
                  lambda m: chr(int(m.group(1), 16)) if m.group(1) else {"n": "\n", "r": "\r", "t": "\t"}.get(
                      m.group(2), m.group(2)), literal)


def _trace_lines(trace):
    with open(trace, "rb") as f:
        return f.read().decode("latin-1").splitlines()


def debug_lines(trace):
    """The debug-output lines (OutputDebugString) of a traced run, in order."""
    lines = []
    for line in _trace_lines(trace):
        match = re.search(r":debugstr:\w+ \"(.*)\"$", line)
        if match:
            lines.append(re.sub(r"\\n$", "", match.group(1)))
    return lines


def _traced_texts(trace, pattern):
    """The wide strings of the trace lines that match pattern (its group 1)."""
    texts = []
    for line in _trace_lines(trace):
        match = re.search(pattern, line)
        if match:
            texts.append(_wide_text(match.group(1)))
    return texts


def drawn_texts(trace):
    """The texts a traced run drew through DrawText, in order."""
    return _traced_texts(trace, r':text:DrawTextEx\w* L"((?:[^"\\]|\\.)*)"')


def edit_texts(trace):
    """The texts a traced run put into edit boxes (at creation or later), in order."""
    return _traced_texts(trace, r':edit:EDIT_WM_(?:Create|SetText) L"((?:[^"\\]|\\.)*)"')


def _in_this_prefix(pid):
    """Other build trees run their own prefixes on this machine: only this
    one's processes count."""
    try:
        with open(f"/proc/{pid}/environ", "rb") as f:
            return ("WINEPREFIX=" + os.environ["WINEPREFIX"]).encode() in f.read().split(b"\0")
    except OSError:
        return False


def _program(arguments):
    """The program of a process's arguments. Wine names a process after its
    program; an emulated one (the 32-bit build's checks) shows the host's
    arguments: qemu, then Wine's loader, then the program."""
    if os.path.basename(arguments[0]).startswith(b"qemu-") and len(arguments) > 2:
        arguments = arguments[2:]
    return arguments[0].decode("utf-8", errors="replace")


def windows_processes(name):
    """PIDs of this prefix's processes that run a program of that file name."""
    pids = []
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open(f"/proc/{entry}/cmdline", "rb") as f:
                program = _program(f.read().split(b"\0"))
        except OSError:
            continue
        if program.replace("\\", "/").rsplit("/", 1)[-1].lower() == name.lower() and _in_this_prefix(entry):
            pids.append(int(entry))
    return pids


def wizard_processes():
    """PIDs of this prefix's processes that run the wizard."""
    return windows_processes("LarkviewSetup.exe")


def pixel(path, x, y):
    """(r, g, b) of one pixel of a PNG file (a screenshot or a picture)."""
    result = subprocess.run(["convert", path, "-crop", f"1x1+{x}+{y}", "-depth", "8", "txt:-"],
                            capture_output=True, text=True, check=True, timeout=30)
    values = result.stdout.splitlines()[1].split("(", 1)[1].split(")", 1)[0].split(",")
    return tuple(int(float(v)) for v in values[:3])


def screenshot(name):
    """Saves the whole screen as <build tree>/screenshots/<name>.png."""
    folder = os.path.join(os.environ["LARKVIEW_TREE"], "screenshots")
    os.makedirs(folder, exist_ok=True)
    path = os.path.join(folder, name + ".png")
    subprocess.run(["import", "-window", "root", path], check=True, timeout=30)
    return path
