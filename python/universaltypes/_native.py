"""Loads libzr_universaltypes and its C entry points for the text functions
(libzr_universaltypes_ctext, built into the same directory) and declares the
functions the binding calls.

The directory comes from UTYPES_LIBRARY_DIR, else build/release/src and then
build/test/src of the source tree this package lies in. The library's own
text functions have C++ linkage and one of them throws on overflow, which
would end the interpreter if it unwound into ctypes; the ctext library gives
them C names and status codes instead."""
import ctypes
import os
import sys
from pathlib import Path

from ._records import IntegerRecord, RealRecord, TimeRecord

DIRECTORY_VARIABLE = "UTYPES_LIBRARY_DIR"


def _file_name(stem):
    if sys.platform == "darwin":
        return "lib%s.dylib" % stem
    if sys.platform.startswith(("win", "cygwin")):
        return "%s.dll" % stem
    return "lib%s.so" % stem


def _library_directory():
    if os.environ.get(DIRECTORY_VARIABLE):
        return Path(os.environ[DIRECTORY_VARIABLE])
    source_tree = Path(__file__).resolve().parents[2]
    for build in ("release", "test"):
        directory = source_tree / "build" / build / "src"
        if (directory / _file_name("zr_universaltypes")).exists():
            return directory
    raise ImportError("universaltypes: no built library found; build it (bash scripts/demo) "
                      "or set %s to the directory of %s" % (DIRECTORY_VARIABLE,
                                                            _file_name("zr_universaltypes")))


def _load(directory, stem):
    path = directory / _file_name(stem)
    try:
        return ctypes.CDLL(str(path))
    except OSError as error:
        raise ImportError("universaltypes: cannot load %s: %s" % (path, error)) from error


_directory = _library_directory()
library = _load(_directory, "zr_universaltypes")
text_library = _load(_directory, "zr_universaltypes_ctext")

INTEGER = ctypes.POINTER(IntegerRecord)
REAL = ctypes.POINTER(RealRecord)
TIME = ctypes.POINTER(TimeRecord)
STATUS = ctypes.c_int
RELATIONS = ("Equals", "NotEqual", "LessThan", "LessEqual", "GreaterThan", "GreaterEqual")


def flat(name, result, *arguments, owner=library):
    """A function of the library (or of the ctext library) with its types."""
    function = getattr(owner, name)
    function.restype = result
    function.argtypes = list(arguments)
    return function


def relations(left, right, left_type, right_type, names=RELATIONS):
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
