"""Holds a built library to the export list (src/library/exported_names.txt),
in both directions: every listed name exported, and nothing else (no
internal helper, no standard-library symbol); the Windows .def file too.
Names come demangled from `nm -D --defined-only` (ELF) or the export table
`objdump -p` prints (DLL). Usage: check_exports.py LIST DEF LIBRARY [NM-OR-OBJDUMP]
"""
import re
import subprocess
import sys


def demangle(names):
    out = subprocess.run(["c++filt"], input="\n".join(names) + "\n", capture_output=True,
                         text=True, check=True).stdout
    return set(line for line in out.splitlines() if line)


def elf_exports(library, nm):
    out = subprocess.run([nm, "-D", "--defined-only", library], capture_output=True,
                         text=True, check=True).stdout
    return [line.split()[2] for line in out.splitlines() if len(line.split()) == 3]


def dll_exports(library, objdump):
    out = subprocess.run([objdump, "-p", library], capture_output=True, text=True,
                         check=True).stdout
    table = out.split("[Ordinal/Name Pointer] Table", 1)[-1]
    return re.findall(r"^\s*\[\s*\d+\]\s+(\S+)\s*$", table, re.MULTILINE)


def def_exports(path):
    lines = open(path).read().split("EXPORTS", 1)[1].splitlines()
    return [line.split()[0] for line in lines if line.strip()]


def compare(what, expected, actual):
    missing, extra = sorted(expected - actual), sorted(actual - expected)
    for name in missing:
        print("%s: missing %s" % (what, name))
    for name in extra:
        print("%s: not in the list %s" % (what, name))
    return not missing and not extra


def main():
    listed = set(line.strip() for line in open(sys.argv[1]) if line.strip())
    library = sys.argv[3]
    if library.endswith(".dll"):
        exported = dll_exports(library, sys.argv[4] if len(sys.argv) > 4 else "objdump")
    else:
        exported = elf_exports(library, sys.argv[4] if len(sys.argv) > 4 else "nm")
    checks = [compare(library, listed, demangle(exported)),
              compare(sys.argv[2], listed, demangle(def_exports(sys.argv[2])))]
    print("%d names listed, %d exported" % (len(listed), len(set(exported))))
    passed = sum(checks)
    print("%d passed, %d failed" % (passed, len(checks) - passed))
    return 0 if all(checks) else 1


if __name__ == "__main__":
    sys.exit(main())
