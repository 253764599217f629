"""What an installation leaves in the test prefix: files, shortcuts, registry
records and running programs, read from the host, and the clean slate each
install test starts from.

Runs inside tools/wine-run.sh --host (WINEPREFIX, HOME and the locale of the
build tree's test prefix)."""
import glob
import os
import re
import signal
import subprocess
import tempfile
import time

import wizard_driver

DEFAULT_FOLDER = "C:\\Program Files\\Larkview\\"
RUN_KEY = "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Run"
UNINSTALL_KEY = "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\云雀视界"
PLUGIN_KEY = "HKCU\\Software\\Classes\\CLSID\\{6C1A2F3E-8B4D-4E1A-9F2B-5A7C3D9E0B14}\\InprocServer32"
PRODUCT_PROGRAMS = ("skydock.exe", "skyvu.exe", "meshport.exe", "skyhaul.exe", "skyvunote.exe")


def host_path(windows_path):
    """The host path of a Windows path of the prefix (through its drive link)."""
    drive, rest = windows_path[0].lower(), windows_path[3:]
    return os.path.join(os.environ["WINEPREFIX"], "dosdevices", drive + ":", *[p for p in rest.split("\\") if p])


def profile():
    users = os.path.join(os.environ["WINEPREFIX"], "drive_c", "users")
    return next(path for path in glob.glob(os.path.join(users, "*")) if os.path.basename(path) != "Public")


def shortcut_paths():
    """The four shortcuts an installation writes, by role."""
    roaming = os.path.join(profile(), "AppData", "Roaming", "Microsoft")
    programs = os.path.join(roaming, "Windows", "Start Menu", "Programs", "云雀视界")
    return {
        "desktop": os.path.join(profile(), "Desktop", "云雀视界.lnk"),
        "quick launch": os.path.join(roaming, "Internet Explorer", "Quick Launch", "云雀视界.lnk"),
        "program group": os.path.join(programs, "云雀视界.lnk"),
        "uninstall": os.path.join(programs, "卸载云雀视界.lnk"),
    }


def shortcut_target(path):
    """The local path a shell link points to, or None when there is no link."""
    if not os.path.exists(path):
        return None
    result = subprocess.run(["lnkinfo", "-c", "windows-936", path], capture_output=True, text=True,
                            timeout=30, check=True)
    match = re.search(r"^\s*Local path\s*:\s*(.*?)\s*$", result.stdout, re.MULTILINE)
    return match.group(1) if match else ""


def _reg(*args):
    """Runs Wine's reg. Its output goes to files, not pipes: a Wine program
    that finds the prefix's services not running starts them, they inherit
    its handles and outlive it, so a pipe would not close when reg ends."""
    with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err:
        result = subprocess.run(["wine", "reg", *args], stdout=out, stderr=err, timeout=wizard_driver.slowed(120))
        out.seek(0)
        err.seek(0)
        return subprocess.CompletedProcess(result.args, result.returncode, out.read(), err.read())


def registry_values(key):
    """{name: data} of the key's values (the default value as ""), None when
    the key does not exist."""
    result = _reg("query", key)
    if result.returncode != 0:
        return None
    values = {}
    for line in result.stdout.decode("gbk", errors="replace").splitlines():
        match = re.match(r"^    (.*?)\s{4}(REG_\w+)\s{4}(.*)$", line)
        if match:
            name = "" if match.group(1) in ("(Default)", "(默认)") else match.group(1)
            values[name] = match.group(3)
    return values


def set_registry_value(key, name, data):
    if _reg("add", key, "/v", name, "/t", "REG_SZ", "/d", data, "/f").returncode != 0:
        raise RuntimeError(f"cannot write {key}\\{name}")


def stop_processes(name):
    for pid in wizard_driver.windows_processes(name):
        try:
            os.kill(pid, signal.SIGKILL)
        except ProcessLookupError:
            pass
    wait_until(lambda: not wizard_driver.windows_processes(name), 20, f"{name} still runs")


def wait_until(condition, timeout, message):
    """Polls condition until it holds (returns its value) or fails after
    timeout (stretched by the slowdown)."""
    timeout = wizard_driver.slowed(timeout)
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise AssertionError(f"{message} (after {timeout} s)")
        time.sleep(0.1)


def remove_tree(path):
    subprocess.run(["rm", "-rf", path], check=True)


def clean_slate(folders=(DEFAULT_FOLDER,)):
    """No product program running, no install folder, shortcut, Run value,
    uninstall record or plug-in registration."""
    for name in PRODUCT_PROGRAMS:
        stop_processes(name)
    for folder in folders:
        remove_tree(host_path(folder))
    for path in shortcut_paths().values():
        remove_tree(path)
    remove_tree(os.path.dirname(shortcut_paths()["program group"]))
    _reg("delete", RUN_KEY, "/v", "skyvu", "/f")
    _reg("delete", UNINSTALL_KEY, "/f")
    _reg("delete", PLUGIN_KEY.rsplit("\\", 1)[0], "/f")


def tree_files(root):
    """{relative path: bytes} of every file below root."""
    files = {}
    for folder, _, names in os.walk(root):
        for name in names:
            path = os.path.join(folder, name)
            with open(path, "rb") as f:
                files[os.path.relpath(path, root)] = f.read()
    return files
