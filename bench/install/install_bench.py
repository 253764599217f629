"""The install benchmark: the whole default installation through the real
wizard (a wizard carrying the extraction benchmark's archive), driven as the
end-to-end test drives it, against extraction alone of the same archive
through the adapter. Runs alternate.

  install_bench.py <wizard> <extract_bench.exe> <archive> <7z.dll> <work folder> <runs>

Runs inside tools/wine-run.sh --host. Prints per run the install time beyond
the mandated waits and the extraction time, then the medians, and last
  install overhead ratio = R   (median install beyond the waits / median extraction)
  peak working set MB = M      (the wizard's largest peak over the runs)
"""
import os
import queue
import re
import statistics
import subprocess
import sys
import threading
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tests", "e2e"))
import install_checks as checks  # noqa: E402
import wizard_driver  # noqa: E402

WIZARD, EXTRACT_BENCH, ARCHIVE, LIBRARY, WORK, RUNS = sys.argv[1:7]
RUNS = int(RUNS)
# The progress page's start timer fires 100 ms after the install button; with
# no product program running the stopper makes one pass (counted as work) and
# no wait; the sequence then always waits 3 s.
MANDATED_WAITS = 0.1 + 3.0
INSTALL_BUTTON = (294, 359)
PAGE_SIZE = (588, 358)


def windows_path(host_path):
    return "Z:" + os.path.abspath(host_path).replace("/", "\\")


def page_of(wizard, size, other_than=None):
    for window in wizard.visible_windows():
        if window.geometry()[2:] == size and (other_than is None or window.id != other_than):
            return window
    return None


def peak_working_set(pid):
    """The process's peak resident size in bytes, as Wine reports it for
    the process's peak working set."""
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("VmHWM:"):
                return int(line.split()[1]) * 1024
    raise RuntimeError("no VmHWM")


class MappedWindows:
    """The windows the X server maps on the screen, each with the time it was
    mapped. xev reports them as they happen: the install is timed to the
    moment the finish page appears, and no polling takes the processor from
    the wizard meanwhile."""

    def __init__(self):
        self.process = subprocess.Popen(["xev", "-root", "-event", "substructure"], stdout=subprocess.PIPE,
                                        stderr=subprocess.DEVNULL, text=True, bufsize=1)
        self.mapped = queue.Queue()
        threading.Thread(target=self._read, daemon=True).start()

    def _read(self):
        for line in self.process.stdout:
            if line.startswith("MapNotify"):
                stamp = time.monotonic()
                match = re.search(r"window (0x[0-9a-f]+)", self.process.stdout.readline())
                if match:
                    self.mapped.put((stamp, wizard_driver.Window(str(int(match.group(1), 16)))))

    def next_page(self, size, timeout, message):
        """(time mapped, window) of the next window of that size to appear."""
        deadline = time.monotonic() + timeout
        while True:
            try:
                stamp, window = self.mapped.get(timeout=max(0.0, deadline - time.monotonic()))
            except queue.Empty:
                raise AssertionError(f"{message} (after {timeout} s)")
            try:
                if window.geometry()[2:] == size:
                    return stamp, window
            except RuntimeError:
                continue  # gone meanwhile

    def stop(self):
        self.process.kill()
        self.process.wait(timeout=10)


def install_once():
    """Seconds from the install button to the finish page, and the wizard's
    peak working set."""
    checks.clean_slate()
    windows = MappedWindows()
    wizard = wizard_driver.Wizard(WIZARD)
    try:
        options = checks.wait_until(lambda: page_of(wizard, (588, 400)), 60, "no options page")
        started = time.monotonic()
        options.click(*INSTALL_BUTTON)
        _, progress = windows.next_page(PAGE_SIZE, 60, "no progress page")
        finished, finish = windows.next_page(PAGE_SIZE, 300, "no finish page")
        if finish.id == progress.id or page_of(wizard, PAGE_SIZE, other_than=progress.id) is None:
            raise AssertionError("the finish page is not the wizard's second page of its size")
        pid, = wizard_driver.windows_processes(os.path.basename(WIZARD))
        return finished - started, peak_working_set(pid)
    finally:
        wizard.kill()
        windows.stop()
        checks.clean_slate()


def timed(command):
    started = time.monotonic()
    result = subprocess.run(command, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, timeout=600)
    return time.monotonic() - started, result


def extract_once():
    """Seconds the adapter takes to extract the archive in a process of its
    own, less the start-up of that process (the same program run without
    work)."""
    folder = os.path.join(WORK, "extracted")
    checks.remove_tree(folder)
    total, result = timed(["wine", EXTRACT_BENCH, "--adapter", windows_path(ARCHIVE), windows_path(LIBRARY),
                           windows_path(folder)])
    if result.returncode != 0:
        raise RuntimeError("extraction failed: " + result.stderr.decode(errors="replace"))
    start_up, _ = timed(["wine", EXTRACT_BENCH])
    checks.remove_tree(folder)
    return total - start_up


def main():
    installs, extracts, peaks = [], [], []
    for run in range(1, RUNS + 1):
        install, peak = install_once()
        extract = extract_once()
        installs.append(install - MANDATED_WAITS)
        extracts.append(extract)
        peaks.append(peak)
        print(f"run {run}: install beyond the waits {installs[-1]:.3f} s, extraction {extract:.3f} s, "
              f"peak working set {peak / 2**20:.1f} MB", flush=True)
    print(f"install beyond the waits: median {statistics.median(installs):.3f} s")
    print(f"extraction alone:         median {statistics.median(extracts):.3f} s")
    print(f"install overhead ratio = {statistics.median(installs) / statistics.median(extracts):.2f}")
    print(f"peak working set MB = {max(peaks) / 2**20:.1f}")


if __name__ == "__main__":
    main()
