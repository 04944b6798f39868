"""The package's version, the CMake project's, and where the libraries lie.

An installation (pip's build or cmake --install) writes _configured.py with
both; in the source tree the version is read from CMakeLists.txt above and
the libraries are looked for in its build directories."""
import importlib
import re
from pathlib import Path
from typing import Any, Optional


def _configured() -> Any:
    package = __name__.rpartition(".")[0]
    if not package:  # run as a file, as the build backend reads the version
        return None
    try:
        return importlib.import_module(package + "._configured")
    except ImportError:
        return None


LIBRARY_DIRECTORY: Optional[str]
VERSION: str
_installed = _configured()
if _installed is not None:
    LIBRARY_DIRECTORY, VERSION = _installed.LIBRARY_DIRECTORY, _installed.VERSION
else:
    LIBRARY_DIRECTORY = None
    _project = (Path(__file__).resolve().parents[2] / "CMakeLists.txt").read_text()
    _match = re.search(r"project\(\s*universaltypes\s+VERSION\s+([0-9.]+)", _project)
    VERSION = _match.group(1) if _match else "0"

