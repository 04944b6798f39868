"""The package's version, the CMake project's, and where the libraries lie.

An installation (pip's build or cmake --install) writes _configured.py with
both; in the source tree the version is read from CMakeLists.txt above and
the libraries are looked for in its build directories."""
import importlib
import re
from pathlib import Path
from typing import Optional

LIBRARY_DIRECTORY: Optional[str]
VERSION: str
try:
    _configured = importlib.import_module(__name__.rpartition(".")[0] + "._configured")
    LIBRARY_DIRECTORY, VERSION = _configured.LIBRARY_DIRECTORY, _configured.VERSION
except ImportError:
    LIBRARY_DIRECTORY = None
    _project = (Path(__file__).resolve().parents[2] / "CMakeLists.txt").read_text()
    _match = re.search(r"project\(\s*universaltypes\s+VERSION\s+([0-9.]+)", _project)
    VERSION = _match.group(1) if _match else "0"

