"""Fails when a wizard's code and data grow over the limit.

Code and data are every section of the executable but the resources (.rsrc),
which hold the payload, the 7-Zip library and the artwork. KB are 1024 bytes.

Usage: check_code_size.py <objdump>=<program>=<limit KB>...
A program that is not built (the other architecture's tree) is reported and
makes the check end as skipped (exit code 77) unless another one failed.
"""
import os
import subprocess
import sys

SKIPPED = 77


def section_sizes(objdump, program):
    output = subprocess.run([objdump, "-h", program], capture_output=True, text=True, check=True).stdout
    sizes = {}
    for line in output.splitlines():
        fields = line.split()
        if len(fields) >= 3 and fields[0].isdigit():
            sizes[fields[1]] = int(fields[2], 16)
    return sizes


def main():
    failures = missing = 0
    for entry in sys.argv[1:]:
        objdump, rest = entry.split("=", 1)
        program, limit = rest.rsplit("=", 1)
        limit_kb = int(limit)
        if not os.path.exists(program):
            print(f"SKIP {program}: not built")
            missing += 1
            continue
        sizes = section_sizes(objdump, program)
        counted = {name: size for name, size in sizes.items() if name != ".rsrc"}
        total = sum(counted.values()) / 1024
        parts = ", ".join(f"{name} {size / 1024:.1f}" for name, size in counted.items())
        if ".text" not in counted:
            print(f"FAIL {program}: no code section found")
            failures += 1
        elif total > limit_kb:
            print(f"FAIL {program}: {total:.1f} KB of code and data, over {limit_kb} KB ({parts})")
            failures += 1
        else:
            print(f"ok   {program}: {total:.1f} KB of code and data, limit {limit_kb} KB ({parts})")
    if failures:
        return 1
    return SKIPPED if missing else 0


if __name__ == "__main__":
    sys.exit(main())
