"""Loads libzr_universaltypes, its C entry points for the text functions
(libzr_universaltypes_ctext) and the exact layer (libzr_universaltypes_exact),
all from one directory, and declares the functions the binding calls.

The directory comes from UTYPES_LIBRARY_DIR, else the one an installation
recorded relative to this package (lib/ inside it for pip, the prefix's
library directory for cmake --install), else build/release/src and then
build/test/src of the source tree this package lies in. The library's own
text functions have C++ linkage and one of them throws on overflow, which
would end the interpreter if it unwound into ctypes; the ctext library gives
them C names and status codes instead."""
import ctypes
import os
import sys
from pathlib import Path
from typing import Any, Dict, Sequence

from ._records import IntegerRecord, RealRecord, TimeRecord
from ._version import LIBRARY_DIRECTORY as LIBRARY_DIRECTORY

DIRECTORY_VARIABLE = "UTYPES_LIBRARY_DIR"


def _file_name(stem: str) -> str:
    if sys.platform == "darwin":
        return "lib%s.dylib" % stem
    if sys.platform.startswith(("win", "cygwin")):
        return "%s.dll" % stem
    return "lib%s.so" % stem


def _library_directory() -> Path:
    if os.environ.get(DIRECTORY_VARIABLE):
        return Path(os.environ[DIRECTORY_VARIABLE])
    if LIBRARY_DIRECTORY is not None:
        return (Path(__file__).resolve().parent / LIBRARY_DIRECTORY).resolve()
    source_tree = Path(__file__).resolve().parents[2]
    for build in ("release", "test"):
        directory = source_tree / "build" / build / "src"
        if (directory / _file_name("zr_universaltypes")).exists():
            return directory
    raise ImportError("universaltypes: no built library found; build it (bash scripts/demo) "
                      "or set %s to the directory of %s" % (DIRECTORY_VARIABLE,
                                                            _file_name("zr_universaltypes")))


def _load(directory: Path, stem: str) -> ctypes.CDLL:
    path = directory / _file_name(stem)
    try:
        return ctypes.CDLL(str(path))
    except OSError as error:
        raise ImportError("universaltypes: cannot load %s: %s" % (path, error)) from error


_directory = _library_directory()
library = _load(_directory, "zr_universaltypes")
text_library = _load(_directory, "zr_universaltypes_ctext")
exact_library = _load(_directory, "zr_universaltypes_exact")

INTEGER = ctypes.POINTER(IntegerRecord)
REAL = ctypes.POINTER(RealRecord)
TIME = ctypes.POINTER(TimeRecord)
STATUS = ctypes.c_int
RELATIONS = ("Equals", "NotEqual", "LessThan", "LessEqual", "GreaterThan", "GreaterEqual")


def flat(name: str, result: Any, *arguments: Any, owner: ctypes.CDLL = library) -> Any:
    """A function of the library (or of the ctext library) with its types."""
    function = getattr(owner, name)
    function.restype = result
    function.argtypes = list(arguments)
    return function


def relations(left: str, right: str, left_type: Any, right_type: Any,
              names: Sequence[str] = RELATIONS) -> Dict[str, Any]:
    """The flat comparisons "<left><relation><right>", by relation name."""
    return {name: flat(left + name + right, STATUS, left_type, right_type) for name in names}


time_zero = flat("Get_TheConstantZero", None, TIME)
parse_time = flat("CTimeValueFromTimeString", STATUS, ctypes.c_char_p, TIME, owner=text_library)
time_image = flat("CTimeTickValueToString", ctypes.c_char_p, TIME, ctypes.c_int,
                  ctypes.POINTER(ctypes.c_int), owner=text_library)
set_analog_exists = flat("CSetAnalogExists", None, ctypes.c_int, owner=text_library)
get_analog_exists = flat("CGetAnalogExists", ctypes.c_int, owner=text_library)
set_disable_base_literals = flat("CSetDisableBaseLiterals", None, ctypes.c_int,
                                 owner=text_library)

# The exact layer: exact results or a status, never a wrapped or rounded one.
SIZE = ctypes.c_size_t
TEXT = ctypes.c_char_p
exact_integer = flat("UTX_IntegerArithmetic", STATUS, ctypes.c_int, INTEGER, INTEGER, INTEGER,
                     owner=exact_library)
exact_time = flat("UTX_TimeArithmetic", STATUS, ctypes.c_int, TIME, TIME, ctypes.c_int, TIME,
                  owner=exact_library)
exact_quotient = flat("UTX_TimeQuotient", STATUS, TIME, TIME, ctypes.c_int, INTEGER,
                      owner=exact_library)
exact_scaled = flat("UTX_TimeScaledByRational", STATUS, TIME, ctypes.c_int, TEXT, ctypes.c_int,
                    TIME, owner=exact_library)
exact_from_femtoseconds = flat("UTX_TimeFromFemtoseconds", STATUS, TEXT, ctypes.c_int, TIME,
                               owner=exact_library)
exact_to_femtoseconds = flat("UTX_TimeToFemtoseconds", STATUS, TIME, ctypes.c_int, TEXT, SIZE,
                             owner=exact_library)
exact_parse = flat("UTX_ParseTimeLiteral", STATUS, TEXT, SIZE, TIME, ctypes.POINTER(SIZE),
                   owner=exact_library)
ADD, SUBTRACT, MULTIPLY, DIVIDE, REM, MOD = range(6)

# The time units in TimeUnit's order, as the library describes them.
unit_count = flat("UTX_UnitCount", ctypes.c_int, owner=exact_library)
unit_name = flat("UTX_UnitName", ctypes.c_char_p, ctypes.c_int, owner=exact_library)
unit_femtoseconds = flat("UTX_UnitFemtoseconds", ctypes.c_ulonglong, ctypes.c_int,
                         owner=exact_library)
