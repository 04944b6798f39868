"""Every listed name exported, and nothing else, by the library (nm -D or
objdump -p, demangled) and the .def file. Usage: check_exports.py LIST DEF LIBRARY [NM-OR-OBJDUMP]
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
    library, dll = sys.argv[3], sys.argv[3].endswith(".dll")
    tool = sys.argv[4] if len(sys.argv) > 4 else ("objdump" if dll else "nm")
    exported = (dll_exports if dll else elf_exports)(library, tool)
    checks = [compare(library, listed, demangle(exported)),
              compare(sys.argv[2], listed, demangle(def_exports(sys.argv[2])))]
    print("%d names listed, %d exported" % (len(listed), len(set(exported))))
    return 0 if all(checks) else 1


if __name__ == "__main__":
    sys.exit(main())
