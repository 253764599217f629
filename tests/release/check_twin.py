"""Static checks of the 32-bit wizard, the download, which cannot run on this
host: a 32-bit GUI program without a manifest (what Windows' installer
detection elevates), carrying the same resources and version record as the
64-bit twin that the tests run; only the payload and the 7-Zip library are
built per architecture, and the library must be the wizard's own.

Usage: check_twin.py <32-bit wizard> <64-bit wizard>
"""
import os
import subprocess
import sys
import tempfile

from pe_file import MACHINE_AMD64, MACHINE_I386, RT_MANIFEST, RT_VERSION, SUBSYSTEM_WINDOWS_GUI, PeFile

RT_RCDATA = 10
PER_ARCHITECTURE = {(RT_RCDATA, "F1"), (RT_RCDATA, "F7Z")}


def archive_paths(archive):
    """The item paths of a 7z archive (the header is readable without the password)."""
    with tempfile.TemporaryDirectory() as folder:
        path = os.path.join(folder, "payload.7z")
        with open(path, "wb") as f:
            f.write(archive)
        result = subprocess.run(["7zz", "l", "-slt", path], capture_output=True, text=True, timeout=120,
                                stdin=subprocess.DEVNULL, check=True)
    # The first path is the archive's own.
    return sorted(line[7:] for line in result.stdout.splitlines() if line.startswith("Path = "))[1:]


def check(twin_path, wizard_path):
    """Yields one failure text per broken rule."""
    twin, wizard = PeFile.read(twin_path), PeFile.read(wizard_path)
    if twin.machine != MACHINE_I386:
        yield f"machine {twin.machine:#x}, not i386"
    if wizard.machine != MACHINE_AMD64:
        yield f"the twin's machine {wizard.machine:#x}, not AMD64"
    if twin.subsystem != SUBSYSTEM_WINDOWS_GUI:
        yield f"subsystem {twin.subsystem}, not Windows GUI"

    ours, theirs = twin.resources(), wizard.resources()
    if any(key[0] == RT_MANIFEST for key in ours):
        yield "has a manifest"
    if not any(key[0] == RT_VERSION for key in ours):
        yield "has no version record"
    if sorted(map(str, ours)) != sorted(map(str, theirs)):
        yield f"resources differ: {sorted(map(str, ours))} vs {sorted(map(str, theirs))}"
        return
    for key, data in ours.items():
        if key[:2] not in PER_ARCHITECTURE and data != theirs[key]:
            yield f"resource {key} differs from the twin's"

    for key, data in ours.items():
        if key[:2] == (RT_RCDATA, "F7Z") and PeFile(data, "F7Z").machine != MACHINE_I386:
            yield "the 7-Zip library it carries is not a 32-bit program"
    payloads = [data for key, data in sorted(ours.items(), key=str) if key[:2] == (RT_RCDATA, "F1")]
    twin_payloads = [data for key, data in sorted(theirs.items(), key=str) if key[:2] == (RT_RCDATA, "F1")]
    if [archive_paths(p) for p in payloads] != [archive_paths(p) for p in twin_payloads]:
        yield "the payload's items differ from the twin's"


def main():
    twin, wizard = sys.argv[1], sys.argv[2]
    failures = list(check(twin, wizard))
    for failure in failures:
        print(f"FAIL {twin}: {failure}")
    if not failures:
        print(f"ok   {twin}: i386 GUI program, no manifest, resources and version record as in {wizard}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
