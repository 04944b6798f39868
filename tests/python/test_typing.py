"""mypy --strict passes the package and typed_example.py, and catches a wrong round mode."""
import os
import subprocess
import sys
import tempfile
import unittest
from pathlib import Path

import universaltypes

PACKAGE = Path(universaltypes.__file__).resolve().parent


class StrictTypingTest(unittest.TestCase):
    def test_package_and_everyday_use_are_clean_and_a_wrong_round_mode_is_not(self):
        with tempfile.TemporaryDirectory(prefix="utypes-mypy-") as directory:
            wrong = Path(directory) / "nearest.py"
            wrong.write_text("from universaltypes import Time\n"
                             "Time('1 ns').steps('ps', round_mode='nearest')\n")
            environment = dict(os.environ)
            if not {"site-packages", "dist-packages"} & set(PACKAGE.parts):  # else mypy finds it
                environment["MYPYPATH"] = str(PACKAGE.parent)
            result = subprocess.run(
                [sys.executable, "-m", "mypy", "--strict", "--cache-dir", directory, str(PACKAGE),
                 str(Path(__file__).resolve().parent / "typed_example.py"), str(wrong)],
                env=environment, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                universal_newlines=True)
        errors = [line for line in result.stdout.splitlines() if ": error:" in line]
        self.assertEqual(1, len(errors), result.stdout)
        self.assertRegex(errors[0], r"^\S*nearest\.py:2: error: .*round_mode")


if __name__ == "__main__":
    unittest.main()
