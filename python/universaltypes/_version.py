"""The package's version, the CMake project's, and where the libraries lie.

An installation (pip's build or cmake --install) writes _configured.py with
both; in the source tree the version is read from CMakeLists.txt above and
the libraries are looked for in its build directories."""
import re
from pathlib import Path

try:
    from ._configured import LIBRARY_DIRECTORY, VERSION
except ImportError:
    LIBRARY_DIRECTORY = None
    _project = (Path(__file__).resolve().parents[2] / "CMakeLists.txt").read_text()
    VERSION = re.search(r"project\(\s*universaltypes\s+VERSION\s+([0-9.]+)", _project).group(1)
