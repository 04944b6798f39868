"""Python binding of libzr_universaltypes over its flat C interface (ctypes,
standard library only): Integer, Time and Frequency with exact arithmetic
(every result exact or an exception), Real with the library's double operations,
Time.parse for time literals and the library's time images through str()
and format(t, 'ns').

The libraries (libzr_universaltypes.so, libzr_universaltypes_ctext.so and
libzr_universaltypes_exact.so) are those bundled or installed with the
package; UTYPES_LIBRARY_DIR names another directory of them; in the source
tree they are looked for in build/release/src, then build/test/src.

The library's switches are process-wide, as they are for every host."""
from . import _native
from ._version import VERSION as VERSION

__version__ = VERSION
from .frequency import Frequency
from .integer import Integer
from .real import Real
from .time_value import UNITS, RoundMode, Time

__all__ = ["__version__", "Frequency", "Integer", "Real", "RoundMode", "Time", "UNITS", "analog",
           "set_analog", "set_based_literals"]


def set_analog(analog_exists: bool) -> None:
    """Sets the library's analog flag: while it is set, offsets below 1 fs count
    in literals, sums, comparisons and hashes (do not change it while times
    are in a set or dict keys)."""
    _native.set_analog_exists(1 if analog_exists else 0)


def analog() -> bool:
    return bool(_native.get_analog_exists() == 1)


def set_based_literals(allowed: bool) -> None:
    """Allows or refuses based time literals ('16#FF# ns')."""
    _native.set_disable_base_literals(0 if allowed else 1)
