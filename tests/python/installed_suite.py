"""`pip <library dir>` or `cmake-install <build dir> <python dir in the prefix>` into a fresh
venv, then this folder's test_*.py from outside the tree (UTYPES_TEST_PRELOAD: its LD_PRELOAD)."""
import os
import shutil
import subprocess
import sys
import tempfile
from pathlib import Path

TESTS = Path(__file__).resolve().parent
LEAKED_VARIABLES = ("UTYPES_LIBRARY_DIR", "PYTHONPATH", "LD_PRELOAD", "UTYPES_TEST_PRELOAD")
LOCATION_PROBE = ("import universaltypes, universaltypes._native as n; "
                  "print(universaltypes.__file__); print(n._directory)")


def _run(command, check=True, cwd=None, **extra):
    print("+", " ".join(map(str, command)), flush=True)
    environment = {k: v for k, v in os.environ.items() if k not in LEAKED_VARIABLES}
    environment.update(PYTHONDONTWRITEBYTECODE="1", **extra)
    return subprocess.run([str(part) for part in command], check=check, cwd=cwd, env=environment,
                          stdout=subprocess.PIPE if check else None, universal_newlines=True)


def _install(mode, python, temp, *arguments):
    if mode == "pip":
        _run([python, "-m", "pip", "install", "-q", "--no-build-isolation", "--no-index",
              "--no-deps", TESTS.parents[1] / "python"],
             UTYPES_WHEEL_LIBRARY_DIR=str(Path(arguments[0]).resolve()))
    elif mode == "cmake-install":
        build_dir, python_dir = arguments
        _run(["cmake", "--install", build_dir, "--prefix", temp / "prefix"])
        site = _run([python, "-c", "import sysconfig; print(sysconfig.get_paths()['purelib'])"])
        (Path(site.stdout.strip()) / "installed_prefix.pth").write_text(
            "%s\n" % (temp / "prefix" / python_dir))
    else:
        raise SystemExit("unknown mode %r" % mode)


def main(mode, *arguments):
    with tempfile.TemporaryDirectory(prefix="utypes-install-") as name:
        temp = Path(name).resolve()
        # System site packages for hypothesis and mypy (Debian's); the
        # package itself is nowhere but in this environment or prefix.
        _run([sys.executable, "-m", "venv", "--system-site-packages", temp / "venv"])
        python = temp / "venv" / "bin" / "python"
        _install(mode, python, temp, *arguments)
        suite = temp / "tests" / TESTS.name
        shutil.copytree(TESTS, suite, ignore=lambda _, names: [n for n in names
                                                              if not n.endswith(".py")])
        preload = os.environ.get("UTYPES_TEST_PRELOAD")
        extra = {"LD_PRELOAD": preload, "ASAN_OPTIONS": "detect_leaks=0"} if preload else {}
        for path in _run([python, "-c", LOCATION_PROBE], **extra).stdout.split():
            if not Path(path).resolve().is_relative_to(temp):
                raise SystemExit("loaded from outside the installation: %s" % path)
        return _run([python, "-m", "unittest", "discover", "-s", suite], check=False, cwd=temp,
                    **extra).returncode


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
