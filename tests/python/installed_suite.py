"""Installs the package as a user would, into a fresh virtual environment in
a temporary folder, and runs the package's unittest suite (this folder's
test_*.py, copied out of the source tree) against the installed copy.

  installed_suite.py pip <library dir>
      pip install --no-build-isolation ./python, bundling the libraries of
      <library dir> (the build under test) instead of building them again.
  installed_suite.py cmake-install <build dir> <python dir in the prefix>
      cmake --install into a temporary prefix; the environment reaches the
      installed package through a .pth file.

No UTYPES_LIBRARY_DIR or PYTHONPATH reaches the installed copy: it must find
its libraries by itself. UTYPES_TEST_PRELOAD, when set (sanitizer builds),
becomes LD_PRELOAD for the suite alone, not for pip or venv."""
import os
import shutil
import subprocess
import sys
import tempfile
from pathlib import Path

TESTS = Path(__file__).resolve().parent
SOURCE_TREE = TESTS.parents[1]
LEAKED_VARIABLES = ("UTYPES_LIBRARY_DIR", "PYTHONPATH", "LD_PRELOAD", "UTYPES_TEST_PRELOAD")
LOCATION_PROBE = ("import universaltypes, universaltypes._native as n; "
                  "print(universaltypes.__file__); print(n._directory)")


def _environment(**extra):
    environment = {k: v for k, v in os.environ.items() if k not in LEAKED_VARIABLES}
    environment["PYTHONDONTWRITEBYTECODE"] = "1"
    environment.update(extra)
    return environment


def _run(command, **extra):
    print("+", " ".join(map(str, command)), flush=True)
    return subprocess.run([str(part) for part in command], check=True, env=_environment(**extra),
                          stdout=subprocess.PIPE, universal_newlines=True).stdout


def _install_with_pip(python, library_dir):
    _run([python, "-m", "pip", "install", "-q", "--no-build-isolation", "--no-index", "--no-deps",
          SOURCE_TREE / "python"], UTYPES_WHEEL_LIBRARY_DIR=Path(library_dir).resolve())


def _install_with_cmake(python, build_dir, python_dir, temp):
    prefix = temp / "prefix"
    _run(["cmake", "--install", build_dir, "--prefix", prefix])
    site = _run([python, "-c", "import sysconfig; print(sysconfig.get_paths()['purelib'])"])
    (Path(site.strip()) / "installed_prefix.pth").write_text("%s\n" % (prefix / python_dir))


def _copied_suite(destination):
    suite = destination / TESTS.name
    suite.mkdir(parents=True)
    for module in TESTS.glob("*.py"):
        if module.name != Path(__file__).name:
            shutil.copy(module, suite)
    return suite


def main(mode, *arguments):
    with tempfile.TemporaryDirectory(prefix="utypes-install-") as name:
        temp = Path(name).resolve()
        venv = temp / "venv"
        # System site packages for hypothesis (Debian's); the package itself
        # is nowhere but in this environment or prefix.
        _run([sys.executable, "-m", "venv", "--system-site-packages", venv])
        python = venv / "bin" / "python"
        if mode == "pip":
            _install_with_pip(python, *arguments)
        elif mode == "cmake-install":
            _install_with_cmake(python, *arguments, temp)
        else:
            raise SystemExit("unknown mode %r" % mode)
        suite = _copied_suite(temp / "tests")
        preload = os.environ.get("UTYPES_TEST_PRELOAD")
        extra = {"LD_PRELOAD": preload, "ASAN_OPTIONS": "detect_leaks=0"} if preload else {}
        package, libraries = _run([python, "-c", LOCATION_PROBE], **extra).split()
        for path in (package, libraries):
            if not Path(path).resolve().is_relative_to(temp):
                raise SystemExit("loaded from outside the installation: %s" % path)
        print("package %s, libraries %s" % (package, libraries), flush=True)
        result = subprocess.run([str(python), "-m", "unittest", "discover", "-s", str(suite)],
                                cwd=str(temp), env=_environment(**extra))
        return result.returncode


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
