"""Python binding of libzr_universaltypes over its flat C interface (ctypes,
standard library only): Integer, Real and Time with the library's exact
arithmetic, Time.parse for time literals and the library's time images
through str() and format(t, 'ns').

The built library is found through UTYPES_LIBRARY_DIR (the directory of
libzr_universaltypes.so and libzr_universaltypes_ctext.so), else in
build/release/src or build/test/src of this source tree.

The library's switches are process-wide, as they are for every host."""
from . import _native
from .integer import Integer
from .real import Real
from .time_value import UNITS, Time

__all__ = ["Integer", "Real", "Time", "UNITS", "analog", "set_analog", "set_based_literals"]


def set_analog(analog_exists):
    """Sets the library's analog flag: while it is set, offsets below 1 fs count
    in literals, sums and comparisons."""
    _native.set_analog_exists(1 if analog_exists else 0)


def analog():
    return _native.get_analog_exists() == 1


def set_based_literals(allowed):
    """Allows or refuses based time literals ('16#FF# ns')."""
    _native.set_disable_base_literals(0 if allowed else 1)
