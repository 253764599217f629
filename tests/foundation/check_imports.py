"""Fails when a program statically imports a DLL outside Windows' KnownDLLs.

A statically imported DLL is loaded before the program's first line runs, and
one that is not a KnownDLL is searched for in the program's own folder first,
where a copy can be planted beside a downloaded installer.

Usage: check_imports.py <objdump> <program>...
"""
import subprocess
import sys

KNOWN_DLLS = {
    "advapi32.dll", "clbcatq.dll", "combase.dll", "comdlg32.dll", "coml2.dll", "difxapi.dll",
    "gdi32.dll", "gdiplus.dll", "imagehlp.dll", "imm32.dll", "kernel32.dll", "msctf.dll",
    "msvcrt.dll", "normaliz.dll", "nsi.dll", "ole32.dll", "oleaut32.dll", "psapi.dll",
    "rpcrt4.dll", "sechost.dll", "setupapi.dll", "shcore.dll", "shell32.dll", "shlwapi.dll",
    "user32.dll", "wldap32.dll", "ws2_32.dll",
}


def imported_dlls(objdump, program):
    output = subprocess.run([objdump, "-p", program], capture_output=True, text=True, check=True).stdout
    return [line.split(":", 1)[1].strip() for line in output.splitlines() if "DLL Name:" in line]


def main():
    objdump, programs = sys.argv[1], sys.argv[2:]
    failures = 0
    for program in programs:
        dlls = imported_dlls(objdump, program)
        if not dlls:
            print(f"FAIL {program}: no import table found")
            failures += 1
            continue
        outside = [dll for dll in dlls if dll.lower() not in KNOWN_DLLS]
        if outside:
            print(f"FAIL {program} imports {', '.join(outside)}")
            failures += 1
        else:
            print(f"ok   {program}: {', '.join(dlls)}")
    print(f"{len(programs) - failures} passed, {failures} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
