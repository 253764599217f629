#!/usr/bin/env python3
"""Links a program with only the code that is reachable, unwind data included.

The PE linker's default script keeps every unwind section, and the ones that
name a function's code (.eh_frame on i686, .pdata on x86_64) refer to every
function there is: with them as roots, --gc-sections cannot drop one
function. This wrapper links twice:
  1. with a script in which those two are ordinary sections, printing the
     sections that nothing reaches. Everything else the exception machinery
     needs stays reachable: the x86_64 unwind data proper (.xdata) and the
     language-specific tables (.gcc_except_table) are still kept, with the
     personality routine and the types that catch clauses name; the i686
     personality routine, which only .eh_frame names, is kept with -u (--root).
     This program is thrown away.
  2. with the default script plus a /DISCARD/ list of those dead functions
     and their own unwind sections.
The linker resolves a reference to a discarded section silently, so the first
pass must see every reference the second one keeps: it does, since the two
differ only in the unwind entries of dead functions.
A function's unwind data sits in a section of its own (.pdata$f, .xdata$f,
.eh_frame$f) except for the DWARF entries of non-inline functions, which GCC
writes into the object's shared .eh_frame: those stay, and their code address
(relocated against a discarded section) falls outside the code.

Usage, as CMake's linker launcher:
  link-live-code.py [--root SYMBOL]... -- <compiler driver> <link arguments>
"""
import os
import re
import subprocess
import sys
import tempfile

UNWIND_KEEP = re.compile(r"KEEP\s*\(\s*(\*\(\.(?:eh_frame|pdata)\*\))\s*\)")
DEAD_CODE = re.compile(r"removing unused section '(\.text[^'\[]*)(?:\[[^']*\])?' in file '([^']*)'")
UNWIND_PREFIXES = (".eh_frame", ".pdata", ".xdata")


def default_script(driver):
    linker = subprocess.run([driver, "-print-prog-name=ld"], capture_output=True, text=True,
                            check=True).stdout.strip()
    verbose = subprocess.run([linker, "--verbose"], capture_output=True, text=True, check=True).stdout
    parts = verbose.split("==================================================")
    if len(parts) != 3:
        sys.exit(f"link-live-code: cannot read the default script of {linker}")
    return parts[1]


def file_pattern(name):
    """ld prints an archive member as 'lib.a(member)'; a script names it 'lib.a:member'.
    Quoted, the name is taken as it is, not as a wildcard."""
    member = re.fullmatch(r"(.*)\(([^()]*)\)", name)
    return f'"{member.group(1)}:{member.group(2)}"' if member else f'"{name}"'


def discard_list(gc_report):
    lines = []
    for section, name in DEAD_CODE.findall(gc_report):
        suffix = section[len(".text"):]
        # A plain section's unwind data is shared with the object's other
        # functions; only a function's own section can go with it.
        sections = [section] + ([prefix + suffix for prefix in UNWIND_PREFIXES] if suffix else [])
        lines.append(f"    {file_pattern(name)}({' '.join(sections)})")
    return lines


def main():
    args = sys.argv[1:]
    split = args.index("--")
    options, command = args[:split], args[split + 1:]
    roots = [options[i + 1] for i, option in enumerate(options) if option == "--root"]
    output = command[command.index("-o") + 1]

    script = default_script(command[0])
    unwind_as_code, replaced = UNWIND_KEEP.subn(r"\1", script)
    if replaced == 0:
        sys.exit("link-live-code: the linker's default script no longer keeps .eh_frame or .pdata")

    with tempfile.TemporaryDirectory() as scratch:
        probe_script = os.path.join(scratch, "probe.ld")
        with open(probe_script, "w") as f:
            f.write(unwind_as_code)
        probe = list(command)
        probe[probe.index("-o") + 1] = os.path.join(scratch, "probe.exe")
        probe += [f"-Wl,-T,{probe_script}", "-Wl,--print-gc-sections"]
        probe += [f"-Wl,-u,{root}" for root in roots]
        result = subprocess.run(probe, capture_output=True, text=True)
        if result.returncode != 0:
            sys.stderr.write(result.stderr)
            sys.exit(result.returncode)

    anchor = "SECTIONS\n{\n"
    if anchor not in script:
        sys.exit("link-live-code: the default script has no SECTIONS block to extend")
    discard = "  /DISCARD/ :\n  {\n" + "\n".join(discard_list(result.stderr)) + "\n  }\n"
    final_script = output + ".live.ld"
    with open(final_script, "w") as f:
        f.write(script.replace(anchor, anchor + discard, 1))
    sys.exit(subprocess.run(command + [f"-Wl,-T,{final_script}"]).returncode)


if __name__ == "__main__":
    main()
