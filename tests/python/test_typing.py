"""mypy --strict passes on the package and on everyday use of it
(typed_example.py), and catches a round mode that does not exist."""
import os
import subprocess
import sys
import tempfile
import unittest
from pathlib import Path

import universaltypes

try:
    import mypy  # noqa: F401 (Debian: python3-mypy)
except ImportError:
    mypy = None

HERE = Path(__file__).resolve().parent
PACKAGE = Path(universaltypes.__file__).resolve().parent
INSTALLED = bool({"site-packages", "dist-packages"} & set(PACKAGE.parts))


@unittest.skipIf(mypy is None, "mypy is not installed (Debian: python3-mypy)")
class StrictTypingTest(unittest.TestCase):
    def _mypy(self, *paths):
        with tempfile.TemporaryDirectory(prefix="utypes-mypy-") as cache:
            environment = dict(os.environ)
            if not INSTALLED:  # an installed package mypy finds as Python does
                environment["MYPYPATH"] = str(PACKAGE.parent)
            return subprocess.run([sys.executable, "-m", "mypy", "--strict", "--cache-dir", cache,
                                   *map(str, paths)], env=environment, stdout=subprocess.PIPE,
                                  stderr=subprocess.STDOUT, universal_newlines=True)

    def test_package_and_everyday_use_are_clean(self):
        result = self._mypy(PACKAGE, HERE / "typed_example.py")
        self.assertEqual(0, result.returncode, result.stdout)

    def test_an_unknown_round_mode_is_a_type_error(self):
        with tempfile.TemporaryDirectory(prefix="utypes-mypy-case-") as directory:
            case = Path(directory) / "nearest.py"
            case.write_text("from universaltypes import Time\n"
                            "Time('1 ns').steps('ps', round_mode='nearest')\n")
            result = self._mypy(case)
        self.assertNotEqual(0, result.returncode)
        self.assertIn("round_mode", result.stdout)


if __name__ == "__main__":
    unittest.main()
